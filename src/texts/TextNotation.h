#pragma once

#include <QByteArray>
#include <QString>

// A readable, lossless notation of message texts for translators and version control
// (tavolin-cli texts export/import). Display codes are shown as the characters the editor
// shows (through DisplayCodeMap), the attribute bytes and unprintable bytes as marks:
//
//   line break          a real line break ("\n")
//   0x0F / 0x0E         {blink} / {/blink}
//   0x10 / 0x12         {gfx} / {/gfx}
//   "{"                 {{
//   any other byte      {xHH}, HH the display code in hex, when its Windows code has no
//                       printable Latin-1 character
namespace TextNotation {

QString Encode(const QByteArray& displayText);

// The inverse of Encode. Raises TavolinError with a German description of the first fault
// (unknown mark, character the display does not have, byte that cannot stand in a text
// file, a line break where `allowLineBreaks` is false). A CR LF pair counts as one break.
QByteArray Decode(const QString& notation, bool allowLineBreaks = true);

} // namespace TextNotation
