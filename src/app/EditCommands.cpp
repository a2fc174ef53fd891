#include "app/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextCursor>
#include <QUndoStack>
#include <algorithm>

#include "app/CellEditor.h"
#include "app/AppDialogs.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "charset/DisplayCodeMap.h"
#include "charset/FontEditorLink.h"
#include "common/TavolinError.h"
#include "dialogs/About.h"
#include "common/ui/MessageBox.h"
#include "dialogs/Neuemld.h"
#include "project/ui/Import1.h"
#include "session/ProjectSession.h"
#include "texts/MessageClipboard.h"

namespace {

int TablePart(const ProjectSession& session)
{
    return session.currentTable == 0 ? SessionSnapshot::OperatingTexts : SessionSnapshot::DiagnosticTexts;
}

// "Meldung 12 löschen", "3 Meldungen löschen": the step's name in the menu.
QString MessagesStep(const char* one, const char* many, const TMessageTable& table, const QList<int>& slots)
{
    if (slots.size() == 1)
        return EditCommands::tr(one).arg(table.At(slots.first()).number);
    return EditCommands::tr(many).arg(slots.size());
}

} // namespace

EditCommands::EditCommands(ProjectSession& session, MessageView& view, AppDialogs& dialogs, QWidget& parent)
    : QObject(&parent), m_session(session), m_view(view), m_dialogs(dialogs), m_parent(parent)
{
    connect(&session.history, &ProjectHistory::Restored, this, &EditCommands::showRestored);
    m_view.CellEdit().store = [this](TMessageTable& table, int slot, int language, const QByteArray& text) {
        const int index = &table == m_session.Table(1) ? 1 : 0;
        m_session.history.RecordTyping(index, table.At(slot).number, language, text);
    };
}

bool EditCommands::editorOpen() const
{
    return m_session.IsOpen() && m_view.EditorShown();
}

void EditCommands::NewMessage()
{
    if (!m_session.IsOpen())
        return;
    MessageGrid& grid = *m_view.Grid();
    TMessageTable& table = *m_session.CurrentTable();
    const int leftCol = grid.LeftCol();
    const int proposal = table.NextFreeNumber(editorOpen() ? m_view.cellSlot : -1);
    if (proposal < 0) {
        MessageBox::Error(&m_parent, tr("Kein Platz für eine neue Meldung !"));
        return;
    }
    Neuemld& dialog = *m_dialogs.neuemld;
    dialog.number = proposal;
    dialog.SetTable(&table);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_view.CellEdit().EndCellEdit(table))
        return;
    bool added = false;
    const int number = dialog.number;
    m_session.history.Record(tr("Neue Meldung %1").arg(number), TablePart(m_session),
                             [&] { added = table.SetText(number, 0, QByteArray()); },
                             {m_session.currentTable, number, 0});
    if (!added) {
        MessageBox::Error(&m_parent, tr("Kein Platz für eine neue Meldung !"));
        return;
    }
    m_view.cellSlot = table.IndexOf(dialog.number);
    m_session.Notify(ProjectSession::TablesChanged);
    table.MarkAllStale();
    m_view.RefreshLayout(table);
    const int row = m_view.cellSlot + 1;
    const int col = m_view.cellLanguage + 1;
    grid.SetSelection({col, row, col, row});
    grid.SetLeftCol(leftCol);
    grid.ShowRow(row);
    m_view.CellEdit().BeginCellEdit(table, m_view.Editor(), m_view.Panel(), m_view.cellSlot, m_view.cellLanguage);
    m_view.NotifyStatus();
    if (grid.RowCount() >= grid.Row() + 3) {
        grid.SetRow(grid.Row() + 1);
        grid.SetRow(grid.Row() - 1);
    }
}

