#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the project's own prefix, quietly.
# Wine's menu builder stays off: it would make Linux desktop entries for the
# prefix's file types and shortcuts; scripts/install-desktop.sh makes ours.
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
exec /usr/lib/wine/wine64 "$@"
