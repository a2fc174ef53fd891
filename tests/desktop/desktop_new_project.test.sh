#!/usr/bin/env bash
# A new project through "Projekt Öffnen/Neu" with keys and the mouse: a name, the display
# type "Quon 6" picked in the list, then through the path box (focus in and out of it) to
# OK. The project keeps the picked type in the caption and in tavolin.cfg after saving.
source "$2/tests/desktop/desktop_support.sh" "$1" "$2"

desktop_start
copy_demo Demo >/dev/null
start_editor main

send main ctrl+o
dialog=$(wait_window '^Projekt .*ffnen/Neu')
type_text "Neu"
keys Tab
# The list finds an entry by its first letters, as a user types them.
type_text "Quon 6"
# Into the path box with the mouse (it is the box above the button row), out with Tab.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click_at "$dialog" 60 $((HEIGHT - 62))
keys Tab
screenshot dialog
keys Return
wait_gone '^Projekt .*ffnen/Neu'

wait_for "the new project in the caption" sh -c "xdotool getwindowname ${DESKTOP_WINDOW[main]} | grep -q 'Neu - Quon 6'"
send main ctrl+shift+s
config="$DESKTOP_BASE/Neu/tavolin.cfg"
wait_for "tavolin.cfg of the new project" test -s "$config"
grep -qaF 'Quon 6' "$config" || fail "tavolin.cfg names the type $(strings "$config" | grep Quon)"
exit 0
