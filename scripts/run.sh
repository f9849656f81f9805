#!/bin/sh
# Installs what is missing, builds, and prints today's toki table.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh build
exec ./build/cli/vellmor-toki "$@"
