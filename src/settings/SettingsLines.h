#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// The display's system settings are plain header lines of the first language's operating
// texts file ("Helligkeit: 80%", "Ta-Mode1: MMBMMMMM", ...). This is their grammar: the
// keyword table, number fields, key lines and the lines of the key list.
namespace SettingsLines {

// Rows of the keyword table, in the order in which a line is matched against them.
enum Row : int {
    NoRow = 0,
    BlinkOnRow,
    BlinkOffRow,
    PrinterRow,
    BrightnessRow,
    ScrollRow,
    KeyModeRow,
    KeyLedRow,
    KeyColourRow,
    KeyBlinkRow,
    AddressRow,
    CpmRow,
    IbmRow,
    BcdRow,
    BinaryRow,
    StationRow,
};

// The first row whose keyword prefix the line begins with (ASCII letters compared without
// regard to case), or NoRow. Only a prefix counts: any line beginning with "Bin" selects
// binary, any line beginning with "TN" is a station line.
int Lookup(const QByteArray& line);

// The n-th (1-based) number field: a run of at most 62 characters from "0123456789,:."
// beginning at a digit; non-digits before each field are skipped. Missing: empty.
QByteArray NumberField(const QByteArray& line, int n);

} // namespace SettingsLines

// One flag byte per key of the display's keyboard; a key with 0 is momentary, internal,
// red and steady.
enum KeyFlag : quint8 {
    kfLatching = 1,
    kfExternal = 2,
    kfGreen = 4,
    kfBlinking = 8,
};

constexpr int MaxKeys = 64;
using TKeyFlags = std::array<quint8, MaxKeys>;

// Applies a key line ("Ta-Mode2: BM MB") of one of the four key rows to the flags. A group
// number g makes the line start at key 8 * (g - 1); letters beyond the 64th key are ignored.
void ReadKeyLine(const QByteArray& line, int row, TKeyFlags& keys);

// The key lines of `keyCount` keys: one group without number for up to 12 keys, otherwise
// groups of 8 numbered from 1; each group's four lines together.
QList<QByteArray> KeyLines(const TKeyFlags& keys, int keyCount);

// The line the settings dialog lists for a key (1-based): "F3\tRastend,Intern,Grün,Blinkend".
QString KeyListLine(int key, quint8 flags);

// Reads a key list line back: the key number (0 when the line has no tab) and its flags.
int ParseKeyListLine(const QString& line, quint8& flags);

// What a key button does to one key: bit `mask` cleared, then set again when `set`.
inline quint8 ChangeKey(quint8 flags, quint8 mask, bool set)
{
    return static_cast<quint8>((flags & ~mask) | (set ? mask : 0));
}
