#include "app/ProjectController.h"

#include <QDir>
#include <QFileInfo>

#include "app/CharSetBox.h"
#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "app/StatusBar.h"
#include "charset/FontEditorLink.h"
#include "common/TavolinError.h"
#include "dialogs/MessageBox.h"
#include "dialogs/Optionen.h"
#include "dialogs/Startdialog.h"
#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "project/SettingsStore.h"
#include "project/ui/Import1.h"
#include "project/ui/Letzteprjdialog.h"
#include "project/ui/Projekt_offnen.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

ProjectController::ProjectController(MainWindow& window) : QObject(&window), m_window(window) {}

void ProjectController::OpenCommand()
{
    m_window.Dialogs().startdialog->choice = Startdialog::NoChoice;
    OpenProject();
}

void ProjectController::RecentCommand()
{
    m_window.Dialogs().startdialog->choice = Startdialog::RecentProjects;
    OpenProject();
}

void ProjectController::OpenProject()
{
    AppDialogs& dialogs = m_window.Dialogs();
    const bool recentMode = dialogs.startdialog->choice == Startdialog::RecentProjects;
    dialogs.startdialog->choice = Startdialog::NoChoice;
    const TProjectState current = m_window.Session().project;
    if (recentMode) {
        Letzteprjdialog& dialog = *dialogs.letzteprjdialog;
        dialog.state = current;
        if (dialog.exec() != QDialog::Accepted)
            return;
        OpenProjectState(dialog.state, false, false);
        return;
    }
    Projekt_offnen& dialog = *dialogs.projektOffnen;
    dialog.state = current;
    if (dialog.exec() != QDialog::Accepted)
        return;
    OpenProjectState(dialog.state, dialog.isNewProject, dialog.isNewProject && dialog.readFromDisplay);
}

