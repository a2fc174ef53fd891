#include "session/ProjectSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "charset/TempFile.h"
#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "project/ProjectFolders.h"
#include "texts/TextFile.h"
#include "transfer/TransferProtocol.h"

ProjectSession::ProjectSession(QObject* parent) : QObject(parent) {}

ProjectSession::~ProjectSession() = default;

QList<ProjectSession::TableLanguage> ProjectSession::TableLanguages() const
{
    QList<TableLanguage> result;
    const int languages = project.displayType.LanguageCount();
    const int tableCount = HasDiagnosticTexts() ? 2 : 1;
    for (int table = 0; table < tableCount; ++table)
        for (int language = 0; language < languages; ++language)
            result.append({table, language});
    return result;
}

void ProjectSession::SetCharSetName(const QString& name)
{
    TProjectConfig::Set(project.config.charSetName, name);
}

QString ProjectSession::PixPath(const QString& name) const
{
    return project.folder + QLatin1Char('/') + name + QStringLiteral(".pix");
}

TProjectState ProjectSession::ReadFolder(const QString& folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(path).isDir())
        throw TavolinError(Messages::ProjectMissing(path));
    TProjectState state;
    state.config = DefaultProjectConfig();
    state.folder = path.left(TProjectState::MaxFolder);
    // Without a configuration the project opens with the defaults and counts as changed,
    // so that closing offers to write one.
    state.modified = !ReadProjectConfig(path, state.config);
    const QString typeName = TProjectConfig::Get(state.config.displayTypeName);
    if (typeName.isEmpty() || !FindDisplayType(typeName, state.displayType))
        throw TavolinError(Messages::UnknownDisplayType(typeName) + QLatin1Char('\n')
                           + QDir::toNativeSeparators(path + QLatin1Char('/') + QLatin1String(ProjectConfigFileName)));
    return state;
}

void ProjectSession::Load(const QString& folder)
{
    const TProjectState state = ReadFolder(folder);
    Clear();
    try {
        Begin(state);
        warnings = LoadFiles(false);
    } catch (...) {
        Clear();
        throw;
    }
}

void ProjectSession::Create(const QString& folder, const QString& displayTypeName)
{
    TProjectState state;
    state.folder = folder;
    state.config = DefaultProjectConfig();
    if (displayTypeName.isEmpty() || !FindDisplayType(displayTypeName, state.displayType))
        throw TavolinError(Messages::UnknownDisplayType(displayTypeName));
    TProjectConfig::Set(state.config.displayTypeName, state.displayType.name);
    state.modified = true;
    Clear();
    Begin(state);
}

void ProjectSession::Begin(const TProjectState& state, QObject* tableParent)
{
    project = state;
    tables[0] = std::make_unique<TMessageTable>(tableParent);
    tables[1].reset();
    if (HasDiagnosticTexts())
        tables[1] = std::make_unique<TMessageTable>(tableParent);
    currentTable = 0;
    history.Clear();
    if (CharSetName().isEmpty())
        SetCharSetName(QStringLiteral("default"));
    Notify(TablesChanged | CurrentTableChanged | ModifiedChanged | CharSetChanged);
}

void ProjectSession::TakeContent(ProjectSession& readBack, QObject* tableParent)
{
    tables.swap(readBack.tables);
    for (const auto& table : tables)
        if (table)
            table->grid = tableParent;
    // The glyphs travel through a scratch ".pix"; they came from the display, not a file.
    const QString pix = MakeTempFileName(0);
    try {
        readBack.graphics.Save(pix);
        graphics.Import(pix);
    } catch (...) {
        QFile::remove(pix);
        throw;
    }
    QFile::remove(pix);
    graphics.importedFrom.clear();
    graphics.pixName = CharSetName() + QStringLiteral(".pix");
    history.MarkClean();
}

