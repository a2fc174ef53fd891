#!/usr/bin/env bash
# The English translation covers every text the sources mark for translation and nothing
# else; the language follows the system or "--lang"; machine-readable output never changes.
source "$2/tests/support/CliScript.sh"
ts="$2/translations/tavolin_en.ts"

# lupdate over today's sources: nothing new without a translation, nothing left over.
lupdate=${TAVOLIN_LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cp "$ts" "$work/check.ts"
"$lupdate" "$2/src" -ts "$work/check.ts" -no-obsolete -locations none \
    -source-language de -target-language en >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log" >&2; fail "lupdate failed"; }
unfinished=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
[ "$unfinished" -eq 0 ] || { grep -B2 'type="unfinished"' "$work/check.ts" | grep '<source>' >&2; fail "$unfinished texts without English"; }
grep -qE 'type="(vanished|obsolete)"' "$ts" && fail "the committed translation keeps texts the sources no longer have"
[ "$(grep -c '<message' "$work/check.ts")" -eq "$(grep -c '<message' "$ts")" ] \
    || fail "translations/tavolin_en.ts is not up to date with the sources (run the update_translations target)"

# The system language decides; "--lang" overrides it either way.
on_english_system="env -u LC_ALL -u LC_MESSAGES LANGUAGE= LANG=en_US.UTF-8"
english() { $on_english_system "$cli" "$@"; }
english --help >"$work/help"
grep -q '^Usage: tavolin-cli COMMAND' "$work/help" || { cat "$work/help" >&2; fail "--help is not English"; }
grep -q 'download a project to the display' "$work/help" || fail "command summaries are not English"
english texts --help | grep -q 'normalize  reads a text file' || fail "texts --help is not English"
via=$on_english_system expect 2 'Unknown command: frobnicate' frobnicate
english --lang de --help | grep -q '^Aufruf: tavolin-cli BEFEHL' || fail "--lang de does not win over an English system"
"$cli" --help | grep -q '^Aufruf: tavolin-cli BEFEHL' || fail "German is not the default"
"$cli" --lang=en --help | grep -q '^Usage:' || fail "--lang=en is not English"
$on_english_system "$1/tavolin" --help | grep -q '^Usage: tavolin' \
    || fail "tavolin --help is not English"
status=0; "$1/tavolin" --lang en --bogus 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q '^Unknown option: --bogus' "$work/err" || fail "tavolin --lang en --bogus: $status $(cat "$work/err")"
expect 2 'Unbekannte Sprache "fr"' --lang fr --help

# Exports, JSON and written files are the same in both languages.
"$cli" texts export "$demo/Sprache1.txt" >"$work/de.json"
"$cli" --lang en texts export "$demo/Sprache1.txt" >"$work/en.json"
cmp -s "$work/de.json" "$work/en.json" || fail "the export changes with the language"
"$cli" project info "$demo" --json >"$work/de-info.json"
"$cli" project info "$demo" --json --lang en >"$work/en-info.json"
cmp -s "$work/de-info.json" "$work/en-info.json" || fail "project info --json changes with the language"
"$cli" --lang en project info "$demo" | grep -q '^Project folder: ' || fail "project info text is not English"
