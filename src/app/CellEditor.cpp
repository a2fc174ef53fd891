#include "app/CellEditor.h"

#include <QAbstractTextDocumentLayout>
#include <algorithm>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>
#include <cmath>

#include "charset/DisplayCodeMap.h"
#include "texts/MessageClipboard.h"
#include "texts/MessageTable.h"

namespace {

const QColor Red(255, 0, 0);

// What a pasted piece becomes: in the standard font the characters the display shows
// stay, every other one becomes "?"; in the graphics font each character names its glyph.
QString DisplayableText(const QString& text, bool graphics)
{
    QString result;
    for (const char32_t codePoint : text.toUcs4()) {
        if (codePoint == QChar::ObjectReplacementCharacter || codePoint < 0x20)
            continue;
        const int w = graphics ? CodePoint::ToWindows(codePoint) : CodePoint::DisplayableWindowsCode(codePoint);
        result += w < 0x20 ? QChar(u'?') : CodePoint::FromWindows(static_cast<quint8>(w));
    }
    return result;
}

} // namespace

CellEditor::CellEditor(QWidget* parent) : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::NoWrap);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A message taller than the window is read and edited by scrolling the editor's text
    // by pixels; the bar shows only then.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves between cells (see event()), never out of the grid or into the text.
    setTabChangesFocus(false);
    setAcceptRichText(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setViewportMargins(0, 0, 0, 0);
    document()->setDocumentMargin(0);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this](const QSizeF& size) {
                Q_EMIT HeightRequested(static_cast<int>(std::ceil(size.height())));
            });
}

void CellEditor::SetSearchField()
{
    m_searchField = true;
    document()->setDocumentMargin(2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::StyledPanel);
    m_lineLength = 1000;
}

void CellEditor::SetFonts(const QFont& standard, const QFont& graphics)
{
    m_standard = standard;
    m_graphics = graphics;
}

QTextCharFormat CellEditor::Format(bool graphics, bool blink) const
{
    QTextCharFormat format;
    const QFont& font = graphics ? m_graphics : m_standard;
    format.setFont(font);
    format.setFontFamilies(QStringList(font.family()));
    format.setForeground(blink ? Red : QColor(Qt::black));
    return format;
}

bool CellEditor::IsBlink(const QTextCharFormat& format) const
{
    const QBrush brush = format.foreground();
    return brush.style() != Qt::NoBrush && (brush.color().rgb() & 0xFFFFFF) == (Red.rgb() & 0xFFFFFF);
}

bool CellEditor::IsGraphics(const QTextCharFormat& format) const
{
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? document()->defaultFont().family() : families.first();
    return !m_graphics.family().isEmpty() && family.compare(m_graphics.family(), Qt::CaseInsensitive) == 0;
}

QTextCharFormat CellEditor::SelectionFormat() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return currentCharFormat();
    QTextCursor first(document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

int CellEditor::CaretColumn() const
{
    return textCursor().positionInBlock();
}

int CellEditor::CaretLine() const
{
    return textCursor().blockNumber();
}

bool CellEditor::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            Q_EMIT TabPressed(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    // Ctrl+Del belongs to the window's "&Löschen", which deletes the selection only; undo
    // and redo of a cell are steps of the project's history.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool history = !m_searchField
                          && (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                              || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)
                              || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z));
        if (history || key->matches(QKeySequence::DeleteEndOfWord)) {
            event->ignore();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Q_EMIT EscapePressed();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_searchField) {
        Q_EMIT ReturnPressed();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Shift+Enter would make a line separator inside the line; a line is a line.
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    // X11 gives Delete the text DEL (0x7F): an editing key like Backspace, not a character.
    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed[0].category() != QChar::Other_Control
                        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!printable) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    if (typed[0] == QLatin1Char(' ') && !textCursor().hasSelection() && CaretColumn() >= m_lineLength) {
        event->accept();
        return;
    }
    const bool graphics = IsGraphics(currentCharFormat());
    const char32_t codePoint = typed[0].unicode();
    const int w = graphics ? CodePoint::ToWindows(codePoint) : CodePoint::DisplayableWindowsCode(codePoint);
    if (w < 0x20) {
        // The display has no such character; another glyph in its place would be wrong.
        QApplication::beep();
        event->accept();
        return;
    }
    const QChar drawn = CodePoint::FromWindows(static_cast<quint8>(w));
    if (drawn == typed[0]) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    textCursor().insertText(QString(drawn));
    ensureCursorVisible();
}

