#pragma once

#include <QByteArray>
#include <QList>

// Conversion between a message text (display codes with line breaks and attribute marks)
// and the rich-text document the in-place editor works on. Font 0 of the document is the
// standard character set's font, font 1 the graphics character set's font; colour 1 is red.
// Blink is red text, graphics is text in font 1.

// The document loaded into the editor for a message text. Never fails.
QByteArray MessageToRtf(const QByteArray& text, const QByteArray& standardFace, const QByteArray& graphicsFace);

// The message text of a document the editor saved, in its normal form: line breaks before
// attribute marks, marks only where an attribute changes, nothing after the last character.
// Never fails; whatever it does not understand is skipped.
QByteArray RtfToMessage(const QByteArray& rtf);

// A stretch of characters (Windows codes) with one attribute state.
struct RichTextRun
{
    bool blink = false;
    bool graphics = false;
    QByteArray windowsCodes;

    bool operator==(const RichTextRun&) const = default;
};

// One line of a document: its runs in order (no run for an empty line).
using RichTextLine = QList<RichTextRun>;

// The document body as the editor shows it: one entry per line, including empty lines at
// the end. Read with exactly the rules of RtfToMessage, which is built on it.
QList<RichTextLine> RtfToLines(const QByteArray& rtf);

// A document in the form MessageToRtf writes (same header, font and colour tables), for
// lines coming from the editor. Each run's attributes are switched on before its first
// character, braces and backslashes included; codes below 0x20 are left out, since the
// reader skips them.
QByteArray LinesToRtf(const QList<RichTextLine>& lines, const QByteArray& standardFace,
                      const QByteArray& graphicsFace);
