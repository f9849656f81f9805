# CMake toolchain file: cross-compile for 64-bit Windows with Debian's
# MinGW-w64 (posix thread model) and run the results under Wine.
#
#   cmake -S . -B build-windows \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#     -DVELLMOR_MINGW_PREFIX="$(scripts/windows/build-toolchain.sh --print-prefix)"
#
# VELLMOR_MINGW_PREFIX (a CMake variable or an environment variable of the
# same name) is the folder scripts/windows/build-toolchain.sh fills with static
# libpng, expat, wxMSW and GoogleTest. Given one, this file points
# FindwxWidgets at its wx-config and find_package(GTest) at its GTest config.
# Without one it still builds plain programs, as the toolchain script does for
# expat and GoogleTest themselves.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELLMOR_MINGW_TRIPLET x86_64-w64-mingw32)
# The -posix names, not the bare ones: the bare names follow Debian's
# alternatives and may mean the win32 thread model, which lacks std::thread.
set(CMAKE_C_COMPILER ${VELLMOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELLMOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELLMOR_MINGW_TRIPLET}-windres)

# Try-compiles re-read this file in a fresh project: pass the prefix on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELLMOR_MINGW_PREFIX)
if(NOT VELLMOR_MINGW_PREFIX AND DEFINED ENV{VELLMOR_MINGW_PREFIX})
  set(VELLMOR_MINGW_PREFIX "$ENV{VELLMOR_MINGW_PREFIX}")
endif()

# Libraries and headers come only from the MinGW sysroot (zlib from
# libz-mingw-w64-dev lives there) and our prefix, never from the host's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${VELLMOR_MINGW_TRIPLET})
if(VELLMOR_MINGW_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${VELLMOR_MINGW_PREFIX}")
  list(APPEND CMAKE_PREFIX_PATH "${VELLMOR_MINGW_PREFIX}")
  # FindwxWidgets uses the unix style (wx-config) when cross-compiling.
  if(EXISTS "${VELLMOR_MINGW_PREFIX}/bin/wx-config")
    set(wxWidgets_CONFIG_EXECUTABLE "${VELLMOR_MINGW_PREFIX}/bin/wx-config"
      CACHE FILEPATH "wx-config of the static wxMSW build")
  endif()
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static programs: no libstdc++, libgcc or winpthread DLL beside the
# .exe. -static also makes the linker take libz.a over libz.dll.a, which
# libz-mingw-w64-dev installs side by side.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Debian's MinGW runtime and libstdc++ carry debug info, about 6 MB of every
# program: release builds drop it.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Test programs (add_test, gtest_discover_tests) run through Wine.
find_program(VELLMOR_WINE NAMES wine wine64)
if(VELLMOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${VELLMOR_WINE}")
endif()
