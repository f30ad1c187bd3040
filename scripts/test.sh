#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in a normal
# build (with the smoke test of the real program under Xvfb) and in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Between the two it
# checks the installation and the Debian package; after them it runs the
# fuzz targets for a fixed number of runs and the Windows build under Wine
# (scripts/windows-test.sh: its test suites, the program, the batch tool and
# the installer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

echo "== Build and test =="
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure)
"$root/scripts/install-check.sh" "$root/build"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer =="
"$root/scripts/build.sh" "$root/build-asan" -DCORVANE_SANITIZE=ON
(cd "$root/build-asan" && ctest --output-on-failure)

"$root/scripts/fuzz.sh"

"$root/scripts/windows-test.sh"
