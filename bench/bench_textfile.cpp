// Parsing and formatting one full language: 1024 messages of two lines, close to the
// display's 60,000 bytes. Opening and saving a project do this once per text file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "BenchTiming.h"

namespace {

void FillTable(TMessageTable& table)
{
    table.headerLines[0] = {"Binaer", "IBM Zeichensatz", "Helligkeit: 80%", "Scrollzeit: 3,2s"};
    for (int n = 0; n < TMessageTable::MaxMessages; ++n) {
        QByteArray first = "Pumpe " + QByteArray::number(n) + " St\x94rung";
        first = first.leftJustified(22, '.');
        QByteArray second = "\x0F" "Motorschutz\x0E \x10" "E\x12";
        second = second.leftJustified(22, '-');
        table.SetText(n, 0, first + '\r' + second);
    }
}

} // namespace

int main()
{
    TMessageTable table;
    FillTable(table);

    std::vector<char> buffer(TextFile::BufferSize);
    bool complete = false;
    const int length = FormatText(table, 0, buffer.data(), TextFile::BufferSize, 3, 0, &complete);
    if (!complete) {
        std::fprintf(stderr, "the table does not fit into %d bytes\n", TextFile::BufferSize);
        return 1;
    }
    const std::vector<char> file(buffer.begin(), buffer.begin() + length);

    constexpr int Iterations = 300;
    std::vector<double> formatTimes;
    std::vector<double> parseTimes;
    std::vector<char> work(TextFile::BufferSize + 1);
    int messages = 0;
    for (int i = 0; i < Iterations; ++i) {
        auto start = Clock::now();
        FormatText(table, 0, buffer.data(), TextFile::BufferSize, 3);
        formatTimes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());

        // A fresh table and a fresh copy each time, as when a project is opened.
        std::memcpy(work.data(), file.data(), file.size());
        start = Clock::now();
        TMessageTable read;
        ParseText(read, 0, work.data(), length, QStringLiteral("bench"));
        parseTimes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        messages = read.Count();
    }

    std::printf("text file of %d bytes, %d messages, %d iterations\n", length, messages, Iterations);
    std::printf("  parse:  median %8.1f us  (target < 2000 us)\n", Median(parseTimes));
    std::printf("  format: median %8.1f us  (target < 2000 us)\n", Median(formatTimes));
    return Median(parseTimes) < 2000 && Median(formatTimes) < 2000 ? 0 : 1;
}
