#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

#include "texts/MessageTable.h"
#include "texts/TextFile.h"

namespace tavolin::test {

// What FormatText writes for one language, as bytes.
inline QByteArray Format(const TMessageTable& table, int language = 0,
                         int flags = TextFile::HeaderBlock | TextFile::MessageTexts, int lineLength = 0)
{
    std::vector<char> buffer(TextFile::BufferSize);
    return QByteArray(buffer.data(), FormatText(table, language, buffer.data(), TextFile::BufferSize, flags, lineLength));
}

// ParseText works in place and needs one byte behind the data.
inline int Parse(TMessageTable& table, int language, QByteArray bytes, ReadWarnings* warnings = nullptr)
{
    bytes.append('\0');
    return ParseText(table, language, bytes.data(), static_cast<int>(bytes.size() - 1), QStringLiteral("mem"),
                     warnings);
}

// The message numbers of the table, slot by slot.
inline QList<int> Numbers(const TMessageTable& table)
{
    QList<int> numbers;
    for (int slot = 0; slot < table.Count(); ++slot)
        numbers.append(table.At(slot).number);
    return numbers;
}

} // namespace tavolin::test
