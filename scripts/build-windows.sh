#!/bin/sh
# Cross-builds the clock for 64-bit Windows with MinGW-w64 and packs
# dist/vellmor-<version>-win64.zip: vellmor.exe and vellmor-toki.exe, linked
# statically (no DLL beside them but Windows' own), the two sounds and a
# short README. As root on Debian 12; installs what is missing, and on a
# fresh machine builds the static wxWidgets once into a cache outside the
# work tree (scripts/windows/build-toolchain.sh).
#
#   scripts/build-windows.sh [BUILD_DIR]    (default build-windows)
set -eu
cd "$(dirname "$0")/.."
repo="$PWD"
build="${1:-build-windows}"

scripts/windows/install-deps.sh
# VELLMOR_MINGW_PREFIX: a toolchain folder of your own instead of the cache.
mingw_prefix="${VELLMOR_MINGW_PREFIX:-$(nice -n 19 scripts/windows/build-toolchain.sh)}"
# wx-config names the folder it was built in; a cache reached through a
# symbolic link must be named the same way, or CMake's search (rooted in the
# prefix) does not find wx's headers.
mingw_prefix="$(realpath "$mingw_prefix")"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
        -DVELLMOR_MINGW_PREFIX="$mingw_prefix" -DVELLMOR_BUILD_BENCHMARKS=OFF
fi
nice -n 19 cmake --build "$build" -j "$(nproc)"
scripts/windows/check-imports.sh "$build/vellmor.exe" "$build/cli/vellmor-toki.exe"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="vellmor-$version-win64"
stage="$build/dist/$name"
rm -rf "$stage"
mkdir -p "$stage" dist
cp "$build/vellmor.exe" "$build/cli/vellmor-toki.exe" \
    resources/sounds/Gooohn.wav resources/sounds/pipi.wav "$stage/"
# Windows' own line ends for the one text file.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' data/windows-readme.txt >"$stage/README.txt"
rm -f "dist/$name.zip"
(cd "$build/dist" && cmake -E tar cf "$repo/dist/$name.zip" --format=zip "$name")
echo "dist/$name.zip"
