#!/usr/bin/env bash
# Builds the Debian package corvane_<version>_<arch>.deb and prints its path:
#   scripts/package.sh [build-dir] [extra cmake arguments...]
# The build (default build-deb/) is an optimised one without the tests,
# compiled with all of Debian's hardening flags; CPack strips the binaries
# and resolves the library dependencies with dpkg-shlibdeps.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$root/build-deb"}
shift || true
"$root/scripts/deps.sh"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" >/dev/null
cmake --build "$dir"
rm -f "$dir"/corvane_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/corvane_*.deb
