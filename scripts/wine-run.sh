#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, for CTest (the
# build's CMAKE_CROSSCOMPILING_EMULATOR). scripts/windows-test.sh sets the
# Wine prefix and the DLL search path (WINEPATH) for the Qt and compiler
# runtime DLLs; the exit status is the program's.
set -euo pipefail
exec wine "$@"
