# Cross-building the parts without Qt for 64-bit Windows with Debian's
# MinGW-w64 (g++-mingw-w64-x86-64-posix, libz-mingw-w64-dev); ctest runs the
# programs under Wine (wine64). `make windows` uses it:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers from the MinGW-w64 tree only, never the host's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "${CMAKE_FIND_ROOT_PATH}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# -O2 rather than -O3 for Release: it compiles faster, and GCC 12 at -O3 warns
# falsely inside libstdc++'s std::string (-Wrestrict, GCC bug 105329).
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags for Release builds")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags for Release builds")

# Programs that need no DLL beside them: the C++ runtime and zlib linked in.
set(ZLIB_USE_STATIC_LIBS ON)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# {fmt}, nlohmann-json and CLI11 are header-only: their folders are taken from
# the host's include folder (and nothing else of it); GoogleTest is built
# from the sources libgtest-dev ships.
set(TOLVANE_HOST_HEADERS /usr/include)
set(TOLVANE_GTEST_SOURCES /usr/src/googletest)

# Wine runs the programs: in a Wine prefix of the build's own, quietly.
# Debian keeps wine64 out of the PATH.
find_program(TOLVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(TOLVANE_WINE NAMES wine64 wine)
if(TOLVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all ${TOLVANE_WINE})
endif()
