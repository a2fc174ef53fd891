#pragma once

#include <QObject>
#include <QTimer>

class GotoMessage;
class MainActions;
class MessageView;
class PreviewDock;
class ProjectSession;
class QMainWindow;

// The commands of the menu "&Ansicht": going to a message by its number, and the display
// preview, which follows the grid's current cell and the text being typed in the editor.
class ViewCommands : public QObject
{
    Q_OBJECT

public:
    ViewCommands(ProjectSession& session, MessageView& view, MainActions& actions, QMainWindow& window);

    void GoToMessage();

    PreviewDock* Preview() const { return m_preview; }
    GotoMessage* GoToDialog() const { return m_goTo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void loadProject();

    ProjectSession& m_session;
    MessageView& m_view;
    QMainWindow& m_window;
    GotoMessage* m_goTo;
    PreviewDock* m_preview;
    // Many notifications come at once (a click selects, opens the editor and moves the
    // caret); the preview follows them once, when they are done.
    QTimer m_follow;
    const void* m_shownTable = nullptr;
    int m_shownNumber = -1;
    int m_shownLanguage = -1;
};
