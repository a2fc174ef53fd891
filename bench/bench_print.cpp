#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "charset/CharSet.h"
#include "print/MessageListPrint.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"

// The demo's first language grown to 1024 messages (with its settings lines), printed
// into a PDF: wall and processor time, PDF size and the growth of the resident memory,
// which must stay flat (each message's two pictures are freed at once). Then the same list
// in the print preview at the printer's resolution, laid out and drawn on the screen: the
// user waits that long for the first page.
namespace {

using Clock = std::chrono::steady_clock;

double ThreadMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString demo = QStringLiteral(TAVOLIN_SOURCE_DIR) + QStringLiteral("/examples/Demo");

    TMessageTable source;
    ReadTextFile(source, demo + QStringLiteral("/Sprache1.txt"), 0);
    TMessageTable table;
    table.headerLines = source.headerLines;
    table.fileName[0] = demo + QStringLiteral("/Sprache1.txt");
    for (int number = 0; number < TMessageTable::MaxMessages; ++number)
        table.SetText(number, 0, source.At(number % source.Count()).text[0]);

    TCharSet standard('S');
    TCharSet graphics('G');
    standard.Import(QStringLiteral(TAVOLIN_PROGRAM_DIR) + QStringLiteral("/led.fix"));
    graphics.Import(demo + QStringLiteral("/demo.pix"));
    MessageListSource list;
    list.table = &table;
    list.standardFont = standard.font;
    list.graphicsFont = graphics.font;
    list.lineLength = 24;
    list.displayTypeName = QStringLiteral("Quon 1");
    list.charSetPath = demo + QStringLiteral("/demo.pix");

    constexpr int Rounds = 5;
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<long> growth;
    qint64 bytes = 0;
    int pages = 0;
    for (int round = 0; round < Rounds; ++round) {
        const long before = ResidentKb();
        const auto start = Clock::now();
        const double cpuStart = ThreadMillis();
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        pages = WriteMessageListPdf(pdf, list, QPageSize(QPageSize::A4)).pages;
        cpu.push_back(ThreadMillis() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        bytes = pdf.size();
        growth.push_back(ResidentKb() - before);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("print: 1024 messages to PDF (%d pages, %lld KB): median %.0f ms wall, %.0f ms cpu (target < 2000 ms); "
                "resident memory growth per round: first %ld KB, last %ld KB\n",
                pages, bytes / 1024, wall[Rounds / 2], cpu[Rounds / 2], growth.front(), growth.back());

    QPrinter printer(QPrinter::HighResolution);
    SetMessageListPageLayout(printer, QPageSize(QPageSize::A4));
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&list](QPrinter* target) { PrintMessageList(*target, list); });
    preview.resize(1000, 900);
    preview.show();
    constexpr int PreviewRounds = 3;
    std::vector<double> shown;
    for (int round = 0; round < PreviewRounds; ++round) {
        const auto start = Clock::now();
        preview.updatePreview();
        QApplication::processEvents();
        preview.grab();
        shown.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(shown.begin(), shown.end());
    std::printf("print preview: 1024 messages (%d pages) at %d dpi laid out and shown: median %.0f ms (target < 1000 ms)\n",
                preview.pageCount(), printer.resolution(), shown[PreviewRounds / 2]);
    return cpu[Rounds / 2] < 2000 && shown[PreviewRounds / 2] < 1000 ? 0 : 2;
}
