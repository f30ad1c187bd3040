#!/usr/bin/env bash
# The real program in a real X server, driven by keys only as a user would:
# from the main menu's 工具 menu it opens each section calculator, types the
# first worked example, presses 计算, copies the result with 复制结果
# (Ctrl+Shift+C) and goes back with 返回. Each copied text is written to
# OUTDIR/<calculator>.txt as it came off the clipboard.
#
#   scripts/sections-smoke.sh OUTDIR PROGRAM [ARGUMENTS...]
#
# PROGRAM may be a runner: `wine corvane.exe` runs the Windows build, so the
# same keys give both platforms' texts for comparison. The program starts in
# Chinese, with settings of its own (a fresh XDG_CONFIG_HOME).
set -euo pipefail
out=$1
shift
mkdir -p "$out"

source "$(dirname "$0")/xvfb.sh"
start_xvfb
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config

app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$config"
}
trap cleanup EXIT

# The visible window whose title matches, waited for up to $2 seconds (30
# by default; Wine's first start in a fresh prefix takes longer).
wait_window() {
    local window=
    for _ in $(seq 1 $((${2:-30} * 10))); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: no window titled $1" >&2
    return 1
}

press() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.2; }
typed() { xdotool type --delay 60 "$1"; sleep 0.1; }

"$@" --lang zh &
app=$!
main=$(wait_window '^Corvane$' 180)
echo "main window mapped"

# name, the 工具 menu's access key, the window title, then the keys: a value
# is typed, anything else is a key name for xdotool.
calculators=(
    # Focus starts on 型材带板宽度; Shift+Tab wraps to the span at the top.
    # After the last entry: the two result fields, then 计算; after it 清除, 返回.
    "hull|h|^船体结构剖面模数计算器$|shift+Tab 2400 Tab 600 Tab 10 Tab 300 Tab 10 Tab 100 Tab 12 Tab Tab Tab space ctrl+shift+c Tab Tab space"
    # Tab order runs backwards here: focus starts on 返回, Shift+Tab goes to
    # the first entry and on down; then the result fields and 计算.
    "builtup|b|^组合型材剖面模数计算器$|shift+Tab 100 shift+Tab 10 shift+Tab 200 shift+Tab 8 shift+Tab 100 shift+Tab 10 shift+Tab shift+Tab shift+Tab space ctrl+shift+c shift+Tab shift+Tab space"
    # Focus starts on the outer diameter; after the wall, four result
    # fields, then 计算.
    "pipe|p|^管材参数计算$|100 Tab 10 Tab Tab Tab Tab Tab space ctrl+shift+c Tab Tab space"
)

status=0
for entry in "${calculators[@]}"; do
    IFS='|' read -r name key title keys <<<"$entry"
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    sleep 0.3
    press alt+t
    press "$key"
    window=$(wait_window "$title") || { status=1; continue; }
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.5
    : | xclip -selection clipboard -i
    for k in $keys; do
        if [[ $k =~ ^[0-9.]+$ ]]; then typed "$k"; else press "$k"; fi
        if [ "$k" = ctrl+shift+c ]; then
            sleep 0.5
            xclip -selection clipboard -o >"$out/$name.txt" 2>/dev/null || true
        fi
    done
    if [ -s "$out/$name.txt" ]; then
        echo "$name: copied $(wc -c <"$out/$name.txt") bytes"
    else
        echo "FAIL: $name: nothing on the clipboard"
        status=1
    fi
    main=$(wait_window '^Corvane$') || { status=1; break; }
done
exit $status
