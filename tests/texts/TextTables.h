#pragma once

#include <QByteArrayList>
#include <map>
#include <string>

#include "texts/MessageTable.h"

namespace tavolin::test {

// Message number -> text; the key Header holds the header lines joined by "|".
using Texts = std::map<int, QByteArray>;
constexpr int Header = -1;

inline void Fill(TMessageTable& table, const Texts& texts)
{
    for (const auto& [number, text] : texts) {
        if (number == Header)
            table.headerLines[0] = text.split('|');
        else
            table.SetText(number, 0, text);
    }
}

// A table in one line: the header lines with "*", then "number:text" slot by slot.
inline std::string Dump(const TMessageTable& table, int language = 0)
{
    QByteArrayList parts;
    for (const QByteArray& line : table.headerLines[static_cast<size_t>(language)])
        parts << "*" + line;
    for (int slot = 0; slot < table.Count(); ++slot)
        parts << QByteArray::number(table.At(slot).number) + ":" + table.At(slot).text[static_cast<size_t>(language)];
    return parts.join(' ').toStdString();
}

} // namespace tavolin::test
