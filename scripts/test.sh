#!/bin/sh
# Installs what is missing, builds, and runs every test; then builds once more
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/) and
# runs the tests again on that build; last, cross-builds the Windows programs
# (build-windows/, dist/) and runs their tests under Wine.
#
# --quick, for the inner loop: builds, then runs only the unit and GUI tests
# of the Release build (no end-to-end, install or fuzz tests, no sanitizer
# or Windows build). Other ctest options may follow, e.g. --quick -R Settings.
set -eu
cd "$(dirname "$0")/.."
QUICK=0
if [ "${1:-}" = "--quick" ]; then
    QUICK=1
    shift
fi
./scripts/install-deps.sh
./scripts/build.sh build

# Runs a command on the display, or on a virtual one when there is none.
on_display() {
    if [ -z "${DISPLAY:-}" ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    else
        "$@"
    fi
}

if [ "$QUICK" = 1 ]; then
    cd build
    on_display ctest --output-on-failure -j "$(nproc)" -L '^(unit|gui)$' "$@"
    exit 0
fi

# Every test, the end-to-end ones and the program under valgrind included.
(cd build && on_display ctest --output-on-failure -j "$(nproc)")

# The sanitized build, every test but the fuzz targets (they build their own
# sanitized binaries), the run under valgrind and the install tests (they run
# the program with a cleared environment). Tests that preload libfaketime,
# which only wraps the clock functions, need ASan's link-order check off.
if [ ! -f build-sanitize/CMakeCache.txt ]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELLMOR_SANITIZE=ON -DVELLMOR_BUILD_BENCHMARKS=OFF
fi
cmake --build build-sanitize -j "$(nproc)"
export ASAN_OPTIONS=verify_asan_link_order=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-toolkit.supp:print_suppressions=0"
(cd build-sanitize && on_display ctest --output-on-failure -j "$(nproc)" \
    -LE '^(fuzz|install)$' -E '^e2e\.valgrind')

# The Windows build (scripts/build-windows.sh: MinGW-w64, static wxWidgets
# from a cache outside the work tree, built once per machine), its
# toolkit-free tests and the real programs under Wine (tests/windows/).
./scripts/build-windows.sh build-windows
(cd build-windows && ctest --output-on-failure -j "$(nproc)")
