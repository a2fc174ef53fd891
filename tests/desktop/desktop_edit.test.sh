#!/usr/bin/env bash
# A user's editing session on the demo, keys only: a message edited with typing, Delete,
# Backspace, graphics and blink; two messages deleted and one brought back by undo; a find
# and replace over the project; saved each time, and the text file checked on disk. Then
# printing (Ctrl+P) where the PDF printer is the only one (once desktop_print): the print
# dialog proposes "<project>-<table>-<language>.pdf" in the base folder, and "Drucken"
# writes it there.
source "$2/tests/desktop/desktop_support.sh" "$1" "$2"

# No print server: the PDF printer is the only printer, whatever the machine has.
export CUPS_SERVER="$DESKTOP_WORK/no-print-server"
desktop_start
project=$(copy_demo Demo)
file="$project/Sprache1.txt"
start_editor main "$project"

# Message 0 "Anlage bereit" becomes "bereit!" + a graphics "C" + a blinking "X": Delete
# removes "Anlage " from the front, also as a selection, Backspace a typo at the end.
send main Home Return
keys ctrl+Home Delete Delete Delete shift+Right shift+Right shift+Right shift+Right Delete
keys End
type_text "ty"
keys BackSpace BackSpace
type_text "!"
keys ctrl+F4
type_text "C"
keys F4 ctrl+F2
type_text "X"
keys F2 Escape
save main "$file"
# Graphics on, "C", blink on, graphics off, "X"; the text's end closes both.
grep -qa $' bereit!\x10C\x0f\x12X$' "$file" || fail "message 0 as saved: $(grep -a 'bereit' "$file" | od -c | head -4)"
file_has "$file" 'Anlage bereit' && fail "Delete left \"Anlage \" in message 0"

# Messages 2 and 3 deleted (one at a time, each confirmed), the second delete undone.
send main Down Down ctrl+Delete
confirm '^Meldung'
send main ctrl+Delete
confirm '^Meldung'
send main ctrl+z
save main "$file"
file_has "$file" 'Handbetrieb aktiv' && fail "message 2 was not deleted"
file_has "$file" 'Anlage gestoppt' || fail "undo did not bring message 3 back"

# Replace all "läuft" by "steht" (the find field also takes Delete and Backspace).
send main ctrl+r
type_text "xläuftx"
keys Home Delete End BackSpace Tab
type_text "steht"
# Alt+A is also "&Ansicht": the button only takes the focus, Space presses it.
keys alt+a space
save main "$file"
file_has "$file" $'l\x84uft' && fail "\"läuft\" is still in the file after replacing all"
[ "$(grep -ac 'steht' "$file")" -ge 2 ] || fail "\"steht\" not put in: $(grep -a steht "$file")"

send main ctrl+p
confirm '^Drucken'
pdf="$DESKTOP_BASE/Demo-Betriebstexte-Sprache1.pdf"
wait_for "$pdf" sh -c "head -c 4 '$pdf' | grep -q '%PDF'"
exit 0
