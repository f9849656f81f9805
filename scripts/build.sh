#!/bin/sh
# Configures and builds the Release tree in build/ (or $1).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
GEN=""
command -v ninja >/dev/null 2>&1 && GEN="-G Ninja"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    cmake -S . -B "$BUILD_DIR" $GEN -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