void CellEditor::contextMenuEvent(QContextMenuEvent* event)
{
    Q_EMIT ContextMenuRequested(event->globalPos());
    event->accept();
}

bool CellEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasFormat(QString::fromLatin1(MessageClipboard::DisplayCodesType)) || source->hasText()
        || source->hasHtml();
}

QMimeData* CellEditor::createMimeDataFromSelection() const
{
    // The text edit's own mime data lists a fixed set of formats, so a type added to it is
    // never offered on the X11 clipboard: another running editor would get the rich text
    // only, whose graphics font has another name there. Plain mime data offers all.
    const QTextDocumentFragment selection(textCursor());
    auto* mime = new QMimeData;
    mime->setText(selection.toPlainText());
    mime->setHtml(selection.toHtml());
    mime->setData(QString::fromLatin1(MessageClipboard::DisplayCodesType), selectedDisplayCodes());
    return mime;
}

QByteArray CellEditor::selectedDisplayCodes() const
{
    const QTextCursor selection = textCursor();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QByteArray codes;
    bool blink = false;
    bool graphics = false;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.position() > start)
            codes.append(Attr::LineBreak);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from >= to)
                continue;
            const bool fragmentBlink = IsBlink(fragment.charFormat());
            const bool fragmentGraphics = IsGraphics(fragment.charFormat());
            for (const char32_t codePoint : fragment.text().mid(from - fragment.position(), to - from).toUcs4()) {
                if (codePoint == QChar::LineSeparator) {
                    codes.append(Attr::LineBreak);
                    continue;
                }
                if (codePoint < 0x20 || codePoint == QChar::ObjectReplacementCharacter)
                    continue;
                const int w = CodePoint::ToWindows(codePoint);
                if (fragmentBlink != blink)
                    codes.append((blink = fragmentBlink) ? Attr::BlinkOn : Attr::BlinkOff);
                if (fragmentGraphics != graphics)
                    codes.append((graphics = fragmentGraphics) ? Attr::GraphicsOn : Attr::GraphicsOff);
                codes.append(static_cast<char>(map.ToDisplay(static_cast<quint8>(w < 0x20 ? '?' : w))));
            }
        }
    }
    return codes;
}

void CellEditor::insertDisplayCodes(const QByteArray& codes)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    bool blink = false;
    bool graphics = false;
    for (const char c : codes) {
        switch (c) {
        case Attr::LineBreak: cursor.insertBlock(QTextBlockFormat(), Format(graphics, blink)); break;
        case Attr::BlinkOn: blink = true; break;
        case Attr::BlinkOff: blink = false; break;
        case Attr::GraphicsOn: graphics = true; break;
        case Attr::GraphicsOff: graphics = false; break;
        default: {
            const quint8 w = map.ToWindows(static_cast<quint8>(c));
            if (w >= 0x20) // control bytes have no glyph in the editor
                cursor.insertText(QString(CodePoint::FromWindows(w)), Format(graphics, blink));
        }
        }
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CellEditor::insertFromMimeData(const QMimeData* source)
{
    // The display codes of a copy from any running editor say exactly what was copied.
    const QString codesType = QString::fromLatin1(MessageClipboard::DisplayCodesType);
    if (source->hasFormat(codesType)) {
        insertDisplayCodes(source->data(codesType));
        return;
    }
    // Pasted text keeps only what the display knows: blink (pure red), graphics (the
    // graphics font) and line breaks; other fonts, sizes, tables and pictures go.
    QTextDocument pasted;
    if (source->hasHtml())
        pasted.setHtml(source->html());
    else
        pasted.setPlainText(source->text());

    QTextCursor cursor = textCursor();
    const QTextCharFormat typing = cursor.charFormat();
    const bool typingBlink = IsBlink(typing);
    const bool typingGraphics = IsGraphics(typing);
    cursor.beginEditBlock();
    bool firstBlock = true;
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock)
            cursor.insertBlock(QTextBlockFormat(), cursor.charFormat());
        firstBlock = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const bool fromHtml = source->hasHtml();
            const bool blink = fromHtml ? IsBlink(format) : typingBlink;
            const bool graphics = fromHtml ? IsGraphics(format) : typingGraphics;
            const QStringList lines = fragment.text().split(QChar::LineSeparator);
            for (int i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    cursor.insertBlock(QTextBlockFormat(), Format(graphics, blink));
                const QString text = DisplayableText(lines[i], graphics);
                if (!text.isEmpty())
                    cursor.insertText(text, Format(graphics, blink));
            }
        }
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}
