#pragma once

#include <QObject>

#include "session/ProjectFind.h"

class EditCommands;
class FindBar;
class MainActions;
class MessageView;
class ProjectSession;
class QMainWindow;
class QToolBar;

// "Suchen", "Weitersuchen", "Rückwärts suchen" and "Ersetzen": the find bar at the
// window's bottom and the hits it shows in the grid.
class FindCommands : public QObject
{
    Q_OBJECT

public:
    FindCommands(ProjectSession& session, MessageView& view, EditCommands& edit, QMainWindow& window);

    void Connect(MainActions& actions);
    FindBar* Bar() const { return m_bar; }
    bool BarShown() const;

    void Open(bool replacing);
    void Find(bool backward);
    void Replace();
    void ReplaceAll();
    void Close();

private:
    TextSearch search() const;
    // Where the search goes on from: the hit shown last while the grid still shows it,
    // else the start (or end) of the grid's current cell.
    ProjectFind::Place start(bool backward) const;
    void show(const ProjectFind::Place& place);
    void refresh();
    // "Blink" and "Grafik" work in the bar's fields while it is shown.
    void followBar();

    ProjectSession& m_session;
    MessageView& m_view;
    EditCommands& m_edit;
    QMainWindow& m_window;
    QToolBar* m_toolBar;
    FindBar* m_bar;
    ProjectFind::Place m_hit;
    bool m_hasHit = false;
    MainActions* m_actions = nullptr;
};
