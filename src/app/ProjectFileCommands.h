#pragma once

#include <QObject>
#include <QString>

struct AppDialogs;
class MainActions;
class MessageView;
class ProjectController;
class ProjectSession;
class QWidget;

// "Speichern unter..." and "Löschen..." of the project menu.
class ProjectFileCommands : public QObject
{
    Q_OBJECT

public:
    ProjectFileCommands(ProjectSession& session, MessageView& view, ProjectController& projects, AppDialogs& dialogs,
                        QWidget& parent);

    void Connect(MainActions& actions);

    // Saves the open project into another folder and continues there. A folder that
    // exists is replaced only after the user agreed, and then holds exactly the project.
    void SaveAs();
    // Moves a project folder to the trash (deletes it for good where there is none). The
    // open project is closed, without the save question, once its folder is gone.
    void Delete();

private:
    // Writes the project beside `target` and swaps it in; the project continues in `target`.
    void saveInto(const QString& target);

    ProjectSession& m_session;
    MessageView& m_view;
    ProjectController& m_projects;
    AppDialogs& m_dialogs;
    QWidget& m_parent;
};
