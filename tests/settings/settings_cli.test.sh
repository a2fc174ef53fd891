#!/usr/bin/env bash
# "tavolin-cli settings show/set/apply" on a copy of the demo project: values as the dialog
# shows them, changes saved with the old file kept, and no change on bad input or a full disk.
set -euo pipefail
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
cleanup() { mountpoint -q "$work/full" && umount "$work/full"; rm -rf "$work"; }
trap cleanup EXIT
run() { timeout 60 "$cli" "$@"; }
status_of() { local s=0; run "$@" >/dev/null 2>"$work/err" || s=$?; echo "$s"; } # stderr in $work/err
header_free() { grep -av $'^\r\\?.....\\*' "$1"; }

cp -r "$demo" "$work/p"
run settings show "$work/p" >"$work/show"
grep -q '^Helligkeit: 80%$' "$work/show"
grep -q '^SPS Adressen: Tast 100, LED 120, TeilnehmerNr 3$' "$work/show"
grep -q $'^  F3\tRastend,Extern,Grün,Blinkend$' "$work/show"
[ "$(grep -c $'^  F[0-9]*\t' "$work/show")" -eq 12 ]

run settings set "$work/p" brightness=50% 'key:1-2=extern,blinkend' station= 'other+=Notiz ä' selection=bcd
cmp "$work/p/Sprache1.bak" "$demo/Sprache1.txt"
diff <(header_free "$demo/Sprache1.txt") <(header_free "$work/p/Sprache1.txt")
grep -aq '^.     \*Ko-M Tast: 100 LED: 120$' "$work/p/Sprache1.txt"
run settings show "$work/p" --json >"$work/json"
for expected in '"brightness": "50%"' '"selection": "bcd"' '"station": ""' '"Notiz ä"' \
    '"F2\tTastend,Extern,Grün,Blinkend"'; do
    grep -qF "$expected" "$work/json" || { echo "missing $expected" >&2; exit 1; }
done

# apply: lines from stdin (CR LF or LF, the last one may lack its end); every written line ends with LF.
printf 'Helligkeit: 50%%\r\nNotiz' | run settings apply --type 'Orbex 1' >"$work/applied"
printf 'Binaer\nIBM Zeichensatz\nHelligkeit: 50%%\nScrollzeit: 3,2s\nBlink-Ein: 0,3s\nBlink-Aus: 0,2s\nNotiz\n' | cmp - "$work/applied"

# Bad input changes nothing: exit 2 for arguments, 1 for files and lines, with a German message.
cp "$work/p/Sprache1.txt" "$work/before"
for bad in brightness=60% key:13=rot key:1=lila scroll=12,5 keyaddress=A1 'other+=-Notiz' farbe=rot; do
    [ "$(status_of settings set "$work/p" "$bad")" -eq 2 ] || { echo "set $bad" >&2; exit 1; }
    [ -s "$work/err" ]
done
cmp "$work/before" "$work/p/Sprache1.txt"
mkdir "$work/leer"
[ "$(status_of settings show "$work/leer")" -eq 1 ]
grep -q 'kein Projektordner' "$work/err"
[ "$(status_of settings show "$work/nirgends")" -eq 1 ]
[ "$(status_of settings apply --type 'Quon 9' --in /dev/null)" -eq 2 ]
[ "$(status_of settings apply --type 'Quon 1' --in "$work/nirgends")" -eq 1 ]
[ "$(status_of settings apply --type 'quon 1' --in <(printf 'Binaer\n-Notiz\n'))" -eq 1 ]
grep -q '"-Notiz"' "$work/err"
status=0
run settings show "$work/p" >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ]
run settings --help | grep -q 'settings apply --type'

# The disk fills up (a file size limit, then a really full file system): a failure, and the
# project's text file stays as it was.
fails_and_keeps() { # PROJECT (a copy of the demo)
    [ "$(status_of settings set "$1" brightness=20%)" -eq 1 ] && [ -s "$work/err" ] && cmp "$demo/Sprache1.txt" "$1/Sprache1.txt"
}
cp -r "$demo" "$work/limited"
(trap '' XFSZ; ulimit -f 1; fails_and_keeps "$work/limited")
mkdir "$work/full"
if mount -t tmpfs -o size=64k tmpfs "$work/full" 2>/dev/null; then
    cp -r "$demo" "$work/full/p"
    head -c 100000 /dev/zero >"$work/full/filler" 2>/dev/null || true
    fails_and_keeps "$work/full/p"
else
    echo "no tmpfs here (not root?): only the file size limit was tried" >&2
fi
echo OK
