#include "common/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

#include "common/TavolinError.h"

namespace {

struct SplitName
{
    QString group;
    QString value;
};

// Everything before the last backslash names the subkey, the rest the value.
SplitName Split(const QString& name)
{
    const qsizetype cut = name.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        return {QString(), name};
    QString group = name.left(cut);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return {group, name.mid(cut + 1)};
}

QString SettingsKey(const SplitName& split)
{
    return split.group.isEmpty() ? split.value : split.group + QLatin1Char('/') + split.value;
}

struct KeyInfo
{
    SettingsStore::Key key;
    const char* name; // UTF-8
    const char* fallback;
};

// The one table of stored names and defaults; existing installations read these names.
constexpr KeyInfo Keys[] = {
    {SettingsStore::Key::Port, "Schnittstelle", ""},
    {SettingsStore::Key::TransferSelection, "Übertragen", "1023"},
    {SettingsStore::Key::StartScreen, "Startbild", "1"},
    {SettingsStore::Key::ProjectBasePath, "PRJBasePath", ""},
    {SettingsStore::Key::ReferenceProject, "ReferenzProjekt", ""},
    {SettingsStore::Key::DefaultDisplayType, "DefaultAnzeigeTyp", ""},
    {SettingsStore::Key::FontEditorPosX, "FonteditorPosX", ""},
    {SettingsStore::Key::FontEditorPosY, "FonteditorPosY", ""},
    {SettingsStore::Key::WindowGeometry, "Fenster", ""},
    {SettingsStore::Key::WindowState, "Fensterzustand", ""},
    {SettingsStore::Key::NetworkPorts, "Netzwerkadressen", ""},
    {SettingsStore::Key::DisplayList, "Anzeigenliste", ""},
};

const KeyInfo& Info(SettingsStore::Key key)
{
    for (const KeyInfo& info : Keys)
        if (info.key == key)
            return info;
    return Keys[0];
}

int LeadingInteger(const QString& text)
{
    qsizetype end = 0;
    if (end < text.size() && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const int value = text.left(end).toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

QString SettingsStore::ReadValue(const QString& name)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromLatin1(Organisation), QString::fromLatin1(Application));
    const QVariant value = settings.value(SettingsKey(Split(name)));
    // Values of another type (a number someone wrote by hand) read as their text.
    return value.isValid() ? value.toString() : QString();
}

void SettingsStore::WriteValue(const QString& name, const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(Organisation), QString::fromLatin1(Application));
    settings.setValue(SettingsKey(Split(name)), value);
    settings.sync();
    for (const KeyInfo& info : Keys)
        if (name == QString::fromUtf8(info.name))
            Q_EMIT Instance().Changed(info.key);
}

int SettingsStore::ReadInteger(const QString& name, int fallback)
{
    const QString text = ReadValue(name).trimmed();
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw TavolinError(
            QCoreApplication::translate("SettingsStore", "'%1' ist kein gültiger ganzzahliger Wert.").arg(text));
    return value;
}

int SettingsStore::ReadLeadingInteger(const QString& name)
{
    return LeadingInteger(ReadValue(name));
}

SettingsStore& SettingsStore::Instance()
{
    static SettingsStore instance;
    return instance;
}

QString SettingsStore::Name(Key key)
{
    return QString::fromUtf8(Info(key).name);
}

QString SettingsStore::Default(Key key)
{
    return QString::fromUtf8(Info(key).fallback);
}

QString SettingsStore::Read(Key key)
{
    return ReadValue(Name(key));
}

void SettingsStore::Write(Key key, const QString& value)
{
    WriteValue(Name(key), value);
}

int SettingsStore::ReadInteger(Key key)
{
    return ReadInteger(Name(key), Default(key).toInt());
}

int SettingsStore::ReadLeadingInteger(Key key)
{
    return LeadingInteger(Read(key));
}
