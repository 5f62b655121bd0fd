#!/bin/sh
# Builds the INI fuzzer with clang in its own folder and runs it for a bounded
# time. Usage: fuzz/run.sh [seconds] [build-folder]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-60}
build=${2:-${here}/../build-fuzz}
cxx=${CXX_FUZZ:-$(command -v clang++-14 || command -v clang++)}

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONNAVET_FUZZ=ON >/dev/null
cmake --build "$build" --target ini_fuzzer -j2

corpus="$build/corpus-ini"
mkdir -p "$corpus" "$build/crashes"
cp "$here"/seeds/* "$corpus"/
"$build/ini_fuzzer" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
  -artifact_prefix="$build/crashes/" "$corpus"
