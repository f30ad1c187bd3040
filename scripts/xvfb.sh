# Sourced by the scripts that need an X server: starts Xvfb on a free display,
# exports DISPLAY, and stops the server when the script exits.
start_xvfb() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    xvfb_pid=$!
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM
}
