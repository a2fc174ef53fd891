#include "transfer/TransferProject.h"

#include <QDir>
#include <QFileInfo>

#include "charset/CharSet.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"

namespace {

QString CharSetName(const TProjectConfig& config)
{
    const QString name = TProjectConfig::Get(config.charSetName);
    return name.isEmpty() ? QStringLiteral("default") : name;
}

} // namespace

TTransferProject::TTransferProject() = default;
TTransferProject::~TTransferProject() = default;

void TTransferProject::createTables()
{
    operating = std::make_unique<TMessageTable>();
    diagnostic.reset();
    if (state.displayType.Has(dtDiagnosticTexts))
        diagnostic = std::make_unique<TMessageTable>();
    graphics = std::make_unique<TCharSet>('G');
}

void TTransferProject::Load(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw TavolinError(QStringLiteral("Projektordner nicht gefunden: %1").arg(folder));
    state.Clear();
    state.folder = info.absoluteFilePath();
    state.config = DefaultProjectConfig();
    warnings.clear();
    state.modified = !ReadProjectConfig(state.folder, state.config, &warnings);
    const QString typeName = TProjectConfig::Get(state.config.displayTypeName);
    if (!FindDisplayType(typeName, state.displayType) || typeName.isEmpty())
        throw TavolinError(QStringLiteral("Unbekannter Anzeigetyp: %1").arg(typeName));
    TProjectConfig::Set(state.config.charSetName, CharSetName(state.config));

    createTables();
    for (int language = 0; language < state.displayType.LanguageCount(); ++language) {
        warnings += ReadTextFile(*operating, state.TextFilePath(0, language), language);
        if (diagnostic)
            warnings += ReadTextFile(*diagnostic, state.TextFilePath(1, language), language);
    }
    graphics->Import(state.folder + QLatin1Char('/') + CharSetName(state.config) + QStringLiteral(".pix"));
}

void TTransferProject::Create(const QString& folder, const QString& displayTypeName)
{
    state.Clear();
    state.folder = folder;
    state.config = DefaultProjectConfig();
    if (!FindDisplayType(displayTypeName, state.displayType) || displayTypeName.isEmpty())
        throw TavolinError(QStringLiteral("Unbekannter Anzeigetyp: %1").arg(displayTypeName));
    TProjectConfig::Set(state.config.displayTypeName, state.displayType.name);
    TProjectConfig::Set(state.config.charSetName, QStringLiteral("default"));
    state.modified = true;
    createTables();
}

void TTransferProject::Save(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw TavolinError(QStringLiteral("Fehler bei Dateispeichern"));
    TProjectState target = state;
    target.folder = folder;
    for (int language = 0; language < state.displayType.LanguageCount(); ++language) {
        const QString path = target.TextFilePath(0, language);
        BackupFile(path);
        WriteTextFile(*operating, path, language);
        if (diagnostic) {
            const QString diagPath = target.TextFilePath(1, language);
            BackupFile(diagPath);
            WriteTextFile(*diagnostic, diagPath, language);
        }
    }
    graphics->Save(folder + QLatin1Char('/') + CharSetName(state.config) + QStringLiteral(".pix"));
    if (!WriteProjectConfig(folder, state.config))
        throw TavolinError(QStringLiteral("Fehler bei Dateispeichern"));
}

TransferJob TTransferProject::Job(bool download) const
{
    TransferJob job;
    job.download = download;
    job.operating = operating.get();
    job.diagnostic = diagnostic.get();
    job.graphics = graphics.get();
    job.displayType = state.displayType;
    job.config = state.config;
    return job;
}
