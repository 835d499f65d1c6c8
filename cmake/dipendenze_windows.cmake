# Libraries of the Windows cross build that Debian ships for Linux only:
# header-only ones staged, GoogleTest built from its sources.

# Each header folder is staged alone (never all of /usr/include on the mingw
# include path) behind a small package file the project's find_package finds.
set(scenario_scena ${CMAKE_BINARY_DIR}/_dipendenze)

# Stages the header folder `origine` as <stage>/<pacchetto>/include/<name>
# and writes <pacchetto>Config.cmake defining the header-only target `bersaglio`.
function(scenario_metti_in_scena pacchetto origine bersaglio pacchetto_debian)
  if(NOT IS_DIRECTORY ${origine} AND COMMAND scenario_installa_pacchetti)
    scenario_installa_pacchetti(${pacchetto_debian} ${origine})
  endif()
  if(NOT IS_DIRECTORY ${origine})
    message(FATAL_ERROR "${origine} is missing: install ${pacchetto_debian}")
  endif()
  set(cartella ${scenario_scena}/${pacchetto})
  get_filename_component(nome ${origine} NAME)
  file(MAKE_DIRECTORY ${cartella}/include)
  file(CREATE_LINK ${origine} ${cartella}/include/${nome} SYMBOLIC)
  file(WRITE ${cartella}/${pacchetto}Config.cmake
    "# Staged by cmake/dipendenze_windows.cmake: ${origine} alone.\n"
    "if(NOT TARGET ${bersaglio})\n"
    "  add_library(${bersaglio} INTERFACE IMPORTED)\n"
    "  set_target_properties(${bersaglio} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${cartella}/include\")\n"
    "endif()\n")
  set(${pacchetto}_DIR ${cartella} CACHE PATH "Staged ${pacchetto} for the Windows build" FORCE)
endfunction()

scenario_metti_in_scena(CLI11 /usr/include/CLI CLI11::CLI11 libcli11-dev)
scenario_metti_in_scena(nlohmann_json /usr/include/nlohmann nlohmann_json::nlohmann_json nlohmann-json3-dev)

if(BUILD_TESTING)
  set(scenario_googletest /usr/src/googletest)
  if(NOT EXISTS ${scenario_googletest}/CMakeLists.txt AND COMMAND scenario_installa_pacchetti)
    scenario_installa_pacchetti(googletest ${scenario_googletest})
  endif()
  if(NOT EXISTS ${scenario_googletest}/CMakeLists.txt)
    message(FATAL_ERROR "${scenario_googletest} is missing: install googletest")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${scenario_googletest} ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL SYSTEM)
  # Its own warnings are not ours to fix.
  foreach(bersaglio gtest gtest_main gmock gmock_main)
    target_compile_options(${bersaglio} PRIVATE -w)
  endforeach()
  # tests/ asks for GTest by find_package: answer with the targets just made.
  file(WRITE ${scenario_scena}/GTest/GTestConfig.cmake
    "# Written by cmake/dipendenze_windows.cmake: GoogleTest built in this tree.\n"
    "if(NOT TARGET GTest::gtest)\n"
    "  set(GTest_FOUND FALSE)\n"
    "endif()\n")
  set(GTest_DIR ${scenario_scena}/GTest CACHE PATH "GoogleTest built for the Windows build" FORCE)
endif()
