#include "project/ProjectConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/TavolinError.h"
#include "common/SettingsStore.h"
#include "common/SystemReason.h"

QString TProjectConfig::Get(const Field& field)
{
    const auto end = std::find(field.begin(), field.begin() + MaxText, '\0');
    return QString::fromLatin1(field.data(), end - field.begin());
}

void TProjectConfig::Set(Field& field, const QString& text)
{
    field.fill('\0');
    const QByteArray bytes = text.left(MaxText).toLatin1();
    std::memcpy(field.data(), bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString TProjectConfig::TextFileName(int table, int language) const
{
    if (table == 0)
        return Get(language == 0 ? language1File : language2File);
    return Get(language == 0 ? diagLanguage1File : diagLanguage2File);
}

QByteArray TProjectConfig::ToBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(this), Size);
}

void TProjectConfig::OverlayBytes(const QByteArray& bytes)
{
    std::memcpy(reinterpret_cast<char*>(this), bytes.constData(),
                static_cast<size_t>(qMin<qsizetype>(bytes.size(), Size)));
}

TProjectConfig DefaultProjectConfig()
{
    TProjectConfig config;
    TProjectConfig::Set(config.language1File, QStringLiteral("Sprache1.txt"));
    TProjectConfig::Set(config.language2File, QStringLiteral("Sprache2.txt"));
    TProjectConfig::Set(config.diagLanguage1File, QStringLiteral("DiagSprache1.txt"));
    TProjectConfig::Set(config.diagLanguage2File, QStringLiteral("DiagSprache2.txt"));
    const QString type = SettingsStore::Read(SettingsStore::Key::DefaultDisplayType);
    TProjectConfig::Set(config.displayTypeName, type.isEmpty() ? DisplayTypeTable()[0].name : type);
    return config;
}

namespace {
QString ConfigPath(const QString& folder)
{
    return folder + QLatin1Char('/') + QLatin1String(ProjectConfigFileName);
}

struct FieldInfo
{
    TProjectConfig::Field TProjectConfig::*field;
    const char* label;
};

constexpr FieldInfo Fields[] = {
    {&TProjectConfig::language1File, QT_TRANSLATE_NOOP("ProjectConfig", "Betriebstexte Sprache 1")},
    {&TProjectConfig::language2File, QT_TRANSLATE_NOOP("ProjectConfig", "Betriebstexte Sprache 2")},
    {&TProjectConfig::diagLanguage1File, QT_TRANSLATE_NOOP("ProjectConfig", "Diagnosetexte Sprache 1")},
    {&TProjectConfig::diagLanguage2File, QT_TRANSLATE_NOOP("ProjectConfig", "Diagnosetexte Sprache 2")},
    {&TProjectConfig::charSetName, QT_TRANSLATE_NOOP("ProjectConfig", "Zeichensatz")},
    {&TProjectConfig::displayTypeName, QT_TRANSLATE_NOOP("ProjectConfig", "Anzeigetyp")},
};

[[noreturn]] void RaiseRead(const QString& path, const QString& reason)
{
    throw TavolinError(Messages::WithFile(Messages::ReadError(), path, reason));
}

// A field holds text when a NUL ends it within its 256 bytes and no control byte stands
// before; anything else is the rest of a damaged or foreign file.
bool IsText(const TProjectConfig::Field& field)
{
    for (const char c : field) {
        if (c == '\0')
            return true;
        if (static_cast<quint8>(c) < 0x20 || c == 0x7F)
            return false;
    }
    return false;
}

// A file name of the project that leads out of its folder: a separator, ".." or a drive.
bool LeavesFolder(const QString& name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String("..")
        || name == QLatin1String(".") || (name.size() >= 2 && name.at(1) == QLatin1Char(':'));
}

} // namespace

