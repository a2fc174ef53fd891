// Every text the editor or an import accepts must read back the same after a save: a
// table of accepted texts, formatted as saving does and parsed back, equals itself.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "texts/MessageTable.h"
#include "texts/TextFile.h"

#include "FuzzImport.h"

namespace {

// Empty texts count as no message: the file writes no line for them.
bool SameTexts(const TMessageTable& a, const TMessageTable& b, int language)
{
    const size_t lang = static_cast<size_t>(language);
    if (a.headerLines[lang] != b.headerLines[lang])
        return false;
    for (int number = 0; number <= TMessageTable::MaxNumber; ++number) {
        const int slotA = a.IndexOf(number);
        const int slotB = b.IndexOf(number);
        const QByteArray textA = slotA < 0 ? QByteArray() : a.At(slotA).text[lang];
        const QByteArray textB = slotB < 0 ? QByteArray() : b.At(slotB).text[lang];
        if (textA != textB)
            return false;
    }
    return true;
}

void CheckRoundTrip(const TMessageTable& table, int language)
{
    std::vector<char> buffer(TextFile::BufferSize + 1);
    bool complete = true;
    const int length = FormatText(table, language, buffer.data(), TextFile::BufferSize,
                                  TextFile::HeaderBlock | TextFile::MessageTexts, 0, &complete);
    if (!complete)
        return; // saving refuses a language that does not fit
    TMessageTable read;
    ReadWarnings warnings;
    ParseText(read, language, buffer.data(), length, QStringLiteral("fuzz"), &warnings);
    if (!SameTexts(table, read, language) || !warnings.isEmpty())
        __builtin_trap();
}

// The editor's way: texts and header lines as bytes, each taken only when the file can
// hold it. Input: a first byte (language, header line count), then records of a length
// byte and the bytes; a message record starts with two bytes of its number.
void FromRecords(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const int language = data[0] & 1;
    int headers = (data[0] >> 1) & 3;
    TMessageTable table;
    std::size_t pos = 1;
    while (pos < size) {
        int number = 0;
        if (headers == 0) {
            if (pos + 2 > size)
                break;
            number = (data[pos] | data[pos + 1] << 8) % (TMessageTable::MaxNumber + 1);
            pos += 2;
        }
        if (pos >= size)
            break;
        const std::size_t length = data[pos++];
        const std::size_t take = length < size - pos ? length : size - pos;
        const QByteArray bytes(reinterpret_cast<const char*>(data + pos), static_cast<qsizetype>(take));
        pos += take;
        if (headers > 0) {
            --headers;
            if (UnstorableHeaderReason(bytes).isEmpty())
                table.headerLines[static_cast<size_t>(language)].append(bytes);
        } else if (UnstorableTextReason(number, bytes).isEmpty()) {
            table.SetText(number, language, bytes);
        }
    }
    CheckRoundTrip(table, language);
}

// The import's way: whatever JSON or CSV it accepts.
void FromImport(const QByteArray& input, bool csv)
{
    TMessageTable table;
    if (!ImportExchange(input, csv, table))
        return;
    CheckRoundTrip(table, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FromRecords(data, size);
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FromImport(input, false);
    FromImport(input, true);
    return 0;
}
