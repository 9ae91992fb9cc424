#!/usr/bin/env bash
# Installs what is missing, builds Glyphwright and starts it under Wine in the
# user's own prefix (scripts/launch.sh). Arguments are passed to the program
# (a file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${DISPLAY:-}" ]]; then
    echo "No display: run it on a virtual one, for example: xvfb-run -a $0" >&2
    exit 1
fi
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" win
exec "$root/scripts/launch.sh" "$root/build/win/app/glyphwright.exe" "$@"
