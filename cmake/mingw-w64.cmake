# Cross-builds the Windows program (64-bit) with Debian's MinGW-w64:
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The .exe carries its own C and C++ runtime, so it needs only the DLLs every Windows has.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORN_MINGW_PREFIX x86_64-w64-mingw32)

# The posix thread model first: its C++ library has std::mutex, which the Windows tests'
# GoogleTest needs; the program itself builds with either model. -static below keeps the
# runtimes (winpthread too) inside the .exe.
find_program(VORN_MINGW_CXX NAMES ${VORN_MINGW_PREFIX}-g++-posix ${VORN_MINGW_PREFIX}-g++
                                  ${VORN_MINGW_PREFIX}-g++-win32 REQUIRED)
# Only for projects that also enable C (GoogleTest does).
find_program(VORN_MINGW_CC NAMES ${VORN_MINGW_PREFIX}-gcc-posix ${VORN_MINGW_PREFIX}-gcc
                                 ${VORN_MINGW_PREFIX}-gcc-win32)
find_program(VORN_MINGW_RC NAMES ${VORN_MINGW_PREFIX}-windres)
set(CMAKE_CXX_COMPILER ${VORN_MINGW_CXX})
set(CMAKE_C_COMPILER ${VORN_MINGW_CC})
if(VORN_MINGW_RC)
    set(CMAKE_RC_COMPILER ${VORN_MINGW_RC})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${VORN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# <windows.h> (pulled in by <GL/gl.h>) would otherwise define min and max as macros.
set(CMAKE_CXX_FLAGS_INIT "-DNOMINMAX -DWIN32_LEAN_AND_MEAN")
# Static C and C++ runtimes (and winpthread, should it be linked): only system DLLs are needed.
# The linker would stamp each program with the time of linking; without it two builds of one
# commit give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static-libgcc -static-libstdc++ -static -Wl,--no-insert-timestamp")
