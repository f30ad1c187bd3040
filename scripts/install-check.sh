#!/usr/bin/env bash
# Checks the installation of a build:
#   scripts/install-check.sh [build-dir] [package-build-dir]
# - `cmake --install` into a temporary prefix puts exactly the expected files
#   in place;
# - the desktop entry and the AppStream metainfo validate without an error or
#   a warning;
# - the installed programs answer --version without a display;
# - the .deb (built by scripts/package.sh) carries the same files and passes
#   lintian without an error.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
debbuild=${2:-"$root/build-deb"}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
# The application id as the build configured it (CORVANE_APP_ID in the top
# CMakeLists.txt), from the header it generated for the program.
app_id=$(sed -n 's/^#define CORVANE_APP_ID "\(.*\)"$/\1/p' "$build/runtime/generated/corvaneversion.h")
[ -n "$app_id" ] || fail "no application id in $build/runtime/generated/corvaneversion.h"

# corvane-batch, the companion tool, is installed when the build has it.
programs=(corvane)
if [ -x "$build/batch/corvane-batch" ]; then
    programs+=(corvane-batch)
fi

# The files an installation holds, relative to its prefix; manual pages as
# `cmake --install` leaves them (the .deb compresses them).
expected_files() {
    local program size
    for program in "${programs[@]}"; do
        echo "bin/$program"
        echo "share/man/man1/$program.1"
    done
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/mime/packages/$app_id.xml"
    for size in 16 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    echo "share/doc/corvane/copyright"
    echo "share/doc/corvane/changelog.gz"
}

compare_lists() {
    local what=$1 expected=$2 actual=$3
    if ! diff -u <(sort <<<"$expected") <(sort <<<"$actual") >&2; then
        fail "$what: the installed files differ from the expected ones (- expected, + installed)"
    fi
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

echo "== cmake --install into a temporary prefix =="
cmake --install "$build" --prefix "$prefix" >/dev/null
compare_lists "cmake --install" "$(expected_files)" \
    "$(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n')"
echo "installed: $(expected_files | wc -l) files as expected"

echo "== desktop entry and AppStream metainfo =="
# Both tools must stay silent: any error, warning or hint fails the check.
desktop=$prefix/share/applications/$app_id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
echo "desktop-file-validate: clean"
report=$(appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $report"
if grep -Eq '^[EWI]:' <<<"$report"; then
    fail "appstreamcli validate: $report"
fi
# The tree as a whole: the metainfo's launchable names the desktop entry
# that is really installed, and its icon is found.
report=$(appstreamcli validate-tree --no-net --no-color "$prefix" 2>&1) ||
    fail "appstreamcli validate-tree: $report"
if grep -Eq '^[EWI]:' <<<"$report"; then
    fail "appstreamcli validate-tree: $report"
fi
echo "appstreamcli validate --no-net: clean"
# The MIME package: the database built from it in a copy knows the type, and
# a section-table file's name is matched to it.
mime=$(mktemp -d)
cp -r "$prefix/share/mime" "$mime/"
update-mime-database "$mime/mime" >/dev/null 2>&1 || fail "update-mime-database refused the MIME package"
grep -Fq 'application/x-corvane-girder:*.corvane.csv' "$mime/mime/globs2" ||
    fail "the MIME database has no *.corvane.csv glob"
rm -rf "$mime"
echo "update-mime-database: application/x-corvane-girder for *.corvane.csv"

echo "== installed programs answer --version without a display =="
for program in "${programs[@]}"; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version) ||
        fail "$program --version ended with an error"
    grep -Fq "$version" <<<"$out" || fail "$program --version printed '$out', not version $version"
    echo "$program --version: $out"
done

echo "== Debian package =="
deb=$("$root/scripts/package.sh" "$debbuild" | tail -n 1)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "corvane_${version}_${arch}.deb" ] || fail "unexpected package name $deb"
# The same files under /usr, the manual pages compressed.
compare_lists "$deb" "$(expected_files | sed -e 's|^|usr/|' -e 's|/man1/\(.*\)\.1$|/man1/\1.1.gz|')" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||')"
dpkg-deb --field "$deb" Package Version Architecture Depends
# Errors fail the check; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "PASS: $deb"
