#!/usr/bin/env bash
# Whole runs of "tavolin-cli print": the demo and a long project into PDF files, refusals.
set -euo pipefail
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() { timeout 120 "$cli" "$@"; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

run print "$demo" --language 1 --pdf "$work/demo.pdf" >"$work/out"
grep -q "demo.pdf: $(pages "$work/demo.pdf") Seiten" "$work/out"
pdftotext -layout "$work/demo.pdf" "$work/demo.txt"
grep -q 'Sprache 1: .*examples/Demo/Sprache1.txt .*Anzeigetype: Quon 1' "$work/demo.txt"
grep -q 'Zeichensatz: .*examples/Demo/demo.pix' "$work/demo.txt"
run print "$demo" --language 2 --pdf "$work/demo2.pdf" >/dev/null
pdftotext "$work/demo2.pdf" - | grep -q 'Sprache 2: .*Sprache2.txt'

# 1000 messages on Letter paper: every page numbered from 1, headings on each page.
mkdir "$work/long"
cp "$demo/tavolin.cfg" "$demo/demo.pix" "$work/long/"
for i in $(seq 0 999); do printf '%-5s%s\n\r' "$i" "Meldung $i"; done >"$work/long/Sprache1.txt"
run print "$work/long" --language 1 --pdf "$work/long.pdf" --page-size Letter >/dev/null
n=$(pages "$work/long.pdf")
[ "$n" -gt 10 ]
pdfinfo "$work/long.pdf" | grep -Eq 'Page size: +612 x 792'
pdftotext "$work/long.pdf" "$work/long.txt"
[ "$(grep -o 'Meld\.Nr' "$work/long.txt" | wc -l)" -eq "$n" ]
[ "$(grep -o 'Meldetext' "$work/long.txt" | wc -l)" -eq "$n" ]
for p in $(seq 1 "$n"); do grep -qx "Seite $p" "$work/long.txt" || { echo "no page $p" >&2; exit 1; }; done
! grep -qx "Seite $((n + 1))" "$work/long.txt"
grep -qx 999 "$work/long.txt"

# A message too tall for a page is named, the rest written, the exit status 1.
{ printf '%-5s%s\n\r' 5 Anfang; for i in $(seq 1 120); do printf '     Zeile %s\n\r' "$i"; done; } >>"$work/long/Sprache1.txt"
status=0
run print "$work/long" --language 1 --pdf "$work/tall.pdf" 2>"$work/err" >/dev/null || status=$?
[ "$status" -eq 1 ] && grep -q 'Meldung 5$' "$work/err"
pdftotext "$work/tall.pdf" - | grep -qx 999

# Refusals: German message, exit 1, no file.
field() { printf '%s' "$1" >"$work/field"; truncate -s 256 "$work/field"; cat "$work/field"; }
mkdir "$work/k"
{ field Sprache1.txt; field Sprache2.txt; field D1; field D2; field ''; field 'Keypad 1'; } >"$work/k/tavolin.cfg"
printf '1    Eins\n\r' >"$work/k/Sprache1.txt"
refuse() {
    local pattern="$1"; shift
    status=0
    run print "$@" --pdf "$work/refused.pdf" 2>"$work/err" >/dev/null || status=$?
    [ "$status" -eq 1 ] && grep -q "$pattern" "$work/err" && [ ! -e "$work/refused.pdf" ] \
        || { echo "not refused: $* ($status)" >&2; cat "$work/err" >&2; exit 1; }
}
refuse 'hat keine Sprache 2' "$work/k" --language 2
refuse 'hat keine Diagnosetexte' "$demo" --language 1 --table diagnose
refuse 'existiert nicht' "$work/fehlt" --language 1
mkdir "$work/e" && cp "$work/k/tavolin.cfg" "$work/e/"
refuse 'e/Sprache1.txt" fehlt' "$work/e" --language 1
cp -r "$demo" "$work/ohne2" && rm "$work/ohne2/Sprache2.txt"
refuse 'ohne2/Sprache2.txt" fehlt' "$work/ohne2" --language 2
run print "$work/k" --language 1 --pdf "$work/k.pdf" >/dev/null
run print --help | grep -q 'tavolin-cli print PROJEKTORDNER'
echo OK
