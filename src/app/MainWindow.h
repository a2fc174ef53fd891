#pragma once

#include <QMainWindow>
#include <memory>

#include "app/AppDialogs.h"
#include "session/ProjectSession.h"

class EditCommands;
class FindCommands;
class MainActions;
class MessageView;
class ProjectController;
class StatusBar;
class ViewCommands;

// The editor's one main window: it owns the open project, the grid with its in-place
// editor, the menus and every dialog, and routes the notifications of the glyph editor
// and of the font rebuilds.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ProjectSession& Session() { return m_session; }
    MessageView* View() const { return m_view; }
    MainActions* Actions() const { return m_actions; }
    AppDialogs& Dialogs() { return m_dialogs; }
    StatusBar* Status() const { return m_status; }
    ProjectController* Projects() const { return m_projects.get(); }
    EditCommands* Edit() const { return m_edit.get(); }
    FindCommands* Finder() const { return m_find; }
    ViewCommands* Views() const { return m_views; }

    // The start screen is not offered (a project is opened from the command line).
    void SkipStartScreen() { m_firstActivation = false; }

    // Caret and attributes of the in-place editor into the status bar.
    void UpdateStatus();

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void onFontChange(int code, const QString& face);
    void onGlyphEditorEvent(QEvent* event);
    void showStartScreen();
    void showHelp();
    // Size, place and tool bar as the user left them; the first time a size that shows
    // the widest display lines without scrolling, as far as the screen allows.
    void restoreWindow();
    void saveWindow();

    ProjectSession m_session;
    MessageView* m_view;
    StatusBar* m_status;
    MainActions* m_actions;
    AppDialogs m_dialogs;
    std::unique_ptr<ProjectController> m_projects;
    std::unique_ptr<EditCommands> m_edit;
    FindCommands* m_find = nullptr;
    ViewCommands* m_views = nullptr;
    bool m_firstActivation = true;
};
