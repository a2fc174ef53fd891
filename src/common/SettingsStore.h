#pragma once

#include <QString>

// The user's own settings: named text values under the program's key. Every call opens
// the store, does one operation and closes it again, so nothing is ever cached.
// A name "List\3" is the value "3" in the subkey (group) "List".
class SettingsStore
{
public:
    static constexpr const char* Organisation = "MURAN Software";
    static constexpr const char* Application = "QuonEditor";

    // The stored text, or an empty string when the value or its subkey does not exist.
    static QString ReadValue(const QString& name);

    // Stores the text, creating the subkeys the name implies.
    static void WriteValue(const QString& name, const QString& value);

    // Reads a value as a whole decimal integer. Empty gives `fallback`; other text
    // raises the German conversion error, as the callers of such values expect.
    static int ReadInteger(const QString& name, int fallback);

    // Reads the leading decimal digits of a value; text without them counts as 0.
    static int ReadLeadingInteger(const QString& name);
};
