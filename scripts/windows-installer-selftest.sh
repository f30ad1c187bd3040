#!/usr/bin/env bash
# Tests the installer's making and checking without the Windows build of the
# program: two stand-in program folders, an older (1.1.0) and a newer one
# (1.2.0), become installers through scripts/windows-msi.sh, the newer twice
# (a rebuild has a new product code), and go through
# scripts/windows-installer-check.sh under Wine.
#   scripts/windows-installer-selftest.sh [BUILD_DIR]   (default build-installer-selftest)
# The stand-in corvane.exe and corvane-batch.exe are one small console
# program printing its version; the folders hold a plugin, a translation, a
# licence with a Chinese name and a space, and the icon made by
# cmake/make-ico.cmake from the program's own pictures. The older
# folder has a file the newer lacks, so an upgrade that kept old files shows.
# The icon maker is checked too: its entries are the pictures, byte for byte;
# and the installer maker refuses what it cannot build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-installer-selftest}
mkdir -p "$build"
build=$(cd "$build" && pwd)
"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix wine wine64 wixl msitools icoutils

failed=0
check() {
    local name=$1
    shift
    if "$@"; then echo "PASS  $name"; else
        echo "FAIL  $name"
        failed=1
    fi
}

echo "== Icon =="
pictures=("$root"/app/resources/icons/corvane-{16,24,48,64,128,256}.png "$root/app/resources/icon.png")
# Made as the build makes it, through the CMake script; the tool itself is
# built here too, warnings as errors, for the refusals below.
cmake -P "$root/cmake/make-ico.cmake" "$build/corvane.ico" "${pictures[@]}"
c++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror \
    "$root/packaging/windows/make-ico.cpp" -o "$build/make-ico"
# icotool lists the entries; extracted, each is one of the pictures.
sizes=$(icotool -l "$build/corvane.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\1 .*/\1/p' | tr '\n' ' ')
check "corvane.ico has 16, 24, 32, 48, 64, 128 and 256 px, smallest first" \
    test "$sizes" = "16 24 32 48 64 128 256 "
rm -rf "$build/ico-entries" && mkdir -p "$build/ico-entries"
icotool -x -o "$build/ico-entries" "$build/corvane.ico"
entries_are_pictures() {
    local picture size
    for picture in "${pictures[@]}"; do
        size=$(file -b "$picture" | sed -n 's/^PNG image data, \([0-9]*\) x .*/\1/p')
        cmp -s "$picture" "$build/ico-entries/"corvane_*_"${size}x${size}x"*.png || return 1
    done
}
check "each entry is its picture, byte for byte" entries_are_pictures
refuses() { ! "$build/make-ico" "$build/refused.ico" "$@" 2>/dev/null && [ ! -e "$build/refused.ico" ]; }
check "a picture that is not square is refused" refuses "$root/app/resources/cargo_ship.png"
check "a file that is not a PNG is refused" refuses "$root/packaging/windows/make-ico.cpp"
check "two pictures of one size are refused" refuses "${pictures[0]}" "${pictures[0]}"
head -c 30 "${pictures[0]}" >"$build/cut.png"
check "a cut PNG is refused" refuses "$build/cut.png"
check "a missing picture is refused" refuses "$build/no-such.png"

echo "== Stand-in program folders =="
cat >"$build/standin.cpp" <<'EOF'
// Stands in for corvane.exe and corvane-batch.exe in the installer's test.
#include <cstdio>
#include <cstring>
int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Corvane %s\n", STANDIN_VERSION);
    }
    return 0;
}
EOF
make_stage() { # make_stage DIR VERSION
    local dir=$1 version=$2
    rm -rf "$dir"
    mkdir -p "$dir/platforms" "$dir/translations" "$dir/licenses"
    x86_64-w64-mingw32-g++-posix -O2 -static -DSTANDIN_VERSION="\"$version\"" \
        "$build/standin.cpp" -o "$dir/corvane-batch.exe"
    cp "$dir/corvane-batch.exe" "$dir/corvane.exe"
    cp "$build/corvane.ico" "$dir/corvane.ico"
    printf 'plugin %s\n' "$version" >"$dir/platforms/qwindows.dll"
    printf 'translation\n' >"$dir/translations/qtbase_zh_CN.qm"
    printf '许可证 %s\n' "$version" >"$dir/licenses/字体 许可证.txt"
}
make_stage "$build/stage-old" 1.1.0
printf 'only in 1.1.0\n' >"$build/stage-old/platforms/qoldplugin.dll"
make_stage "$build/stage" 1.2.0

echo "== Installers =="
start=$(date +%s.%N)
"$root/scripts/windows-msi.sh" "$build/stage-old" 1.1.0 "$build/Corvane-1.1.0-win64.msi"
"$root/scripts/windows-msi.sh" "$build/stage" 1.2.0 "$build/Corvane-1.2.0-win64.msi"
echo "  two installers built in $(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }') s"
# What the installer cannot take is refused, and no installer is left.
msi_refuses() { # msi_refuses STAGE VERSION
    ! "$root/scripts/windows-msi.sh" "$1" "$2" "$build/refused.msi" >/dev/null 2>&1 &&
        [ ! -e "$build/refused.msi" ] && [ ! -e "$build/refused.msi.part" ]
}
check "version 256.0.0 is refused (at most 255.255.65535)" msi_refuses "$build/stage" 256.0.0
check "version 1.2.65536 is refused" msi_refuses "$build/stage" 1.2.65536
check "version 1.2 is refused (x.y.z)" msi_refuses "$build/stage" 1.2
check "version 1.2.0-rc1 is refused" msi_refuses "$build/stage" 1.2.0-rc1
rm -rf "$build/stage-bad" && cp -r "$build/stage" "$build/stage-bad"
rm "$build/stage-bad/corvane.ico"
check "a stage without corvane.ico is refused" msi_refuses "$build/stage-bad" 1.2.0
cp "$build/corvane.ico" "$build/stage-bad/corvane.ico"
printf 'x\n' >"$build/stage-bad/licenses/\$(name).txt"
check "a file name with \"\$(\" is refused" msi_refuses "$build/stage-bad" 1.2.0
rm "$build/stage-bad/licenses/\$(name).txt"
printf '\xf0\x9f\x9a\xa2\n' >"$build/stage-bad/licenses/ship-🚢.txt"
check "a file name beyond code page 936 is refused" msi_refuses "$build/stage-bad" 1.2.0

if [ $failed -ne 0 ]; then
    echo "Installer self-test: FAIL"
    exit 1
fi
# A rebuild of 1.2.0 from the same folder: a new product code, the same
# version, which must replace the installed 1.2.0 rather than sit beside it.
"$root/scripts/windows-msi.sh" "$build/stage" 1.2.0 "$build/Corvane-1.2.0-rebuilt-win64.msi"
"$root/scripts/windows-installer-check.sh" "$build/stage" "$build/Corvane-1.2.0-win64.msi" \
    "$build/Corvane-1.1.0-win64.msi" "$build/Corvane-1.2.0-rebuilt-win64.msi"
