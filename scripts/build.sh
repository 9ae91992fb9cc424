#!/usr/bin/env bash
# Builds the native sanitizer build (build/native), the Windows cross build
# (build/win) and the fuzz targets (build/fuzz, with clang's libFuzzer).
# Give "native", "win" or "fuzz" to build only one.
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
if [[ $which == all || $which == fuzz ]]; then
    [[ -f "$root/build/fuzz/build.ninja" ]] ||
        cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DGW_FUZZ=ON \
            -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$root/build/fuzz" -j "$jobs"
fi
# One CTest tree over every build, so that one run reports every label.
printf 'subdirs("native" "win" "fuzz")\n' >"$root/build/CTestTestfile.cmake"
