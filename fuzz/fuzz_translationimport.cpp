// Files come back from translators' tools and spreadsheets: any bytes must read and check
// against a project or end in a TavolinError, and what the check takes must fit the display.
#include <cstddef>
#include <cstdint>

#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/Translation.h"
#include "texts/TranslationFile.h"

namespace {

void Check(const QByteArray& input, bool csv)
{
    TMessageTable table;
    table.SetText(0, 0, "Anlage bereit");
    table.SetText(1, 0, "Pumpe \x10" "E\x12\r\x0F" "aus\x0E");
    table.SetText(1, 1, "Pump");
    Translation::Project project;
    project.tables = {&table, nullptr};
    project.lineLength = 20;
    Translation::Plan plan;
    try {
        const TranslationFile::Content content = csv ? TranslationFile::FromCsv(input) : TranslationFile::FromXliff(input);
        plan = Translation::Check(project, content.entries);
    } catch (const TavolinError&) {
        return;
    }
    for (const auto& [key, text] : plan.texts)
        for (const QByteArray& line : text.split('\r'))
            if (Translation::VisibleLength(line) > project.lineLength)
                __builtin_trap();
    Translation::Apply(plan, {&table, nullptr}, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(input, false);
    Check(input, true);
    return 0;
}
