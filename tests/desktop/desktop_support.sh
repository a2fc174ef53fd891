# Sourced by the desktop journeys (tests/desktop/*.test.sh): a private X server with a window
# manager, the real editor with its own home and settings, and xdotool as the user's hands.
#
#   source "$2/tests/desktop/desktop_support.sh" "$1" "$2"
#   desktop_start                       # Xvfb + openbox; DISPLAY is set
#   project=$(copy_demo Demo)           # a copy of examples/Demo below the base folder
#   start_editor main "$project"        # runs tavolin, waits for its window, remembers it
#   send main Down Return               # keys to that window
#   save main "$project/Sprache1.txt"   # Ctrl+Shift+S, waits until the file is replaced
#
# A failing journey keeps a screenshot of the whole screen and the editors' output under
# <build>/desktop-failures/. Everything started here is ended by its process id.

set -euo pipefail

DESKTOP_PROGRAMS=$(cd "$1" && pwd)
DESKTOP_SOURCES=$(cd "$2" && pwd)
DESKTOP_NAME=$(basename "$0" .test.sh)
DESKTOP_FAILURES="$DESKTOP_PROGRAMS/../desktop-failures"
DESKTOP_WORK=$(mktemp -d)
DESKTOP_PIDS=()
declare -A DESKTOP_WINDOW=()

# How long a window or a file may take to appear; generous for a busy 2-core machine.
: "${DESKTOP_TIMEOUT:=30}"

desktop_log() { echo "[$DESKTOP_NAME] $*" >&2; }

fail() {
    desktop_log "FAILED: $*"
    exit 1
}

