#!/usr/bin/env bash
# "tavolin-cli font": the conversions round trip, the .FON has its size, pictures come out,
# and bad input ends in a German message and a non-zero exit, never a crash.
source "$2/tests/support/CliScript.sh"

"$cli" font to-fnt "$1/led.fix" "$work/led.fnt" --face _ES0A1F.TMP
"$cli" font to-pix "$work/led.fnt" "$work/led.pix"
cmp "$1/led.fix" "$work/led.pix"
test "$("$cli" font to-fon "$work/led.fnt" "$work/led.fon")" = "_ES0A1F.TMP"
test "$(stat -c %s "$work/led.fon")" -eq 10016

"$cli" font render "$1/default.pix" --text '!"#$\n012345 ABCDEFGHIJK' --out "$work/text.png"
"$cli" font render "$1/lcd.fix" --sheet --out "$work/sheet.png"
head -c 8 "$work/text.png" | cmp - <(printf '\x89PNG\r\n\x1a\n')
head -c 8 "$work/sheet.png" | cmp - <(printf '\x89PNG\r\n\x1a\n')
# Umlauts and degree are ordinary text; a character outside the Windows code page is not.
"$cli" font render "$1/led.fix" --text 'Öl 5°C größer' --out "$work/umlaut.png"

head -c 3000 "$work/led.fnt" >"$work/cut.fnt"
cp "$1/led.fix" "$work/keep.pix"
expect 1 'beschädigt' font to-pix "$work/cut.fnt" "$work/keep.pix"
cmp "$1/led.fix" "$work/keep.pix"
expect 1 'beschädigt' font to-fon "$work/cut.fnt" "$work/cut.fon"
expect 1 'kann nicht gelesen werden: nicht vorhanden' font to-pix "$work/missing.fnt" "$work/x.pix"
expect 1 'ist ein Ordner' font to-fon "$work" "$work/x.fon"
# A source that is no whole character set is refused with its true reason; nothing is written.
: >"$work/empty.pix"
head -c 1000 "$1/led.fix" >"$work/short.pix"
expect 1 'nicht vorhanden' font to-fnt "$work/missing.pix" "$work/x.fnt"
expect 1 'ist leer' font to-fnt "$work/empty.pix" "$work/x.fnt"
expect 1 'mit 1000 Bytes zu kurz' font to-fnt "$work/short.pix" "$work/x.fnt"
expect 1 'keine gewöhnliche Datei' font to-fnt /dev/null "$work/x.fnt"
expect 1 'ist ein Ordner' font to-fnt "$work" "$work/x.fnt"
[ ! -e "$work/x.fnt" ] && [ ! -e "$work/x.png" ]
# A picture beyond the bound is refused at once, and the existing one stays.
cp "$work/text.png" "$work/keep.png"
expect 1 'Das Bild wäre 5760096 × 352' font render "$1/default.pix" --dot 32 \
    --text "$(head -c 30000 /dev/zero | tr '\0' A)" --out "$work/keep.png"
cmp "$work/text.png" "$work/keep.png"
expect 2 'hat keinen Platz im Zeichensatz' font render "$1/led.fix" --text '日本' --out "$work/x.png"
expect 2 'oder --sheet angeben' font render "$1/led.fix" --out "$work/x.png"
"$cli" font --help | grep -q 'to-fon'
echo OK
