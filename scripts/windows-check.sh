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
#  - files_check, built for both, checks the file writer (replace, discard,
#    Chinese names with blanks, a missing folder), reading by UTF-8 names and
#    the GB18030 conversions on each system by itself.
#  - corvane-batch.exe must give the Linux tool's standard output, standard
#    error and exit status byte for byte on the tables in wincheck/tables (and
#    the worked example's section table): every kind, UTF-8 and GB18030 with
#    and without a byte-order mark, standard input, Chinese file names with a
#    blank, output files, unreadable input, usage errors, --help, --version.
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
# The batch tool compared: this check's own build, or the one a release
# ships (scripts/windows-test.sh names the unpacked folder's).
batch_exe=${CORVANE_BATCH_EXE:-$windows/batch/corvane-batch.exe}
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

echo "== The file writer and the encodings on each system =="
(cd "$linux" && ./wincheck/files_check) >"$linux/files-check.txt" || failed=1
(cd "$windows" && run ./wincheck/files_check.exe) >"$windows/files-check.txt" || failed=1
sed 's/^/linux:   /' "$linux/files-check.txt"
sed 's/^/windows: /' "$windows/files-check.txt"
# Windows has had GB18030 as code page 54936 since XP; a Wine without it
# cannot run the GB18030 cases, which are then skipped with that reason.
gbMissing=
if grep -q '^SKIP convert' "$windows/files-check.txt"; then
    gbMissing="this Wine has no code page 54936 (GB18030)"
fi

