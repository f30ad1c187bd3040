#!/usr/bin/env bash
# Corvane for 64-bit Windows, cross-built on Debian with mingw-w64 against Qt
# built from Debian's own source (scripts/windows-qt.sh, cached per machine):
#
#   build-windows-release/Corvane-<version>-win64.zip  the portable folder
#   build-windows-release/Corvane-<version>-win64.msi  the installer
#
# Both hold the same files: corvane.exe and corvane-batch.exe, the Qt DLLs and
# plugins they use (Windows printing is part of Qt6PrintSupport.dll itself), the C++ runtime DLLs, Qt's Chinese texts, the free AR PL
# faces for systems without Chinese fonts, and the licence texts. Every DLL
# any of them imports is checked to be shipped or a part of Windows.
#
#   scripts/windows-release.sh [--with-tests]
#
# --with-tests also builds the test programs (scripts/windows-test.sh runs
# them under Wine). The build folder is build-windows-release/build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tests=OFF
if [ "${1:-}" = --with-tests ]; then
    tests=ON
fi
"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 msitools \
    qt6-translations-l10n fonts-arphic-uming fonts-arphic-ukai

echo "== Qt for Windows =="
qt=$("$root/scripts/windows-qt.sh" | tail -n 1)
echo "Qt for Windows: $qt"

out="$root/build-windows-release"
build="$out/build"
version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="Corvane-$version-win64"
mkdir -p "$out"

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Hits across checkouts in other folders: paths relative to the source,
    # the build folder left out of the hash (the programs are stripped of
    # their debugging information anyway).
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi
echo "== Corvane $version for Windows: building =="
# The program links the C++ runtime as DLLs, shipped beside it, like the Qt
# DLLs do: one runtime in the process. Qt's code generators and lrelease are
# the host's, of the same Qt version.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/wincheck/mingw-w64-x86_64.cmake" \
    -DCMAKE_EXE_LINKER_FLAGS="" \
    -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="/usr/x86_64-w64-mingw32;$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
    -DBUILD_TESTING=$tests "${launcher[@]}" >/dev/null
cmake --build "$build"

echo "== $name: staging =="
stage="$out/$name"
rm -rf "$stage"
mkdir -p "$stage"/{platforms,styles,imageformats,translations,fonts,licenses}
# (On Windows Qt puts every program of the build in its top folder.)
cp "$build/corvane.exe" "$build/corvane-batch.exe" "$stage/"
cp "$build/app/corvane.ico" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
for format in qgif qico qjpeg; do
    cp "$qt/plugins/imageformats/$format.dll" "$stage/imageformats/"
done
cp /usr/share/qt6/translations/qtbase_zh_CN.qm /usr/share/qt6/translations/qt_zh_CN.qm \
    "$stage/translations/"
cp /usr/share/fonts/truetype/arphic/uming.ttc /usr/share/fonts/truetype/arphic/ukai.ttc \
    "$stage/fonts/"
# Qt finds its plugins and translations beside the program, wherever the
# folder was unpacked or installed.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"

# Every DLL imported by a shipped program, DLL or plugin is shipped too,
# found among Qt's and the compiler's, or is one of Windows' own.
runtime_dirs=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
windows_dlls=" advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll
 d3d11.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll
 msvcrt.dll netapi32.dll ntdll.dll ole32.dll oleaut32.dll rpcrt4.dll setupapi.dll shcore.dll
 shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv
 ws2_32.dll wtsapi32.dll "
windows_dlls=" $(echo $windows_dlls) " # one blank between names, none at line ends
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
missing=0
changed=1
while [ $changed -eq 1 ]; do
    changed=0
    while IFS= read -r -d '' binary; do
        for dll in $(imports "$binary"); do
            lower=${dll,,}
            if [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
                continue
            fi
            if [[ $windows_dlls == *" $lower "* || $lower == api-ms-win-* ]]; then
                continue
            fi
            found=
            for dir in "${runtime_dirs[@]}"; do
                if [ -f "$dir/$dll" ]; then
                    found="$dir/$dll"
                    break
                fi
            done
            if [ -n "$found" ]; then
                cp "$found" "$stage/"
                changed=1
            else
                echo "missing: $dll, imported by ${binary#"$stage/"}" >&2
                missing=1
            fi
        done
    done < <(find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
done
if [ $missing -ne 0 ]; then
    echo "FAIL: the folder lacks DLLs its programs import" >&2
    exit 1
fi
find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The licence texts: the program's, Qt's (LGPL 3, and where its source is),
# the compiler runtime's and the fonts'.
cp "$root/LICENSE" "$stage/licenses/Corvane-LICENSE.txt"
cp "$qt/LICENSES/LGPL-3.0-only.txt" "$stage/licenses/Qt-LGPL-3.0.txt"
cp "$qt/LICENSES/GPL-3.0-only.txt" "$stage/licenses/Qt-GPL-3.0.txt"
cat >"$stage/licenses/Qt-SOURCE.txt" <<EOT
The Qt libraries in this folder (Qt6*.dll and the plugins) are Qt $(basename "$qt" | cut -d- -f2),
used under the GNU Lesser General Public License version 3 (Qt-LGPL-3.0.txt).
They were built from Debian's source package qt6-base
$(sed -n "s/^Version: //p" "${CORVANE_CACHE:-$HOME/.cache/corvane}"/source/qt6-base_*.dsc),
available from https://deb.debian.org/debian/pool/main/q/qt6-base/, by the
script scripts/windows-qt.sh of Corvane's source, which also holds the one
change made to it: a preprocessor condition in
src/plugins/platforms/windows/qwindowswindow.cpp, so that the Windows
platform plugin builds without OpenGL. You may replace them with your own
build of the same Qt version.
EOT
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64-winpthreads.txt"
cp /usr/share/doc/fonts-arphic-uming/copyright "$stage/licenses/AR-PL-UMing.txt"
cp /usr/share/doc/fonts-arphic-ukai/copyright "$stage/licenses/AR-PL-UKai.txt"

echo "== $name.zip =="
rm -f "$out/$name.zip"
(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")

echo "== $name.msi =="
"$root/scripts/windows-msi.sh" "$stage" "$version" "$out/$name.msi"

echo "== $name: files =="
(cd "$out" && find "$name" -type f -printf '%s\t%p\n' | sort -k2)
ls -l "$out/$name.zip" "$out/$name.msi"
