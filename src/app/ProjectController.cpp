#include "app/ProjectController.h"

#include <QDir>
#include <QFileInfo>

#include "app/CharSetBox.h"
#include "app/MainActions.h"
#include "app/AppDialogs.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "charset/FontEditorLink.h"
#include "common/TavolinError.h"
#include "common/ui/FolderPicker.h"
#include "common/ui/MessageBox.h"
#include "compare/ui/ProjectCompareWindow.h"
#include "session/ProjectSession.h"
#include "dialogs/Optionen.h"
#include "dialogs/Startdialog.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "common/SettingsStore.h"
#include "project/ui/Import1.h"
#include "project/ui/Letzteprjdialog.h"
#include "project/ui/Projekt_offnen.h"
#include "transfer/DisplayCompare.h"
#include "transfer/TransferProtocol.h"
#include "transfer/ui/DisplayCompareDialog.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/MultiDownloadDialog.h"
#include "transfer/ui/Uebertragen.h"

ProjectController::ProjectController(ProjectSession& session, MessageView& view, MainActions& actions,
                                     AppDialogs& dialogs, QWidget& parent)
    : QObject(&parent), m_session(session), m_view(view), m_actions(actions), m_dialogs(dialogs), m_parent(parent)
{
}

void ProjectController::OpenCommand()
{
    m_dialogs.startdialog->choice = Startdialog::NoChoice;
    OpenProject();
}

void ProjectController::RecentCommand()
{
    m_dialogs.startdialog->choice = Startdialog::RecentProjects;
    OpenProject();
}

void ProjectController::OpenProject()
{
    const bool recentMode = m_dialogs.startdialog->choice == Startdialog::RecentProjects;
    m_dialogs.startdialog->choice = Startdialog::NoChoice;
    const TProjectState current = m_session.project;
    if (recentMode) {
        Letzteprjdialog& dialog = *m_dialogs.letzteprjdialog;
        dialog.state = current;
        if (dialog.exec() != QDialog::Accepted)
            return;
        OpenProjectState(dialog.state, false, false);
        return;
    }
    Projekt_offnen& dialog = *m_dialogs.projektOffnen;
    dialog.state = current;
    if (dialog.exec() != QDialog::Accepted)
        return;
    OpenProjectState(dialog.state, dialog.isNewProject, dialog.isNewProject && dialog.readFromDisplay);
}

bool ProjectController::OpenFolder(const QString& folder)
{
    TProjectState state;
    try {
        state = ProjectSession::ReadFolder(folder);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
        return false;
    }
    return OpenProjectState(state, false, false);
}