void EditCommands::Delete()
{
    if (!m_session.IsOpen())
        return;
    if (m_view.EditorShown()) {
        m_session.history.BreakTyping();
        m_view.Editor()->textCursor().removeSelectedText();
        m_session.history.BreakTyping();
        return;
    }
    TMessageTable& table = *m_session.CurrentTable();
    MessageGrid& grid = *m_view.Grid();
    const MessageGrid::Selection selection = grid.GetSelection();
    const int first = selection.top;
    const int n = selection.bottom - selection.top + 1;
    if (first == 0 || n == 0)
        return;
    const QString question = n == 1 ? tr("Möchten Sie wirklich eine Meldung löschen ?")
                                    : tr("Möchten Sie wirklich mehrere Meldungen löschen ?");
    if (MessageBox::YesNoCancel(&m_parent, tr("Meldung"), question) != QMessageBox::Yes)
        return;
    // An edit whose cell is scrolled out of view is still open; its slot must not move
    // under it.
    if (!m_view.CellEdit().EndCellEdit(table))
        return;
    QList<int> slots;
    for (int i = 0; i < n && first - 1 + i < table.Count(); ++i)
        slots.append(first - 1 + i);
    if (slots.isEmpty())
        return;
    m_session.history.Record(MessagesStep(QT_TRANSLATE_NOOP("EditCommands", "Meldung %1 löschen"),
                                          QT_TRANSLATE_NOOP("EditCommands", "%1 Meldungen löschen"), table, slots),
                             TablePart(m_session), [&] {
                                 for (int i = 0; i < n; ++i)
                                     table.DeleteAt(first - 1);
                                 table.modified = {true, true}; // the files lose the messages, so closing must ask
                             },
                             {m_session.currentTable, table.At(slots.first()).number, m_view.cellLanguage});
    m_session.Notify(ProjectSession::TablesChanged);
    table.MarkAllStale();
    m_view.RefreshLayout(table);
    const int row = std::min(first, table.Count() + 1);
    grid.SetSelection({m_view.cellLanguage + 1, row, m_view.cellLanguage + 1, row});
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
}

void EditCommands::PreviousMessage()
{
    MessageGrid& grid = *m_view.Grid();
    if (grid.Row() > 1)
        grid.SetRow(grid.Row() - 1);
}

void EditCommands::NextMessage()
{
    MessageGrid& grid = *m_view.Grid();
    if (grid.RowCount() >= grid.Row() + 3)
        grid.SetRow(grid.Row() + 1);
}

void EditCommands::SwitchLanguage()
{
    MessageGrid& grid = *m_view.Grid();
    grid.SetCol(grid.Col() == 1 ? 2 : 1);
}

void EditCommands::Undo()
{
    step(true);
}

void EditCommands::Redo()
{
    step(false);
}

void EditCommands::step(bool back)
{
    if (!m_session.IsOpen())
        return;
    QUndoStack& stack = m_session.history.Stack();
    if (back ? !stack.canUndo() : !stack.canRedo())
        return;
    // The edited text is in the table already; one the file cannot hold is refused here.
    const bool editing = m_view.EditorShown();
    if (!m_view.CellEdit().EndCellEdit(*m_session.CurrentTable()))
        return;
    m_reopen = editing;
    if (back)
        stack.undo();
    else
        stack.redo();
    m_reopen = false;
}

void EditCommands::showRestored(const HistoryPlace& place)
{
    if (!m_session.IsOpen())
        return;
    // Undone elsewhere than through step(): the open edit's text is the table's already.
    const bool reopen = m_reopen || m_view.CellEdit().IsOpen();
    m_view.CellEdit().Abandon();
    if (place.number >= 0 && place.table != m_session.currentTable && m_session.Table(place.table))
        ShowTable(place.table);
    TMessageTable& table = *m_session.CurrentTable();
    m_view.RefreshLayout(table);
    MessageGrid& grid = *m_view.Grid();
    const int slot = place.number >= 0 && place.table == m_session.currentTable ? table.IndexOf(place.number) : -1;
    const int row = slot >= 0 ? slot + 1 : std::clamp(grid.Row(), 1, table.Count() + 1);
    const int col = slot >= 0 ? place.language + 1 : std::max(grid.Col(), 1);
    grid.SetSelection({col, row, col, row});
    grid.ShowRow(row);
    m_view.InvalidateGrid();
    m_view.Editor()->viewport()->update();
    if (reopen && slot >= 0 && place.caret >= 0) {
        m_view.OpenCell(slot, place.language);
        QTextCursor cursor = m_view.Editor()->textCursor();
        cursor.setPosition(std::min(place.caret, m_view.Editor()->document()->characterCount() - 1));
        m_view.Editor()->setTextCursor(cursor);
    } else if (!m_view.EditorShown()) {
        grid.setFocus(Qt::OtherFocusReason);
    }
    m_view.NotifyStatus();
}

