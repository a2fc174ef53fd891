#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "common/SettingsStore.h"

namespace tavolin::test {

// The folder that holds the private settings file, one for the whole test process.
inline QString PrivateSettingsFolder()
{
    static const QTemporaryDir dir;
    return dir.path();
}

// Points the program's settings store at a private folder for this test process,
// so that no test ever reads or writes the user's real settings.
inline void UsePrivateSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, PrivateSettingsFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, PrivateSettingsFolder());
}

// Removes every value from the private settings store.
inline void ClearSettings()
{
    QSettings settings(SettingsStore::Organisation, SettingsStore::Application);
    settings.clear();
    settings.sync();
}

} // namespace tavolin::test
