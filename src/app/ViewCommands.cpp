#include "app/ViewCommands.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>

#include "app/CellEditor.h"
#include "app/MainActions.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "dialogs/GotoMessage.h"
#include "preview/ui/PreviewDock.h"
#include "session/ProjectSession.h"
#include "texts/RichTextBridge.h"
#include "texts/ui/RichTextDocument.h"

ViewCommands::ViewCommands(ProjectSession& session, MessageView& view, MainActions& actions, QMainWindow& window)
    : QObject(&window), m_session(session), m_view(view), m_window(window),
      m_goTo(new GotoMessage(&window)), m_preview(new PreviewDock(&window))
{
    window.addDockWidget(Qt::BottomDockWidgetArea, m_preview);
    m_preview->hide();
    QAction* toggle = m_preview->toggleViewAction();
    actions.viewMenu->addAction(toggle);

    m_follow.setSingleShot(true);
    m_follow.setInterval(0);
    connect(&m_follow, &QTimer::timeout, this, &ViewCommands::follow);
    const auto schedule = [this] { m_follow.start(); };
    connect(actions.goToMessage, &QAction::triggered, this, &ViewCommands::GoToMessage);
    connect(m_preview, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            loadProject();
    });
    connect(&session, &ProjectSession::Changed, this, &ViewCommands::loadProject);
    for (TCharSet* set : {&session.standard, &session.graphics})
        connect(set, &TCharSet::FontChange, this, [this](int code) {
            if (code == 2)
                loadProject();
        });
    connect(&view, &MessageView::StatusChanged, this, schedule);
    connect(&view, &MessageView::EditorShownChanged, this, schedule);
    connect(view.Editor(), &QTextEdit::textChanged, this, schedule);
    // The grid moves its current cell by keys and clicks without telling anyone.
    view.Grid()->installEventFilter(this);
    view.Grid()->viewport()->installEventFilter(this);
}

bool ViewCommands::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn: m_follow.start(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void ViewCommands::GoToMessage()
{
    TMessageTable* table = m_session.IsOpen() ? m_session.CurrentTable() : nullptr;
    if (!table || table->Count() == 0)
        return;
    MessageGrid& grid = *m_view.Grid();
    const int slot = std::clamp(grid.Row() - 1, 0, table->Count() - 1);
    m_goTo->SetTable(table, table->At(slot).number);
    if (m_goTo->exec() != QDialog::Accepted || !m_view.CellEdit().EndCellEdit(*table))
        return;
    const int row = m_goTo->slot + 1;
    const int col = std::max(grid.Col(), 1);
    grid.SetSelection({col, row, col, row});
    grid.ShowRow(row);
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
    grid.setFocus(Qt::OtherFocusReason);
}

void ViewCommands::loadProject()
{
    if (!m_preview->isVisible())
        return;
    if (m_session.IsOpen()) {
        m_preview->SetDisplay(m_session.project.displayType, m_session.Table(0)->headerLines[0]);
        m_preview->SetGlyphs(CharSetGlyphs(m_session.standard), CharSetGlyphs(m_session.graphics));
    }
    m_follow.start();
}

void ViewCommands::follow()
{
    if (!m_preview->isVisible())
        return;
    const TMessageTable* table = m_view.Table();
    if (!m_session.IsOpen() || !table) {
        m_preview->SetMessage({}, tr("Kein Projekt geöffnet"), true);
        m_shownTable = nullptr;
        return;
    }
    // The system settings dialog changes the times without a change notice of its own.
    m_preview->SetDisplay(m_session.project.displayType, m_session.Table(0)->headerLines[0]);
    int slot = m_view.Grid()->Row() - 1;
    int language = std::max(m_view.Grid()->Col() - 1, 0);
    QByteArray text;
    const TCellEdit& edit = m_view.CellEdit();
    if (edit.IsOpen()) {
        slot = edit.slot;
        language = edit.language;
        text = RtfToMessage(RichTextDocument::Save(m_view.Editor()->document(), m_view.StandardFont(),
                                                   m_view.GraphicsFont()));
    } else if (slot >= 0 && slot < table->Count()) {
        text = table->At(slot).text[static_cast<size_t>(std::min(language, 1))];
    }
    const int number = slot >= 0 && slot < table->Count() ? table->At(slot).number : -1;
    const bool other = table != m_shownTable || number != m_shownNumber || language != m_shownLanguage;
    m_shownTable = table;
    m_shownNumber = number;
    m_shownLanguage = language;
    const QString caption = number < 0 ? tr("Keine Meldung gewählt")
                                       : tr("Meldung %1, Sprache%2").arg(number).arg(language + 1);
    m_preview->SetMessage(text, caption, other);
}
