#include "dialogs/StartScreenSetting.h"

#include "common/SettingsStore.h"

bool StartScreenSetting()
{
    const QString text = SettingsStore::ReadValue(QStringLiteral("Startbild")).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return !ok || value != 0;
}

void WriteStartScreenSetting(bool show)
{
    SettingsStore::WriteValue(QStringLiteral("Startbild"), show ? QStringLiteral("1") : QStringLiteral("0"));
}
