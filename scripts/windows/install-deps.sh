#!/bin/sh
# Installs the Debian packages the Windows cross build needs: the MinGW-w64
# compiler (posix threads, for std::thread and std::mutex), Wine to run the
# result, MinGW zlib, the GoogleTest sources, and dpkg-dev with a deb-src
# entry so build-toolchain.sh can fetch Debian's own wxWidgets, libpng and
# expat sources. Safe to run again: silent when everything is already there.
set -eu

PACKAGES="
g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
libz-mingw-w64-dev
wine wine64
googletest
dpkg-dev make xz-utils
cmake xvfb xauth xdotool imagemagick
"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

# shellcheck source=/dev/null
. /etc/os-release
suite="${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}"
src_file=/etc/apt/sources.list.d/vellmor-deb-src.sources

# True when some deb-src entry (one-line or deb822 style) names our suite.
has_deb_src() {
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        grep -Eq "^[[:space:]]*deb-src[[:space:]].*[[:space:]]$suite([[:space:]]|$)" "$f" && return 0
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        # deb822: stanzas separated by blank lines; look for one with both.
        awk -v suite="$suite" '
            BEGIN { RS = ""; found = 0 }
            /(^|\n)Types:[^\n]*deb-src/ && $0 ~ ("(^|\n)Suites:[^\n]*[ \t]" suite "([ \t]|\n|$)") { found = 1 }
            END { exit !found }' "$f" && return 0
    done
    return 1
}

# No security suite: its source pool is not reachable from our machines, and
# apt-get source would pick its newer version and fail (see the notes).
need_update=0
if ! has_deb_src; then
    echo "Adding a deb-src entry for $suite in $src_file" >&2
    $SUDO tee "$src_file" >/dev/null <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    need_update=1
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ "$need_update" -eq 0 ] && [ -z "$missing" ] && exit 0

if [ "$need_update" -eq 1 ]; then
    $SUDO apt-get update -qq
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing" >&2
    # shellcheck disable=SC2086
    if ! $SUDO apt-get install -y -qq --no-install-recommends $missing; then
        $SUDO apt-get update -qq
        $SUDO apt-get install -y -qq --no-install-recommends $missing
    fi
fi
