#include "app/ProjectFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "app/MainActions.h"
#include "app/AppDialogs.h"
#include "app/MessageView.h"
#include "app/ProjectController.h"
#include "common/SettingsStore.h"
#include "common/TavolinError.h"
#include "common/ui/MessageBox.h"
#include "project/FolderSwap.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "project/RecycleBin.h"
#include "project/ui/Loeschen.h"
#include "project/ui/Speichernunter.h"
#include "session/ProjectSession.h"
#include "texts/MessageTable.h"

namespace {

QString Clean(const QString& folder)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

} // namespace

ProjectFileCommands::ProjectFileCommands(ProjectSession& session, MessageView& view, ProjectController& projects,
                                         AppDialogs& dialogs, QWidget& parent)
    : QObject(&parent), m_session(session), m_view(view), m_projects(projects), m_dialogs(dialogs), m_parent(parent)
{
}

void ProjectFileCommands::Connect(MainActions& actions)
{
    connect(actions.saveAs, &QAction::triggered, this, &ProjectFileCommands::SaveAs);
    connect(actions.deleteProject, &QAction::triggered, this, &ProjectFileCommands::Delete);
}

void ProjectFileCommands::SaveAs()
{
    ProjectSession& session = m_session;
    if (!session.IsOpen())
        return;
    Speichernunter& dialog = *m_dialogs.speichernunter;
    dialog.target = session.project.folder;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString target = Clean(dialog.target);
    if (QFileInfo::exists(target)) {
        const QString question = tr("Das Projekt \r\"%1\"\r besteht bereits.\rMöchten Sie sie ersetzen?")
                                     .arg(QDir::toNativeSeparators(target));
        if (MessageBox::YesNo(&m_parent, m_parent.windowTitle(), question) != QMessageBox::Yes)
            return;
    }
    try {
        // Into its own folder it is an ordinary save: the files it keeps there stay.
        if (target == Clean(session.project.folder))
            m_projects.SaveProject();
        else
            saveInto(target);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
        return;
    }
    // The caption names the new folder.
    session.Notify(ProjectSession::ModifiedChanged);
    const QString base = StripTrailingDelimiter(QFileInfo(target).absolutePath());
    SettingsStore::Write(SettingsStore::Key::ProjectBasePath, base);
    RecentList::BasePaths().PushFront(base);
}

void ProjectFileCommands::saveInto(const QString& target)
{
    ProjectSession& session = m_session;
    if (QFileInfo(target).exists() && !QFileInfo(target).isDir())
        throw TavolinError(tr("\"%1\" ist eine Datei, kein Projektordner.").arg(QDir::toNativeSeparators(target)));
    m_projects.FlushCharSetBox();
    m_view.CellEdit().StoreCellEdit(*session.CurrentTable());
    const QString oldFolder = session.project.folder;
    const auto pointTablesAt = [&session] {
        for (const auto& tl : session.TableLanguages())
            session.Table(tl.table)->fileName[static_cast<size_t>(tl.language)] = session.project.TextFilePath(tl.table, tl.language);
    };
    const QString staging = MakeStagingFolder(target);
    QString note;
    try {
        session.project.folder = staging;
        session.Save();
        note = ReplaceFolder(staging, target);
    } catch (const TavolinError&) {
        QDir(staging).removeRecursively();
        session.project.folder = oldFolder;
        session.project.modified = true; // saved nowhere
        pointTablesAt();
        throw;
    }
    session.project.folder = target.left(TProjectState::MaxFolder);
    // The project is now written here: its lock moves along.
    session.HoldLock(std::make_unique<ProjectLock>(session.project.folder));
    pointTablesAt();
    m_projects.RefreshCharSetNames();
    if (!note.isEmpty())
        MessageBox::Error(&m_parent, note);
}

void ProjectFileCommands::Delete()
{
    ProjectSession& session = m_session;
    Loeschen& dialog = *m_dialogs.loeschen;
    dialog.target = session.IsOpen() ? session.project.folder : QString();
    if (dialog.exec() != QDialog::Accepted || dialog.target.isEmpty())
        return;
    const QString target = Clean(dialog.target);
    const bool trash = HasRecycleBin();
    QString question = tr("Möchten Sie Projekt \r\"%1\"\r wirklich löschen ?").arg(QDir::toNativeSeparators(target));
    if (!trash)
        question += tr("\r\rEs gibt keinen Papierkorb: der Ordner wird endgültig gelöscht.");
    if (MessageBox::YesNo(&m_parent, m_parent.windowTitle(), question) != QMessageBox::Yes)
        return;
    const QString openFolder = session.project.folder;
    const bool isOpen = session.IsOpen() && target == Clean(openFolder);
    QString reason;
    if (!(trash ? DeleteToRecycleBin(target, &reason) : DeleteForGood(target, &reason))) {
        // The project stays open with whatever it holds, so nothing is lost.
        MessageBox::Error(&m_parent,
                          tr("Das Projekt \r\"%1\"\r konnte nicht gelöscht werden:\r%2")
                              .arg(QDir::toNativeSeparators(target), reason));
        return;
    }
    if (isOpen) {
        m_projects.CloseProject(false);
        RecentList::Projects().Remove(openFolder);
    }
    RecentList::Projects().Remove(target);
}
