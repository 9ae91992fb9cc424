#!/usr/bin/env bash
# Builds the native sanitizer build (build/native) and the Windows cross
# build (build/win). Give "native" or "win" to build only one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-all}
jobs=$(nproc)

if [[ $which == all || $which == native ]]; then
    [[ -f "$root/build/native/build.ninja" ]] ||
        cmake -S "$root" -B "$root/build/native" -G Ninja -DGW_NATIVE=ON >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
fi
if [[ $which == all || $which == win ]]; then
    [[ -f "$root/build/win/build.ninja" ]] ||
        cmake -S "$root" -B "$root/build/win" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
    cmake --build "$root/build/win" -j "$jobs"
fi
# One CTest tree over both builds, so that one run reports every label.
printf 'subdirs("native" "win")\n' >"$root/build/CTestTestfile.cmake"
