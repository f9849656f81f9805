#!/bin/bash
# Builds the static Windows libraries the cross build links against, from
# Debian's own source packages, with Debian's MinGW-w64 compiler:
#   libpng and expat (the wxWidgets tarball ships neither),
#   wxMSW (only base, core, adv, xml and xrc), and GoogleTest.
# zlib is not built: libz-mingw-w64-dev provides it.
#
# The result goes into a cache folder outside the work tree, named after the
# versions that went into it, so a fresh machine builds it once and later runs
# find it complete (the stamp file .complete) and return at once. A run that
# failed resumes after the last step that finished.
#
#   scripts/windows/build-toolchain.sh                 build if needed, print the prefix
#   scripts/windows/build-toolchain.sh --print-prefix  only print where it is (or would be)
#
# Environment: VELLMOR_CACHE (default ~/.cache/vellmor), VELLMOR_JOBS (default 2).
# Needs the packages of scripts/windows/install-deps.sh.
set -euo pipefail

# Bump when a flag below changes, so that existing caches are not reused.
RECIPE=3

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
toolchain_file="$repo/cmake/mingw-w64.cmake"
triplet=x86_64-w64-mingw32
jobs="${VELLMOR_JOBS:-2}"
export CC=$triplet-gcc-posix CXX=$triplet-g++-posix

die() { echo "build-toolchain: $*" >&2; exit 1; }