QList<int> EditCommands::selectedSlots() const
{
    QList<int> slots;
    if (!m_session.IsOpen())
        return slots;
    const MessageGrid::Selection selection = m_view.Grid()->GetSelection();
    for (int row = std::max(selection.top, 1); row <= selection.bottom && row <= m_session.CurrentTable()->Count(); ++row)
        slots.append(row - 1);
    return slots;
}

void EditCommands::Cut()
{
    if (editorOpen()) {
        m_session.history.BreakTyping();
        m_view.Editor()->cut();
        m_session.history.BreakTyping();
        return;
    }
    const QList<int> slots = selectedSlots();
    if (slots.isEmpty())
        return;
    Copy();
    // The messages are on the clipboard; a paste brings them back, so no question.
    TMessageTable& table = *m_session.CurrentTable();
    m_view.CellEdit().EndCellEdit(table);
    m_session.history.Record(MessagesStep(QT_TRANSLATE_NOOP("EditCommands", "Meldung %1 ausschneiden"),
                                          QT_TRANSLATE_NOOP("EditCommands", "%1 Meldungen ausschneiden"), table, slots),
                             TablePart(m_session), [&] {
                                 const int first = slots.first();
                                 for (int i = 0; i < slots.size(); ++i)
                                     table.DeleteAt(first);
                                 table.modified = {true, true};
                             },
                             {m_session.currentTable, table.At(slots.first()).number, m_view.cellLanguage});
    afterMessagesChanged(slots.first() + 1);
}

