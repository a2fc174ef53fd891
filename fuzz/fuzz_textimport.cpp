// Translators edit exported JSON and CSV files by hand: any bytes must import as a table
// or end in a TavolinError, and an imported table must export and import again unchanged.
#include <cstddef>
#include <cstdint>

#include "FuzzImport.h"

namespace {

void Check(const QByteArray& input, bool csv)
{
    TMessageTable table;
    if (!ImportExchange(input, csv, table))
        return;
    const QByteArray exported = csv ? TextExchange::ToCsv(table, 0) : TextExchange::ToJson(table, 0);
    TMessageTable again;
    if (csv)
        TextExchange::FromCsv(exported, again, 0);
    else
        TextExchange::FromJson(exported, again, 0);
    const QByteArray second = csv ? TextExchange::ToCsv(again, 0) : TextExchange::ToJson(again, 0);
    if (second != exported)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(input, false);
    Check(input, true);
    return 0;
}