void ProjectSession::ImportGraphics(const QString& name)
{
    const QString path = PixPath(name);
    const QString starter = ShippedFile(QStringLiteral("default.pix"));
    if (QFileInfo::exists(path) || !QFileInfo::exists(starter)) {
        graphics.Import(path);
    } else {
        graphics.Import(starter);
        graphics.pixName = QFileInfo(path).fileName();
        graphics.modified = true;
    }
    Notify(CharSetChanged);
}

ReadWarnings ProjectSession::LoadFiles(bool newProject)
{
    onDisk = !newProject;
    ReadWarnings notes;
    configDamaged = false;
    if (!newProject) {
        // The dialogs read the configuration already; read again for what it left out.
        TProjectConfig again = DefaultProjectConfig();
        ReadProjectConfig(project.folder, again, &notes);
        configDamaged = !notes.isEmpty();
    }
    const QString pixPath = PixPath(CharSetName());
    if (!newProject && !QFileInfo::exists(pixPath))
        notes.append({pixPath, 0,
                      QCoreApplication::translate("ProjectSession",
                                                  "Die Zeichensatzdatei fehlt. Angezeigt wird der Startzeichensatz; "
                                                  "das Projekt gilt als geändert, bis es gespeichert ist.")});
    ImportGraphics(CharSetName());
    for (const TableLanguage& tl : TableLanguages()) {
        TMessageTable& table = *tables[static_cast<size_t>(tl.table)];
        const QString path = project.TextFilePath(tl.table, tl.language);
        if (newProject && !QFileInfo::exists(path)) {
            table.fileName[static_cast<size_t>(tl.language)] = path;
            continue;
        }
        notes += ReadTextFile(table, path, tl.language);
    }
    history.MarkClean();
    Notify(TablesChanged);
    return notes;
}

void ProjectSession::ImportStandardCharSet()
{
    standard.Import(ShippedFile(project.displayType.kind + QStringLiteral(".fix")));
}

bool ProjectSession::writeFiles(const QString& folder)
{
    TProjectState target = project;
    target.folder = folder;
    // A text that cannot be saved stops the save before any file or backup is touched.
    QList<std::pair<QString, QByteArray>> texts;
    for (const TableLanguage& tl : TableLanguages()) {
        const QString path = target.TextFilePath(tl.table, tl.language);
        texts.append({path, TextFileContent(*tables[static_cast<size_t>(tl.table)], path, tl.language)});
    }
    MakeFolders(folder, Messages::SaveError());
    for (const auto& [path, bytes] : texts)
        SaveTextFile(path, bytes, KeepBackup::Yes);
    const QString pixPath = folder + QLatin1Char('/') + CharSetName() + QStringLiteral(".pix");
    const bool newCharSetFile = !QFileInfo::exists(pixPath);
    graphics.Save(pixPath);
    // Without its configuration the project would reopen with other files or another
    // display type, so a failed write is reported like any other.
    SaveProjectConfig(folder, project.config);
    return newCharSetFile;
}

bool ProjectSession::Save()
{
    // Only the folder this program could not lock is refused; "Speichern unter" elsewhere works.
    if (!readOnly.isEmpty() && lock && QDir::cleanPath(project.folder) == QDir::cleanPath(lock->Folder()))
        throw TavolinError(
            QCoreApplication::translate("ProjectSession", "Das Projekt ist schreibgeschützt geöffnet und wird nicht "
                                                          "gespeichert.")
            + QLatin1Char('\n') + readOnly);
    const bool newCharSetFile = writeFiles(project.folder);
    project.modified = false;
    configDamaged = false;
    onDisk = true;
    for (const auto& table : tables)
        if (table)
            table->modified = {false, false};
    history.MarkClean();
    Notify(ModifiedChanged | (newCharSetFile ? CharSetChanged : Changes()));
    return newCharSetFile;
}

void ProjectSession::SaveTo(const QString& folder)
{
    const bool wasModified = graphics.modified;
    writeFiles(folder);
    graphics.modified = wasModified;
}

