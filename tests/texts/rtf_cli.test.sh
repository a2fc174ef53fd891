#!/usr/bin/env bash
# Both directions of "tavolin-cli rtf", compared byte for byte (the document itself is the
# bridge's, tested in RichTextBridgeTest).
set -euo pipefail
cli="$1/tavolin-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every byte value passes stdin and stdout untouched (no line-end translation, no zero cut-off).
printf 'a\x00\x1a\r\n\xff\\' | "$cli" rtf from-message --standard-face S --graphics-face G >"$work/bytes.rtf"
printf '\\par \n\\\x27ff\\\\}' >"$work/tail"
cmp <(tail -c 13 "$work/bytes.rtf") "$work/tail"
printf 'a\r\xff\\' >"$work/bytes.expected"
"$cli" rtf to-message <"$work/bytes.rtf" | cmp - "$work/bytes.expected"

"$cli" rtf --help | grep -q 'from-message'
# A missing face, or one that would break the font table, is refused and named.
refused() { # PATTERN ARGS...: the call fails with PATTERN in its message
    local pattern="$1"; shift
    ! "$cli" rtf from-message "$@" 2>"$work/err" </dev/null || { echo "accepted: $*" >&2; exit 1; }
    grep -qF -- "$pattern" "$work/err"
}
refused '--graphics-face' --standard-face S
refused 'Schriftname "A;B"' --standard-face 'A;B' --graphics-face G
echo OK
