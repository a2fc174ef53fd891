// Export to a translator and import of the returned file for a full table: 1024 messages
// of two lines in two languages, as XLIFF and as CSV. Each must stay well below what a
// user notices at the menu command (target 200 ms).
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "texts/MessageTable.h"
#include "texts/Translation.h"
#include "texts/TranslationFile.h"
#include "BenchTiming.h"

namespace {

void FillTable(TMessageTable& table)
{
    for (int n = 0; n < TMessageTable::MaxMessages; ++n) {
        const QByteArray number = QByteArray::number(n);
        table.SetText(n, 0, "Pumpe " + number + " St\x94rung\r\x0F" "Motorschutz\x0E \x10" "E\x12");
        table.SetText(n, 1, "Pump " + number + " fault\r\x0F" "Motor guard\x0E \x10" "E\x12");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TMessageTable table;
    FillTable(table);
    Translation::Project project;
    project.tables = {&table, nullptr};
    project.lineLength = 20;

    constexpr int Iterations = 20;
    bool ok = true;
    for (const bool csv : {false, true}) {
        std::vector<double> exportTimes;
        std::vector<double> importTimes;
        qsizetype size = 0;
        for (int i = 0; i < Iterations; ++i) {
            auto start = Clock::now();
            Translation::Record record;
            const QList<Translation::Unit> units = Translation::Units(project, {0}, record);
            const QByteArray file = csv ? TranslationFile::ToCsv(units, project)
                                        : TranslationFile::ToXliff(units, project, {QStringLiteral("de"), QStringLiteral("en")});
            exportTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            size = file.size();

            start = Clock::now();
            const TranslationFile::Content content = csv ? TranslationFile::FromCsv(file) : TranslationFile::FromXliff(file);
            const Translation::Plan plan = Translation::Check(project, content.entries);
            importTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (plan.HasErrors() || plan.unchanged != 2 * TMessageTable::MaxMessages) {
                std::fprintf(stderr, "the round trip is not clean\n");
                return 1;
            }
        }
        std::printf("%s of %lld bytes, %d messages, %d iterations\n", csv ? "CSV" : "XLIFF",
                    static_cast<long long>(size), TMessageTable::MaxMessages, Iterations);
        std::printf("  export: median %8.1f ms  (target < 200 ms)\n", Median(exportTimes));
        std::printf("  import: median %8.1f ms  (target < 200 ms)\n", Median(importTimes));
        ok = ok && Median(exportTimes) < 200 && Median(importTimes) < 200;
    }
    return ok ? 0 : 1;
}
