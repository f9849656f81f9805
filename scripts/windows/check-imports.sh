#!/bin/sh
# Fails unless each given Windows program imports only DLLs that Windows itself
# ships: a statically linked program needs no libstdc++, libgcc, winpthread,
# zlib, libpng, expat or wxWidgets DLL beside it.
#   scripts/windows/check-imports.sh build-windows/vellmor.exe ...
set -eu
[ "$#" -gt 0 ] || { echo "usage: $0 PROGRAM.exe..." >&2; exit 2; }

# Lower case, one line, spaces around each; msvcrt.dll is the C runtime every
# Windows release carries.
SYSTEM_DLLS=" advapi32.dll comctl32.dll comdlg32.dll crypt32.dll dwmapi.dll \
gdi32.dll gdiplus.dll imm32.dll kernel32.dll msimg32.dll msvcrt.dll ole32.dll \
oleacc.dll oleaut32.dll rpcrt4.dll shell32.dll shlwapi.dll user32.dll \
usp10.dll uxtheme.dll version.dll winhttp.dll winmm.dll winspool.drv \
ws2_32.dll wsock32.dll "

status=0
for exe in "$@"; do
    dlls="$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)"
    [ -n "$dlls" ] || { echo "$exe: no imports found (not a PE program?)" >&2; status=1; continue; }
    for dll in $dlls; do
        case "$SYSTEM_DLLS" in
            *" $dll "*) ;;
            *) echo "$exe: imports $dll, which Windows does not ship" >&2; status=1 ;;
        esac
    done
    echo "$exe: imports $(echo "$dlls" | tr '\n' ' ')"
done
exit $status
