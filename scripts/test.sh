#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test: the native
# sanitizer tests, the tests under Wine and the end-to-end tests.
# Extra arguments go to ctest (for example -L native).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export WINEPREFIX="$root/build/wineprefix"
"$root/scripts/wine-prefix.sh"
source "$root/scripts/xvfb.sh"
# Start Wine's server and services now, away from CTest's output pipes, and
# keep them for the whole run so that every test starts quickly.
"$root/scripts/wine-warm.sh"
cd "$root/build"
status=0
ctest --output-on-failure --timeout 600 "$@" || status=$?
/usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status
