// Display text files come from other tools and from the display itself: parsing any bytes
// must stay inside the buffer, and what it yields must survive saving and the export.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextExchange.h"
#include "texts/TextFile.h"

namespace {

QByteArray Format(const TMessageTable& table, int language)
{
    std::vector<char> buffer(TextFile::BufferSize);
    const int n = FormatText(table, language, buffer.data(), TextFile::BufferSize, 3);
    if (n < 0 || n >= TextFile::BufferSize)
        __builtin_trap();
    return QByteArray(buffer.data(), n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int length = static_cast<int>(size < TextFile::BufferSize ? size : TextFile::BufferSize);
    for (int language = 0; language < 2; ++language) {
        // Exactly the bytes plus the one the parser may write, so the sanitizer sees any overrun.
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::memcpy(buffer.data(), data, static_cast<size_t>(length));
        TMessageTable table;
        if (ParseText(table, language, buffer.data(), length, QStringLiteral("fuzz")) != 1)
            __builtin_trap();
        if (table.Count() > TMessageTable::MaxMessages)
            __builtin_trap();
        for (int slot = 1; slot < table.Count(); ++slot)
            if (table.At(slot - 1).number >= table.At(slot).number)
                __builtin_trap();

        Format(table, language);
        TMessageTable fromJson;
        try {
            TextExchange::FromJson(TextExchange::ToJson(table, language), fromJson, language);
        } catch (const TavolinError&) {
            // The import refuses only what it must: an empty table, or message 0 beginning
            // with "*" (which a file read with a header block can hold).
            const bool empty = table.Count() == 0 && table.headerLines[static_cast<size_t>(language)].isEmpty();
            const bool star = table.Count() > 0 && table.At(0).number == 0
                && table.At(0).text[static_cast<size_t>(language)].startsWith('*');
            if (!empty && !star)
                __builtin_trap();
            continue;
        }
        // The import drops line breaks at the end of a text, as the editor does.
        TMessageTable trimmed;
        trimmed.headerLines = table.headerLines;
        for (int slot = 0; slot < table.Count(); ++slot) {
            QByteArray text = table.At(slot).text[static_cast<size_t>(language)];
            while (text.endsWith('\r'))
                text.chop(1);
            trimmed.SetText(table.At(slot).number, language, text);
        }
        if (Format(fromJson, language) != Format(trimmed, language))
            __builtin_trap();
    }
    return 0;
}