bool ProjectController::OpenProjectState(const TProjectState& state, bool isNewProject, bool readFromDisplay)
{
    // The display is read before the open project is closed: a read-back that fails or
    // is aborted leaves that project as it was.
    ProjectSession readBack;
    if (readFromDisplay) {
        readBack.Begin(state, nullptr);
        if (!runTransfer(readBack, false)) {
            MessageBox::Error(&m_parent, m_dialogs.laden->ErrorText());
            return false;
        }
    }
    if (!CloseProject(true))
        return false;
    // The project is written by one program at a time; a second one may still look at it.
    std::unique_ptr<ProjectLock> lock;
    if (QFileInfo(state.folder).isDir()) {
        lock = std::make_unique<ProjectLock>(state.folder);
        if (lock->Result() == ProjectLock::State::HeldElsewhere
            && MessageBox::YesNo(&m_parent, m_parent.windowTitle(),
                                 lock->HolderMessage() + tr("\r\rDas Projekt schreibgeschützt öffnen?"))
                   != QMessageBox::Yes)
            return false;
    }
    try {
        RecentList::Projects().Remove(state.folder);
        SettingsStore::Write(SettingsStore::Key::ProjectBasePath,
                                  StripTrailingDelimiter(QFileInfo(state.folder).absolutePath()));
        RecentList::BasePaths().PushFront(SettingsStore::Read(SettingsStore::Key::ProjectBasePath));

        m_session.Begin(state, &m_view);
        if (lock)
            m_session.HoldLock(std::move(lock));
        m_actions.charSetBox->SetTextQuietly(m_session.CharSetName());
        ReadWarnings warnings;
        if (readFromDisplay) {
            m_session.TakeContent(readBack, &m_view);
            m_session.Notify(ProjectSession::TablesChanged);
        } else {
            warnings = m_session.LoadFiles(isNewProject);
        }
        RefreshCharSetNames();
        m_session.ImportStandardCharSet();

        m_view.SetTable(m_session.CurrentTable(), m_session.project.displayType);
        m_view.Grid()->SetTopRow(1);
        m_view.Grid()->SetSelection({1, 1, 1, 1});
        m_view.RefreshLayout(*m_session.CurrentTable());
        m_view.Grid()->setFocus(Qt::OtherFocusReason);

        if (m_session.lock && m_session.lock->Result() == ProjectLock::State::Impossible)
            MessageBox::Warning(&m_parent, m_session.readOnly + tr("\rDas Projekt ist schreibgeschützt geöffnet."));
        if (!warnings.isEmpty())
            MessageBox::Warning(&m_parent,
                                tr("Beim Öffnen des Projekts wurde nicht alles gelesen:\r\r")
                                    + FormatReadWarnings(warnings, 20, QStringLiteral("\r\r")));
        return true;
    } catch (const TavolinError& error) {
        failOpen(error.message());
    } catch (const std::exception& error) {
        failOpen(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

bool ProjectController::runTransfer(ProjectSession& session, bool download)
{
    LadenJob job;
    job.download = download;
    job.operating = session.Table(0);
    job.diagnostic = session.Table(1);
    job.graphics = &session.graphics;
    job.project = session.project;
    job.port = SettingsStore::Read(SettingsStore::Key::Port);
    Laden& laden = *m_dialogs.laden;
    laden.SetJob(job);
    return laden.exec() == QDialog::Accepted;
}

void ProjectController::failOpen(const QString& message)
{
    m_view.HideGrid();
    m_view.CellEdit().Abandon();
    m_view.SetTable(nullptr, TDisplayType());
    m_session.Clear();
    m_actions.charSetBox->StopTimer();
    m_actions.charSetBox->SetTextQuietly(QString());
    m_view.NotifyStatus();
    MessageBox::Error(&m_parent, message);
}

bool ProjectController::CloseProject(bool ask)
{
    // A glyph editor's last save still counts as a change of the open project's set.
    try {
        if (!m_session.IsOpen())
            FontEditorLink::Instance().EndEditor();
        else if (m_session.graphics.EndEditor())
            m_view.InvalidateGrid();
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
    if (m_session.IsOpen()) {
        if (!m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable()) && ask)
            return false;
        if (ask && m_session.NeedsSaving()) {
            const QString text = tr("%1\rProjekt wurde geändert.\r\rMöchten Sie die Änderungen speicher?")
                                     .arg(QDir::toNativeSeparators(m_session.project.folder));
            const auto answer = MessageBox::YesNoCancel(&m_parent, m_parent.windowTitle(), text);
            if (answer == QMessageBox::Cancel)
                return false;
            if (answer == QMessageBox::Yes) {
                try {
                    SaveProject();
                } catch (const TavolinError& error) {
                    MessageBox::Error(&m_parent, error.message());
                    return false;
                }
            }
        }
    }
    m_actions.charSetBox->StopTimer();
    m_actions.charSetBox->SetTextQuietly(QString());
    // Stored above; a refused text has been shown and goes with the project.
    m_view.CellEdit().Abandon();
    m_view.HideGrid();
    if (m_session.onDisk)
        RecentList::Projects().PushFront(m_session.project.folder);
    m_view.SetTable(nullptr, TDisplayType());
    m_session.Clear();
    m_dialogs.import1->baseFolder.clear();
    m_view.NotifyStatus();
    return true;
}

void ProjectController::SaveProject()
{
    if (!m_session.IsOpen())
        return;
    FlushCharSetBox();
    if (!m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable()))
        throw TavolinError(tr("Das Projekt wurde nicht gespeichert."));
    const bool newCharSetFile = m_session.Save();
    // A new project's folder exists from its first save on; from then on it is locked.
    if (!m_session.lock)
        m_session.HoldLock(std::make_unique<ProjectLock>(m_session.project.folder));
    if (newCharSetFile)
        RefreshCharSetNames();
}

void ProjectController::SaveCommand()
{
    try {
        SaveProject();
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
}

void ProjectController::RefreshCharSetNames()
{
    m_actions.charSetBox->SetNames(ListFilesByExtension(m_session.project.folder, QStringLiteral("pix")));
}

void ProjectController::FlushCharSetBox()
{
    if (m_actions.charSetBox->Pending())
        CharSetSettled();
    // A new name that was never confirmed does not count.
    if (m_session.IsOpen() && m_actions.charSetBox->currentText() != m_session.CharSetName())
        m_actions.charSetBox->SetTextQuietly(m_session.CharSetName());
}

bool ProjectController::validCharSetName(const QString& name) const
{
    // The name becomes a file name in the project folder and a configuration field.
    if (name.trimmed().isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() > 0xFF || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    return true;
}

void ProjectController::CharSetSettled(bool confirmed)
{
    CharSetBox& box = *m_actions.charSetBox;
    box.StopTimer();
    if (!m_session.IsOpen())
        return;
    const QString oldName = m_session.CharSetName();
    const QString newName = box.currentText();
    if (newName == oldName || newName.isEmpty())
        return;
    if (!validCharSetName(newName)) {
        MessageBox::Error(&m_parent, tr("\"%1\" ist kein gültiger Name für einen Zeichensatz.").arg(newName));
        box.SetTextQuietly(oldName);
        return;
    }
    if (!QFileInfo::exists(m_session.PixPath(newName))) {
        // A name being typed is no choice yet; only Enter and a yes make a new set.
        if (!confirmed)
            return;
        const QString question = tr("Den Zeichensatz \"%1\" gibt es im Projekt nicht.\r"
                                    "Ein neuer Zeichensatz wird angelegt.\r\r"
                                    "Möchten Sie das?")
                                     .arg(newName);
        if (MessageBox::YesNo(&m_parent, tr("Zeichensatz"), question) != QMessageBox::Yes) {
            box.SetTextQuietly(oldName);
            return;
        }
    }
    try {
        if (m_session.graphics.modified) {
            const auto answer = MessageBox::YesNoCancel(
                &m_parent, m_parent.windowTitle(),
                tr("\"%1.pix\"\rPixeldatei wurde geändert.\r\rMöchten Sie die Änderungen speicher?").arg(oldName));
            if (answer == QMessageBox::Yes) {
                const bool existed = QFileInfo::exists(m_session.PixPath(oldName));
                m_session.graphics.Save(m_session.PixPath(oldName));
                if (!existed)
                    RefreshCharSetNames();
            } else if (answer != QMessageBox::No) {
                box.SetTextQuietly(oldName);
                return;
            }
        }
        m_session.history.Record(tr("Zeichensatz %1 wählen").arg(newName),
                                 SessionSnapshot::Configuration | SessionSnapshot::Glyphs, [&] {
                                     m_session.SetCharSetName(newName);
                                     m_session.ImportGraphics(newName);
                                     m_session.MarkModified();
                                 });
        if (FontEditorLink::Instance().IsVisible()) {
            m_session.graphics.EndEditor();
            m_session.graphics.StartEditor(&m_parent, m_parent.x(), m_parent.y());
            box.setFocus();
        }
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
    m_view.InvalidateGrid();
    m_view.Panel()->update();
}

bool ProjectController::chooseWhatToTransfer()
{
    if (!m_session.IsOpen())
        return false;
    Uebertragen& selection = *m_dialogs.uebertragen;
    selection.SetDisplayType(m_session.project.displayType);
    if (selection.exec() != QDialog::Accepted)
        return false;
    return m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable());
}

void ProjectController::Transfer()
{
    if (!chooseWhatToTransfer())
        return;
    if (!runTransfer(m_session, true)) {
        MessageBox::Error(&m_parent, m_dialogs.laden->ErrorText());
        return;
    }
    // The display's own complaints were shown as they came; the note must not hide them.
    Q_EMIT TransferReported(m_dialogs.laden->DisplayMessageCount() > 0
                                ? tr("Übertragung mit Fehlern beendet.")
                                : tr("Übertragung beendet: %1.")
                                      .arg(Selection::Describe(Selection::Effective(m_session.Job(true)))));
}

void ProjectController::TransferToSeveral()
{
    if (!chooseWhatToTransfer())
        return;
    MultiDownloadDialog dialog(&m_parent);
    dialog.SetJob(m_session.Job(true));
    dialog.exec();
}

bool ProjectController::CompareWithDisplay(int& number, int& language)
{
    if (!m_session.IsOpen())
        return false;
    m_view.CellEdit().StoreCellEdit(*m_session.CurrentTable());
    try {
        TDisplayCompare compare(m_session.Job(true));
        const TransferJob read = compare.ReadJob();
        LadenJob job;
        job.download = false;
        job.operating = read.operating;
        job.project = m_session.project;
        job.port = SettingsStore::Read(SettingsStore::Key::Port);
        job.receivedCharSet = read.receivedCharSet;
        Laden& laden = *m_dialogs.laden;
        laden.SetJob(job);
        if (laden.exec() != QDialog::Accepted) {
            MessageBox::Error(&m_parent, laden.ErrorText());
            return false;
        }
        DisplayCompareDialog dialog(compare.Result(), &m_parent);
        if (dialog.exec() != QDialog::Accepted || dialog.ChosenNumber() < 0)
            return false;
        number = dialog.ChosenNumber();
        language = dialog.ChosenLanguage();
        return true;
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
    }
    return false;
}

void ProjectController::CompareWithProject(const QString& chosen)
{
    if (!m_session.IsOpen())
        return;
    // A message taken across must not be overwritten by an edit still open on it.
    m_view.CloseEdit();
    const QString folder = chosen.isEmpty() ? BrowseForFolder(&m_parent, QFileInfo(m_session.project.folder).path())
                                            : chosen;
    if (folder.isEmpty())
        return;
    ProjectCompareWindow window(m_session, &m_parent);
    try {
        // The project itself: what the last save changed.
        const bool self = QFileInfo(folder).canonicalFilePath() == QFileInfo(m_session.project.folder).canonicalFilePath();
        window.SetOther(folder, self);
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_parent, error.message());
        return;
    }
    window.exec();
}

void ProjectController::ShowOptions()
{
    // The status bar follows the stored port through the settings' change signal.
    m_dialogs.optionen->exec();
}
