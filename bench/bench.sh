#!/usr/bin/env bash
# Prints, for Corvane and for a minimal Qt 6 window side by side, measured in
# one run under Xvfb: the time from process start to the main window being
# mapped, the resident memory once idle, and the CPU used over 20 s of idling;
# then the ratios. Usage: bench/bench.sh [build-dir] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-5}
idle_seconds=20

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
trap 'kill $xvfb 2>/dev/null || true' EXIT

now_ms() { date +%s%3N; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# measure_start PROGRAM TITLE: starts the program, waits for its window to be
# mapped; sets $pid and $elapsed (ms).
measure_start() {
    local program=$1 title=$2 start
    start=$(now_ms)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do :; done
    elapsed=$(($(now_ms) - start))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

declare -A startup rss cpu
for name in corvane minimal; do
    if [ "$name" = corvane ]; then
        program="$build/app/corvane" title=Corvane
    else
        program="$build/bench/minimal_qt_window" title=MinimalQtWindow
    fi
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
    before=$(ticks "$pid")
    sleep "$idle_seconds"
    after=$(ticks "$pid")
    cpu[$name]=$(awk -v t=$((after - before)) -v hz="$hz" -v s="$idle_seconds" \
        'BEGIN {printf "%.2f", 100 * t / hz / s}')
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
printf '%-28s %12s %12s %8s\n' "measure" "Corvane" "minimal Qt" "ratio"
printf '%-28s %12s %12s %8s\n' "start to mapped (ms, median)" "${startup[corvane]}" \
    "${startup[minimal]}" "$(ratio "${startup[corvane]}" "${startup[minimal]}")"
printf '%-28s %12s %12s %8s\n' "resident memory idle (KiB)" "${rss[corvane]}" "${rss[minimal]}" \
    "$(ratio "${rss[corvane]}" "${rss[minimal]}")"
printf '%-28s %12s %12s %8s\n' "idle CPU over ${idle_seconds} s (% core)" "${cpu[corvane]}" \
    "${cpu[minimal]}" "-"
