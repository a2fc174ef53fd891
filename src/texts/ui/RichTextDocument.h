#pragma once

#include <QByteArray>

class QFont;
class QTextDocument;
class QTextEdit;

// The editor control speaks no RTF: these two carry the documents of the rich-text bridge
// into a QTextEdit and back. Blink is red text (255, 0, 0), graphics is text whose font
// family is the graphics font's family; everything else is plain.
namespace RichTextDocument {

// Replaces the editor's content with the document MessageToRtf wrote: font 0 -> standardFont,
// font 1 -> graphicsFont, colour 1 -> red text (255,0,0), "\par" -> new block, "\'hh" -> the Windows
// code hh shown through CodePoint::FromWindows. Clears the undo stack. The document is built in
// one edit block, so it is laid out once; the caret ends at the start.
void Load(QTextEdit* editor, const QByteArray& rtf, const QFont& standardFont, const QFont& graphicsFont);

// The editor's whole document as RTF that RtfToMessage reads: same header/font table/colour table
// form MessageToRtf writes (font 1 = graphicsFont's family, which is a "_EG….TMP" face name),
// "\par " between blocks, "\plain", "\f1", "\cf1" for attribute runs (red foreground = blink, a
// character whose font family is graphicsFont.family() = graphics), codes > 0x7F as "\'hh",
// backslash/braces escaped. Characters are converted with CodePoint::ToWindows; characters
// that have no Windows code become '?'. A line separator (Shift+Enter) is a line break too;
// control characters (tabs) and embedded objects have no place on the display and are dropped.
QByteArray Save(const QTextDocument* document, const QFont& standardFont, const QFont& graphicsFont);

} // namespace RichTextDocument
