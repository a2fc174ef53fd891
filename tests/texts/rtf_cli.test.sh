#!/usr/bin/env bash
# The worked example through both directions of "tavolin-cli rtf", compared byte for byte.
set -euo pipefail
cli="$1/tavolin-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'Temp. \x0fzu hoch\x0e\r\x10AB\x12 5\xf8C' >"$work/message"
printf '{\\rtf1\\ansi\\ansicpg850\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 S;}{\\f1\\fnil\\fcharset0 _EGA1B2.TMP;}}{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\\plain\\cf0 Temp. \\plain \\cf1 zu hoch\\par \\plain \\f1 AB\\plain  5\\\x27b0C}' >"$work/expected.rtf"
printf 'Temp. \x0fzu hoch\r\x0e\x10AB\x12 5\xf8C' >"$work/expected.message"

"$cli" rtf from-message --standard-face S --graphics-face _EGA1B2.TMP <"$work/message" >"$work/out.rtf"
cmp "$work/expected.rtf" "$work/out.rtf"
"$cli" rtf to-message <"$work/expected.rtf" >"$work/out.message"
cmp "$work/expected.message" "$work/out.message"

# Every byte value passes stdin and stdout untouched (no line-end translation, no zero cut-off).
printf 'a\x00\x1a\r\n\xff\\' | "$cli" rtf from-message --standard-face S --graphics-face G >"$work/bytes.rtf"
printf '\\par \n\\\x27ff\\\\}' >"$work/tail"
cmp <(tail -c 13 "$work/bytes.rtf") "$work/tail"
printf 'a\r\xff\\' >"$work/bytes.expected"
"$cli" rtf to-message <"$work/bytes.rtf" | cmp - "$work/bytes.expected"

"$cli" rtf --help | grep -q 'from-message'
if "$cli" rtf from-message --standard-face S 2>"$work/err" </dev/null; then
    echo "a missing face must fail" >&2
    exit 1
fi
grep -q 'graphics-face' "$work/err"
if "$cli" rtf from-message --standard-face 'A;B' --graphics-face G 2>"$work/err" </dev/null; then
    echo "a face that breaks the font table must fail" >&2
    exit 1
fi
echo OK
