#!/bin/sh
# The clock loads SDL2 when its first sound is due: neither SDL2 nor a mixer
# library may be among the libraries the program links, whose loading every
# start pays for (some thirty libraries with theirs).
# usage: sdl_not_linked_test.sh PATH/TO/vellmor
set -eu
needed=$(readelf -d "$1" | awk '/\(NEEDED\)/ { print $NF }')
[ -n "$needed" ] || { echo "FAIL: no linked libraries read from $1"; exit 1; }
if echo "$needed" | grep -i 'sdl'; then
    echo "FAIL: $1 links the libraries above"
    exit 1
fi
echo PASS
