#include "app/CellEdit.h"

#include <QTextEdit>

#include "common/ui/MessageBox.h"
#include "texts/MessageTable.h"
#include "texts/RichTextBridge.h"
#include "texts/TextFile.h"
#include "texts/ui/RichTextDocument.h"

void TCellEdit::BeginCellEdit(TMessageTable& table, QTextEdit* cellEditor, QWidget* cellPanel,
                              int cellSlot, int cellLanguage)
{
    m_loading = true;
    cellEditor->clear();
    cellEditor->document()->clearUndoRedoStacks();
    editor = cellEditor;
    slot = static_cast<qint16>(cellSlot);
    language = static_cast<qint16>(cellLanguage);
    panel = cellPanel;
    savedFont = cellEditor->font();
    const QFont standard = m_host.StandardFont();
    const QFont graphics = m_host.GraphicsFont();
    cellEditor->setFont(standard);

    const QByteArray rtf = MessageToRtf(table.At(cellSlot).text[static_cast<size_t>(cellLanguage)],
                                        standard.family().toLatin1(), graphics.family().toLatin1());
    m_host.PlaceEditor(table);
    RichTextDocument::Load(cellEditor, rtf, standard, graphics);
    m_host.CheckLineLength(table);
    // One history for the project: the document keeps no undo steps of its own.
    cellEditor->document()->setUndoRedoEnabled(false);
    m_loading = false;
    m_stored = editorText();
    m_host.InvalidateGrid();
}

QByteArray TCellEdit::editorText() const
{
    return RtfToMessage(RichTextDocument::Save(editor->document(), m_host.StandardFont(), m_host.GraphicsFont()));
}

void TCellEdit::put(TMessageTable& table, const QByteArray& text)
{
    m_stored = text;
    if (store) {
        store(table, slot, language, text);
    } else {
        table.At(slot).text[static_cast<size_t>(language)] = text;
        table.modified[static_cast<size_t>(language)] = true;
    }
    m_host.InvalidateGrid();
}

void TCellEdit::FollowTyping(TMessageTable& table)
{
    if (!editor || m_loading)
        return;
    const QByteArray text = editorText();
    if (text != m_stored && UnstorableTextReason(table.At(slot).number, text).isEmpty())
        put(table, text);
}

bool TCellEdit::StoreCellEdit(TMessageTable& table)
{
    if (!editor)
        return true;
    const QByteArray text = editorText();
    if (text == m_stored)
        return true;
    // A text the file cannot hold would be lost at the next save: it stays in the editor
    // for the user to change, and the table keeps the previous one.
    const QString refusal = UnstorableTextReason(table.At(slot).number, text);
    if (!refusal.isEmpty()) {
        MessageBox::Error(editor, refusal);
        editor->setFocus(Qt::OtherFocusReason);
        return false;
    }
    put(table, text);
    return true;
}

bool TCellEdit::EndCellEdit(TMessageTable& table)
{
    if (!editor)
        return true;
    if (!StoreCellEdit(table))
        return false;
    panel->hide();
    editor->setFont(savedFont);
    editor = nullptr;
    return true;
}

void TCellEdit::Abandon()
{
    if (!editor)
        return;
    panel->hide();
    editor->setFont(savedFont);
    editor = nullptr;
}
