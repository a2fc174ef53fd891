#!/usr/bin/env bash
# "tavolin-cli settings show/set" on a copy of the demo project: values as the dialog shows
# them, changes saved with the old file kept, and no damage on bad input.
set -euo pipefail
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() { timeout 60 "$cli" "$@"; }
# Exit status, stderr in $work/err; stdout dropped.
status_of() { local s=0; run "$@" >/dev/null 2>"$work/err" || s=$?; echo "$s"; }
messages() { grep -av $'^\r\\?.....\\*' "$1"; } # the file without its header block

cp -r "$demo" "$work/p"
run settings show "$work/p" >"$work/show"
grep -q '^Helligkeit: 80%$' "$work/show"
grep -q '^SPS Adressen: Tast 100, LED 120, TeilnehmerNr 3$' "$work/show"
grep -q $'^  F3\tRastend,Extern,Grün,Blinkend$' "$work/show"
[ "$(grep -c $'^  F[0-9]*\t' "$work/show")" -eq 12 ]

run settings set "$work/p" brightness=50% 'key:1-2=extern,blinkend' station= 'other+=Notiz ä' selection=bcd
cmp "$work/p/Sprache1.bak" "$demo/Sprache1.txt"
diff <(messages "$demo/Sprache1.txt") <(messages "$work/p/Sprache1.txt")
run settings show "$work/p" --json >"$work/json"
grep -q '"brightness": "50%"' "$work/json"
grep -q '"selection": "bcd"' "$work/json"
grep -q '"station": ""' "$work/json"
grep -q '"F2\\tTastend,Extern,Grün,Blinkend"' "$work/json"
grep -q '"Notiz ä"' "$work/json"
grep -aq '^.     \*Ko-M Tast: 100 LED: 120$' "$work/p/Sprache1.txt"

# Bad assignments change nothing and exit 2 with a German message.
cp "$work/p/Sprache1.txt" "$work/before"
for bad in brightness=60% key:13=rot key:1=lila scroll=12,5 keyaddress=A1 'other+=-Notiz' farbe=rot; do
    [ "$(status_of settings set "$work/p" "$bad")" -eq 2 ] || { echo "set $bad" >&2; exit 1; }
    [ -s "$work/err" ]
done
grep -q '"-Notiz"' <(run settings set "$work/p" 'other+=-Notiz' 2>&1 || true)
cmp "$work/before" "$work/p/Sprache1.txt"
[ "$(status_of settings set "$work/p" selection=bcd keyaddress=1)" -eq 0 ] # Quon 1 has addresses
[ "$(status_of settings show "$work/nirgends")" -eq 1 ]
mkdir "$work/leer"
[ "$(status_of settings show "$work/leer")" -eq 1 ]
grep -q 'kein Projektordner' "$work/err"
[ "$(status_of settings apply --type 'Quon 9' --in /dev/null)" -eq 2 ]
[ "$(status_of settings show "$work/p")" -eq 0 ]
status=0
run settings show "$work/p" >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ]

run settings --help | grep -q 'settings apply --type'
echo OK
