#include "dialogs/StartScreenSetting.h"

#include "common/SettingsStore.h"

bool StartScreenSetting()
{
    const QString text = SettingsStore::Read(SettingsStore::Key::StartScreen).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return !ok || value != 0;
}

void WriteStartScreenSetting(bool show)
{
    SettingsStore::Write(SettingsStore::Key::StartScreen, show ? QStringLiteral("1") : QStringLiteral("0"));
}
