#include "app/EditCommands.h"

#include <QTextCursor>

#include "app/CellEditor.h"
#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "app/ProjectController.h"
#include "charset/DisplayCodeMap.h"
#include "common/TavolinError.h"
#include "dialogs/About.h"
#include "dialogs/MessageBox.h"
#include "dialogs/Neuemld.h"
#include "project/ui/Import1.h"

namespace {

const QString NoRoom = QStringLiteral("Kein Platz für eine neue Meldung !");

} // namespace

EditCommands::EditCommands(MainWindow& window) : QObject(&window), m_window(window) {}

bool EditCommands::editorOpen() const
{
    return m_window.Session().IsOpen() && m_window.View()->EditorShown();
}

void EditCommands::NewMessage()
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen())
        return;
    MessageView& view = *m_window.View();
    MessageGrid& grid = *view.Grid();
    TMessageTable& table = *session.CurrentTable();
    const int leftCol = grid.LeftCol();
    const int proposal = table.NextFreeNumber(editorOpen() ? view.cellSlot : -1);
    if (proposal < 0) {
        MessageBox::Error(&m_window, NoRoom);
        return;
    }
    Neuemld& dialog = *m_window.Dialogs().neuemld;
    dialog.number = proposal;
    dialog.SetTable(&table);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!view.CellEdit().EndCellEdit(table))
        return;
    if (!table.SetText(dialog.number, 0, QByteArray())) {
        MessageBox::Error(&m_window, NoRoom);
        return;
    }
    view.cellSlot = table.IndexOf(dialog.number);
    table.MarkAllStale();
    view.RefreshLayout(table);
    const int row = view.cellSlot + 1;
    const int col = view.cellLanguage + 1;
    grid.SetSelection({col, row, col, row});
    grid.SetLeftCol(leftCol);
    grid.ShowRow(row);
    view.CellEdit().BeginCellEdit(table, view.Editor(), view.Panel(), view.cellSlot, view.cellLanguage);
    m_window.UpdateStatus();
    if (grid.RowCount() >= grid.Row() + 3) {
        grid.SetRow(grid.Row() + 1);
        grid.SetRow(grid.Row() - 1);
    }
}

void EditCommands::Delete()
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen())
        return;
    MessageView& view = *m_window.View();
    if (view.EditorShown()) {
        view.Editor()->textCursor().removeSelectedText();
        return;
    }
    TMessageTable& table = *session.CurrentTable();
    MessageGrid& grid = *view.Grid();
    const MessageGrid::Selection selection = grid.GetSelection();
    const int first = selection.top;
    const int n = selection.bottom - selection.top + 1;
    if (first == 0 || n == 0)
        return;
    const QString question = n == 1 ? QStringLiteral("Möchten Sie wirklich eine Meldung löschen ?")
                                    : QStringLiteral("Möchten Sie wirklich mehrere Meldungen löschen ?");
    if (MessageBox::YesNoCancel(&m_window, QStringLiteral("Meldung"), question) != QMessageBox::Yes)
        return;
    // An edit whose cell is scrolled out of view is still open; its slot must not move
    // under it.
    if (!view.CellEdit().EndCellEdit(table))
        return;
    const int before = table.Count();
    for (int i = 0; i < n; ++i)
        table.DeleteAt(first - 1);
    if (table.Count() != before)
        table.modified = {true, true}; // the files lose the messages, so closing must ask
    table.MarkAllStale();
    view.RefreshLayout(table);
    const int row = std::min(first, table.Count() + 1);
    grid.SetSelection({view.cellLanguage + 1, row, view.cellLanguage + 1, row});
    view.InvalidateGrid();
    m_window.UpdateStatus();
}

void EditCommands::PreviousMessage()
{
    if (!editorOpen())
        return;
    MessageGrid& grid = *m_window.View()->Grid();
    if (grid.Row() > 1)
        grid.SetRow(grid.Row() - 1);
}

void EditCommands::NextMessage()
{
    if (!editorOpen())
        return;
    MessageGrid& grid = *m_window.View()->Grid();
    if (grid.RowCount() >= grid.Row() + 3)
        grid.SetRow(grid.Row() + 1);
}

void EditCommands::SwitchLanguage()
{
    if (!editorOpen() || m_window.View()->LanguageCount() < 2)
        return;
    MessageGrid& grid = *m_window.View()->Grid();
    grid.SetCol(grid.Col() == 1 ? 2 : 1);
}

void EditCommands::Undo()
{
    if (editorOpen())
        m_window.View()->Editor()->undo();
}

void EditCommands::Cut()
{
    if (editorOpen())
        m_window.View()->Editor()->cut();
}

void EditCommands::Copy()
{
    if (editorOpen())
        m_window.View()->Editor()->copy();
}

void EditCommands::Paste()
{
    if (editorOpen())
        m_window.View()->Editor()->paste();
}

void EditCommands::SetBlink(bool on)
{
    if (editorOpen()) {
        QTextCharFormat format;
        format.setForeground(on ? QColor(255, 0, 0) : QColor(Qt::black));
        m_window.View()->Editor()->mergeCurrentCharFormat(format);
    }
    m_window.UpdateStatus();
}

void EditCommands::SetGraphics(bool on)
{
    if (editorOpen()) {
        const QFont font = on ? m_window.View()->GraphicsFont() : m_window.View()->StandardFont();
        QTextCharFormat format;
        format.setFont(font);
        format.setFontFamilies(QStringList(font.family()));
        m_window.View()->Editor()->mergeCurrentCharFormat(format);
    }
    m_window.UpdateStatus();
}

void EditCommands::ShowTable(int index)
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen() || !session.Table(index))
        return;
    MessageView& view = *m_window.View();
    if (!view.CellEdit().EndCellEdit(*session.CurrentTable()))
        return;
    session.currentTable = index;
    TMessageTable& table = *session.CurrentTable();
    view.SetTable(&table, session.project.displayType);
    view.Grid()->SetTopRow(1);
    view.Grid()->SetSelection({1, 1, 1, 1});
    table.MarkAllStale();
    view.RefreshLayout(table);
    m_window.Projects()->UpdateCaption();
    view.InvalidateGrid();
    m_window.UpdateStatus();
}

void EditCommands::EditCharSet()
{
    ProjectSession& session = m_window.Session();
    if (session.IsOpen())
        session.graphics.StartEditor(&m_window, m_window.x(), m_window.y());
}

void EditCommands::ImportCharSet()
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen())
        return;
    Import1& dialog = *m_window.Dialogs().import1;
    dialog.extension = QStringLiteral("pix");
    dialog.targetPath = session.project.folder + QLatin1Char('/') + session.CharSetName();
    dialog.charSetMode = true;
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        session.graphics.Import(dialog.sourceFile);
        session.graphics.modified = true;
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
    m_window.View()->InvalidateGrid();
    m_window.View()->Editor()->viewport()->update();
}

void EditCommands::ShowAbout()
{
    m_window.Dialogs().about->exec();
}

void EditCommands::InsertGraphicsCharacter(int windowsCode)
{
    if (!editorOpen() || windowsCode < 0x20 || windowsCode > 0xFF)
        return;
    CellEditor& editor = *m_window.View()->Editor();
    const bool blink = editor.IsBlink(editor.currentCharFormat());
    QTextCursor cursor = editor.textCursor();
    cursor.insertText(QString(CodePoint::FromWindows(static_cast<quint8>(windowsCode))), editor.Format(true, blink));
    editor.setTextCursor(cursor);
    editor.setCurrentCharFormat(editor.Format(false, blink));
    editor.setFocus(Qt::OtherFocusReason);
    m_window.UpdateStatus();
}
