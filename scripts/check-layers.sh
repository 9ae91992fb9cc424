#!/usr/bin/env bash
# Fails when a source file includes a header from a folder above its own. The
# folders are layers, listed here once, from the bottom up; README.md's table
# shows the same order.
set -euo pipefail
layers=(base page document tools selection app)
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
status=0
for ((level = 0; level < ${#layers[@]}; ++level)); do
    allowed=" ${layers[*]:0:level+1} "
    while IFS= read -r hit; do
        folder=${hit#*#include \"}
        folder=${folder%%/*}
        if [[ $allowed != *" $folder "* ]]; then
            echo "include points up: $hit"
            status=1
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "${layers[level]}" || true)
done
exit $status
