#include "app/CellEdit.h"

#include <QTextEdit>

#include "texts/MessageTable.h"
#include "texts/RichTextBridge.h"
#include "texts/ui/RichTextDocument.h"

void TCellEdit::BeginCellEdit(TMessageTable& table, QTextEdit* cellEditor, QWidget* cellPanel,
                              int cellSlot, int cellLanguage)
{
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
    m_host.CheckLineLength(table);
    m_host.PlaceEditor(table);
    RichTextDocument::Load(cellEditor, rtf, standard, graphics);
    m_host.InvalidateGrid();
}

void TCellEdit::StoreCellEdit(TMessageTable& table)
{
    if (!editor)
        return;
    const QByteArray text = RtfToMessage(
        RichTextDocument::Save(editor->document(), m_host.StandardFont(), m_host.GraphicsFont()));
    QByteArray& stored = table.At(slot).text[static_cast<size_t>(language)];
    if (text == stored)
        return;
    stored = text;
    table.modified[static_cast<size_t>(language)] = true;
    m_host.InvalidateGrid();
}

void TCellEdit::EndCellEdit(TMessageTable& table)
{
    if (!editor)
        return;
    StoreCellEdit(table);
    panel->hide();
    editor->setFont(savedFont);
    editor = nullptr;
}

void TCellEdit::Abandon()
{
    if (!editor)
        return;
    panel->hide();
    editor->setFont(savedFont);
    editor = nullptr;
}
