#include "common/SettingsStore.h"

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
}

int SettingsStore::ReadInteger(const QString& name, int fallback)
{
    const QString text = ReadValue(name).trimmed();
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw TavolinError(QStringLiteral("'%1' ist kein gültiger ganzzahliger Wert.").arg(text));
    return value;
}

int SettingsStore::ReadLeadingInteger(const QString& name)
{
    const QString text = ReadValue(name);
    qsizetype end = 0;
    if (end < text.size() && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const int value = text.left(end).toInt(&ok, 10);
    return ok ? value : 0;
}
