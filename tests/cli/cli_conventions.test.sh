#!/usr/bin/env bash
# Conventions every subcommand keeps: usage errors exit 2, "--opt=value" and "--" work, an
# option given twice is refused, input shown in messages is escaped, numbers out of range
# are reported as given, nothing but the program's own messages reaches stderr.
set -euo pipefail
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the tool and fails unless it exits with `code` and stderr holds `expected`.
expect() {
    local code="$1" expected="$2"; shift 2
    local status=0
    timeout 60 "$cli" "$@" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne "$code" ]; then
        echo "expected exit $code, got $status: $*" >&2; cat "$work/err" >&2; exit 1
    fi
    grep -qF -- "$expected" "$work/err" || { echo "missing '$expected' for: $*" >&2; cat "$work/err" >&2; exit 1; }
}

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

# "--opt=value" for every option and "--" before names that begin with "-".
cp "$demo/Sprache1.txt" "$work/-in.txt"
(cd "$work" && timeout 60 "$cli" texts normalize -- -in.txt -out.txt)
cmp "$demo/Sprache1.txt" "$work/-out.txt"
env -u XDG_RUNTIME_DIR timeout 60 "$cli" font render "$demo/demo.pix" --text=AB --dot=3 --out="$work/ab.png" 2>"$work/err"
head -c 4 "$work/ab.png" | grep -q PNG
# No warning of the platform about its runtime folder, or anything else, on stderr.
[ ! -s "$work/err" ] || { echo "unexpected stderr:" >&2; cat "$work/err" >&2; exit 1; }

# A write error on standard output is a failure.
status=0
timeout 60 "$cli" texts export "$demo/Sprache1.txt" >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'Standardausgabe kann nicht geschrieben werden: kein Platz mehr' "$work/err"
status=0
timeout 60 "$cli" rtf to-message <"$demo/Sprache1.txt" >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'Standardausgabe' "$work/err"
echo OK
