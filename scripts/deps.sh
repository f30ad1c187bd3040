#!/usr/bin/env bash
# Installs the Debian packages Corvane needs to build, run and test, skipping
# those already present, and any packages named as arguments. Uses sudo when
# not run as root.
set -euo pipefail

packages=(
    g++ make cmake ninja-build          # toolchain
    qt6-base-dev                        # Qt 6 Widgets, Print Support, Qt Test, the xcb and offscreen platforms
    qt6-svg-dev                         # SVG export of the section drawing, the picture tool's scalable icon
    poppler-utils                       # pdftotext and pdffonts, to check the calculation sheets
    qt6-translations-l10n               # Qt's own Chinese texts (the message box's "确定")
    qt6-l10n-tools qt6-tools-dev        # lupdate, lrelease and their CMake commands: the English translation
    fontconfig fonts-arphic-uming fonts-arphic-ukai # free Song and Kai faces for the Chinese text
    xvfb xauth x11-utils xdotool        # a headless X server for the smoke test and benchmark
    dpkg-dev lintian desktop-file-utils appstream # building and checking the .deb and desktop files
    time                                # /usr/bin/time for the peak memory in bench/batch_bench.sh
    clang-14 libclang-rt-14-dev         # libFuzzer and the sanitizers for the fuzz targets
)
packages+=("$@") # what a script needs beyond these, named by it

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
# Another installation (or the system's own updates) may hold the package
# lock: wait for it, up to ten minutes, instead of failing at once. The
# package lists have a lock of their own, which older apt versions do not
# wait for, so the update is retried while it is busy.
lock_wait=(-o DPkg::Lock::Timeout=600)
for attempt in $(seq 1 60); do
    if "${sudo[@]}" apt-get "${lock_wait[@]}" update -qq; then
        break
    fi
    if [ "$attempt" -eq 60 ]; then
        echo "apt-get update kept failing; giving up" >&2
        exit 1
    fi
    echo "apt-get update failed (the package lists may be locked); retrying in 10 s" >&2
    sleep 10
done
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${lock_wait[@]}" install -y -qq \
    --no-install-recommends "${missing[@]}"
