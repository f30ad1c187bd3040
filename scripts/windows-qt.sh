#!/usr/bin/env bash
# Qt 6 for Windows, cross-built on Debian 12 from Debian's own qtbase source
# package with mingw-w64, against the host's Qt tools (moc, rcc, uic) of the
# same version. Only what the program and its tests use is built: Core, Gui,
# Widgets, PrintSupport and Test, with the Windows platform plugin and the
# image-format plugins; no network, SQL, D-Bus or OpenGL.
#
# The result is cached outside the work tree, in
#   ${CORVANE_CACHE:-$HOME/.cache/corvane}/qt-<version>-mingw-<key>
# where the key is a hash of what the build depends on: the source package's
# .dsc, the configure options, the compiler's version and the toolchain
# file. It is built in a folder beside that and renamed into place only when
# complete, so a cut build is never taken for a finished one. Prints the
# folder on stdout. Qt's licence texts go with it, in LICENSES/.
#
# The source is fetched through a private apt source list and state folder
# of the cache's own; the machine's apt configuration is not touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${CORVANE_CACHE:-$HOME/.cache/corvane}
toolchain="$root/wincheck/mingw-w64-x86_64.cmake"
"$root/scripts/deps.sh" g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools ninja-build \
    xz-utils dpkg-dev >&2

apt_dir="$cache/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$apt_dir/sources.list"
apt_opts=(-o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o "Dir::Etc::sourceparts=-"
          -o "Dir::State::Lists=$apt_dir/lists" -o "APT::Get::List-Cleanup=0")
source_dir="$cache/source"
mkdir -p "$source_dir"
if ! ls "$source_dir"/qt6-base_*.dsc >/dev/null 2>&1; then
    apt-get "${apt_opts[@]}" -qq update >&2
    (cd "$source_dir" && apt-get "${apt_opts[@]}" -qq source --download-only qt6-base >&2)
fi
dsc=$(ls "$source_dir"/qt6-base_*.dsc | head -n1)
version=$(sed -n 's/^Version: \([0-9.]*\).*/\1/p' "$dsc")

configure_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_GENERATE_SBOM=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    # Debian's source leaves out the Wintab header (src/3rdparty/wintab) that
    # the Windows plugin's graphics-tablet support needs; the program has no
    # use for tablets.
    -DFEATURE_tabletevent=OFF
)
# One fix to the source, for a build without OpenGL: Qt 6.4.2's Windows
# platform plugin reaches for the dynamic OpenGL loader whenever that is
# configured, which it is by default even with OpenGL off; the check is made
# to need both (it compiles nothing else differently).
source_fix='s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/'
source_fix_file=src/plugins/platforms/windows/qwindowswindow.cpp

compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
key=$({ cat "$dsc" "$toolchain"; echo "${configure_options[*]}"; echo "$compiler"
        echo "$source_fix $source_fix_file"; } | sha256sum | cut -c1-16)
prefix="$cache/qt-$version-mingw-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# The build folder is keyed like the result and kept when a build is cut
# short, so the next run resumes where it stopped; only a finished, installed
# tree is renamed into the cache entry.
work="$cache/qt-build-$key"
mkdir -p "$work"
if [ ! -f "$work/.unpacked" ]; then
    echo "== Qt $version for Windows: unpacking ==" >&2
    rm -rf "$work/src"
    mkdir -p "$work/src"
    tar -xJf "$source_dir"/qt6-base_"$version"*.orig.tar.xz -C "$work/src" --strip-components=1
    sed -i "$source_fix" "$work/src/$source_fix_file"
    touch "$work/.unpacked"
fi
src="$work/src"
stage="$work/stage"

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$work"
fi
if [ ! -f "$work/.configured" ]; then
    echo "== Qt $version for Windows: configuring ==" >&2
    cmake -S "$src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$stage" "${configure_options[@]}" \
        "${launcher[@]}" >&2
    touch "$work/.configured"
fi
echo "== Qt $version for Windows: building (about 35 minutes on two cores, once per machine) ==" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
cp -r "$src/LICENSES" "$stage/LICENSES"
touch "$stage/.complete"
rm -rf "$prefix"
mv "$stage" "$prefix"
rm -rf "$work"
echo "$prefix"
