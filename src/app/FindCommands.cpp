#include "app/FindCommands.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QToolBar>
#include <climits>

#include "app/CellEditor.h"
#include "app/EditCommands.h"
#include "app/FindBar.h"
#include "app/MainActions.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "session/ProjectSession.h"

FindCommands::FindCommands(ProjectSession& session, MessageView& view, EditCommands& edit, QMainWindow& window)
    : QObject(&window), m_session(session), m_view(view), m_edit(edit), m_window(window),
      m_toolBar(new QToolBar(tr("Suchen"), &window)), m_bar(new FindBar(m_toolBar))
{
    m_toolBar->setObjectName(QStringLiteral("findToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->addWidget(m_bar);
    window.addToolBar(Qt::BottomToolBarArea, m_toolBar);
    m_toolBar->hide();
    connect(m_bar, &FindBar::FindRequested, this, &FindCommands::Find);
    connect(m_bar, &FindBar::ReplaceRequested, this, &FindCommands::Replace);
    connect(m_bar, &FindBar::ReplaceAllRequested, this, &FindCommands::ReplaceAll);
    connect(m_bar, &FindBar::CloseRequested, this, &FindCommands::Close);
    connect(&session, &ProjectSession::Changed, this, [this](ProjectSession::Changes what) {
        if (what & ProjectSession::TablesChanged)
            m_hasHit = false;
        if (!m_session.IsOpen() && BarShown()) {
            m_toolBar->hide();
            followBar();
        }
    });
}

void FindCommands::Connect(MainActions& actions)
{
    m_actions = &actions;
    connect(actions.find, &QAction::triggered, this, [this] { Open(false); });
    connect(actions.replace, &QAction::triggered, this, [this] { Open(true); });
    connect(actions.findNext, &QAction::triggered, this, [this] { Find(false); });
    connect(actions.findPrevious, &QAction::triggered, this, [this] { Find(true); });
}

bool FindCommands::BarShown() const
{
    return !m_toolBar->isHidden();
}

void FindCommands::Open(bool replacing)
{
    if (!m_session.IsOpen())
        return;
    m_toolBar->show();
    followBar();
    m_bar->Open(replacing, m_view.StandardFont(), m_view.GraphicsFont());
}

void FindCommands::followBar()
{
    if (m_actions) {
        m_actions->searchFieldsShown = BarShown();
        m_actions->Update();
    }
}

void FindCommands::Close()
{
    m_toolBar->hide();
    followBar();
    if (m_view.EditorShown())
        m_view.Editor()->setFocus(Qt::OtherFocusReason);
    else
        m_view.Grid()->setFocus(Qt::OtherFocusReason);
}

TextSearch FindCommands::search() const
{
    return TextSearch(m_bar->Pattern(), m_bar->Options());
}

ProjectFind::Place FindCommands::start(bool backward) const
{
    const MessageGrid& grid = *m_view.Grid();
    ProjectFind::Place place{m_session.currentTable, grid.Row() - 1, std::max(grid.Col() - 1, 0), {}};
    if (m_hasHit && m_hit.table == place.table && m_hit.slot == place.slot && m_hit.language == place.language)
        return m_hit;
    place.hit.start = backward ? INT_MAX : -1;
    return place;
}

void FindCommands::Find(bool backward)
{
    if (!m_session.IsOpen())
        return;
    if (!BarShown()) {
        Open(false);
        if (m_bar->Pattern().isEmpty())
            return;
    }
    const TextSearch what = search();
    if (what.IsEmpty())
        return;
    if (!m_view.CellEdit().EndCellEdit(*m_session.CurrentTable()))
        return;
    const auto found = ProjectFind::FindNext(m_session, what, m_bar->Scope(), start(backward), backward);
    if (!found) {
        m_hasHit = false;
        m_bar->SetResult(tr("Nicht gefunden."));
        QApplication::beep();
        return;
    }
    show(*found);
}

void FindCommands::show(const ProjectFind::Place& place)
{
    if (place.table != m_session.currentTable)
        m_edit.ShowTable(place.table);
    MessageGrid& grid = *m_view.Grid();
    const int row = place.slot + 1;
    const int col = place.language + 1;
    grid.SetSelection({col, row, col, row});
    grid.ShowRow(row);
    m_view.InvalidateGrid();
    m_view.NotifyStatus();
    m_hit = place;
    m_hasHit = true;
    const int number = m_session.CurrentTable()->At(place.slot).number;
    m_bar->SetResult(tr("Meldung %1, Sprache%2").arg(number).arg(place.language + 1));
}

void FindCommands::Replace()
{
    if (!m_session.IsOpen() || !m_view.CellEdit().EndCellEdit(*m_session.CurrentTable()))
        return;
    const TextSearch what = search();
    const QByteArray replacement = m_bar->Replacement();
    ProjectFind::Place from = start(false);
    if (m_hasHit && ProjectFind::ReplaceOne(m_session, what, from, replacement)) {
        refresh();
        // Go on after the replacement, never inside it.
        from.hit.start += std::max<int>(static_cast<int>(replacement.size()) - 1, -1);
    }
    const auto found = ProjectFind::FindNext(m_session, what, m_bar->Scope(), from, false);
    if (found) {
        show(*found);
    } else {
        m_hasHit = false;
        m_bar->SetResult(tr("Nicht gefunden."));
    }
}

void FindCommands::ReplaceAll()
{
    if (!m_session.IsOpen() || !m_view.CellEdit().EndCellEdit(*m_session.CurrentTable()))
        return;
    const int count = ProjectFind::ReplaceAll(m_session, search(), m_bar->Scope(), m_bar->Replacement());
    refresh();
    m_hasHit = false;
    m_bar->SetResult(count == 1 ? tr("1 Stelle ersetzt.") : tr("%1 Stellen ersetzt.").arg(count));
}

void FindCommands::refresh()
{
    m_view.RefreshLayout(*m_session.CurrentTable());
    m_view.InvalidateGrid();
}
