# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# compilers, which C++ threads need). SOLVANTA_WINDOWS_PREFIXES: folders of libraries
# built for Windows (Qt, ICU, ERFA), searched besides the compiler's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

set(SOLVANTA_WINDOWS_PREFIXES "$ENV{SOLVANTA_WINDOWS_PREFIXES}" CACHE STRING
    "Folders of libraries built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SOLVANTA_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${SOLVANTA_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
