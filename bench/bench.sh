#!/usr/bin/env bash
# Prints, for Corvane and for a minimal Qt 6 window side by side, measured in
# one run under Xvfb: the time from process start to the main window being
# mapped, the resident memory once idle, and the CPU used over 20 s of idling;
# then the ratios. Usage: bench/bench.sh [build-dir] [runs]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-5}
idle_seconds=20
for program in "$build/app/corvane" "$build/bench/minimal_qt_window" "$build/bench/sheet_bench"; do
    [ -x "$program" ] || { echo "missing $program: build with -DCORVANE_BENCH=ON first" >&2; exit 2; }
done

source "$root/scripts/xvfb.sh"
start_xvfb
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT

now_ms() { date +%s%3N; }
# CPU time of every thread of a process, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {print s}'; }

# measure_start PROGRAM TITLE: starts the program, waits for its window to be
# mapped; sets $pid and $elapsed (ms).
measure_start() {
    local program=$1 title=$2 start
    start=$(now_ms)
    "$program" "${args[@]}" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do :; done
    elapsed=$(($(now_ms) - start))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

declare -A startup rss cpu
for name in corvane minimal minimal_cjk; do
    args=()
    case $name in
    corvane) program="$build/app/corvane" title=Corvane ;;
    minimal) program="$build/bench/minimal_qt_window" title=MinimalQtWindow ;;
    minimal_cjk) program="$build/bench/minimal_qt_window" title=MinimalQtWindow args=(--cjk) ;;
    esac
    times=()
    for _ in $(seq 1 "$runs"); do
        measure_start "$program" "$title"
        times+=("$elapsed")
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done
    startup[$name]=$(printf '%s\n' "${times[@]}" | median)

    measure_start "$program" "$title"
    sleep 2
    rss[$name]=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    before=$(cpu_ns "$pid")
    sleep "$idle_seconds"
    after=$(cpu_ns "$pid")
    cpu[$name]=$(awk -v t=$((after - before)) -v s="$idle_seconds" \
        'BEGIN {printf "%.3f", 100 * t / 1e9 / s}')
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
row() { # label, then the key of the table
    local -n table=$2
    printf '%-30s %10s %10s %12s %10s %10s\n' "$1" "${table[corvane]}" "${table[minimal]}" \
        "${table[minimal_cjk]}" "$(ratio "${table[corvane]}" "${table[minimal]}")" \
        "$(ratio "${table[corvane]}" "${table[minimal_cjk]}")"
}
printf '%-30s %10s %10s %12s %10s %10s\n' "measure" "Corvane" "minimal" "minimal+CJK" \
    "ratio" "ratio CJK"
row "start to mapped (ms, median)" startup
row "resident memory idle (KiB)" rss
row "idle CPU over ${idle_seconds} s (% core)" cpu

# The calculation sheet of the hull example: from the 导出计算书(PDF) action to
# the PDF written and renamed into place (offscreen, 20 runs after one
# warm-up that loads the fonts). Goal: under 150 ms.
read -r median fastest slowest first < <(QT_QPA_PLATFORM=offscreen "$build/bench/sheet_bench" 20 2>/dev/null)
printf '%-30s %10s   (fastest %s, slowest %s, first in the process %s; goal < 150)\n' \
    "sheet PDF, hull (ms, median)" "$median" "$fastest" "$slowest" "$first"
