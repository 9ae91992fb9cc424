#!/usr/bin/env bash
# Creates the throwaway Wine prefix (build/wineprefix) that the tests and the
# editor run in, with the fonts the program asks for mapped to installed ones
# so that measured glyphs are the same on every machine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
[[ -f "$WINEPREFIX/.glyphwright-ready" ]] && exit 0

mkdir -p "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
cat >"$WINEPREFIX/glyphwright.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"

[HKEY_CLASSES_ROOT\.glw]
@="GLWfile"
REG
/usr/lib/wine/wine64 regedit /S "$WINEPREFIX/glyphwright.reg" >/dev/null 2>&1
/usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.glyphwright-ready"