# Newest version of a source package that the deb-src entries offer.
newest_source_version() {
    local best="" v
    for v in $(apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ { print $2 }'); do
        if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best="$v"; fi
    done
    [ -n "$best" ] || die "no source package $1 (run scripts/windows/install-deps.sh)"
    echo "$best"
}

installed_version() {
    dpkg-query -W -f='${Status} ${Version}\n' "$1" 2>/dev/null |
        awk '$3 == "installed" { print $4 }'
}

# The same wxWidgets as the Linux build links against, when that is installed.
wx_version="$(installed_version libwxgtk3.2-dev)"
[ -n "$wx_version" ] || wx_version="$(newest_source_version wxwidgets3.2)"
png_version="$(newest_source_version libpng1.6)"
expat_version="$(newest_source_version expat)"
gcc_version="$(installed_version g++-mingw-w64-x86-64-posix)"
gtest_version="$(installed_version googletest)"
if [ -z "$gcc_version" ] || [ -z "$gtest_version" ]; then
    die "g++-mingw-w64-x86-64-posix or googletest missing (run scripts/windows/install-deps.sh)"
fi

key="wx${wx_version}_png${png_version}_expat${expat_version}_gcc${gcc_version}_gtest${gtest_version}_r${RECIPE}"
key="$(printf '%s' "$key" | tr -c 'A-Za-z0-9.+_-' '_')"
prefix="${VELLMOR_CACHE:-$HOME/.cache/vellmor}/mingw-w64-$key"

if [ "${1:-}" = "--print-prefix" ]; then
    echo "$prefix"
    exit 0
fi
[ -f "$prefix/.complete" ] && { echo "$prefix"; exit 0; }

mkdir -p "$prefix/.steps" "$prefix/logs"
# One builder per cache folder; a second one waits and then finds it complete.
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.complete" ] && { echo "$prefix"; exit 0; }

work="$prefix/.work"
mkdir -p "$work"
started=$SECONDS

# run_step NAME FUNCTION: runs FUNCTION once, its output in logs/NAME.log.
run_step() {
    local name="$1" fn="$2" t0=$SECONDS
    [ -f "$prefix/.steps/$name" ] && return 0
    echo "build-toolchain: $name ..." >&2
    # Not inside an `if`: bash would switch off errexit in the subshell there.
    local rc=0
    set +e
    (set -euo pipefail; "$fn") >"$prefix/logs/$name.log" 2>&1
    rc=$?
    set -e
    if [ "$rc" -ne 0 ]; then
        tail -n 40 "$prefix/logs/$name.log" >&2
        die "$name failed; full log: $prefix/logs/$name.log"
    fi
    touch "$prefix/.steps/$name"
    echo "build-toolchain: $name done in $((SECONDS - t0)) s" >&2
}

# Fetches and unpacks a Debian source package (Debian's patches applied) into
# $work/src/NAME and prints nothing; the tree's path is $work/src/NAME.
fetch_source() {
    local pkg="$1" version="$2"
    rm -rf "$work/src/$pkg" "$work/dl-$pkg"
    mkdir -p "$work/dl-$pkg" "$work/src"
    (cd "$work/dl-$pkg" && apt-get source -q "$pkg=$version")
    local dir
    dir="$(find "$work/dl-$pkg" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
    [ -n "$dir" ] || die "apt-get source $pkg=$version unpacked nothing"
    mv "$dir" "$work/src/$pkg"
    rm -rf "$work/dl-$pkg"
}

cmake_cross() {
    nice -n 19 cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}

build_libpng() {
    fetch_source libpng1.6 "$png_version"
    mkdir -p "$work/build/libpng" && cd "$work/build/libpng"
    # zlib.h and libz.a come from the MinGW sysroot, searched by default.
    nice -n 19 "$work/src/libpng1.6/configure" --host=$triplet --prefix="$prefix" \
        --enable-static --disable-shared CFLAGS=-O2
    # Debian's tree builds its test programs with `make all`; the tools and
    # tests are not wanted here, only the library, headers and pkg-config file.
    nice -n 19 make -j"$jobs" install bin_PROGRAMS= check_PROGRAMS=
}

build_expat() {
    fetch_source expat "$expat_version"
    # Debian's security patches test `#if XML_DTD == 1`, as configure defines
    # it; expat's CMake template defines it empty. Give it configure's value.
    sed -i -e 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' \
        -e 's/^#cmakedefine XML_NS$/#cmakedefine XML_NS 1/' "$work/src/expat/expat/expat_config.h.cmake"
    cmake_cross -S "$work/src/expat/expat" -B "$work/build/expat" \
        -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
        -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=ON
    nice -n 19 cmake --build "$work/build/expat" -j"$jobs" --target install
}

# Everything a clock with XRC dialogs, menus, timers, PNG bitmaps, message
# boxes and the document/view framework needs; the rest is switched off, so
# that a fresh machine spends its time on the parts the programs link.
# -O1 without debug info: the library is built once per machine and the
# clock's drawing needs no more; -O2 costs about a third more compile time.
WX_CONFIGURE_FLAGS=(
    --with-msw --disable-shared --enable-unicode
    --with-libpng=sys --with-zlib=sys --with-expat=sys --without-regex
    --without-libjpeg --without-libtiff --without-liblzma --without-libcurl
    --without-libmspack --without-opengl --without-sdl --without-nanosvg
    --disable-webview --disable-mediactrl --disable-stc --disable-richtext
    --disable-propgrid --disable-ribbon --disable-aui
    --disable-html --disable-htmlhelp --disable-help --disable-mshtmlhelp
    --disable-sockets --disable-ipc --disable-protocols --disable-url
    --disable-fs_inet --disable-webrequest --disable-debugreport
    --disable-grid --disable-dataviewctrl --disable-treelist
    --disable-calendar --disable-datepick --disable-timepick --disable-animatectrl
    --disable-printarch --disable-postscript --disable-ps-in-msw --disable-svg
    --disable-richtooltip --disable-richmsgdlg --disable-notifmsg
    --disable-wizarddlg --disable-tipdlg --disable-splash
    --disable-joystick --disable-fswatcher --disable-mdi --disable-mdidoc
    --disable-secretstore --disable-spellcheck --disable-sound
    --disable-uiactionsim --disable-accessibility --disable-taskbaricon
    --disable-taskbarbutton --disable-hotkey --disable-dialupman
    --disable-arttango --disable-gif --disable-pcx --disable-tga --disable-iff
    --disable-pnm --disable-graphics-d2d
    --disable-tests --disable-precomp-headers --disable-dependency-tracking
)
WX_COMPILE_FLAGS="-O1"

build_wx() {
    fetch_source wxwidgets3.2 "$wx_version"
    mkdir -p "$work/build/wx" && cd "$work/build/wx"
    # expat.h declares its functions dllimport unless told the library is static.
    nice -n 19 "$work/src/wxwidgets3.2/configure" --host=$triplet --prefix="$prefix" \
        "${WX_CONFIGURE_FLAGS[@]}" \
        CPPFLAGS="-I$prefix/include -DXML_STATIC" LDFLAGS="-L$prefix/lib" \
        CFLAGS="$WX_COMPILE_FLAGS" CXXFLAGS="$WX_COMPILE_FLAGS"
    nice -n 19 make -j"$jobs"
    nice -n 19 make install
}

build_gtest() {
    cmake_cross -S /usr/src/googletest -B "$work/build/gtest" \
        -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
    nice -n 19 cmake --build "$work/build/gtest" -j"$jobs" --target install
}

run_step libpng build_libpng
run_step expat build_expat
run_step wx build_wx
run_step gtest build_gtest

cat >"$prefix/versions.txt" <<EOF
wxwidgets3.2 $wx_version
libpng1.6 $png_version
expat $expat_version
g++-mingw-w64-x86-64-posix $gcc_version
googletest $gtest_version
recipe $RECIPE
wx configure flags: ${WX_CONFIGURE_FLAGS[*]}
wx compile flags: $WX_COMPILE_FLAGS
EOF
rm -rf "$work"
touch "$prefix/.complete"
echo "build-toolchain: complete in $((SECONDS - started)) s" >&2
echo "$prefix"
