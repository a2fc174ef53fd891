#pragma once

#include <QObject>
#include <QString>

// The user's own settings: named text values under the program's key. Every call opens
// the store, does one operation and closes it again, so nothing is ever cached.
// A name "List\3" is the value "3" in the subkey (group) "List".
// The program's single values are reached through `Key`; their stored names are the ones
// existing installations have. Writing one announces it through `Changed`.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Organisation = "MURAN Software";
    static constexpr const char* Application = "QuonEditor";

    enum class Key {
        Port,               // "Schnittstelle": the serial port
        TransferSelection,  // "Übertragen": the bits of the transfer selection
        StartScreen,        // "Startbild": 0 hides the start screen
        ProjectBasePath,    // "PRJBasePath": the folder new projects go into
        ReferenceProject,   // "ReferenzProjekt": the project a new one copies
        DefaultDisplayType, // "DefaultAnzeigeTyp": the display type of a new project
        FontEditorPosX,     // "FonteditorPosX": the glyph editor beside the main window
        FontEditorPosY,     // "FonteditorPosY"
        WindowGeometry,     // "Fenster": size and place of the main window (base64)
        WindowState,        // "Fensterzustand": its tool bar (base64)
        NetworkPorts,       // "Netzwerkadressen": device server addresses last used, newest first
        DisplayList,        // "Anzeigenliste": the ports of the last download to several displays
    };
    Q_ENUM(Key)

    // The stored name of a key and the number an absent or empty one stands for.
    static QString Name(Key key);
    static QString Default(Key key);

    // The stored text; empty when the value does not exist.
    static QString Read(Key key);
    static void Write(Key key, const QString& value);
    // Whole decimal integer; absent or empty gives the default, other text raises the
    // German conversion error.
    static int ReadInteger(Key key);
    // Leading decimal digits; text without them counts as 0.
    static int ReadLeadingInteger(Key key);

    // The stored text, or an empty string when the value or its subkey does not exist.
    static QString ReadValue(const QString& name);

    // Stores the text, creating the subkeys the name implies.
    static void WriteValue(const QString& name, const QString& value);

    // Reads a value as a whole decimal integer. Empty gives `fallback`; other text
    // raises the German conversion error, as the callers of such values expect.
    static int ReadInteger(const QString& name, int fallback);

    // Reads the leading decimal digits of a value; text without them counts as 0.
    static int ReadLeadingInteger(const QString& name);

    // The one object that announces written keys.
    static SettingsStore& Instance();

Q_SIGNALS:
    void Changed(SettingsStore::Key key);

private:
    SettingsStore() = default;
};
