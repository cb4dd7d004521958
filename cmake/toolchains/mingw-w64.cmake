# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix:
# the POSIX thread model, so std::mutex and std::thread work).
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake
#
# flex, byacc and the catalog generator run on the build machine; programs
# that the build or the tests run go through Wine (wine64) when it is there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KIVPARSER_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KIVPARSER_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KIVPARSER_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KIVPARSER_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KIVPARSER_MINGW_TRIPLE})
# Programs (flex, byacc, gencat) from the build machine; libraries, headers
# and packages from the target's root and the prefixes given.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The C and C++ runtimes linked in: the DLL and the programs need no DLL
# beside them but the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Programs built here run under Wine on this machine (CTest, test discovery).
find_program(KIVPARSER_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KIVPARSER_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KIVPARSER_WINE})
endif()
