#!/usr/bin/env bash
# Creates a Wine prefix, by default the tests' throwaway one (build/wineprefix;
# scripts/launch.sh gives the editor the user's own), with the fonts the
# program asks for mapped to installed ones so that measured glyphs are the
# same on every machine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=
# The settings below, as last imported into the prefix, mark it ready.
read -r -d '' settings <<'REG' || true
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"

; Wine's HTML engine, left out above, would have said that web pages open
; in the browser (winebrowser, which hands them to the Linux desktop's).
[HKEY_CLASSES_ROOT\.html]
@="htmlfile"
"Content Type"="text/html"
REG
marker=$WINEPREFIX/glyphwright.reg
[[ -f $marker && "$(cat "$marker")" == "$settings" ]] && exit 0

mkdir -p "$WINEPREFIX"
[[ -f "$WINEPREFIX/system.reg" ]] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
printf '%s\n' "$settings" >"$marker.new"
/usr/lib/wine/wine64 regedit /S "$marker.new" >/dev/null 2>&1
/usr/lib/wine/wineserver -w
mv "$marker.new" "$marker"
