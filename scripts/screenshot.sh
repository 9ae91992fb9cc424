#!/usr/bin/env bash
# Builds Glyphwright, starts it on a virtual display (or the current one) and
# saves a PNG of the screen: scripts/screenshot.sh OUT.png [FILE TO OPEN]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:?usage: $0 OUT.png [FILE]}")
shift
files=()
for file in "$@"; do files+=("$(realpath "$file")"); done
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" win
export WINEPREFIX="$root/build/wineprefix"
"$root/scripts/wine-prefix.sh"
source "$root/scripts/xvfb.sh"
"$root/scripts/wine-warm.sh"
cd "$root/tests/e2e"
python3 screenshot.py "$out" "${files[@]}"
echo "Saved $out"
