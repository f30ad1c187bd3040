#!/usr/bin/env bash
# Smoke test of the real program in a real X server: it starts, its main
# window "Corvane" is mapped, and clicking "结       束" ends the process
# with status 0. Usage: scripts/smoke.sh path/to/corvane
set -euo pipefail
program=$1

source "$(dirname "$0")/xvfb.sh"
start_xvfb

app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

"$program" &
app=$!

window=
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^Corvane$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: no window titled Corvane was mapped"
    exit 1
fi
echo "main window mapped: $window"

# The desktop entry built next to the program finds its windows by their
# WM_CLASS class.
entry=$(ls "$(dirname "$program")"/*.desktop 2>/dev/null | head -n 1 || true)
if [ -n "$entry" ]; then
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
    if ! xprop -id "$window" WM_CLASS | grep -Fq ", \"$wm_class\"" || [ -z "$wm_class" ]; then
        echo "FAIL: WM_CLASS $(xprop -id "$window" WM_CLASS) does not match StartupWMClass=$wm_class"
        exit 1
    fi
    echo "WM_CLASS matches StartupWMClass=$wm_class"
fi

# The End button's centre: (600 + 3615/2, 5160 + 615/2) twips, 15 twips a pixel.
xdotool mousemove --window "$window" 160 364 click 1

for _ in $(seq 1 100); do
    if ! kill -0 "$app" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: the program did not end after End was clicked"
    exit 1
fi
status=0
wait "$app" || status=$?
app=
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with status $status"
    exit 1
fi
echo "PASS: the program ended with status 0"
