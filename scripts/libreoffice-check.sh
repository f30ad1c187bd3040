#!/usr/bin/env bash
# Whether LibreOffice Calc reads a section-table file as a table: converts it
# headless (soffice --headless --convert-to) and checks that Calc kept every
# line and split every member row into the header's columns; then, where
# corvane-batch is built, that the table as Calc writes it back (its lines
# padded with empty cells) still computes to the same figures.
#
#   scripts/libreoffice-check.sh [TABLE [BUILD-DIR]]
#
# TABLE defaults to docs/examples/bulk-carrier-midship.csv, BUILD-DIR to
# build/. Skips, with a message and status 0, where soffice is not installed.
# The table's own cells hold no ASCII commas (the checks count fields by
# them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
table=${1:-$root/docs/examples/bulk-carrier-midship.csv}
build=${2:-$root/build}

if ! command -v soffice >/dev/null 2>&1; then
    echo "libreoffice-check: soffice not found (LibreOffice is not installed); skipped"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "libreoffice-check: $*" >&2
    exit 1
}

# A profile of its own, so that a running LibreOffice is neither used nor
# disturbed. Import and export: comma, double quote, UTF-8 (76), from line 1.
name=$(basename "$table")
mkdir -p "$work/out"
soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --infilter="CSV:44,34,76,1" \
    --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1" \
    --outdir "$work/out" "$table" >"$work/soffice.log" 2>&1 ||
    fail "soffice failed: $(cat "$work/soffice.log")"
converted=$work/out/$name
[ -s "$converted" ] || fail "soffice wrote nothing: $(cat "$work/soffice.log")"

# The lines as the program wrote them, without the byte-order mark and CRs.
plain() { sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' "$1"; }
plain "$table" >"$work/in.csv"
plain "$converted" >"$work/calc.csv"

in_lines=$(wc -l <"$work/in.csv")
calc_lines=$(wc -l <"$work/calc.csv")
[ "$in_lines" -eq "$calc_lines" ] || fail "$in_lines lines in, $calc_lines from Calc"

# The header is the first line that is not a key,value setting; every line
# from it on has the header's number of fields.
header=$(awk -F, '$1 != "depth" && $1 != "half" && $1 != "dt" { print NR; exit }' "$work/in.csv")
columns=$(awk -F, -v h="$header" 'NR == h { print NF }' "$work/in.csv")
bad=$(awk -F, -v h="$header" -v n="$columns" 'NR >= h && NF != n { print NR ": " NF " fields" }' \
    "$work/calc.csv")
[ -z "$bad" ] || fail "rows Calc did not split into $columns columns: $bad"
members=$((in_lines - header))
# Calc keeps the Chinese text of the cells.
first=$(awk -F, -v h="$header" 'NR == h + 1 { print $1 }' "$work/in.csv")
grep -Fq "$first" "$work/calc.csv" || fail "the cell '$first' is not in Calc's table"
echo "libreoffice-check: Calc read $name as a table: $members member rows, $columns columns"

batch=$build/batch/corvane-batch
if [ -x "$batch" ]; then
    for net in "" --net; do
        ours=$("$batch" girder $net "$table" | tail -n 1 | cut -d, -f2-)
        calcs=$("$batch" girder $net "$converted" | tail -n 1 | cut -d, -f2-)
        [ "$ours" = "$calcs" ] || fail "as Calc writes it back the table gives $calcs, not $ours"
        echo "libreoffice-check: written back by Calc, the same figures${net:+ (net)}: $ours"
    done
else
    echo "libreoffice-check: $batch not built; the figures were not compared"
fi
