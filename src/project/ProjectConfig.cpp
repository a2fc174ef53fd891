#include "project/ProjectConfig.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "project/SettingsStore.h"

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
    const QString type = SettingsStore::ReadValue(QStringLiteral("DefaultAnzeigeTyp"));
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
    QFile file(ConfigPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(TProjectConfig::Size);
    config.OverlayBytes(bytes);
    return true;
}

bool WriteProjectConfig(const QString& folder, const TProjectConfig& config)
{
    // Bytes behind the record belong to whoever put them there; keep them.
    QByteArray content = config.ToBytes();
    QFile old(ConfigPath(folder));
    if (old.open(QIODevice::ReadOnly)) {
        if (old.size() > TProjectConfig::Size) {
            old.seek(TProjectConfig::Size);
            content += old.readAll();
        }
        old.close();
    }
    QSaveFile file(ConfigPath(folder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString TProjectState::TextFilePath(int table, int language) const
{
    return folder + QLatin1Char('/') + config.TextFileName(table, language);
}
