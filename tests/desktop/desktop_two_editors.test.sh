#!/usr/bin/env bash
# Copy in one running editor, paste in a second one on the same desktop: the text keeps its
# graphics characters ("✓" is a "C" in the demo's graphics set) through the X clipboard,
# and the second editor saves them as graphics codes.
source "$2/tests/desktop/desktop_support.sh" "$1" "$2"

desktop_start
source_project=$(copy_demo Quelle)
target_project=$(copy_demo Ziel)
start_editor source "$source_project"
start_editor target "$target_project"

# Message 1 whole ("Anlage läuft", then "✓ Automatikbetrieb") from the first editor ...
send source Home Down Return
keys ctrl+a ctrl+c Escape
# ... after the text of message 0 in the second; the first keeps the clipboard meanwhile.
send target Home Return
keys ctrl+End ctrl+v Escape
screenshot pasted
file="$target_project/Sprache1.txt"
save target "$file"
pasted=$(grep -ac $'\x10C\x12 Automatikbetrieb' "$file" || true)
[ "$pasted" -eq 2 ] || fail "graphics codes of the paste: $(grep -a 'Automatikbetrieb' "$file" | od -c | head -8)"
exit 0
