#!/usr/bin/env bash
# Starts a Glyphwright program file under Wine: launch.sh PROGRAM.exe [FILE].
# The program keeps its preferences and file types in the user's own Wine
# prefix, under $XDG_DATA_HOME (by default ~/.local/share/glyphwright/wine),
# which outlives rebuilds and `git clean`; a WINEPREFIX already set wins.
# A FILE given as a Linux path is handed over as Wine sees it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:?usage: $0 PROGRAM.exe [FILE]}
shift
export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/glyphwright/wine}
"$here/wine-prefix.sh"
arguments=()
for argument in "$@"; do
    # Wine shows the Linux root as drive Z:.
    [[ -e $argument ]] && argument="Z:$(realpath "$argument" | tr / '\\')"
    arguments+=("$argument")
done
exec "$here/wine-run.sh" "$program" "${arguments[@]}"
