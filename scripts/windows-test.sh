#!/usr/bin/env bash
# Corvane for Windows, tested under Wine on this Debian machine (headless;
# Xvfb where windows must be seen):
#  - the test suites, cross-built, run under Wine through CTest;
#  - corvane.exe from the unpacked zip starts, opens each section
#    calculator, computes its first worked example and copies the result,
#    which must be the text the Linux program copies (scripts/sections-smoke.sh
#    drives both with the same keys);
#  - --help and --version print what they print on Linux;
#  - the shipped corvane-batch.exe gives the Linux tool's bytes, and the
#    Qt-free libraries its results (scripts/windows-check.sh);
#  - the installer installs, runs, upgrades and uninstalls
#    (scripts/windows-installer-check.sh).
# The Linux program to compare with is build/app/corvane (scripts/test.sh
# builds it first); scripts/windows-release.sh builds the Windows files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" wine wine64 xvfb xauth xdotool xclip
"$root/scripts/windows-release.sh" --with-tests

qt=$("$root/scripts/windows-qt.sh" 2>/dev/null | tail -n 1)
out="$root/build-windows-release"
build="$out/build"
version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="Corvane-$version-win64"
linux="$root/build/app/corvane"
failed=0

# The test suites, in a Wine prefix of the build's own, without a display:
# they run on the offscreen platform, with the DLLs of the Qt build and the
# compiler runtime on the search path and the shipped faces as the fonts.
echo "== Test suites under Wine =="
(
    export WINEPREFIX="$out/wine-tests" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY WAYLAND_DISPLAY
    wineboot -i >/dev/null 2>&1
    wineserver -p 2>/dev/null || true
    trap 'wineserver -k 2>/dev/null || true' EXIT
    WINEPATH="$(winepath -w "$qt/bin");$(winepath -w /usr/lib/gcc/x86_64-w64-mingw32/12-posix)"
    WINEPATH+=";$(winepath -w /usr/x86_64-w64-mingw32/lib)"
    export WINEPATH QT_QPA_FONTDIR
    # The faces beside the test programs, as the folder ships them beside
    # corvane.exe (the program loads fonts/ at start).
    rm -rf "$build/fonts"
    cp -r "$out/$name/fonts" "$build/fonts"
    QT_QPA_FONTDIR=$(winepath -w "$build/fonts")
    # Qt's own Chinese texts (the message box's 确定) from the shipped
    # translations, the rest from the Qt build.
    rm -rf "$build/translations"
    cp -r "$out/$name/translations" "$build/translations"
    printf '[Paths]\r\nPrefix = %s\r\nTranslations = %s\r\n' \
        "$(winepath -w "$qt" | tr '\\' /)" "$(winepath -w "$build/translations" | tr '\\' /)" \
        >"$build/qt.conf"
    export QT_PLUGIN_PATH
    QT_PLUGIN_PATH=$(winepath -w "$qt/plugins")
    cd "$build"
    ctest --output-on-failure --timeout 600 -j 2
) || failed=1

