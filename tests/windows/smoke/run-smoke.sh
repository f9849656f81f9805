#!/bin/bash
# Cross-builds the smoke programs against the cached toolchain, checks that
# they import only system DLLs, runs the GoogleTest program through ctest and
# the wx program on a virtual display under Wine, and keeps a screenshot of
# the latter in BUILD_DIR/wx_smoke.png.
#   tests/windows/smoke/run-smoke.sh [BUILD_DIR]   (default build-windows-smoke)
set -euo pipefail
repo="$(cd "$(dirname "$0")/../../.." && pwd)"
cd "$repo"
build="$(realpath -m "${1:-build-windows-smoke}")"

scripts/windows/install-deps.sh
mingw_prefix="$(realpath "$(nice -n 19 scripts/windows/build-toolchain.sh)")"

cmake -S tests/windows/smoke -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DVELLMOR_MINGW_PREFIX="$mingw_prefix"
nice -n 19 cmake --build "$build" -j2

scripts/windows/check-imports.sh "$build/wx_smoke.exe" "$build/gtest_smoke.exe"

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
scripts/windows/wine-prefix.sh
trap 'wineserver -k 2>/dev/null || true' EXIT

(cd "$build" && ctest --output-on-failure)

xvfb-run -a -s "-screen 0 640x480x24" tests/windows/smoke/show-wx-smoke.sh "$build"
cat "$build/wx_smoke.out"
grep -q '^menubar loaded, bitmap 128x128, ticks [0-9]' "$build/wx_smoke.out"
echo "wx_smoke: exit 0; screenshot $build/wx_smoke.png"
