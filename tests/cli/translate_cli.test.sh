#!/usr/bin/env bash
# Whole runs of "tavolin-cli translate": exports that XLIFF tools read, round trips that
# leave the project's files byte-identical (demo, 1024 messages, through PO and back), and
# every fault of a returned file reported with nothing written unless --force.
source "$2/tests/support/CliScript.sh"
# The project's files as they are (the record included, backups too).
state() { (cd "$1" && for f in $(ls -A | sort); do printf '%s ' "$f"; sha1sum <"$f"; done); }

p="$work/demo"
cp -r "$demo" "$p"

# The language codes are asked for once and then kept by the project.
expect 2 '--source-lang' translate export "$p" -o "$work/a.xlf"
run translate export "$p" -o "$work/a.xlf" --source-lang de --target-lang en-GB
run translate export "$p" -o "$work/again.xlf"
cmp "$work/a.xlf" "$work/again.xlf"

xmllint --noout "$work/a.xlf"
x="$work/a.xlf"
grep -q '<xliff version="1.2" xmlns="urn:oasis:names:tc:xliff:document:1.2"' "$x"
grep -q '<file original="operating" datatype="plaintext" source-language="de" target-language="en-GB"' "$x"
grep -q '<group id="operating/120" resname="120">' "$x"
grep -q 'id="operating/120/1" maxwidth="24" size-unit="char"' "$x"
grep -q '<source>Temperatur <ph id="1" ctype="x-graphics" tav:codes="10 45 12">{gfx}E{/gfx}</ph> zu hoch</source>' "$x"
grep -q '<note>\[Blinken\]Kühlung prüfen\[/Blinken\]</note>' "$x"
grep -q '<target state="translated">Line ready</target>' "$x"
! grep -q 'Helligkeit' "$x" || fail "settings lines exported"
/usr/lib/qt6/bin/lconvert -i "$x" -o "$work/a.ts" 2>"$work/err" || { cat "$work/err" >&2; fail "lconvert"; }
grep -q 'Line ready' "$work/a.ts"

# Unchanged round trips write nothing: XLIFF, CSV, and an XLIFF that went through PO.
run translate export "$p" -o "$work/a.csv"
head -c 3 "$work/a.csv" | od -An -tx1 | grep -q 'ef bb bf'
head -1 "$work/a.csv" | grep -q 'table,number,line,source,target,maximum length,remark'
grep -q '^operating,1,1,Anlage läuft,Line running,24,Anlage läuft' "$work/a.csv"
xliff2po --progress=none "$x" "$work/a.po"
po2xliff --progress=none "$work/a.po" "$work/po.xlf"
before=$(state "$p")
for f in a.xlf a.csv po.xlf; do
    run translate import "$p" "$work/$f" >"$work/out" || fail "unchanged $f"
    grep -q '0 Zeilen übernommen' "$work/out" || fail "unchanged $f took something"
    [ "$(state "$p")" = "$before" ] || fail "unchanged $f changed the project"
done

# Faults of a returned file: reported, nothing written; --force takes the good line.
cases=(
    'too long|Line stopped|Line stopped for a much longer while|hat 36 Zeichen, eine Zeile der Anzeige 24'
    'unknown character|Line stopped|Line stöpped ✓|„✓“ (U+2713) wird „?“'
    'unknown id|id="operating/3/1"|id="operating/999/1"|„operating/999/1“ gehört zu keiner Zeile'
)
for c in "${cases[@]}"; do
    IFS='|' read -r name from to expected <<<"$c"
    sed -e "s|$from|$to|" -e 's|Manual mode active|Hand mode active|' "$x" >"$work/bad.xlf"
    expect 1 'Nichts übernommen' translate import "$p" "$work/bad.xlf"
    grep -qF "$expected" "$work/out" || { cat "$work/out" >&2; fail "$name: report lacks '$expected'"; }
    [ "$(state "$p")" = "$before" ] || fail "$name: project changed"
    q="$work/force-$RANDOM"
    cp -r "$p" "$q"
    run translate import "$q" "$work/bad.xlf" --force >"$work/out"
    grep -q 'Nicht übernommen' "$work/out" || [ "$name" = 'unknown character' ] || fail "$name: nothing listed as left"
    grep -aq 'Hand mode active' "$q/Sprache2.txt" || fail "$name: --force left the good line"