# What Windows reads from corvane.exe itself: a GUI program with seven icon
# sizes (16 to 256 pixels), its version information and a manifest asking
# for per-monitor DPI awareness; corvane-batch.exe a console program.
echo "== corvane.exe's resources =="
resources=$(x86_64-w64-mingw32-windres -i "$out/$name/corvane.exe" -O rc 2>/dev/null)
manifest=$(strings "$out/$name/corvane.exe" | grep -o 'PerMonitorV2, PerMonitor' || true)
checks=(
    "GUI program|$(x86_64-w64-mingw32-objdump -p "$out/$name/corvane.exe" | grep -c 'Subsystem.*Windows GUI')|1"
    "console batch tool|$(x86_64-w64-mingw32-objdump -p "$out/$name/corvane-batch.exe" | grep -c 'Subsystem.*Windows CUI')|1"
    "seven icon images|$(grep -c 'RT_ICON \*/' <<<"$resources")|7"
    "one icon group|$(grep -c 'RT_GROUP_ICON' <<<"$resources")|1"
    "manifest|$(grep -c 'RT_MANIFEST' <<<"$resources")|1"
    "per-monitor DPI awareness|$manifest|PerMonitorV2, PerMonitor"
    "FileVersion|$(grep -o 'VALUE "FileVersion", "[^"]*"' <<<"$resources")|VALUE \"FileVersion\", \"$version\""
    "ProductVersion|$(grep -o 'VALUE "ProductVersion", "[^"]*"' <<<"$resources")|VALUE \"ProductVersion\", \"$version\""
    "ProductName|$(grep -o 'VALUE "ProductName", "[^"]*"' <<<"$resources")|VALUE \"ProductName\", \"Corvane\""
    "CompanyName|$(grep -o 'VALUE "CompanyName", "[^"]*"' <<<"$resources")|VALUE \"CompanyName\", \"Corvane developers\""
    "LegalCopyright|$(grep -c 'VALUE "LegalCopyright", "Copyright (c) 2026 Corvane developers"' <<<"$resources")|1"
    # "Corvane 船舶结构计算工具" as windres writes UTF-16 out.
    "FileDescription|$(grep -c 'Corvane \\x8239\\x8236\\x7ed3\\x6784\\x8ba1\\x7b97\\x5de5\\x5177' <<<"$resources")|1"
)
for check in "${checks[@]}"; do
    IFS='|' read -r what actual expected <<<"$check"
    if [ "$actual" = "$expected" ]; then
        echo "$what: PASS"
    else
        echo "$what: FAIL ($actual, not $expected)"
        failed=1
    fi
done

# The portable folder as a user unpacks it, in a fresh prefix started on
# the smoke test's own X server.
echo "== corvane.exe from the zip =="
unpacked="$out/unpacked"
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$out/$name.zip")
export WINEPREFIX="$out/wine-smoke" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
exe="$unpacked/$name/corvane.exe"
for option in --version --help; do
    expected=$(XDG_CONFIG_HOME=$(mktemp -d) "$linux" "$option" --lang zh)
    actual=$(wine "$exe" "$option" --lang zh 2>/dev/null) || true
    if [ "$expected" = "$actual" ]; then
        echo "$option: as on Linux: PASS"
    else
        echo "$option: FAIL"
        diff <(echo "$expected") <(echo "$actual") || true
        failed=1
    fi
done
wineserver -k 2>/dev/null || true

texts="$out/smoke"
rm -rf "$texts"
"$root/scripts/sections-smoke.sh" "$texts/linux" "$linux" || failed=1
"$root/scripts/sections-smoke.sh" "$texts/windows" wine "$exe" || failed=1
wineserver -k 2>/dev/null || true
for text in "$texts"/linux/*.txt; do
    calculator=$(basename "$text" .txt)
    # Windows ends the clipboard's lines with CR LF.
    if [ -f "$texts/windows/$calculator.txt" ] &&
        cmp -s "$text" <(tr -d '\r' <"$texts/windows/$calculator.txt"); then
        echo "$calculator: the copied result is the Linux text: PASS"
    else
        echo "$calculator: the copied result differs from Linux: FAIL"
        diff "$text" "$texts/windows/$calculator.txt" || true
        failed=1
    fi
done

# The Qt-free libraries against Linux (section results, the registry
# lookup, the file writer) and the shipped corvane-batch.exe against the
# Linux tool, byte for byte.
echo "== The Qt-free libraries and corvane-batch.exe against Linux =="
CORVANE_BATCH_EXE="$unpacked/$name/corvane-batch.exe" "$root/scripts/windows-check.sh" || failed=1

# Installed over the same program as the previous version (1.1.0 is as old
# as this check needs) and over a rebuild of itself, then removed.
echo "== The installer =="
older="$out/older"
rm -rf "$older"
mkdir -p "$older"
"$root/scripts/windows-msi.sh" "$out/$name" 1.1.0 "$older/Corvane-1.1.0-win64.msi" >/dev/null
"$root/scripts/windows-msi.sh" "$out/$name" "$version" "$older/$name-rebuilt.msi" >/dev/null
"$root/scripts/windows-installer-check.sh" "$out/$name" "$out/$name.msi" \
    "$older/Corvane-1.1.0-win64.msi" "$older/$name-rebuilt.msi" || failed=1

if [ $failed -ne 0 ]; then
    echo "Windows test: FAIL"
    exit 1
fi
echo "Windows test: PASS"
