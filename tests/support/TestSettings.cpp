#include "support/TestSettings.h"

#include <QSettings>
#include <QTemporaryDir>

#include "common/SettingsStore.h"

namespace tavolin::test {

namespace {
QTemporaryDir& SettingsDir()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

void UsePrivateSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir().path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsDir().path());
}

void ClearSettings()
{
    QSettings settings(SettingsStore::Organisation, SettingsStore::Application);
    settings.clear();
    settings.sync();
}

QString PrivateSettingsFolder()
{
    return SettingsDir().path();
}

} // namespace tavolin::test
