#include "texts/ui/RichTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <array>

#include "charset/DisplayCodeMap.h"
#include "texts/RichTextBridge.h"

namespace RichTextDocument {

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QTextCharFormat CharFormat(const QFont& font, bool blink)
{
    QTextCharFormat format;
    format.setFont(font);
    // Save recognises the graphics font by this family name, whatever font Qt draws with.
    format.setFontFamilies(QStringList(font.family()));
    format.setForeground(blink ? Red : Black);
    return format;
}

// Codes below 0x20 would become block separators or invisible controls in the editor.
QString DrawableText(const QByteArray& windowsCodes)
{
    QString text;
    text.reserve(windowsCodes.size());
    for (const char w : windowsCodes)
        if (static_cast<quint8>(w) >= 0x20)
            text += CodePoint::FromWindows(static_cast<quint8>(w));
    return text;
}

bool IsBlink(const QTextCharFormat& format)
{
    const QBrush brush = format.foreground();
    return brush.style() != Qt::NoBrush && (brush.color().rgb() & 0xFFFFFF) == (Red.rgb() & 0xFFFFFF);
}

QString FamilyOf(const QTextCharFormat& format, const QTextDocument* document)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? document->defaultFont().family() : families.first();
}

void Append(RichTextLine& line, bool blink, bool graphics, char windowsCode)
{
    if (line.isEmpty() || line.last().blink != blink || line.last().graphics != graphics)
        line.append(RichTextRun{blink, graphics, {}});
    line.last().windowsCodes += windowsCode;
}

} // namespace

void Load(QTextEdit* editor, const QByteArray& rtf, const QFont& standardFont, const QFont& graphicsFont)
{
    const QList<RichTextLine> lines = RtfToLines(rtf);
    const std::array<QTextCharFormat, 4> formats{CharFormat(standardFont, false), CharFormat(standardFont, true),
                                                 CharFormat(graphicsFont, false), CharFormat(graphicsFont, true)};

    QTextDocument* document = editor->document();
    const bool undoEnabled = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();

    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat current = formats[0];
    cursor.setBlockCharFormat(current);
    for (const RichTextLine& line : lines) {
        // A new line goes on in the attributes in effect, as typing there would.
        if (&line != &lines.first())
            cursor.insertBlock(QTextBlockFormat(), current);
        for (const RichTextRun& run : line) {
            const QString text = DrawableText(run.windowsCodes);
            if (text.isEmpty())
                continue;
            current = formats[(run.graphics ? 2 : 0) + (run.blink ? 1 : 0)];
            cursor.insertText(text, current);
        }
    }
    cursor.endEditBlock();

    document->setUndoRedoEnabled(undoEnabled);
    document->setModified(false);
    cursor.movePosition(QTextCursor::Start);
    editor->setTextCursor(cursor);
}

QByteArray Save(const QTextDocument* document, const QFont& standardFont, const QFont& graphicsFont)
{
    const QString graphicsFamily = graphicsFont.family();
    QList<RichTextLine> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        lines.append(RichTextLine());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const bool blink = IsBlink(format);
            const bool graphics = !graphicsFamily.isEmpty()
                && FamilyOf(format, document).compare(graphicsFamily, Qt::CaseInsensitive) == 0;
            for (const char32_t codePoint : fragment.text().toUcs4()) {
                if (codePoint == QChar::LineSeparator) {
                    lines.append(RichTextLine());
                    continue;
                }
                if (codePoint == QChar::ObjectReplacementCharacter)
                    continue;
                const int w = CodePoint::ToWindows(codePoint);
                if (w < 0)
                    Append(lines.last(), blink, graphics, '?');
                else if (w >= 0x20)
                    Append(lines.last(), blink, graphics, static_cast<char>(w));
            }
        }
    }
    return LinesToRtf(lines, standardFont.family().toLatin1(), graphicsFamily.toLatin1());
}

} // namespace RichTextDocument
