# The Windows ZIP from the Linux `package` build: one workflow preset can
# only use one configure preset, so this build configures the mingw cross
# build itself in windows/ (same sources, same build type, no tests) and
# runs its cpack, which puts the ZIP beside the Debian package.
include(ExternalProject)

# Brought in now, not halfway through the build (the compiler the toolchain
# file names).
if(COMMAND scenario_fornisci_programma)
  scenario_fornisci_programma(x86_64-w64-mingw32-g++-posix)
endif()

ExternalProject_Add(scenario_pacchetto_windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/windows
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DCMAKE_CXX_FLAGS_RELEASE=${CMAKE_CXX_FLAGS_RELEASE}
    -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=${CMAKE_PROJECT_TOP_LEVEL_INCLUDES}
    -DBUILD_TESTING=OFF
    -DSCENARIO_CARTELLA_PACCHETTI=${SCENARIO_CARTELLA_PACCHETTI}
  # Its own dependencies are the sources: let its build decide what is stale.
  BUILD_ALWAYS ON
  INSTALL_COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config <BINARY_DIR>/CPackConfig.cmake
  USES_TERMINAL_CONFIGURE ON
  USES_TERMINAL_BUILD ON
  USES_TERMINAL_INSTALL ON)

# After the Linux programs, so that the two builds never compete for the
# processors.
add_dependencies(scenario_pacchetto_windows crea_scenario scenario)
