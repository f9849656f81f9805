#!/bin/sh
# Builds the Debian package and checks its name, version and contents: the
# same files as `cmake --install` puts under /usr.
# Usage: package_test.sh BUILD_DIR VERSION
set -u
BUILD="$1" VERSION="$2"
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin package
WORK="$SCRATCH"
# Every check is made; any that failed fails the test at the end.
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; echo "FAIL: cpack"; exit 1; }
DEB="$WORK/out/vellmor_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$DEB" ] || { ls "$WORK/out"; echo "FAIL: no $DEB"; exit 1; }

[ "$(dpkg-deb -f "$DEB" Package)" = "vellmor" ] || fail "package name"
[ "$(dpkg-deb -f "$DEB" Version)" = "$VERSION" ] || fail "package version '$(dpkg-deb -f "$DEB" Version)'"
dpkg-deb -f "$DEB" Depends | grep -q libwxgtk3.2 || fail "no dependency on wxWidgets"
dpkg-deb -f "$DEB" Depends | grep -q libsdl2-2.0-0 || fail "no dependency on SDL2, which plays the sounds"

dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort >"$WORK/package.list"
DESTDIR="$WORK/dest" cmake --install "$BUILD" --prefix /usr >/dev/null 2>&1 || fail "install"
(cd "$WORK/dest" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$WORK/install.list"
diff "$WORK/install.list" "$WORK/package.list" || fail "package contents differ from the install"

exit $FAILED
