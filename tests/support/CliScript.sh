# Shared by the shell tests of tavolin-cli, sourced with the program folder and the
# source folder as $1 and $2: the tool, the demo project, a private work folder removed
# on exit, and the checks every script needs.
set -euo pipefail
bin="$1"
cli="$1/tavolin-cli"
demo="$2/examples/Demo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$*" >&2; exit 1; }
run() { timeout 120 "$cli" "$@"; }

# expect CODE TEXT COMMAND...: the tool ends with exit CODE and its stderr holds each line
# of TEXT as it is; stdout and stderr stay in $work/out and $work/err. A command in $via
# (another user, a file size limit) runs the tool.
expect() {
    local code="$1" text="$2" status=0
    shift 2
    ${via:-} timeout 120 "$cli" "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq "$code" ] || { cat "$work/err" >&2; fail "expected exit $code, got $status: $*"; }
    while IFS= read -r needle; do
        [ -z "$needle" ] || grep -qF -- "$needle" "$work/err" || { cat "$work/err" >&2; fail "missing '$needle' for: $*"; }
    done <<<"$text"
}

# A fresh copy of the demo project as $work/NAME.
project() { rm -rf "$work/$1"; cp -r "$demo" "$work/$1"; }

# Writes a tavolin.cfg of the given texts, each in a 256-byte field.
config() {
    local file="$1" text
    shift
    : >"$file"
    for text in "$@"; do
        printf '%s' "$text" >"$work/field"
        truncate -s 256 "$work/field"
        cat "$work/field" >>"$file"
    done
}