echo "== corvane-batch.exe against corvane-batch =="
work="$windows/batch-check"
rm -rf "$work"
mkdir -p "$work/tables/folder" "$work/out"
cp "$root"/wincheck/tables/*.csv "$root/docs/examples/bulk-carrier-midship.csv" "$work/tables/"
(
    cd "$work/tables"
    iconv -f UTF-8 -t GB18030 pipe.csv >pipe-gb18030.csv
    { printf '\x84\x31\x95\x33'; cat pipe-gb18030.csv; } >pipe-gb18030-bom.csv
    { printf '\xEF\xBB\xBF'; cat pipe.csv; } >pipe-utf8-bom.csv
    iconv -f UTF-8 -t GB18030 bulk-carrier-midship.csv >midship-gb18030.csv
    cp pipe.csv "钢管 表格.csv"
    cp bulk-carrier-midship.csv "散货船 中剖面.csv"
    : >empty.csv
)
cd "$work"
batchFailed=0
batchSkipped=0
# check NAME [gb] [lang=LANG] [stdin=FILE] [file=OUTPUT] [append=FILE] -- ARGUMENTS...
# Runs both tools in the same folder with the same arguments; OUTPUT is a
# file the run writes, compared as well; append=FILE appends standard output
# to FILE, a fresh copy of tables/pipe.csv, compared afterwards. Wine reads the arguments in the
# locale's character set, hence UTF-8 there; the messages' language follows
# LANG alone.
check() {
    local name=$1 gb=0 lang=C input=/dev/null file='' append=''
    shift
    while [ "$1" != -- ]; do
        case $1 in
        gb) gb=1 ;;
        lang=*) lang=${1#lang=} ;;
        stdin=*) input=${1#stdin=} ;;
        file=*) file=${1#file=} ;;
        append=*) append=${1#append=} file=${1#append=} ;;
        esac
        shift
    done
    shift
    if [ $gb -eq 1 ] && [ -n "$gbMissing" ]; then
        echo "SKIP $name: $gbMissing"
        batchSkipped=$((batchSkipped + 1))
        return
    fi
    local side status stdout
    for side in linux windows; do
        [ -z "$file" ] || rm -f "$file"
        stdout=out/$side.out
        : >out/$side.out
        if [ -n "$append" ]; then
            cp tables/pipe.csv "$append"
            stdout=$append
        fi
        status=0
        if [ $side = linux ]; then
            env -u LC_ALL -u LC_MESSAGES LANG="$lang" LC_CTYPE=C.UTF-8 \
                "$linux/batch/corvane-batch" "$@" <"$input" >>"$stdout" 2>out/$side.err || status=$?
        else
            env -u LC_ALL -u LC_MESSAGES LANG="$lang" LC_CTYPE=C.UTF-8 \
                wine "$batch_exe" "$@" <"$input" >>"$stdout" 2>out/$side.err ||
                status=$?
        fi
        echo "$status" >out/$side.status
        if [ -n "$file" ]; then
            if [ -e "$file" ]; then mv "$file" out/$side.file; else echo "(none)" >out/$side.file; fi
        fi
    done
    local part differs=
    for part in out err status ${file:+file}; do
        cmp -s "out/linux.$part" "out/windows.$part" || differs="$differs $part"
    done
    if [ -z "$differs" ]; then
        echo "PASS $name (exit $(cat out/linux.status))"
        return
    fi
    echo "FAIL $name: differs in$differs"
    for part in $differs; do
        diff <(od -c "out/linux.$part") <(od -c "out/windows.$part") | head -8 || true
    done
    batchFailed=1
}
check "stiffener, UTF-8, a bad row and a blank row" -- stiffener tables/stiffener.csv
check "stiffener --detail" -- stiffener tables/stiffener.csv --detail
check "stiffener --net 1.5" -- stiffener --net 1.5 tables/stiffener.csv
check "builtup, semicolons and CRLF" -- builtup tables/builtup.csv
check "builtup --delimiter ';'" -- builtup --delimiter ';' tables/builtup.csv
check "pipe, Chinese captions, a four-byte character" -- pipe tables/pipe.csv
check "pipe, UTF-8 with a byte-order mark" -- pipe tables/pipe-utf8-bom.csv
check "pipe from standard input" stdin=tables/pipe.csv -- pipe
check "pipe from standard input as -" stdin=tables/pipe.csv -- pipe - --detail
check "hp, tabs, listed and unknown profiles" -- hp tables/hp.csv
check "pipe, GB18030 without a mark" gb -- pipe tables/pipe-gb18030.csv
check "pipe, GB18030 with a mark" gb -- pipe tables/pipe-gb18030-bom.csv
check "pipe, GB18030 from standard input" gb stdin=tables/pipe-gb18030.csv -- pipe
check "pipe --encoding gbk" gb -- pipe --encoding gbk tables/pipe-gb18030-bom.csv
if [ -n "$gbMissing" ]; then
    # Without the conversion a GB18030 table is refused and the reason said,
    # never read as a table whose columns are missing.
    status=0
    wine "$batch_exe" pipe tables/pipe-gb18030.csv >out/gb.out 2>out/gb.err ||
        status=$?
    if [ $status -eq 2 ] && [ ! -s out/gb.out ] &&
        grep -q "this system cannot convert GB18030 text" out/gb.err; then
        echo "PASS a GB18030 table where the system cannot convert it is refused, saying why"
    else
        echo "FAIL a GB18030 table where the system cannot convert it (exit $status):"
        cat out/gb.err
        batchFailed=1
    fi
    status=0
    wine "$batch_exe" girder tables/midship-gb18030.csv >out/gb.out 2>out/gb.err ||
        status=$?
    if [ $status -eq 1 ] && [ "$(tail -n 1 out/gb.out)" = "tables/midship-gb18030.csv,,,,,," ] &&
        grep -q "cannot read tables/midship-gb18030.csv: this system cannot convert GB18030 text" \
            out/gb.err; then
        echo "PASS a GB18030 section table where the system cannot convert it is refused, saying why"
    else
        echo "FAIL a GB18030 section table where the system cannot convert it (exit $status):"
        cat out/gb.out out/gb.err
        batchFailed=1
    fi
fi
check "pipe, a Chinese file name with a blank" -- pipe "tables/钢管 表格.csv"
check "pipe -o a Chinese file name with a blank" file="out/结果 表.csv" -- \
    pipe tables/pipe.csv -o "out/结果 表.csv"
check "girder: good, rows left out, bad, the worked example" -- \
    girder tables/box-girder.csv tables/bad-girder.csv tables/bulk-carrier-midship.csv
check "girder, a GB18030 section table" gb -- girder tables/midship-gb18030.csv
check "girder --net" -- girder --net tables/bulk-carrier-midship.csv
check "girder, a Chinese file name with a blank, -o" file=out/girder.csv -- \
    girder "tables/散货船 中剖面.csv" -o out/girder.csv
check "girder, a missing file and a folder" -- girder tables/missing.csv tables/folder
check "a missing input file" -- pipe tables/missing.csv
check "a folder as input" -- pipe tables/folder
check "an empty input file" -- pipe tables/empty.csv
check "a required column missing" -- stiffener tables/missing-column.csv
check "the output in a missing folder" -- pipe tables/pipe.csv -o "no such folder/out.csv"
check "the output is the input" -- pipe tables/pipe.csv -o tables/pipe.csv
check "standard output is the input" append=out/self.csv -- pipe out/self.csv
check "standard input is the output" stdin=tables/pipe.csv -- pipe -o tables/pipe.csv
check "an unknown kind" -- beam tables/pipe.csv
check "an unknown option" -- pipe --colour tables/pipe.csv
check "--net without a deduction" -- stiffener tables/stiffener.csv --net
check "--help in English" -- --help
check "--help in Chinese" lang=zh_CN.UTF-8 -- --help
check "a usage error in Chinese" lang=zh_CN.UTF-8 -- pipe --encoding latin1
check "--version" -- --version
cd "$root"
if [ $batchFailed -ne 0 ]; then
    failed=1
fi
if [ $batchSkipped -ne 0 ]; then
    echo "($batchSkipped GB18030 cases skipped: $gbMissing)"
fi

if [ $failed -ne 0 ]; then
    echo "Windows check: FAIL"
    exit 1
fi
echo "Windows check: PASS"
