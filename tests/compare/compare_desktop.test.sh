#!/usr/bin/env bash
# The compare window on a real X desktop, driven by keys as a user would: "Projekt" ->
# "Mit Projekt vergleichen...", the other project typed into the folder dialog, the arrow
# keys to the second message, its mnemonic to take it across, save; then undo and save.
source "$2/tests/desktop/desktop_support.sh" "$1" "$2"
cli="$1/tavolin-cli"

desktop_start
project=$(copy_demo Demo)
file="$project/Sprache1.txt"
other=$(copy_demo Anders)
"$cli" texts export "$other/Sprache1.txt" >"$DESKTOP_WORK/a.json"
sed -i -e 's/"Handbetrieb aktiv"/"Handbetrieb anders"/' -e 's/"Anlage gestoppt\\n/"Anlage angehalten\\n/' "$DESKTOP_WORK/a.json"
"$cli" texts import "$DESKTOP_WORK/a.json" "$other/Sprache1.txt"
start_editor main "$project"

# A loaded machine may still be laying out the window when the first keys arrive.
for attempt in 1 2 3; do
    send main alt+p
    keys Down Down Down Down Down Down Down Down Down Return
    timeout 20 xdotool search --sync --onlyvisible --name 'Verzeichnis suchen' >/dev/null && break
    [ "$attempt" -lt 3 ] || fail "the folder dialog did not open"
    keys Escape Escape
done
wait_window 'Verzeichnis suchen' >/dev/null
type_text "$other"
keys Return
wait_window 'Mit Projekt vergleichen' >/dev/null
keys Down alt+b Escape
wait_gone 'Mit Projekt vergleichen'
save main "$file"
"$cli" texts export "$file" >"$DESKTOP_WORK/saved.json"
grep -qF '"Anlage angehalten\n' "$DESKTOP_WORK/saved.json" || fail "message 3 was not taken across"
grep -qF '"Handbetrieb aktiv"' "$DESKTOP_WORK/saved.json" || fail "message 2 was taken too"
send main ctrl+z
save main "$file"
cmp "$2/examples/Demo/Sprache1.txt" "$file" || fail "undo did not take the message back"
echo ok