done

# A source changed after the export: its old translation counts as outdated (an import
# refuses it like the faults above).
q="$work/changed"
cp -r "$p" "$q"
sed -i 's/Anlage bereit/Anlage fertig/' "$q/Sprache1.txt"
run translate status "$q" | grep -q '^Betriebstexte: .* 1 veraltet' || fail "status misses the outdated line"

# Umlauts, blink and graphics survive both forms and the way through PO.
sed -e 's|<target state="translated">Line ready</target>|<target>Anlage grün</target>|' \
    -e 's|<target state="translated"><ph id="1" ctype="x-blink" tav:codes="0F">{blink}</ph>Check the cooling|<target><ph id="1" ctype="x-blink" tav:codes="0F">{blink}</ph>Kühlung prüfen|' \
    "$x" >"$work/edit.xlf"
sed -e 's|^operating,0,1,Anlage bereit,Line ready,|operating,0,1,Anlage bereit,Anlage grün,|' \
    -e 's|,{blink}Check the cooling{/blink},|,{blink}Kühlung prüfen{/blink},|' "$work/a.csv" >"$work/edit.csv"
sed -e 's|^msgstr "Line ready"|msgstr "Anlage grün"|' \
    -e 's|^msgstr "{blink}Check the cooling{/blink}"|msgstr "{blink}Kühlung prüfen{/blink}"|' "$work/a.po" >"$work/edit.po"
po2xliff --progress=none "$work/edit.po" "$work/edit-po.xlf"
for f in edit.xlf edit.csv edit-po.xlf; do
    q="$work/$f.project"
    cp -r "$p" "$q"
    run translate import "$q" "$work/$f" >"$work/out" || { cat "$work/out" >&2; fail "$f"; }
    grep -q '2 Zeilen übernommen' "$work/out" || { cat "$work/out" >&2; fail "$f: not both lines taken"; }
    cmp "$p/Sprache1.txt" "$q/Sprache1.txt"
    grep -aq $'0    Anlage gr\x81n' "$q/Sprache2.txt" || fail "$f: umlaut"
    grep -aq $'     \x0fK\x81hlung pr\x81fen\x0e' "$q/Sprache2.txt" || fail "$f: blink"
    grep -aq $'120  Temperature \x10E\x12 too high' "$q/Sprache2.txt" || fail "$f: graphics"
done

# 1024 messages: an unchanged round trip in both forms leaves every file as it was.
q="$work/full"
cp -r "$demo" "$q"
for lang in 1 2; do
    for n in $(seq 0 1023); do printf '%-5sMeldung %d Sprache %d\n\r     \x10A\x12 \x0fZeile 2\x0e\n\r' "$n" "$n" "$lang"; done \
        >"$q/Sprache$lang.txt"
done
run translate export "$q" -o "$work/full.xlf" --source-lang de --target-lang en
run translate export "$q" -o "$work/full.csv"
[ "$(grep -c '<trans-unit' "$work/full.xlf")" -eq 2048 ]
before_q=$(state "$q")
run translate import "$q" "$work/full.xlf" >/dev/null
run translate import "$q" "$work/full.csv" >/dev/null
[ "$(state "$q")" = "$before_q" ] || fail "1024 messages: files changed"

# Wrong calls and wrong files end with a German message.
printf 'not xml' >"$work/junk.xlf"
expect 1 'Kein gültiges XLIFF' translate import "$p" "$work/junk.xlf"
expect 1 'gibt es nicht' translate import "$p" "$work/missing.xlf"
expect 2 '--source muss 1 oder 2 sein' translate export "$p" -o "$work/x.xlf" --source 3
expect 1 'keine Diagnosetexte' translate export "$p" -o "$work/x.xlf" --table diagnostic
expect 1 'kein Sprachcode' translate export "$p" -o "$work/x.xlf" --source-lang 'd e'
echo OK
