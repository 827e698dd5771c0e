# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (g++-mingw-w64-x86-64-posix). Programs are
# linked with -static, so libstdc++, libgcc and winpthread are inside each .exe and it needs only the DLLs
# every Windows has. Test programs run through Wine (Debian's wine64), each in a Wine prefix inside the
# build directory so that nothing is written to $HOME.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORLEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORLEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORLEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORLEX_MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW-w64 tree only; build tools still come from the machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUORLEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest, and anything else that runs a built program, starts it through Wine with its messages off. Mono
# and Gecko are left out of the prefix: no program here needs them, and Wine would otherwise offer to
# fetch them when it makes the prefix.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
    set(QUORLEX_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader")
    set(QUORLEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix CACHE PATH "The Wine prefix the tests run in")
    set(CMAKE_CROSSCOMPILING_EMULATOR
        /usr/bin/env WINEPREFIX=${QUORLEX_WINEPREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
        ${QUORLEX_WINE}
        CACHE STRING "Runs a Windows program on this machine")
endif()
