#pragma once

#include <QObject>

class EditCommands;
class MainActions;
class MessageView;
class ProjectSession;
class QMainWindow;

// "Für Übersetzung exportieren...", "Übersetzung importieren..." and
// "Übersetzungsstand" of the project menu: the first language to the second.
class TranslationCommands : public QObject
{
    Q_OBJECT

public:
    TranslationCommands(ProjectSession& session, MessageView& view, EditCommands& edit, QMainWindow& window);

    void Connect(MainActions& actions);

    void Export();
    void Import();
    // Counts per table in the status bar.
    void ShowStatus();

private:
    ProjectSession& m_session;
    MessageView& m_view;
    EditCommands& m_edit;
    QMainWindow& m_window;
};
