# What `install` and the packages hold, and the packages themselves (CPack):
# on Linux a Debian package, on Windows a ZIP. Both land in
# SCENARIO_CARTELLA_PACCHETTI (build-package/pacchetti/ for the `package`
# preset, which also makes the ZIP: cmake/pacchetto_windows.cmake).
set(SCENARIO_CARTELLA_PACCHETTI ${CMAKE_BINARY_DIR}/pacchetti CACHE PATH "Folder the packages land in")

if(WIN32)
  # The builder writes beside itself: the .exe files sit at the top of the
  # unpacked folder, the README beside them and docs/ where it links.
  set(scenario_cartella_programmi .)
  set(scenario_cartella_documenti .)
else()
  # The builder finds its display module in ../lib/crea_scenario/ from its
  # own folder (platform/CMakeLists.txt installs it there).
  set(scenario_cartella_programmi bin)
  set(scenario_cartella_documenti share/doc/crea-scenario)
endif()
install(TARGETS crea_scenario scenario RUNTIME DESTINATION ${scenario_cartella_programmi})
install(FILES README.md DESTINATION ${scenario_cartella_documenti})
install(FILES docs/FORMATO.md DESTINATION ${scenario_cartella_documenti}/docs)

set(CPACK_PACKAGE_NAME crea_scenario)
set(CPACK_PACKAGE_VENDOR "crea_scenario")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Builder of the Vordano - Seli scenario and the scenario tool (compile, check, dump, plot, decompile)")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_OUTPUT_FILE_PREFIX ${SCENARIO_CARTELLA_PACCHETTI})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
  # Debian names allow no underscore.
  set(CPACK_DEBIAN_PACKAGE_NAME crea-scenario)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "crea_scenario maintainers")
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  # The libraries each program and the display module link (libc, libstdc++,
  # libx11, libxft) are read off the files by dpkg-shlibdeps.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(SCENARIO_PACCHETTI AND COMMAND scenario_fornisci_programma)
    scenario_fornisci_programma(dpkg-shlibdeps)
  endif()
  # The window's font where MS Sans Serif is not installed.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
endif()

include(CPack)
