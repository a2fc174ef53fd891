#!/usr/bin/env bash
# Both directions of "tavolin-cli rtf", compared byte for byte (the document itself is the
# bridge's, tested in RichTextBridgeTest).
source "$2/tests/support/CliScript.sh"

# Every byte value passes stdin and stdout untouched (no line-end translation, no zero cut-off).
printf 'a\x00\x1a\r\n\xff\\' | "$cli" rtf from-message --standard-face S --graphics-face G >"$work/bytes.rtf"
printf '\\par \n\\\x27ff\\\\}' >"$work/tail"
cmp <(tail -c 13 "$work/bytes.rtf") "$work/tail"
printf 'a\r\xff\\' >"$work/bytes.expected"
"$cli" rtf to-message <"$work/bytes.rtf" | cmp - "$work/bytes.expected"

"$cli" rtf --help | grep -q 'from-message'
# A missing face, or one that would break the font table, is refused and named.
expect 2 'Angabe fehlt: --graphics-face' rtf from-message --standard-face S </dev/null
expect 2 'Ungültiger Schriftname "A;B"' rtf from-message --standard-face 'A;B' --graphics-face G </dev/null
echo OK
