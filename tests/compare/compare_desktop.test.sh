#!/usr/bin/env bash
# The compare window on a real X desktop, driven by keys as a user would: "Projekt" ->
# "Mit Projekt vergleichen...", the other project typed into the folder dialog, the arrow
# keys to the second message, its mnemonic to take it across, save; then undo and save.
set -euo pipefail
bin="$1"
demo="$2/examples/Demo"
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 0; }
done
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
fail() {
    echo "$*" >&2
    [ -z "${DISPLAY:-}" ] || for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do xdotool getwindowname "$w" >&2; done
    cat "$work/log" >&2 2>/dev/null || true
    exit 1
}

cp -r "$demo" "$work/Demo"
cp -r "$demo" "$work/Anders"
"$bin/tavolin-cli" texts export "$work/Anders/Sprache1.txt" >"$work/a.json"
sed -i -e 's/"Handbetrieb aktiv"/"Handbetrieb anders"/' -e 's/"Anlage gestoppt\\n/"Anlage angehalten\\n/' "$work/a.json"
"$bin/tavolin-cli" texts import "$work/a.json" "$work/Anders/Sprache1.txt"

Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
openbox >/dev/null 2>&1 &
pids+=($!)
"$bin/tavolin" "$work/Demo" >"$work/log" 2>&1 &
pids+=($!)
# Waits for a window by its title and gives it the keyboard.
waitfor() {
    local id
    id=$(timeout 120 xdotool search --sync --onlyvisible --name "$1" | head -1) || fail "no window '$1'"
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.5
}
waitfor '^Tavolin - '
# A loaded machine may still be laying out the window when the first keys arrive.
for attempt in 1 2 3; do
    xdotool key alt+p
    sleep 0.5
    xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Return
    timeout 20 xdotool search --sync --onlyvisible --name 'Verzeichnis suchen' >/dev/null && break
    [ "$attempt" -lt 3 ] || fail "the folder dialog did not open"
    xdotool key Escape Escape
done
waitfor 'Verzeichnis suchen'
xdotool type --delay 20 "$work/Anders"
xdotool key Return
waitfor 'Mit Projekt vergleichen'
xdotool key Down alt+b
sleep 0.5
xdotool key Escape
sleep 0.5
xdotool key ctrl+shift+s
sleep 1
"$bin/tavolin-cli" texts export "$work/Demo/Sprache1.txt" >"$work/saved.json"
grep -qF '"Anlage angehalten\n' "$work/saved.json" || fail "message 3 was not taken across"
grep -qF '"Handbetrieb aktiv"' "$work/saved.json" || fail "message 2 was taken too"
xdotool key ctrl+z ctrl+shift+s
sleep 1
cmp "$demo/Sprache1.txt" "$work/Demo/Sprache1.txt" || fail "undo did not take the message back"
echo ok
