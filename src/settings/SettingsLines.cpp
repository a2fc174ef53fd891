#include "settings/SettingsLines.h"

#include <QStringList>
#include <iterator>
#include <utility>

namespace SettingsLines {

namespace {

struct Keyword
{
    const char* text;
    int length;
};

// Row n is Keywords[n - 1].
constexpr Keyword Keywords[] = {
    {"Blink-Ein", 8}, {"Blink-Aus", 8}, {"Drucker", 5},         {"Helligkeit", 4},
    {"Scrollzeit", 4}, {"Ta-Mode", 4},  {"Ta-Led", 4},          {"Ta-Farbe", 4},
    {"Ta-Blink", 4},  {"Ko-M", 2},      {"CPM Zeichensatz", 3}, {"IBM Zeichensatz", 3},
    {"BCD", 3},       {"Binaer", 3},    {"TN", 2},
};

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool InNumberField(char c)
{
    return IsDigit(c) || c == ',' || c == ':' || c == '.';
}

} // namespace

int Lookup(const QByteArray& line)
{
    for (int row = 1; row <= static_cast<int>(std::size(Keywords)); ++row) {
        const Keyword& k = Keywords[row - 1];
        if (line.size() < k.length)
            continue;
        bool equal = true;
        for (int i = 0; i < k.length && equal; ++i)
            equal = AsciiLower(line[i]) == AsciiLower(k.text[i]);
        if (equal)
            return row;
    }
    return NoRow;
}

QByteArray NumberField(const QByteArray& line, int n)
{
    constexpr qsizetype MaxField = 62;
    qsizetype i = 0;
    QByteArray field;
    for (int k = 0; k < n; ++k) {
        while (i < line.size() && !IsDigit(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && i - start < MaxField && InNumberField(line[i]))
            ++i;
        field = line.mid(start, i - start);
    }
    return field;
}

} // namespace SettingsLines

namespace {

struct KeyRow
{
    const char* keyword;
    quint8 bit;
    char setLetter;
    char clearLetter;
};

constexpr KeyRow KeyRows[] = {
    {"Ta-Mode", kfLatching, 'B', 'M'},
    {"Ta-Led", kfExternal, 'E', 'I'},
    {"Ta-Farbe", kfGreen, 'G', 'R'},
    {"Ta-Blink", kfBlinking, 'E', 'A'},
};

const KeyRow* FindKeyRow(int row)
{
    const int index = row - SettingsLines::KeyModeRow;
    return index >= 0 && index < 4 ? &KeyRows[index] : nullptr;
}

} // namespace

void ReadKeyLine(const QByteArray& line, int row, TKeyFlags& keys)
{
    const KeyRow* keyRow = FindKeyRow(row);
    if (!keyRow)
        return;
    qsizetype i = 0;
    while (i < line.size() && !(line[i] >= '0' && line[i] <= '9') && line[i] != ':')
        ++i;
    qint64 key = 0;
    if (i < line.size() && line[i] != ':') {
        qint64 group = 0;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
            group = qMin<qint64>(group * 10 + (line[i] - '0'), MaxKeys + 1); // huge numbers start beyond the keys
        key = group == 0 ? 0 : 8 * (group - 1);
    } else {
        ++i;
    }
    const char set = keyRow->setLetter;
    const char clear = keyRow->clearLetter;
    for (; i < line.size() && key < MaxKeys; ++i) {
        const char c = line[i] >= 'a' && line[i] <= 'z' ? static_cast<char>(line[i] - 'a' + 'A') : line[i];
        if (c == set || c == clear) {
            keys[static_cast<size_t>(key)] = ChangeKey(keys[static_cast<size_t>(key)], keyRow->bit, c == set);
            ++key;
        }
    }
}

QList<QByteArray> KeyLines(const TKeyFlags& keys, int keyCount)
{
    keyCount = qBound(0, keyCount, MaxKeys);
    const int groupSize = keyCount <= 12 ? keyCount : 8;
    QList<QByteArray> lines;
    for (int first = 0, group = 1; first < keyCount; first += groupSize, ++group) {
        const QByteArray label = keyCount <= 12 ? QByteArray() : QByteArray::number(group);
        const int last = qMin(first + groupSize, keyCount);
        for (const KeyRow& row : KeyRows) {
            QByteArray line = row.keyword + label + ": ";
            for (int key = first; key < last; ++key)
                line += (keys[static_cast<size_t>(key)] & row.bit) ? row.setLetter : row.clearLetter;
            lines.append(line);
        }
    }
    return lines;
}

QString KeyListLine(int key, quint8 flags)
{
    QString line = QStringLiteral("F%1\t").arg(key);
    line += (flags & kfLatching) ? QStringLiteral("Rastend") : QStringLiteral("Tastend");
    line += (flags & kfExternal) ? QStringLiteral(",Extern") : QStringLiteral(",Intern");
    line += (flags & kfGreen) ? QStringLiteral(",Grün") : QStringLiteral(",Rot");
    if (flags & kfBlinking)
        line += QStringLiteral(",Blinkend");
    return line;
}

int ParseKeyListLine(const QString& line, quint8& flags)
{
    flags = 0;
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return 0;
    const int key = line.mid(1, tab - 1).toInt();
    static constexpr std::pair<char, quint8> FirstLetters[] = {
        {'R', kfLatching}, {'E', kfExternal}, {'G', kfGreen}, {'B', kfBlinking}};
    const QStringList words = line.mid(tab + 1).split(QLatin1Char(','));
    for (qsizetype w = 0; w < words.size() && w < 4; ++w)
        if (words[w].startsWith(QLatin1Char(FirstLetters[w].first)))
            flags |= FirstLetters[w].second;
    return key;
}
