#pragma once

#include <QChar>
#include <QString>
#include <array>

// Translation between the display's character codes and the Windows codes the editor
// works in: entries 0..255 map display -> Windows, entries 256..511 Windows -> display.
class DisplayCodeMap
{
public:
    // The table, built once on first use from the fourteen display -> Windows pairs.
    static const DisplayCodeMap& Instance();

    quint8 ToWindows(quint8 displayCode) const { return m_table[displayCode]; }
    quint8 ToDisplay(quint8 windowsCode) const { return m_table[256 + windowsCode]; }
    quint8 operator[](int index) const { return m_table[static_cast<size_t>(index)]; }

    static std::array<quint8, 512> Build();

private:
    DisplayCodeMap();
    std::array<quint8, 512> m_table;
};

// The one boundary between Windows codes and the characters Qt draws and types.
// Qt's text layout hides or treats specially a few code points (DEL, the C1 controls,
// the no-break space and the soft hyphen); those Windows codes are carried on
// private-use code points, which the generated fonts map to the same glyphs.
namespace CodePoint {

constexpr char16_t PrivateBase = 0xE000;

// The code point under which the glyph of a Windows code (32..255) is drawn.
QChar FromWindows(quint8 windowsCode);

// The Windows code of a character typed or pasted into the editor; characters outside
// the Windows code page give -1.
int ToWindows(char32_t codePoint);

// The Windows code of a character typed or pasted as plain display text, when the display
// shows that very character (the printable ASCII characters, the umlauts and the other
// characters of the display code map, and every code the editor itself shows on a
// private-use code point); -1 for any other, which would come out as another glyph.
int DisplayableWindowsCode(char32_t codePoint);

// Windows code page 1252 ("ANSI") byte of a Unicode character, or -1.
int UnicodeToAnsi(char32_t codePoint);

// Whole strings: Windows codes (32..255) <-> drawable text.
QString FromWindowsBytes(const QByteArray& windowsCodes);
QByteArray ToWindowsBytes(const QString& text, char replacement = '?');

} // namespace CodePoint
