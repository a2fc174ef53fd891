#include "charset/DisplayCodeMap.h"

#include <QList>

namespace {

constexpr std::array<std::pair<quint8, quint8>, 14> DisplayToWindowsPairs{{
    {0x81, 0xFC}, {0x84, 0xE4}, {0x8E, 0xC4}, {0x94, 0xF6}, {0x99, 0xD6},
    {0x9A, 0xDC}, {0x9B, 0xA2}, {0x9C, 0xA3}, {0x9D, 0xA5}, {0xE6, 0xB5},
    {0xE4, 0xE6}, {0xE1, 0xDF}, {0xF1, 0xB1}, {0xF8, 0xB0},
}};

// Code page 1252 for 0x80..0x9F; 0 marks an unused code.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

bool NeedsPrivateCodePoint(quint8 w)
{
    return w == 0x7F || (w >= 0x80 && w <= 0xA0) || w == 0xAD;
}

} // namespace

std::array<quint8, 512> DisplayCodeMap::Build()
{
    std::array<quint8, 512> entry{};
    for (const auto& [display, windows] : DisplayToWindowsPairs)
        entry[display] = windows;

    // Close every chain of pairs into a cycle, so that the map is a permutation.
    for (int i = 0; i < 256; ++i) {
        int pos = i;
        while (entry[pos] != 0 && entry[pos] != i)
            pos = entry[pos];
        if (entry[pos] == 0 && pos != i)
            entry[pos] = static_cast<quint8>(i);
    }
    for (int i = 0; i < 256; ++i)
        if (entry[i] == 0)
            entry[i] = static_cast<quint8>(i);
    for (int i = 0; i < 256; ++i)
        entry[256 + entry[i]] = static_cast<quint8>(i);
    return entry;
}

DisplayCodeMap::DisplayCodeMap() : m_table(Build()) {}

const DisplayCodeMap& DisplayCodeMap::Instance()
{
    static const DisplayCodeMap map;
    return map;
}

namespace CodePoint {

QChar FromWindows(quint8 windowsCode)
{
    if (NeedsPrivateCodePoint(windowsCode))
        return QChar(static_cast<char16_t>(PrivateBase + windowsCode));
    return QChar(static_cast<char16_t>(windowsCode));
}

int ToWindows(char32_t codePoint)
{
    if (codePoint >= PrivateBase && codePoint <= PrivateBase + 0xFF
        && NeedsPrivateCodePoint(static_cast<quint8>(codePoint - PrivateBase)))
        return static_cast<int>(codePoint - PrivateBase);
    if (codePoint == 0xA0)
        return 0x20; // a no-break space typed or pasted is an ordinary space on the display
    return UnicodeToAnsi(codePoint);
}

int DisplayableWindowsCode(char32_t codePoint)
{
    const int w = ToWindows(codePoint);
    if (w < 0x20)
        return -1;
    if (w < 0x7F || codePoint >= PrivateBase)
        return w;
    for (const auto& pair : DisplayToWindowsPairs)
        if (pair.second == w)
            return w;
    return -1;
}

int UnicodeToAnsi(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (size_t i = 0; i < Cp1252High.size(); ++i)
        if (Cp1252High[i] != 0 && Cp1252High[i] == codePoint)
            return static_cast<int>(0x80 + i);
    return -1;
}

QString FromWindowsBytes(const QByteArray& windowsCodes)
{
    QString text;
    text.reserve(windowsCodes.size());
    for (const char c : windowsCodes)
        text.append(FromWindows(static_cast<quint8>(c)));
    return text;
}

QByteArray ToWindowsBytes(const QString& text, char replacement)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t cp : text.toUcs4()) {
        const int w = ToWindows(cp);
        bytes.append(w < 0 ? replacement : static_cast<char>(w));
    }
    return bytes;
}

} // namespace CodePoint
