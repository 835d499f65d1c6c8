# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# Every program is linked statically, so the .exe travels alone; tests run
# under wine through the emulator script beside this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(scenario_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${scenario_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${scenario_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${scenario_mingw}-windres)

# Headers and libraries come from the mingw tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${scenario_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libstdc++, libgcc or winpthread DLL beside the .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The wine prefix lives in the build folder, so a build never touches ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine_emulatore.sh ${CMAKE_BINARY_DIR}/wine)
