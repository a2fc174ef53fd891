#!/usr/bin/env bash
# Whole runs of "tavolin-cli texts": the demo files through normalize, export and import,
# and every kind of bad input ending in a German message and exit code 1, never a crash.
source "$2/tests/support/CliScript.sh"

# The demo files are exactly what saving writes, and survive JSON and CSV unchanged.
for f in Sprache1 Sprache2; do
    run texts normalize "$demo/$f.txt" "$work/$f.txt"
    cmp "$demo/$f.txt" "$work/$f.txt"
    run texts export "$demo/$f.txt" >"$work/$f.json"
    run texts export "$demo/$f.txt" --format csv >"$work/$f.csv"
    run texts import "$work/$f.json" "$work/$f.from-json.txt"
    run texts import "$work/$f.csv" "$work/$f.from-csv.txt"
    cmp "$demo/$f.txt" "$work/$f.from-json.txt"
    cmp "$demo/$f.txt" "$work/$f.from-csv.txt"
    # The export is stable.
    run texts export "$demo/$f.txt" | cmp - "$work/$f.json"
done
grep -q '"Helligkeit: 80%"' "$work/Sprache1.json"
grep -q '{"number": 120, "text": "Temperatur {gfx}E{/gfx} zu hoch\\n{blink}Kühlung prüfen{/blink}"}' "$work/Sprache1.json"
grep -q '^header,Ta-Mode: MMBMMMMMMMMM$' "$work/Sprache1.csv"

# Tolerated input: an empty file gives an empty file.
: >"$work/empty.txt"
run texts normalize "$work/empty.txt" "$work/empty.out"
[ ! -s "$work/empty.out" ]
run texts export "$work/empty.txt" | grep -q '"messages": \[\]'

# What reading leaves out is told with file and line; normalize then keeps its own input
# unless --force says otherwise.
printf '1    eins\n\r2    zwei\0 danach\n\r' >"$work/nul.txt"
cp "$work/nul.txt" "$work/nul.orig"
run texts normalize "$work/nul.txt" "$work/nul.out" 2>"$work/err"
grep -q "^Warnung: $work/nul.txt, Zeile 2: Ein Nullbyte" "$work/err"
expect 1 'nicht überschrieben' texts normalize "$work/nul.txt" "$work/nul.txt"
cmp "$work/nul.orig" "$work/nul.txt"
run texts normalize "$work/nul.txt" "$work/nul.txt" --force 2>/dev/null
cmp "$work/nul.out" "$work/nul.txt"
run texts export "$work/nul.orig" 2>&1 >/dev/null | grep -q 'Zeile 2: Ein Nullbyte'
# An import without any message or header line would wipe the target.
: >"$work/leer.csv"
expect 1 'keine Meldung und keine Kopfzeile' texts import "$work/leer.csv" "$work/nul.out"
cmp "$work/nul.out" "$work/nul.txt"

# Refused input: missing file, folder, bad arguments, broken or hostile imports.
expect 1 'gibt es nicht' texts normalize "$work/fehlt.txt" "$work/x.txt"
expect 1 'keine Datei' texts normalize "$work" "$work/x.txt"
expect 1 'Dateispeichern' texts normalize "$demo/Sprache1.txt" "$work"
expect 1 'gibt es nicht' texts import "$work/fehlt.json" "$work/x.txt"
# Broken imports (the kinds of breakage are the core tests' business) write nothing.
printf '\xff\xfe{\x01' >"$work/garbage.bin"
expect 1 'Kein gültiges JSON' texts import "$work/garbage.bin" "$work/x.txt" --format json
expect 1 'UTF-8' texts import "$work/garbage.bin" "$work/x.txt" --format csv
[ ! -e "$work/x.txt" ]

# Too much text for the display: refused, and an existing output file stays as it was.
{
    x24=xxxxxxxxxxxxxxxxxxxxxxxx
    printf '{"messages": [\n'
    for i in $(seq 0 1023); do
        printf '{"number": %d, "text": "%s\\n%s"}' "$i" "$x24" "$x24"
        [ "$i" -lt 1023 ] && printf ',\n'
    done
    printf ']}\n'
} >"$work/full.json"
cp "$demo/Sprache2.txt" "$work/keep.txt"
expect 1 'zu lang' texts import "$work/full.json" "$work/keep.txt"
cmp "$demo/Sprache2.txt" "$work/keep.txt"

for verb in normalize export import; do
    run texts "$verb" --help | grep -q 'tavolin-cli texts'
done
run texts --help | grep -q '{blink}'
echo OK