desktop_finish() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        mkdir -p "$DESKTOP_FAILURES"
        local shot="$DESKTOP_FAILURES/$DESKTOP_NAME.png"
        import -window root "$shot" 2>/dev/null && desktop_log "screenshot: $shot"
        local log
        for log in "$DESKTOP_WORK"/*.log; do
            [ -s "$log" ] || continue
            cp "$log" "$DESKTOP_FAILURES/$DESKTOP_NAME-$(basename "$log")"
            desktop_log "$(basename "$log"): $(tail -5 "$log")"
        done
    fi
    local i
    for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${DESKTOP_PIDS[$i]}" 2>/dev/null || true
        wait "${DESKTOP_PIDS[$i]}" 2>/dev/null || true
    done
    rm -rf "$DESKTOP_WORK"
    exit "$status"
}
trap desktop_finish EXIT

# Installs what a fresh machine lacks, as the README's scripts do.
desktop_tools() {
    local tool
    for tool in Xvfb openbox xdotool xclip xprop import; do
        command -v "$tool" >/dev/null || { bash "$DESKTOP_SOURCES/scripts/bootstrap.sh" >&2; return; }
    done
}

# Polls a command until it succeeds; fails the journey with the description after the time-out.
wait_for() {
    local what="$1"; shift
    local deadline=$((SECONDS + DESKTOP_TIMEOUT))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
        sleep 0.2
    done
}

desktop_start() {
    desktop_tools
    # Others run X servers on this machine too: the server picks a free display itself.
    local displayfd="$DESKTOP_WORK/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfd" 2>"$DESKTOP_WORK/xvfb.log" &
    DESKTOP_PIDS+=($!)
    wait_for "the X server" grep -q '[0-9]' "$displayfd"
    export DISPLAY=":$(tr -dc '0-9' <"$displayfd")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    export HOME="$DESKTOP_WORK/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_RUNTIME_DIR="$DESKTOP_WORK/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME/TavolinProjekte"
    chmod 700 "$XDG_RUNTIME_DIR"
    DESKTOP_BASE="$HOME/TavolinProjekte"
    # No start screen; new projects go below the journey's own base folder.
    mkdir -p "$XDG_CONFIG_HOME/MURAN Software"
    printf '[General]\nStartbild=0\nPRJBasePath=%s\n' "$DESKTOP_BASE" >"$XDG_CONFIG_HOME/MURAN Software/QuonEditor.conf"
    openbox --sm-disable >"$DESKTOP_WORK/openbox.log" 2>&1 &
    DESKTOP_PIDS+=($!)
    wait_for "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# Copies the demo project below the base folder; prints its folder.
copy_demo() {
    local name="${1:-Demo}"
    cp -r "$DESKTOP_SOURCES/examples/Demo" "$DESKTOP_BASE/$name"
    echo "$DESKTOP_BASE/$name"
}

# The visible main window of a process (xdotool's own --pid joins with --name by "or").
windows_of() {
    local window
    for window in $(xdotool search --onlyvisible --name 'Tavolin' 2>/dev/null); do
        [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$1" ] && { echo "$window"; return 0; }
    done
    return 1
}

# start_editor NAME [ARGS...]: starts tavolin and waits for its main window; NAME names it
# for send and save afterwards.
start_editor() {
    local name="$1"; shift
    "$DESKTOP_PROGRAMS/tavolin" "$@" >"$DESKTOP_WORK/$name.log" 2>&1 &
    local pid=$!
    DESKTOP_PIDS+=("$pid")
    local deadline=$((SECONDS + DESKTOP_TIMEOUT)) window=""
    until window=$(windows_of "$pid") && [ -n "$window" ]; do
        kill -0 "$pid" 2>/dev/null || fail "tavolin $* ended: $(cat "$DESKTOP_WORK/$name.log")"
        [ "$SECONDS" -lt "$deadline" ] || fail "no window of tavolin $*"
        sleep 0.2
    done
    DESKTOP_WINDOW[$name]=$window
    # An editor opened with a project names it in the caption once it is loaded.
    if [ $# -gt 0 ] && [ -d "${*: -1}" ]; then
        wait_for "the project in the caption" sh -c "xdotool getwindowname $window | grep -qF '$(basename "${*: -1}")'"
    fi
    activate "$name"
}


# Gives the named editor's main window the focus, as a click on its title would.
activate() {
    xdotool windowactivate --sync "${DESKTOP_WINDOW[$1]}" >/dev/null 2>&1 || xdotool windowfocus --sync "${DESKTOP_WINDOW[$1]}"
    sleep 0.3
}

# wait_window TITLE-PATTERN: the id of a visible window whose title matches (a dialog).
wait_window() {
    local deadline=$((SECONDS + DESKTOP_TIMEOUT)) window=""
    until window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$window" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no window \"$1\""
        sleep 0.2
    done
    # The window manager maps it before Qt has given it the focus.
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    sleep 0.3
    echo "$window"
}

# wait_gone TITLE-PATTERN: until no visible window has that title.
wait_gone() {
    wait_for "\"$1\" to close" sh -c "! xdotool search --onlyvisible --name '$1' | grep -q ."
}

# confirm TITLE-PATTERN: Enter in the dialog of that title, and until it has closed.
confirm() {
    wait_window "$1" >/dev/null
    keys Return
    wait_gone "$1"
}

# Keys through the X server's test extension, as a keyboard gives them, to whatever has the
# focus; a pause lets the editor catch up, as a person's typing would.
keys() {
    local key
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}

# send NAME KEY...: the keys to the named editor's main window.
send() {
    local name="$1"; shift
    activate "$name"
    keys "$@"
}

type_text() {
    xdotool type --delay 60 "$1"
    sleep 0.2
}

# click_at WINDOW X Y: a left click at a place inside the window (pixels from its top left).
click_at() {
    xdotool mousemove --window "$1" --sync "$2" "$3" click 1
    sleep 0.3
}

# save NAME FILE: "Speichern" (Ctrl+Shift+S) in the named editor, then waits until FILE has
# been replaced (a save puts a new file in its place) and the caption shows no change. The
# caption alone would not do: keys still queued may not have changed anything yet.
save() {
    local name="$1" file="$2" before
    before=$(stat -c %i "$file")
    send "$name" ctrl+shift+s
    wait_for "the save of $file" sh -c "[ \"\$(stat -c %i '$file')\" != '$before' ]"
    wait_for "the saved caption" sh -c "! xdotool getwindowname ${DESKTOP_WINDOW[$name]} | grep -q '^\*'"
}

# Keeps a screenshot of the screen as it is now (for looking at what the user sees).
screenshot() {
    mkdir -p "$DESKTOP_FAILURES/../desktop-shots"
    import -window root "$DESKTOP_FAILURES/../desktop-shots/$DESKTOP_NAME-$1.png"
}

# file_has FILE TEXT: whether the file holds TEXT, byte for byte.
file_has() {
    grep -qaF -- "$2" "$1"
}
