# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (the posix
# thread model, which GoogleTest and Qt need). ./novemo.sh windows uses it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# A Qt built for Windows (tools/build-qt-windows.sh prints where) is searched
# as a root of its own: pass -DNOVEMO_WINDOWS_QT=PREFIX.
set(NOVEMO_WINDOWS_QT "" CACHE PATH "Qt for Windows, as installed by tools/build-qt-windows.sh")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NOVEMO_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${NOVEMO_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained .exe: no MinGW runtime DLLs to carry along.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# ctest runs the programs under Wine.
find_program(NOVEMO_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(NOVEMO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${NOVEMO_WINE})
endif()
