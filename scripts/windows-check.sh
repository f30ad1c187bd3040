#!/usr/bin/env bash
# The Windows code path, compiled with Debian's mingw-w64 and run under Wine
# (headless, no X needed): the Qt-free libraries and the registry lookup of the
# About box.
#  - results.exe prints the section results, number conversions and
#    calculator displays for the worked examples and a fixed random set; the
#    same program built for Linux gives the expected output. Rounded results
#    and everything exact must match to the last character; unrounded values
#    that depend on the maths library are listed and counted where Windows
#    differs in the last digits.
#  - registry_check.exe reads keys written by a UTF-16 .reg file through the
#    lookup: strings with and without NUL, a Chinese path, DWORDs, a missing
#    key, values beyond the buffer.
# The first run installs about 1 GB of packages (mingw-w64, Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix wine wine64

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
linux="$root/build-wincheck-linux"
windows="$root/build-windows"
echo "== Windows check: build for Linux and, with mingw-w64, for Windows =="
cmake -S "$root" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_WINDOWS_CHECK=ON "${launcher[@]}" >/dev/null
cmake --build "$linux"
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_WINDOWS_CHECK=ON -DCMAKE_TOOLCHAIN_FILE="$root/wincheck/mingw-w64-x86_64.cmake" \
    "${launcher[@]}" >/dev/null
cmake --build "$windows"

# A Wine prefix of the build's own, quiet, without the offers to install Mono
# and Gecko; its server is started once and kept until the end.
export WINEPREFIX="$windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineboot -i >/dev/null 2>&1          # creates or updates the prefix, starts its server
wineserver -p 2>/dev/null || true    # keeps that server between the programs
trap 'wineserver -k 2>/dev/null || true' EXIT
run() { wine "$@" | tr -d '\r'; }

failed=0
echo "== Results on Windows against Linux =="
"$linux/wincheck/results" >"$linux/results-linux.txt" || failed=1
run "$windows/wincheck/results.exe" >"$windows/results-windows.txt" || failed=1
grep '^FAIL' "$linux/results-linux.txt" "$windows/results-windows.txt" || true
"$linux/wincheck/compare" "$linux/results-linux.txt" "$windows/results-windows.txt" || failed=1

echo "== Registry lookup under Wine =="
regfile=$(winepath -w "$windows/check.reg")
run "$windows/wincheck/registry_check.exe" --write-reg "$regfile" || failed=1
run regedit /S "$regfile" || failed=1
run "$windows/wincheck/registry_check.exe" || failed=1

if [ $failed -ne 0 ]; then
    echo "Windows check: FAIL"
    exit 1
fi
echo "Windows check: PASS"
