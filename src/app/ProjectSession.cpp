#include "app/ProjectSession.h"

#include <QDir>
#include <QFileInfo>

#include "common/ProgramFolder.h"
#include "common/TavolinError.h"
#include "texts/TextFile.h"

namespace {

const QString SaveError = QStringLiteral("Fehler bei Dateispeichern");

} // namespace

ProjectSession::ProjectSession() = default;

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

QString ProjectSession::PixPath(const QString& name) const
{
    return project.folder + QLatin1Char('/') + name + QStringLiteral(".pix");
}

void ProjectSession::Begin(const TProjectState& state, QObject* grid)
{
    project = state;
    tables[0] = std::make_unique<TMessageTable>(grid);
    if (HasDiagnosticTexts())
        tables[1] = std::make_unique<TMessageTable>(grid);
    currentTable = 0;
    if (CharSetName().isEmpty())
        SetCharSetName(QStringLiteral("default"));
}

void ProjectSession::ImportGraphics(const QString& name)
{
    const QString path = PixPath(name);
    const QString starter = ProgramFolder() + QStringLiteral("/default.pix");
    if (QFileInfo::exists(path) || !QFileInfo::exists(starter)) {
        graphics.Import(path);
        return;
    }
    graphics.Import(starter);
    graphics.pixName = QFileInfo(path).fileName();
    graphics.modified = true;
}

ReadWarnings ProjectSession::LoadFiles(bool newProject)
{
    ReadWarnings warnings;
    if (!newProject) {
        // The dialogs read the configuration already; read again for what it left out.
        TProjectConfig again = DefaultProjectConfig();
        ReadProjectConfig(project.folder, again, &warnings);
    }
    ImportGraphics(CharSetName());
    for (const TableLanguage& tl : TableLanguages()) {
        TMessageTable& table = *tables[static_cast<size_t>(tl.table)];
        const QString path = project.TextFilePath(tl.table, tl.language);
        if (newProject && !QFileInfo::exists(path)) {
            table.fileName[static_cast<size_t>(tl.language)] = path;
            continue;
        }
        warnings += ReadTextFile(table, path, tl.language);
    }
    return warnings;
}

void ProjectSession::ImportStandardCharSet()
{
    standard.Import(ProgramFolder() + QLatin1Char('/') + project.displayType.kind + QStringLiteral(".fix"));
}

bool ProjectSession::Save()
{
    const QString folder = project.folder;
    if (!QDir().mkpath(folder))
        throw TavolinError(SaveError);
    for (const TableLanguage& tl : TableLanguages()) {
        const QString path = project.TextFilePath(tl.table, tl.language);
        BackupFile(path);
        WriteTextFile(*tables[static_cast<size_t>(tl.table)], path, tl.language);
    }
    const QString pixPath = PixPath(CharSetName());
    const bool newCharSetFile = !QFileInfo::exists(pixPath);
    graphics.Save(pixPath);
    // Without its configuration the project would reopen with other files or another
    // display type, so a failed write is reported like any other.
    if (!WriteProjectConfig(folder, project.config))
        throw TavolinError(SaveError);
    project.modified = false;
    for (const auto& table : tables)
        if (table)
            table->modified = {false, false};
    return newCharSetFile;
}

bool ProjectSession::NeedsSaving()
{
    for (const auto& table : tables)
        if (table && (table->modified[0] || table->modified[1]))
            project.modified = true;
    return project.modified || graphics.modified;
}

void ProjectSession::Clear()
{
    project.Clear();
    tables[0].reset();
    tables[1].reset();
    currentTable = 0;
    standard.Release();
    graphics.Release();
}

QString ProjectSession::Caption() const
{
    QString caption = QStringLiteral("Tavolin - ") + QDir::toNativeSeparators(project.folder)
                    + QStringLiteral(" - ") + TProjectConfig::Get(project.config.displayTypeName);
    if (HasDiagnosticTexts())
        caption += currentTable == 0 ? QStringLiteral(" (Beriebstexte) ") : QStringLiteral(" (Diagnosetexte) ");
    return caption;
}
