#include "project/ProjectConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/TavolinError.h"
#include "common/SettingsStore.h"

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
} // namespace

bool ReadProjectConfig(const QString& folder, TProjectConfig& config)
{
    // Only a plain file: a pipe of that name would block the program.
    if (!QFileInfo(ConfigPath(folder)).isFile())
        return false;
    QFile file(ConfigPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    config.OverlayBytes(file.read(TProjectConfig::Size));
    // A field without NUL counts as its first 255 characters; end it there, so that the
    // record is sound when it is written again.
    for (TProjectConfig::Field* field : {&config.language1File, &config.language2File,
                                         &config.diagLanguage1File, &config.diagLanguage2File,
                                         &config.charSetName, &config.displayTypeName})
        field->back() = '\0';
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
