#!/bin/sh
# Libraries the clock loads only when they are first wanted (SDL2 at the
# first sound, the panel's indicator library when the item is turned on)
# must not be among those the program links, whose loading every start pays
# for together with theirs.
# usage: not_linked_test.sh PATH/TO/vellmor EXTENDED-REGEX
set -eu
needed=$(readelf -d "$1" | awk '/\(NEEDED\)/ { print $NF }')
[ -n "$needed" ] || { echo "FAIL: no linked libraries read from $1"; exit 1; }
if echo "$needed" | grep -i -E "$2"; then
    echo "FAIL: $1 links the libraries above"
    exit 1
fi
echo PASS
