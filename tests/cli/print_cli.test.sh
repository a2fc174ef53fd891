#!/usr/bin/env bash
# Whole runs of "tavolin-cli print": the demo and a long project into PDF files, refusals.
source "$2/tests/support/CliScript.sh"

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
for p in $(seq 1 "$n"); do grep -qx "Seite $p" "$work/long.txt" || fail "no page $p"; done
! grep -qx "Seite $((n + 1))" "$work/long.txt"
grep -qx 999 "$work/long.txt"

# A message too tall for a page is named, the rest written, the exit status 1.
{ printf '%-5s%s\n\r' 5 Anfang; for i in $(seq 1 120); do printf '     Zeile %s\n\r' "$i"; done; } >>"$work/long/Sprache1.txt"
expect 1 '' print "$work/long" --language 1 --pdf "$work/tall.pdf"
grep -q 'Meldung 5$' "$work/err"
pdftotext "$work/tall.pdf" - | grep -qx 999

# Refusals: German message, exit 1, no file.
mkdir "$work/k"
config "$work/k/tavolin.cfg" Sprache1.txt Sprache2.txt D1 D2 '' 'Keypad 1'
printf '1    Eins\n\r' >"$work/k/Sprache1.txt"
refuse() {
    local text="$1"; shift
    expect 1 "$text" print "$@" --pdf "$work/refused.pdf"
    [ ! -e "$work/refused.pdf" ] || fail "refused, but written: $*"
}
refuse 'hat keine Sprache 2' "$work/k" --language 2
refuse 'hat keine Diagnosetexte' "$demo" --language 1 --table diagnose
refuse 'existiert nicht' "$work/fehlt" --language 1
mkdir "$work/e" && cp "$work/k/tavolin.cfg" "$work/e/"
refuse 'e/Sprache1.txt" fehlt' "$work/e" --language 1
run print "$work/k" --language 1 --pdf "$work/k.pdf" >/dev/null
run print --help | grep -q 'tavolin-cli print PROJEKTORDNER'
echo OK
