#!/usr/bin/env bash
# The editor's own command line works without any display: help and version print and
# exit 0, a wrong call is refused in German with exit 2, a failed write is no success.
set -euo pipefail
tavolin="$1/tavolin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$tavolin" "$@" >"$work/out" 2>"$work/err"; }

run --version || fail "--version: exit $?"
grep -qE '^tavolin [0-9]+\.[0-9]+\.[0-9]+' "$work/out" || fail "--version printed: $(cat "$work/out")"
for option in --help -h; do
    run "$option" || fail "$option: exit $?"
    grep -q '^Aufruf: tavolin \[PROJEKTORDNER\]' "$work/out" || fail "$option printed: $(cat "$work/out")"
done

check_refused() {
    local expected="$1"; shift
    local status=0
    run "$@" || status=$?
    [ "$status" -eq 2 ] || fail "$*: expected exit 2, got $status"
    grep -qF "$expected" "$work/err" || fail "$*: message was: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$*: printed on stdout"
}
check_refused 'Unbekannte Option: --bogus' --bogus
check_refused 'Nur ein Projektordner kann geöffnet werden: a b' a b
check_refused 'Die Option -platform braucht einen Wert.' -platform

status=0
env -u DISPLAY "$tavolin" --help >/dev/full 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "--help > /dev/full: expected exit 1, got $status"
grep -qF 'Die Standardausgabe kann nicht geschrieben werden.' "$work/err" || fail "no message for /dev/full"