void EditCommands::Copy()
{
    if (editorOpen()) {
        m_view.Editor()->copy();
        return;
    }
    const QList<int> slots = selectedSlots();
    if (slots.isEmpty())
        return;
    auto* mime = new QMimeData;
    MessageClipboard::PutMessages(*mime, *m_session.CurrentTable(), slots);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void EditCommands::Paste()
{
    if (editorOpen()) {
        m_session.history.BreakTyping();
        m_view.Editor()->paste();
        m_session.history.BreakTyping();
        return;
    }
    if (!m_session.IsOpen())
        return;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QList<MessageClipboard::Entry> entries = mime ? MessageClipboard::Messages(*mime) : QList<MessageClipboard::Entry>();
    if (entries.isEmpty())
        return;
    TMessageTable& table = *m_session.CurrentTable();
    int existing = 0;
    for (const auto& entry : entries)
        existing += table.IndexOf(entry.number) >= 0 ? 1 : 0;
    bool replace = false;
    if (existing > 0) {
        const QString question = existing == 1
            ? tr("Eine der eingefügten Meldungen gibt es schon.\rSoll sie ersetzt werden ?")
            : tr("%1 der eingefügten Meldungen gibt es schon.\rSollen sie ersetzt werden ?").arg(existing);
        const auto answer = MessageBox::YesNoCancel(&m_parent, tr("Meldung"), question);
        if (answer == QMessageBox::Cancel)
            return;
        replace = answer == QMessageBox::Yes;
    }
    m_view.CellEdit().EndCellEdit(table);
    const int languages = m_session.project.displayType.LanguageCount();
    int firstRow = -1;
    bool full = false;
    const QString name = entries.size() == 1 ? tr("Meldung %1 einfügen").arg(entries.first().number)
                                             : tr("%1 Meldungen einfügen").arg(entries.size());
    m_session.history.Record(name, TablePart(m_session), [&] {
        for (const auto& entry : entries) {
            if (full || (table.IndexOf(entry.number) >= 0 && !replace))
                continue;
            for (int language = 0; language < languages && !full; ++language) {
                full = !table.SetText(entry.number, language, entry.text[static_cast<size_t>(language)]);
                table.modified[static_cast<size_t>(language)] = true;
            }
            if (firstRow < 0 && !full)
                firstRow = table.IndexOf(entry.number) + 1;
        }
    }, {m_session.currentTable, entries.first().number, m_view.cellLanguage});
    if (firstRow > 0)
        afterMessagesChanged(firstRow);
    if (full)
        MessageBox::Error(&m_parent, tr("Kein Platz für eine neue Meldung !"));
}

void EditCommands::afterMessagesChanged(int row)
{
    TMessageTable& table = *m_session.CurrentTable();
    m_session.Notify(ProjectSession::TablesChanged);
    table.MarkAllStale();
    m_view.RefreshLayout(table);
    row = std::clamp(row, 1, table.Count() + 1);
    m_view.Grid()->SetSelection({m_view.cellLanguage + 1, row, m_view.cellLanguage + 1, row});
    m_view.Grid()->ShowRow(row);
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
}

CellEditor* EditCommands::typingTarget() const
{
    // A field of the find bar takes the attributes when it has the focus.
    if (auto* field = qobject_cast<CellEditor*>(QApplication::focusWidget()))
        return field;
    return m_view.Editor();
}

void EditCommands::SetBlink(bool on)
{
    QTextCharFormat format;
    format.setForeground(on ? QColor(255, 0, 0) : QColor(Qt::black));
    typingTarget()->mergeCurrentCharFormat(format);
    m_view.NotifyStatus();
}

void EditCommands::SetGraphics(bool on)
{
    const QFont font = on ? m_view.GraphicsFont() : m_view.StandardFont();
    QTextCharFormat format;
    format.setFont(font);
    format.setFontFamilies(QStringList(font.family()));
    typingTarget()->mergeCurrentCharFormat(format);
    m_view.NotifyStatus();
}

void EditCommands::ShowMessage(int number, int language)
{
    if (!m_session.IsOpen())
        return;
    if (m_session.currentTable != 0)
        ShowTable(0);
    const int slot = m_session.CurrentTable()->IndexOf(number);
    if (slot < 0)
        return;
    m_view.CellEdit().EndCellEdit(*m_session.CurrentTable());
    MessageGrid& grid = *m_view.Grid();
    const int row = slot + 1;
    const int col = language + 1;
    grid.SetSelection({col, row, col, row});
    grid.ShowRow(row);
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
    grid.setFocus(Qt::OtherFocusReason);
}

void EditCommands::ShowTable(int index)
{
    if (!m_session.IsOpen() || !m_session.Table(index))
        return;
    if (!m_view.CellEdit().EndCellEdit(*m_session.CurrentTable()))
        return;
    m_session.SetCurrentTable(index);
    TMessageTable& table = *m_session.CurrentTable();
    m_view.SetTable(&table, m_session.project.displayType);
    m_view.Grid()->SetTopRow(1);
    m_view.Grid()->SetSelection({1, 1, 1, 1});
    table.MarkAllStale();
    m_view.RefreshLayout(table);
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
}

void EditCommands::EditCharSet()
{
    if (m_session.IsOpen())
        m_session.graphics.StartEditor(&m_parent, m_parent.x(), m_parent.y());
}

void EditCommands::ImportCharSet()
{
    if (!m_session.IsOpen())
        return;
    Import1& dialog = *m_dialogs.import1;
    dialog.extension = QStringLiteral("pix");
    dialog.targetPath = m_session.project.folder + QLatin1Char('/') + m_session.CharSetName();
    dialog.charSetMode = true;
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        m_session.history.Record(tr("Zeichensatz importieren"), SessionSnapshot::Glyphs, [&] {
            m_session.graphics.Import(dialog.sourceFile);
            m_session.graphics.modified = true;
        });
        // An open glyph editor would keep the replaced glyphs and save them over the new
        // ones: it starts again on the imported set, under its name.
        if (FontEditorLink::Instance().IsVisible()) {
            m_session.graphics.EndEditor();
            m_session.graphics.StartEditor(&m_parent, m_parent.x(), m_parent.y());
        }
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
    m_view.InvalidateGrid();
    m_view.Editor()->viewport()->update();
}

void EditCommands::ShowAbout()
{
    m_dialogs.about->exec();
}

void EditCommands::InsertGraphicsCharacter(int windowsCode)
{
    if (!editorOpen() || windowsCode < 0x20 || windowsCode > 0xFF)
        return;
    CellEditor& editor = *m_view.Editor();
    const bool blink = editor.IsBlink(editor.currentCharFormat());
    QTextCursor cursor = editor.textCursor();
    cursor.insertText(QString(CodePoint::FromWindows(static_cast<quint8>(windowsCode))), editor.Format(true, blink));
    editor.setTextCursor(cursor);
    editor.setCurrentCharFormat(editor.Format(false, blink));
    editor.setFocus(Qt::OtherFocusReason);
    m_view.NotifyStatus();
}