bool ProjectController::OpenFolder(const QString& folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(path).isDir()) {
        MessageBox::Error(&m_window, QStringLiteral("Das Projekt \"%1\" existiert nicht.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    TProjectState state;
    state.config = DefaultProjectConfig();
    state.modified = true;
    state.folder = path.left(TProjectState::MaxFolder);
    try {
        if (ReadProjectConfig(path, state.config))
            state.modified = false;
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
        return false;
    }
    const QString typeName = TProjectConfig::Get(state.config.displayTypeName);
    if (typeName.isEmpty() || !FindDisplayType(typeName, state.displayType)) {
        MessageBox::Error(&m_window, QStringLiteral("Der Anzeigentyp \"%1\" ist unbekannt.").arg(typeName));
        return false;
    }
    return OpenProjectState(state, false, false);
}

bool ProjectController::OpenProjectState(const TProjectState& state, bool isNewProject, bool readFromDisplay)
{
    if (!CloseProject(true))
        return false;
    ProjectSession& session = m_window.Session();
    MessageView& view = *m_window.View();
    MainActions& actions = *m_window.Actions();
    try {
        RecentList::Projects().Remove(state.folder);
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"),
                                  StripTrailingDelimiter(QFileInfo(state.folder).absolutePath()));
        RecentList::BasePaths().PushFront(SettingsStore::ReadValue(QStringLiteral("PRJBasePath")));

        session.Begin(state, &view);
        actions.charSetBox->SetTextQuietly(session.CharSetName());
        ReadWarnings warnings;
        if (readFromDisplay)
            readBack();
        else
            warnings = session.LoadFiles(isNewProject);
        RefreshCharSetNames();
        session.ImportStandardCharSet();

        view.SetTable(session.CurrentTable(), session.project.displayType);
        view.Grid()->SetTopRow(1);
        view.Grid()->SetSelection({1, 1, 1, 1});
        view.RefreshLayout(*session.CurrentTable());
        view.Grid()->setFocus(Qt::OtherFocusReason);

        actions.SetProjectOpen(true);
        UpdateCaption();
        if (!warnings.isEmpty())
            MessageBox::Warning(&m_window, QStringLiteral("Beim Öffnen des Projekts wurde nicht alles gelesen:\r\r")
                                               + FormatReadWarnings(warnings, 20, QStringLiteral("\r\r")));
        return true;
    } catch (const TavolinError& error) {
        failOpen(error.message());
    } catch (const std::exception& error) {
        failOpen(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

bool ProjectController::runTransfer(bool download)
{
    ProjectSession& session = m_window.Session();
    LadenJob job;
    job.download = download;
    job.operating = session.Table(0);
    job.diagnostic = session.Table(1);
    job.graphics = &session.graphics;
    job.project = session.project;
    job.port = SettingsStore::ReadValue(QStringLiteral("Schnittstelle"));
    Laden& laden = *m_window.Dialogs().laden;
    laden.SetJob(job);
    return laden.exec() == QDialog::Accepted;
}

void ProjectController::readBack()
{
    if (!runTransfer(false))
        throw TavolinError(m_window.Dialogs().laden->ErrorText());
}

void ProjectController::failOpen(const QString& message)
{
    MessageView& view = *m_window.View();
    view.HideGrid();
    view.CellEdit().Abandon();
    view.SetTable(nullptr, TDisplayType());
    m_window.Session().Clear();
    m_window.Actions()->charSetBox->StopTimer();
    m_window.Actions()->charSetBox->SetTextQuietly(QString());
    m_window.Actions()->SetProjectOpen(false);
    m_window.Actions()->SetTables(false, 0);
    m_window.setWindowTitle(QStringLiteral("Tavolin"));
    m_window.UpdateStatus();
    MessageBox::Error(&m_window, message);
}

bool ProjectController::CloseProject(bool ask)
{
    ProjectSession& session = m_window.Session();
    MessageView& view = *m_window.View();
    MainActions& actions = *m_window.Actions();
    // A glyph editor's last save still counts as a change of the open project's set.
    try {
        if (!session.IsOpen())
            FontEditorLink::Instance().EndEditor();
        else if (session.graphics.EndEditor())
            view.InvalidateGrid();
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
    if (session.IsOpen()) {
        if (!view.CellEdit().StoreCellEdit(*session.CurrentTable()) && ask)
            return false;
        if (ask && session.NeedsSaving()) {
            const QString text = QStringLiteral("%1\rProjekt wurde geändert.\r\rMöchten Sie die Änderungen speicher?")
                                     .arg(QDir::toNativeSeparators(session.project.folder));
            const auto answer = MessageBox::YesNoCancel(&m_window, m_window.windowTitle(), text);
            if (answer == QMessageBox::Cancel)
                return false;
            if (answer == QMessageBox::Yes) {
                try {
                    SaveProject();
                } catch (const TavolinError& error) {
                    MessageBox::Error(&m_window, error.message());
                    return false;
                }
            }
        }
    }
    m_window.setWindowTitle(QStringLiteral("Tavolin"));
    actions.SetProjectOpen(false);
    actions.SetTables(false, 0);
    actions.charSetBox->StopTimer();
    actions.charSetBox->SetTextQuietly(QString());
    // Stored above; a refused text has been shown and goes with the project.
    view.CellEdit().Abandon();
    view.HideGrid();
    RecentList::Projects().PushFront(session.project.folder);
    view.SetTable(nullptr, TDisplayType());
    session.Clear();
    m_window.Dialogs().import1->baseFolder.clear();
    m_window.UpdateStatus();
    return true;
}

void ProjectController::SaveProject()
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen())
        return;
    FlushCharSetBox();
    if (!m_window.View()->CellEdit().StoreCellEdit(*session.CurrentTable()))
        throw TavolinError(QStringLiteral("Das Projekt wurde nicht gespeichert."));
    if (session.Save())
        RefreshCharSetNames();
}

void ProjectController::SaveCommand()
{
    try {
        SaveProject();
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
}

void ProjectController::UpdateCaption()
{
    ProjectSession& session = m_window.Session();
    m_window.setWindowTitle(session.IsOpen() ? session.Caption() : QStringLiteral("Tavolin"));
    m_window.Actions()->SetTables(session.IsOpen() && session.HasDiagnosticTexts(), session.currentTable);
}

void ProjectController::RefreshCharSetNames()
{
    ProjectSession& session = m_window.Session();
    m_window.Actions()->charSetBox->SetNames(ListFilesByExtension(session.project.folder, QStringLiteral("pix")));
}

void ProjectController::FlushCharSetBox()
{
    if (m_window.Actions()->charSetBox->Pending())
        CharSetSettled();
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

void ProjectController::CharSetSettled()
{
    ProjectSession& session = m_window.Session();
    CharSetBox& box = *m_window.Actions()->charSetBox;
    box.StopTimer();
    if (!session.IsOpen())
        return;
    const QString oldName = session.CharSetName();
    const QString newName = box.currentText();
    if (newName == oldName || newName.isEmpty())
        return;
    if (!validCharSetName(newName)) {
        MessageBox::Error(&m_window, QStringLiteral("\"%1\" ist kein gültiger Name für einen Zeichensatz.").arg(newName));
        box.SetTextQuietly(oldName);
        return;
    }
    try {
        if (session.graphics.modified) {
            const auto answer = MessageBox::YesNoCancel(
                &m_window, m_window.windowTitle(),
                QStringLiteral("\"%1.pix\"\rPixeldatei wurde geändert.\r\rMöchten Sie die Änderungen speicher?").arg(oldName));
            if (answer == QMessageBox::Yes) {
                const bool existed = QFileInfo::exists(session.PixPath(oldName));
                session.graphics.Save(session.PixPath(oldName));
                if (!existed)
                    RefreshCharSetNames();
            } else if (answer != QMessageBox::No) {
                box.SetTextQuietly(oldName);
                return;
            }
        }
        session.SetCharSetName(newName);
        session.ImportGraphics(newName);
        session.project.modified = true;
        if (FontEditorLink::Instance().IsVisible()) {
            session.graphics.EndEditor();
            session.graphics.StartEditor(&m_window, m_window.x(), m_window.y());
            box.setFocus();
        }
    } catch (const TavolinError& error) {
        MessageBox::Error(&m_window, error.message());
    }
    m_window.View()->InvalidateGrid();
    m_window.View()->Panel()->update();
}

void ProjectController::Transfer()
{
    ProjectSession& session = m_window.Session();
    if (!session.IsOpen())
        return;
    Uebertragen& selection = *m_window.Dialogs().uebertragen;
    selection.SetDisplayType(session.project.displayType);
    if (selection.exec() != QDialog::Accepted)
        return;
    if (!m_window.View()->CellEdit().StoreCellEdit(*session.CurrentTable()))
        return;
    if (!runTransfer(true))
        MessageBox::Error(&m_window, m_window.Dialogs().laden->ErrorText());
}

void ProjectController::ShowOptions()
{
    if (m_window.Dialogs().optionen->exec() == QDialog::Accepted)
        m_window.Status()->SetPort(SettingsStore::ReadValue(QStringLiteral("Schnittstelle")));
}
