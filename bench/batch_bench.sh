#!/usr/bin/env bash
# Prints the throughput of corvane-batch over generated stiffener tables beside
# a floor measured in the same run: bench/batch_floor, which only splits the
# same CSV, reads seven numbers per row and writes two. Rows per second are
# taken over CPU time (user + system), which the other load on a shared
# machine disturbs less than the elapsed time; the median of several runs,
# tool and floor alternating. Then the peak resident memory of corvane-batch
# for 10^5 and 10^6 rows, which should not grow with the rows.
# Usage: bench/batch_bench.sh [build-dir] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-5}
tool="$build/batch/corvane-batch"
floor="$build/bench/batch_floor"
for program in "$tool" "$floor"; do
    [ -x "$program" ] || { echo "missing $program: build with -DCORVANE_BENCH=ON first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# generate ROWS FILE: a stiffener table with varied dimensions in millimetres.
generate() {
    awk -v rows="$1" 'BEGIN {
        print "b,tp,hw,tw,bf,tf,l"
        for (i = 0; i < rows; i++)
            printf "%d,%d,%d,%d,%d,%d,%d\n", 400 + i % 400, 6 + i % 15, 150 + i % 350,
                   6 + i % 9, 60 + i % 140, 8 + i % 13, 1200 + i % 3600
    }' >"$2"
}

# measure COMMAND...: runs it with standard input from $input and output to
# a file; prints "cpu_seconds peak_rss_kib".
measure() {
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" <"$input" >"$work/out" 2>/dev/null ||
        [ $? -le 1 ] || { echo "failed: $*" >&2; exit 1; }
    awk '{printf "%.3f %d\n", $1 + $2, $3}' "$work/time"
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

declare -A rss
for rows in 100000 1000000; do
    input="$work/rows$rows.csv"
    generate "$rows" "$input"
    tool_times=() floor_times=()
    for ((run = 0; run < runs; run++)); do
        read -r cpu peak < <(measure "$tool" stiffener)
        tool_times+=("$cpu")
        rss[$rows]=$peak
        read -r cpu _ < <(measure "$floor")
        floor_times+=("$cpu")
    done
    if [ "$rows" -eq 1000000 ]; then
        tool_cpu=$(printf '%s\n' "${tool_times[@]}" | median)
        floor_cpu=$(printf '%s\n' "${floor_times[@]}" | median)
    fi
done

awk -v rows=1000000 -v t="$tool_cpu" -v f="$floor_cpu" -v runs="$runs" 'BEGIN {
    printf "10^6 stiffener rows, median CPU time of %d runs\n", runs
    printf "  corvane-batch stiffener  %6.3f s  %10.0f rows/s\n", t, rows / t
    printf "  floor (split, from_chars, to_chars)  %6.3f s  %10.0f rows/s\n", f, rows / f
    printf "  ratio corvane-batch / floor: %.2f (goal: at most 1.5)\n", t / f
}'
echo "peak RSS of corvane-batch: 10^5 rows ${rss[100000]} KiB, 10^6 rows ${rss[1000000]} KiB"
