#!/bin/sh
# Installs what is missing, builds, and starts the clock. Without a display
# it prints today's toki table instead.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: here is today's toki table instead of the clock." >&2
    exec ./build/cli/vellmor-toki "$@"
fi
exec ./build/vellmor "$@"
