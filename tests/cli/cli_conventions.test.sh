#!/usr/bin/env bash
# Conventions every subcommand keeps: usage errors exit 2, "--opt=value" and "--" work, an
# option given twice is refused, input shown in messages is escaped, numbers out of range
# are reported as given, nothing but the program's own messages reaches stderr.
source "$2/tests/support/CliScript.sh"

# Usage errors of every command: unknown option, wrong number of names, unknown action.
expect 2 'Unbekannte Angabe: --bogus' texts export "$demo/Sprache1.txt" --bogus
expect 2 'Dateinamen erwartet' texts normalize "$demo/Sprache1.txt"
expect 2 'Unbekannter Unterbefehl' texts frobnicate
expect 2 'Unbekanntes Format' texts export "$demo/Sprache1.txt" --format=xml
expect 2 'Unbekannte Angabe: -x' font to-pix -x a b
expect 2 'Dateinamen erwartet' font render
expect 2 'Unbekannte Aktion' font frobnicate
expect 2 'Projektordner erwartet' project info
expect 2 'nimmt keinen Wert' project info "$demo" --json=yes
expect 2 'Unbekannter Unterbefehl' project frobnicate
expect 2 'Unbekannte Angabe: --bogus' download "$demo" --bogus
expect 2 'Projektordner erwartet' download
expect 2 'Anzeigetyp fehlt' readback "$work/neu"
expect 2 'Der Anzeigentyp "bogus" ist unbekannt' readback "$work/neu" --type bogus
usage=$'\n\nAufruf:\n  tavolin-cli print PROJEKTORDNER'
expect 2 "Bitte genau einen Projektordner$usage" print --language 1 --pdf "$work/x.pdf"
expect 2 "Bitte mit --pdf$usage" print "$demo" --language 1
expect 2 "--language muss 1 oder 2 sein, nicht \"3\"$usage" print "$demo" --language 3 --pdf "$work/x.pdf"
expect 2 "--table muss betrieb oder diagnose sein$usage" print "$demo" --language 1 --table bogus --pdf "$work/x.pdf"
expect 2 "--page-size muss A4 oder Letter sein$usage" print "$demo" --language 1 --page-size A3 --pdf "$work/x.pdf"
expect 2 'Unbekannte Angabe' rtf to-message extra
expect 2 'Unbekannte Aktion' rtf frobnicate
expect 2 'Unbekannter Befehl' frobnicate
# A single-value option given twice.
expect 2 '--dot ist mehrfach angegeben' font render "$2/examples/Demo/demo.pix" --sheet --dot 2 --dot=3 --out "$work/x.png"
expect 2 '--select ist mehrfach angegeben' download "$demo" --select=1 --select 2
# A number out of range is reported as given; so is a wrong value.
expect 2 'nicht "99999999999"' font render "$demo/demo.pix" --sheet --dot=99999999999 --out "$work/x.png"
expect 2 'Ungültige Auswahl: 99999999999' download "$demo" --select=99999999999
printf 'number,text\n99999999999,x\n' >"$work/big.csv"
expect 1 'Meldungsnummer 99999999999 liegt nicht' texts import "$work/big.csv" "$work/x.txt"
printf '{"messages": [{"number": 99999999999, "text": "x"}]}' >"$work/big.json"
expect 1 'Meldungsnummer 99999999999 liegt nicht' texts import "$work/big.json" "$work/x.txt"
# Control characters from the input never reach the terminal raw.
expect 2 'Unbekannter Unterbefehl "\x1B[2J\x07"' texts $'\e[2J\a'
if grep -q $'\e' "$work/err"; then echo "raw escape on stderr" >&2; exit 1; fi
cp -r "$demo" "$work/p"
expect 2 'Zeile "a\x0Ab": ' settings set "$work/p" $'other+=a\nb'
cmp "$demo/Sprache1.txt" "$work/p/Sprache1.txt"

# What is in the way of a new project is named as what it is.
touch "$work/datei" && mkfifo "$work/fifo"
expect 1 'datei ist eine Datei, kein Ordner' readback "$work/datei" --type "Quon 3"
expect 1 'fifo ist eine benannte Pipe (FIFO), kein Ordner' readback "$work/fifo" --type "Quon 3"
expect 1 "Der Projektordner existiert bereits: $work/p" readback "$work/p" --type "Quon 3"

# Read errors give the system's reason in German; as root, another user meets a locked file.
chmod 755 "$work" && chmod 000 "$work/p/Sprache2.txt"
[ "$(id -u)" -ne 0 ] || via="setpriv --reuid=65534 --regid=65534 --clear-groups"
expect 1 "Sprache2.txt: keine Berechtigung" texts export "$work/p/Sprache2.txt"
expect 1 'Sprache2.txt" kann nicht gelesen werden: keine Berechtigung' settings apply --type "Quon 3" --in "$work/p/Sprache2.txt"
via=

# "--opt=value" for every option and "--" before names that begin with "-".
cp "$demo/Sprache1.txt" "$work/-in.txt"
(cd "$work" && run texts normalize -- -in.txt -out.txt)
cmp "$demo/Sprache1.txt" "$work/-out.txt"
env -u XDG_RUNTIME_DIR timeout 60 "$cli" font render "$demo/demo.pix" --text=AB --dot=3 --out="$work/ab.png" 2>"$work/err"
head -c 4 "$work/ab.png" | grep -q PNG
# No warning of the platform about its runtime folder, or anything else, on stderr.
[ ! -s "$work/err" ] || { echo "unexpected stderr:" >&2; cat "$work/err" >&2; exit 1; }

# A write error on standard output is a failure.
status=0
run texts export "$demo/Sprache1.txt" >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'Standardausgabe kann nicht geschrieben werden: kein Platz mehr' "$work/err" || fail "texts export to a full stdout: $status"
status=0
run rtf to-message < <(printf 'Tank voll' | run rtf from-message --standard-face S --graphics-face G) >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'Standardausgabe' "$work/err" || fail "rtf to-message to a full stdout: $status"
echo OK