void ProjectSession::HoldLock(std::unique_ptr<ProjectLock> taken)
{
    lock = std::move(taken);
    readOnly.clear();
    if (lock->Result() == ProjectLock::State::HeldElsewhere)
        readOnly = lock->HolderMessage();
    else if (lock->Result() == ProjectLock::State::Impossible)
        readOnly = QCoreApplication::translate("ProjectSession",
                                               "Im Projektordner \"%1\" kann keine Sperrdatei angelegt werden "
                                               "(schreibgeschützter Datenträger?).")
                       .arg(QDir::toNativeSeparators(project.folder));
    Notify(ModifiedChanged);
}

void ProjectSession::CheckTransferable(int selection) const
{
    const QString config = project.folder + QLatin1Char('/') + QLatin1String(ProjectConfigFileName);
    if (configDamaged)
        throw TavolinError(QCoreApplication::translate(
                               "ProjectSession", "Die Projektkonfiguration \"%1\" konnte nicht vollständig gelesen "
                                                 "werden; ein solches Projekt wird nicht übertragen. Im Editor "
                                                 "öffnen, prüfen und speichern.")
                               .arg(QDir::toNativeSeparators(config)));
    const QString pix = PixPath(CharSetName());
    if ((selection & Selection::CharSet) && !QFileInfo::exists(pix))
        throw TavolinError(QCoreApplication::translate("ProjectSession",
                                                       "Die Zeichensatzdatei \"%1\" des Projekts fehlt; es wird "
                                                       "nichts übertragen.")
                               .arg(QDir::toNativeSeparators(pix)));
}

bool ProjectSession::NeedsSaving()
{
    for (const auto& table : tables)
        if (table && (table->modified[0] || table->modified[1]))
            project.modified = true;
    return project.modified || graphics.modified;
}

bool ProjectSession::IsModified() const
{
    bool modified = project.modified || graphics.modified;
    for (const auto& table : tables)
        modified = modified || (table && (table->modified[0] || table->modified[1]));
    return modified;
}

void ProjectSession::MarkModified()
{
    project.modified = true;
    Notify(ModifiedChanged);
}

void ProjectSession::SetCurrentTable(int index)
{
    if (!Table(index) || index == currentTable)
        return;
    currentTable = index;
    Notify(CurrentTableChanged);
}

void ProjectSession::Clear()
{
    const bool wasOpen = IsOpen();
    project.Clear();
    onDisk = false;
    configDamaged = false;
    lock.reset();
    readOnly.clear();
    tables[0].reset();
    tables[1].reset();
    currentTable = 0;
    history.Clear();
    standard.Release();
    graphics.Release();
    if (wasOpen)
        Notify(TablesChanged | CurrentTableChanged | ModifiedChanged | CharSetChanged);
}

QString ProjectSession::Caption() const
{
    if (!IsOpen())
        return QStringLiteral("Tavolin");
    QString caption = QLatin1String(IsModified() ? "*" : "") + QStringLiteral("Tavolin - ") + QDir::toNativeSeparators(project.folder)
                    + QStringLiteral(" - ") + TProjectConfig::Get(project.config.displayTypeName);
    if (!readOnly.isEmpty())
        caption += QCoreApplication::translate("ProjectSession", " (schreibgeschützt)");
    if (HasDiagnosticTexts())
        caption += currentTable == 0 ? QCoreApplication::translate("ProjectSession", " (Beriebstexte) ")
                                     : QCoreApplication::translate("ProjectSession", " (Diagnosetexte) ");
    return caption;
}

TransferJob ProjectSession::Job(bool download) const
{
    TransferJob job;
    job.download = download;
    job.operating = Table(0);
    job.diagnostic = Table(1);
    job.graphics = const_cast<TCharSet*>(&graphics);
    job.displayType = project.displayType;
    job.config = project.config;
    return job;
}