bool ReadProjectConfig(const QString& folder, TProjectConfig& config, ReadWarnings* warnings)
{
    const QString path = ConfigPath(folder);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    // A file that is there but cannot be read must not pass for a missing one: the
    // project would open with another display type and file names.
    if (info.isDir())
        RaiseRead(path, QCoreApplication::translate("ProjectConfig", "Das ist ein Ordner, keine Datei."));
    // A pipe of that name would block the program.
    if (!info.isFile())
        RaiseRead(path,
                  info.exists()
                      ? QCoreApplication::translate("ProjectConfig", "Das ist keine gewöhnliche Datei.")
                      : QCoreApplication::translate("ProjectConfig", "Die Verknüpfung zeigt auf keine Datei."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        RaiseRead(path, SystemReason::FromText(file.errorString()));
    QByteArray bytes(TProjectConfig::Size, '\0');
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            RaiseRead(path, SystemReason::FromText(file.errorString()));
        if (n == 0)
            break;
        got += n;
    }

    // Reading keeps a complete record as it stands. A field the file holds only in part,
    // or holds as no text, keeps what `config` had (the defaults), and the user is told
    // which: the file itself stays as it is until the project is saved.
    TProjectConfig read;
    read.OverlayBytes(bytes);
    QStringList fromDefaults;
    for (int i = 0; i < 6; ++i) {
        const FieldInfo& field = Fields[i];
        if (got >= (i + 1) * TProjectConfig::FieldSize && IsText(read.*field.field)) {
            // Every file of a project lies in its folder; a name that leads elsewhere would
            // have a save rewrite a file beside the project.
            const QString name = TProjectConfig::Get(read.*field.field);
            if (field.field != &TProjectConfig::displayTypeName && LeavesFolder(name))
                RaiseRead(path, QCoreApplication::translate("ProjectConfig",
                                                            "Der Dateiname \"%1\" in %2 (%3) führt aus dem "
                                                            "Projektordner hinaus; erlaubt ist nur ein Name ohne "
                                                            "Ordner.")
                                    .arg(name, QLatin1String(ProjectConfigFileName),
                                         QCoreApplication::translate("ProjectConfig", field.label)));
            config.*field.field = read.*field.field;
            continue;
        }
        // Never write back a value without its NUL.
        (config.*field.field).back() = '\0';
        const QString kept = TProjectConfig::Get(config.*field.field);
        fromDefaults.append(QCoreApplication::translate("ProjectConfig", field.label)
                            + (kept.isEmpty() ? QCoreApplication::translate("ProjectConfig", " (leer)")
                                              : QStringLiteral(" „%1“").arg(kept)));
    }
    if (warnings && !fromDefaults.isEmpty()) {
        const QString what = got < TProjectConfig::Size
            ? QCoreApplication::translate(
                  "ProjectConfig", "Die Datei ist mit %1 Bytes kürzer als die %2 Bytes einer Projektkonfiguration.")
                  .arg(got)
                  .arg(TProjectConfig::Size)
            : QCoreApplication::translate(
                "ProjectConfig", "Die Datei ist beschädigt: nicht jedes Feld enthält einen abgeschlossenen Text.");
        warnings->append(
            {path, 0,
             what + QCoreApplication::translate("ProjectConfig", " Aus der Standardkonfiguration genommen: ")
                 + fromDefaults.join(QStringLiteral(", "))
                 + QCoreApplication::translate("ProjectConfig",
                                               ". Die Datei bleibt unverändert, bis das Projekt gespeichert wird.")});
    }
    return true;
}

void SaveProjectConfig(const QString& folder, const TProjectConfig& config)
{
    // Bytes behind the record belong to whoever put them there; keep them.
    QByteArray content = config.ToBytes();
    QFile old(ConfigPath(folder));
    if (old.size() > TProjectConfig::Size && old.open(QIODevice::ReadOnly)) {
        old.seek(TProjectConfig::Size);
        content += old.readAll();
        old.close();
    }
    ReplaceFileBytes(ConfigPath(folder), content, Messages::SaveError());
}

bool WriteProjectConfig(const QString& folder, const TProjectConfig& config)
{
    try {
        SaveProjectConfig(folder, config);
    } catch (const TavolinError&) {
        return false;
    }
    return true;
}

QString TProjectState::TextFilePath(int table, int language) const
{
    return folder + QLatin1Char('/') + config.TextFileName(table, language);
}
