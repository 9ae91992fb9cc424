#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine. Google Benchmark is built from
# Debian's source package, fetched once into build/benchmark-src from the
# machine's own package sources: their deb-src twins go into a private source
# list, so the machine's apt configuration is not touched.
# Extra arguments go to each benchmark program (for example --benchmark_filter=Picture).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
src="$root/build/benchmark-src"
if [[ ! -f "$src/CMakeLists.txt" ]]; then
    apt="$root/build/apt"
    rm -rf "$apt/parts"
    mkdir -p "$apt/lists/partial" "$apt/parts" "$src"
    : >"$apt/sources.list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        if [[ ! -f $file ]]; then
            continue
        elif [[ $file == *.sources ]]; then
            sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/parts/${file##*/}"
        else
            sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$apt/sources.list"
        fi
    done
    options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
             -o "Dir::State::Lists=$apt/lists" -o "APT::Sandbox::User=root")
    apt-get "${options[@]}" update -qq
    (cd "$apt" && apt-get "${options[@]}" source --download-only -qq benchmark)
    tar -xzf "$apt"/benchmark_*.orig.tar.gz -C "$src" --strip-components=1
fi
build="$root/build/bench"
[[ -f "$build/build.ninja" ]] ||
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DGW_BENCHMARK_SOURCE="$src" >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench
export WINEPREFIX="$root/build/wineprefix"
"$root/scripts/wine-prefix.sh"
source "$root/scripts/xvfb.sh"
"$root/scripts/wine-warm.sh"
for program in "$build"/tests/bench/*_bench.exe; do
    "$root/scripts/wine-run.sh" "$program" "$@"
done
