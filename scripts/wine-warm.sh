#!/usr/bin/env bash
# Starts the Wine server of the prefix and keeps it (and Wine's own services)
# running until 10 minutes after the last program, detached from the caller's
# output so that test runners do not wait for them.
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
/usr/lib/wine/wineserver -p 600 </dev/null >/dev/null 2>&1
"$here/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1
