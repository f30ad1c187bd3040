#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang (build-fuzz/) and runs each
# one from its committed seeds with its dictionary.
#
#   scripts/fuzz.sh            each target for a fixed number of runs with a
#                              fixed seed: the same inputs every time (the
#                              test suite runs this)
#   scripts/fuzz.sh SECONDS    each target for that many seconds, random seed
#
# The fuzzer works on a copy of the seeds in a temporary folder, so nothing it
# finds or adds lands in the repository; an input that breaks a property is
# kept in build-fuzz/findings/ with the command that replays it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-}
if [ -n "$seconds" ] && ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds per target]" >&2
    exit 2
fi
"$root/scripts/deps.sh"

echo "== Fuzz targets: build with clang, then ${seconds:-a fixed number of runs}${seconds:+ s} each =="
build="$root/build-fuzz"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build"

# Target and the longest input worth trying: a double and a single for the
# formatters, a few dozen keys or entries for the calculator and the sections;
# number texts may be long (exact halfway cases need hundreds of digits);
# a table of a few dozen rows for the batch tool's run.
targets=(
    "fuzz_val 4096" "fuzz_readdouble 4096" "fuzz_readsingle 4096" "fuzz_format 16"
    "fuzz_calculator 128" "fuzz_stiffener 128" "fuzz_builtup 128" "fuzz_pipe 64"
    "fuzz_hpname 256" "fuzz_girder 256" "fuzz_batch 2048" "fuzz_girderfile 2048"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$build/findings"
mkdir -p "$findings"

failed=0
for entry in "${targets[@]}"; do
    read -r target maxlen <<<"$entry"
    corpus="$work/$target"
    cp -r "$root/fuzz/corpus/$target" "$corpus"
    if [ -n "$seconds" ]; then
        budget=(-max_total_time="$seconds")
    else
        budget=(-runs=200000 -seed=1)
    fi
    log="$work/$target.log"
    if "$build/fuzz/$target" "${budget[@]}" -max_len="$maxlen" \
        -dict="$root/fuzz/$target.dict" -artifact_prefix="$findings/$target-" \
        -print_final_stats=1 "$corpus" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        printf '%-16s PASS  %8s runs  %6s exec/s\n' "$target" "$runs" "$speed"
    else
        failed=1
        printf '%-16s FAIL\n' "$target"
        grep -E 'PROPERTY FAILED|ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -20 || true
        echo "  replay: $build/fuzz/$target <input from the line above>"
    fi
done
exit $failed
