#!/usr/bin/env bash
# Installs what is missing, builds and starts Corvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Corvane on a virtual X server (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/app/corvane"
fi
exec "$root/build/app/corvane"
