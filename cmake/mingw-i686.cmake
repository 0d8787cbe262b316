# Cross toolchain for the 32-bit Windows build (Debian's MinGW-w64).
# BLINKERY_MINGW_POSIX=ON picks the -posix variant, which the GoogleTest
# binaries need (std::mutex); the shipped exe uses the default variant.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

if(BLINKERY_MINGW_POSIX)
    set(_variant "-posix")
else()
    set(_variant "")
endif()

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc${_variant})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++${_variant})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
