#pragma once

#include <QString>

namespace tavolin::test {

// Points the program's settings store at a private folder for this test process,
// so that no test ever reads or writes the user's real settings.
void UsePrivateSettings();

// Removes every value from the private settings store.
void ClearSettings();

// The folder that holds the private settings file.
QString PrivateSettingsFolder();

} // namespace tavolin::test
