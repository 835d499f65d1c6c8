# Brought in by every preset (CMAKE_PROJECT_TOP_LEVEL_INCLUDES): when a
# find_package of ours misses, install the Debian package that provides it
# and look again, so that a fresh machine needs nothing but the two README
# commands. A plain `cmake -S . -B build` does not include this file and
# never installs anything.

# One row per dependency: the find_package name or the program, then its
# Debian packages.
set(scenario_pacchetti_debian
  "CLI11=libcli11-dev"
  "nlohmann_json=nlohmann-json3-dev"
  "GTest=libgtest-dev libgmock-dev"
  "benchmark=libbenchmark-dev"
  "X11=libx11-dev libxft-dev"
  "LibXml2=libxml2-dev"
  "x86_64-w64-mingw32-g++-posix=g++-mingw-w64-x86-64-posix"
  "dpkg-shlibdeps=dpkg-dev")

# The Debian packages of `nome` into `uscita`, empty when it is not ours.
function(scenario_pacchetti_di nome uscita)
  set(trovati "")
  foreach(riga IN LISTS scenario_pacchetti_debian)
    string(REPLACE "=" ";" parti "${riga}")
    list(GET parti 0 chiave)
    if(chiave STREQUAL nome)
      list(GET parti 1 trovati)
    endif()
  endforeach()
  set(${uscita} "${trovati}" PARENT_SCOPE)
endfunction()

# Whether this process may install: root, with apt-get on the PATH.
function(scenario_puo_installare uscita)
  set(puo FALSE)
  find_program(scenario_apt_get apt-get)
  if(scenario_apt_get AND CMAKE_HOST_UNIX)
    execute_process(COMMAND id -u OUTPUT_VARIABLE utente OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(utente STREQUAL "0")
      set(puo TRUE)
    endif()
  endif()
  set(${uscita} ${puo} PARENT_SCOPE)
endfunction()

# Installs the packages (a space-separated list), refreshing the package
# lists once if they are stale; stops with the line that would fix it when
# this process cannot install. `motivo` says who asked for them.
function(scenario_installa_pacchetti pacchetti motivo)
  separate_arguments(elenco UNIX_COMMAND "${pacchetti}")
  scenario_puo_installare(puo)
  if(NOT puo)
    message(FATAL_ERROR "${motivo} is missing. Install it with:\n  apt-get install ${pacchetti}\n"
                        "(as root; this configure only installs by itself when run as root with apt-get)")
  endif()
  message(STATUS "${motivo} is missing: installing ${pacchetti} with apt-get")
  set(ambiente ${CMAKE_COMMAND} -E env DEBIAN_FRONTEND=noninteractive)
  execute_process(COMMAND ${ambiente} apt-get install -y -qq --no-install-recommends ${elenco}
                  RESULT_VARIABLE esito OUTPUT_QUIET ERROR_QUIET)
  if(NOT esito EQUAL 0)
    execute_process(COMMAND ${ambiente} apt-get update -qq RESULT_VARIABLE aggiornato OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND ${ambiente} apt-get install -y -qq --no-install-recommends ${elenco}
                    RESULT_VARIABLE esito OUTPUT_QUIET ERROR_VARIABLE errori)
  endif()
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "apt-get could not install ${pacchetti}:\n${errori}\nTry by hand:\n  apt-get install ${pacchetti}")
  endif()
endfunction()

# The provider: our dependencies are looked for quietly first; a miss
# installs their packages and the original call runs again. Everything else
# (and every nested find_package) goes through untouched. A macro, so that
# what find_package sets lands in the caller's scope.
macro(scenario_fornisci_dipendenza metodo nome)
  scenario_pacchetti_di(${nome} _scenario_pacchetti)
  if(_scenario_pacchetti STREQUAL "")
    find_package(${nome} ${ARGN} BYPASS_PROVIDER)
  else()
    set(_scenario_argomenti ${ARGN})
    list(REMOVE_ITEM _scenario_argomenti REQUIRED)
    find_package(${nome} ${_scenario_argomenti} QUIET BYPASS_PROVIDER)
    # The display layer needs Xft beside Xlib.
    if(NOT ${nome}_FOUND OR (nome STREQUAL "X11" AND NOT X11_Xft_FOUND))
      scenario_installa_pacchetti("${_scenario_pacchetti}" "${nome}")
      # The first call may have cached a NOTFOUND directory or path.
      unset(${nome}_DIR CACHE)
      string(TOUPPER ${nome} _scenario_nome)
      unset(${_scenario_nome}_INCLUDE_DIR CACHE)
      unset(${_scenario_nome}_LIBRARY CACHE)
      find_package(${nome} ${ARGN} BYPASS_PROVIDER)
    endif()
  endif()
endmacro()

# The program `nome` of the table, installed with its packages when it is
# not on the PATH; its path lands in the cache as SCENARIO_PROGRAMMA_<nome>.
function(scenario_fornisci_programma nome)
  string(MAKE_C_IDENTIFIER "SCENARIO_PROGRAMMA_${nome}" variabile)
  find_program(${variabile} ${nome})
  if(NOT ${variabile})
    scenario_pacchetti_di(${nome} pacchetti)
    if(pacchetti STREQUAL "")
      message(FATAL_ERROR "${nome} is missing")
    endif()
    scenario_installa_pacchetti("${pacchetti}" "${nome}")
    unset(${variabile} CACHE)
    find_program(${variabile} ${nome} REQUIRED)
  endif()
endfunction()

# The toolchain file was read just before this file, the compiler not yet
# looked for: a cross compiler of the table comes in here.
if(CMAKE_CXX_COMPILER AND NOT IS_ABSOLUTE "${CMAKE_CXX_COMPILER}")
  scenario_pacchetti_di("${CMAKE_CXX_COMPILER}" _scenario_pacchetti)
  if(NOT _scenario_pacchetti STREQUAL "")
    scenario_fornisci_programma("${CMAKE_CXX_COMPILER}")
  endif()
endif()

cmake_language(SET_DEPENDENCY_PROVIDER scenario_fornisci_dipendenza SUPPORTED_METHODS FIND_PACKAGE)
