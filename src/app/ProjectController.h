#pragma once

#include <QObject>
#include <QString>

#include "project/ProjectConfig.h"

struct AppDialogs;
class MainActions;
class MessageView;
class ProjectSession;
class QWidget;

// The main window's project commands: open (through the open/new or the recent-projects
// dialog, or a folder given at start-up), save, close with the question about changes,
// the character set switch, the download and the options.
class ProjectController : public QObject
{
    Q_OBJECT

public:
    ProjectController(ProjectSession& session, MessageView& view, MainActions& actions, AppDialogs& dialogs,
                      QWidget& parent);

    // "&Öffnen/Neu..." and the start screen: the dialog the start choice names.
    void OpenProject();
    void OpenCommand();
    void RecentCommand();
    // Closes the open project and opens the given one. False when it is not open afterwards.
    bool OpenProjectState(const TProjectState& state, bool isNewProject, bool readFromDisplay);
    // Opens an existing project folder as the recent-projects dialog would.
    bool OpenFolder(const QString& folder);

    // False when the user cancelled (or a save that the user asked for failed).
    bool CloseProject(bool ask);
    // Raises the German error of a failed write.
    void SaveProject();
    void SaveCommand();

    void RefreshCharSetNames();
    // Applies a character set name still waiting for its timer.
    void FlushCharSetBox();
    // The box's text settled (a name of the list switches) or was confirmed with Enter
    // (a new name switches after the question whether an empty set is to be made).
    void CharSetSettled(bool confirmed = false);

    void Transfer();
    // "An mehrere Anzeigen übertragen...": the selection, then one download to every port
    // of a list at once.
    void TransferToSeveral();
    // "Anzeige vergleichen...": reads the display into memory and lists what differs.
    // True when the user chose a message of the operating texts to be shown.
    bool CompareWithDisplay(int& number, int& language);
    // "Mit Projekt vergleichen...": another project folder (or this one's ".bak" files)
    // side by side; an empty folder asks for one.
    void CompareWithProject(const QString& folder = QString());
    void ShowOptions();

Q_SIGNALS:
    // A download reached its end; the note says what was sent, as the command line does.
    void TransferReported(const QString& note);

private:
    void failOpen(const QString& message);
    // Runs the transfer window on `session`; false when an error ended the run.
    bool runTransfer(ProjectSession& session, bool download);
    // The selection dialog, then the open edit stored: both downloads begin so.
    bool chooseWhatToTransfer();
    bool validCharSetName(const QString& name) const;

    ProjectSession& m_session;
    MessageView& m_view;
    MainActions& m_actions;
    AppDialogs& m_dialogs;
    QWidget& m_parent;
};
