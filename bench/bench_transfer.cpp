// Download throughput against a simulated display that takes bytes at the 9600-baud line
// rate (960 bytes a second): a 60,000-byte language and the character set block.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>

#include "charset/CharSet.h"
#include "project/DisplayType.h"
#include "session/ProjectSession.h"
#include "support/RecordingObserver.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "transfer/TransferProtocol.h"
#include "transfer/TransferRun.h"

using tavolin::test::SimulatedDisplay;

namespace {

constexpr double LineRate = SimulatedDisplay::LineRate;

struct Figure
{
    double seconds = 0;     // the whole run, identification and answers included
    qsizetype bytes = 0;
    double lineSeconds = 0; // first to last byte of the block as the display received it
    bool ok = false;
};

Figure Run(SimulatedDisplay& display, const TransferJob& base, int selection)
{
    TransferJob job = base;
    job.selection = selection;
    job.port = display.PortName();
    tavolin::test::RecordingObserver observer;
    // Only the display's own pauses are shortened; every byte goes out as in a real run.
    TTransferRun run(observer, tavolin::test::FastTiming(120000));
    display.ClearRecord();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = run.Run(job);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Figure figure{seconds, 0, 0, ok && observer.messages.isEmpty()};
    for (const SimulatedDisplay::Item& item : display.Items()) {
        if (item.command == "(1407)" || item.command == "(1412)") {
            figure.bytes += item.data.size();
            figure.lineSeconds += (item.lastUs - item.firstUs) / 1e6;
        }
    }
    if (!ok)
        std::fprintf(stderr, "run failed: %s\n", qPrintable(run.ErrorText()));
    return figure;
}

// The block as the display received it is what the target is about; the whole run,
// with its identification requests and answers, is shown beside it.
void Report(const char* what, const Figure& f, double targetShare)
{
    const double rate = (f.bytes - 1) / f.lineSeconds;
    const double runRate = f.bytes / f.seconds;
    std::printf("%-34s %6lld bytes: block %7.2f s = %7.1f B/s = %5.1f %% of the line rate (target >= %.0f %%) %s;"
                " whole run %7.2f s = %5.1f %%\n",
                what, static_cast<long long>(f.bytes), f.lineSeconds, rate, 100.0 * rate / LineRate,
                100.0 * targetShare, f.ok && rate >= targetShare * LineRate ? "ok" : "MISSED", f.seconds,
                100.0 * runRate / LineRate);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tavolin::test::UsePrivateSettings();

    ProjectSession project;
    project.Create(QStringLiteral("unused"), QStringLiteral("Quon 3"));
    const TDisplayType& type = project.project.displayType;
    TMessageTable& table = *project.Table(0);
    // Lines of 38 characters, two a message: nothing for the display filter to cut.
    const QByteArray line = "Stoerung Pumpe Foerderband Abschnitt ";
    QByteArray buffer(TextFile::BufferSize, '\0');
    for (int number = 0; number <= 1023; ++number) {
        table.SetText(number, 1, line + QByteArray::number(number % 10) + '\r' + line + 'X');
        if (FormatText(table, 1, buffer.data(), TextFile::BufferSize, 2 | 4, type.lineLength) > 59900) {
            table.DeleteAt(table.Count() - 1);
            break;
        }
    }
    const int textBytes = FormatText(table, 1, buffer.data(), TextFile::BufferSize, 2 | 4, type.lineLength);

    project.graphics.Import(tavolin::test::DemoProjectDir() + QStringLiteral("/demo.pix"));
    const TransferJob job = project.Job(true);
    std::printf("text of %d bytes, %d messages; line rate %.0f B/s (9600 baud, 8N1)\n", textBytes,
                table.Count(), LineRate);

    SimulatedDisplay fast;
    Report("text stream, display unpaced", Run(fast, job, Selection::Language2), 0.0);

    SimulatedDisplay display;
    SimulatedDisplay::Behaviour lineRate;
    lineRate.bytesPerSecond = SimulatedDisplay::LineRate;
    display.SetBehaviour(lineRate);
    const Figure charSet = Run(display, job, Selection::CharSet);
    Report("character set block, 9600 baud", charSet, 0.98);
    const Figure text = Run(display, job, Selection::Language2);
    Report("text stream, 9600 baud", text, 0.90);

    lineRate.xoffEvery = 512;
    lineRate.xonPauseMs = 20;
    display.SetBehaviour(lineRate);
    Report("text stream, 9600 baud, XOFF/512", Run(display, job, Selection::Language2), 0.90);
    return charSet.ok && text.ok ? 0 : 1;
}
