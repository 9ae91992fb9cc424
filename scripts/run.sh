#!/usr/bin/env bash
# Installs what is missing, builds Glyphwright and starts it under Wine.
# Arguments are passed to the program (a file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" win
export WINEPREFIX="$root/build/wineprefix"
"$root/scripts/wine-prefix.sh"
if [[ -z "${DISPLAY:-}" ]]; then
    echo "No display: run it on a virtual one, for example: xvfb-run -a $0" >&2
    exit 1
fi
exec "$root/scripts/wine-run.sh" "$root/build/win/glyphwright.exe" "$@"
