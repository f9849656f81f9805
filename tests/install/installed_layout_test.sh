#!/bin/sh
# Installs the build into a scratch prefix (and again with DESTDIR) and checks
# what a desktop needs: the programs, the sounds where the sound player looks,
# the launcher, the icons, the AppStream file, and one version throughout.
# Usage: installed_layout_test.sh BUILD_DIR SOURCE_DIR VERSION APP_ID
set -u
BUILD="$1" SOURCE="$2" VERSION="$3" APP_ID="$4"
. "$(dirname "$0")/../support/scratch_clock.sh"
scratch_begin installed-layout
WORK="$SCRATCH"
# Every check is made; any that failed fails the test at the end.
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; echo "FAIL: install"; exit 1; }
DESTDIR="$WORK/dest" cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; echo "FAIL: install with DESTDIR"; exit 1; }

# Exactly these files, whatever the prefix.
cat >"$WORK/expected" <<LIST
bin/vellmor
bin/vellmor-toki
share/applications/$APP_ID.desktop
share/icons/hicolor/128x128/apps/vellmor.png
share/icons/hicolor/128x128@2/apps/vellmor.png
share/icons/hicolor/16x16/apps/vellmor.png
share/icons/hicolor/16x16@2/apps/vellmor.png
share/icons/hicolor/256x256/apps/vellmor.png
share/icons/hicolor/256x256@2/apps/vellmor.png
share/icons/hicolor/32x32/apps/vellmor.png
share/icons/hicolor/32x32@2/apps/vellmor.png
share/icons/hicolor/48x48/apps/vellmor.png
share/icons/hicolor/48x48@2/apps/vellmor.png
share/metainfo/$APP_ID.metainfo.xml
share/vellmor/sounds/Gooohn.wav
share/vellmor/sounds/pipi.wav
LIST
(cd "$PREFIX" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$WORK/prefix.list"
(cd "$WORK/dest/usr" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$WORK/dest.list"
LC_ALL=C sort "$WORK/expected" -o "$WORK/expected"
diff "$WORK/expected" "$WORK/prefix.list" || fail "installed files differ from the list above"
diff "$WORK/expected" "$WORK/dest.list" || fail "DESTDIR install differs"

for program in vellmor vellmor-toki; do
    [ -x "$PREFIX/bin/$program" ] || fail "$program is not executable"
done

# The sound player searches <program folder>/../share/vellmor/sounds.
for sound in Gooohn.wav pipi.wav; do
    cmp -s "$SOURCE/resources/sounds/$sound" "$PREFIX/bin/../share/vellmor/sounds/$sound" ||
        fail "$sound not where the sound player looks"
done

for size in 16 32 48 128 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/vellmor.png"
    got=$(identify -format '%m %wx%h' "$icon" 2>/dev/null)
    [ "$got" = "PNG ${size}x${size}" ] || fail "icon ${size}x${size} is '$got'"
    # The theme's folder for a scale of 2 holds twice the pixels.
    icon="$PREFIX/share/icons/hicolor/${size}x${size}@2/apps/vellmor.png"
    got=$(identify -format '%m %wx%h' "$icon" 2>/dev/null)
    [ "$got" = "PNG $((2 * size))x$((2 * size))" ] || fail "icon ${size}x${size}@2 is '$got'"
done

DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
desktop-file-validate "$DESKTOP" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$DESKTOP"; }
[ "$(key Name)" = "Vellmor" ] || fail "Name is '$(key Name)'"
[ "$(key Exec)" = "vellmor" ] || fail "Exec is '$(key Exec)'"
[ "$(key Icon)" = "vellmor" ] || fail "Icon is '$(key Icon)'"
[ "$(key Categories)" = "Utility;Clock;" ] || fail "Categories are '$(key Categories)'"
[ "$(key Type)" = "Application" ] || fail "Type is '$(key Type)'"
# The comment is Japanese: it holds kana or kanji (three-byte UTF-8 from U+3000 on).
key Comment | grep -q "$(printf '\343')" || fail "Comment is not Japanese: '$(key Comment)'"

METAINFO="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$PREFIX" || fail "appstreamcli validate-tree"
grep -q "<id>$APP_ID</id>" "$METAINFO" || fail "metainfo id is not $APP_ID"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
    fail "metainfo does not launch the installed desktop file"
grep -q "<release version=\"$VERSION\" date=\"[0-9-]*\"/>" "$METAINFO" || fail "metainfo release is not $VERSION"
# Every screenshot named there is one made for the repository's docs folder.
images=$(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$METAINFO")
[ -n "$images" ] || fail "metainfo has no screenshot"
for image in $images; do
    [ -f "$SOURCE/docs/$image" ] || fail "screenshot $image is not in docs/"
done

# One version: the command's --version and the about text of the installed clock.
[ "$("$PREFIX/bin/vellmor-toki" --version)" = "vellmor-toki $VERSION" ] ||
    fail "vellmor-toki --version says '$("$PREFIX/bin/vellmor-toki" --version)'"
about=$(echo "$VERSION" | awk -F. '{ printf "V.%s.%s%s", $1, $2, $3 }')
grep -aq "Vellmor (Vellmor.exe)  $about" "$PREFIX/bin/vellmor" || fail "about text does not say $about"

exit $FAILED
