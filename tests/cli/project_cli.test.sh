#!/usr/bin/env bash
# Whole runs of "tavolin-cli project info" on the demo project and on broken folders.
source "$2/tests/support/CliScript.sh"

run project info "$demo" >"$work/info"
grep -Eq 'displayTypeName: +Quon 1$' "$work/info"
grep -Eq 'charSetName: +demo$' "$work/info"
grep -q 'Anzeigetyp: Quon 1 (led, 24 Zeichen je Zeile, 12 Tasten' "$work/info"
grep -q 'Betriebstexte Sprache1: Sprache1.txt, 46 Meldungen, 11 Kopfzeilen' "$work/info"
grep -q 'Betriebstexte Sprache2: Sprache2.txt, 46 Meldungen, 0 Kopfzeilen' "$work/info"
# The demo has exactly one line longer than the display (to show the long-line mark).
[ "$(grep -c '^    Meldung ' "$work/info")" -eq 1 ]
grep -q 'Meldung 162, Zeile 1: 38 Zeichen' "$work/info"

run project info "$demo" --json >"$work/info.json"
grep -q '"displayTypeName": "Quon 1"' "$work/info.json"
grep -q '"lineLength": 24' "$work/info.json"
[ "$(grep -c '"line": 1,' "$work/info.json")" -eq 1 ]
grep -q '"number": 162' "$work/info.json"

# Broken configurations: unknown display type, garbage, text file that is a folder.
mkdir "$work/p"
config "$work/p/tavolin.cfg" Sprache1.txt Sprache2.txt D1 D2 '' 'Quon 9'
[ "$(stat -c %s "$work/p/tavolin.cfg")" -eq 1536 ]
run project info "$work/p" | grep -q 'unbekannter Anzeigetyp'
run project info "$work/p" --json | grep -q '"displayType": null'
mkdir "$work/g"
head -c 5000 /dev/urandom >"$work/g/tavolin.cfg"
status=0
run project info "$work/g" >/dev/null 2>&1 || status=$?
[ "$status" -le 1 ] || fail "garbage cfg: exit $status"

cp "$demo/tavolin.cfg" "$work/p/tavolin.cfg"
mkdir "$work/p/Sprache1.txt"
expect 1 '' project info "$work/p"
grep -q 'Fehler bei Datenlesen' "$work/out"
grep -q 'Sprache2.txt (fehlt)' "$work/out"

# A pipe where a file should be must not make the program wait forever.
rm -rf "$work/p/Sprache1.txt"
mkfifo "$work/p/Sprache1.txt"
expect 1 '' project info "$work/p"
grep -q 'keine gewöhnliche Datei' "$work/out"
# A configuration that is there but cannot be read is an error, not a missing file; a
# short one is read with a warning naming what came from the defaults.
mkdir "$work/q" && mkfifo "$work/q/tavolin.cfg"
expect 1 "$work/q/tavolin.cfg: Das ist keine gewöhnliche Datei" project info "$work/q"
rm "$work/q/tavolin.cfg" && mkdir "$work/q/tavolin.cfg"
expect 1 'tavolin.cfg: Das ist ein Ordner' project info "$work/q"
rmdir "$work/q/tavolin.cfg" && printf ABC >"$work/q/tavolin.cfg"
run project info "$work/q" >"$work/out" 2>"$work/err"
grep -q "^Warnung: $work/q/tavolin.cfg: Die Datei ist mit 3 Bytes kürzer" "$work/err"
grep -q 'Betriebstexte Sprache 1 „Sprache1.txt“' "$work/err"
grep -Eq 'language1File: +Sprache1.txt$' "$work/out"
[ "$(cat "$work/q/tavolin.cfg")" = ABC ]
config "$work/q/tavolin.cfg" Sprache1.txt Sprache2.txt D1 D2 '' ''
run project info "$work/q" | grep -q 'Anzeigetyp: "" – unbekannter Anzeigetyp'

expect 1 'gibt es nicht' project info "$work/fehlt"
expect 1 'kein Ordner' project info "$demo/Sprache1.txt"
run project info --help | grep -q 'tavolin-cli project info'
echo OK
