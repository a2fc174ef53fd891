#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/MainWindow.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "app/ProjectController.h"
#include "common/ProgramFolder.h"
#include "common/SettingsStore.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "BenchTiming.h"

// The demo project grown to 1024 messages in two languages: the time from the open
// command to the first painted grid, and the time of one grid layout while scrolling.
// Processor time is shown beside wall time, since a busy machine stretches the latter.
namespace {

double ThreadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

double Millis(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Every number 0..1023 gets a demo message (cycling through them) in both languages.
QString ScaledDemo(const QTemporaryDir& dir)
{
    const QString demo = QStringLiteral(TAVOLIN_SOURCE_DIR) + QStringLiteral("/examples/Demo");
    const QString folder = dir.path() + QStringLiteral("/Demo1024");
    QDir().mkpath(folder);
    for (const QString& file : QDir(demo).entryList(QDir::Files))
        QFile::copy(demo + QLatin1Char('/') + file, folder + QLatin1Char('/') + file);
    TMessageTable source;
    ReadTextFile(source, demo + QStringLiteral("/Sprache1.txt"), 0);
    ReadTextFile(source, demo + QStringLiteral("/Sprache2.txt"), 1);
    TMessageTable scaled;
    scaled.headerLines = source.headerLines;
    for (int number = 0; number < TMessageTable::MaxMessages; ++number) {
        const TMessage& model = source.At(number % source.Count());
        scaled.SetText(number, 0, model.text[0]);
        scaled.SetText(number, 1, model.text[1]);
    }
    WriteTextFile(scaled, folder + QStringLiteral("/Sprache1.txt"), 0);
    WriteTextFile(scaled, folder + QStringLiteral("/Sprache2.txt"), 1);
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SetProgramFolder(QStringLiteral(TAVOLIN_PROGRAM_DIR));
    SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("0"));

    QTemporaryDir dir;
    const QString folder = ScaledDemo(dir);

    MainWindow window;
    window.resize(1000, 720);
    window.show();
    QApplication::processEvents();
    MessageView& view = *window.View();
    MessageGrid& grid = *view.Grid();

    constexpr int Opens = 15;
    std::vector<double> openMs;
    std::vector<double> openCpuMs;
    for (int round = 0; round < Opens; ++round) {
        const auto start = Clock::now();
        const double cpuStart = ThreadMicros();
        if (!window.Projects()->OpenFolder(folder))
            return 1;
        grid.viewport()->repaint();
        openCpuMs.push_back((ThreadMicros() - cpuStart) / 1000);
        openMs.push_back(Millis(start, Clock::now()));
        if (window.Session().CurrentTable()->Count() != TMessageTable::MaxMessages)
            return 1;
        window.Projects()->CloseProject(false);
    }

    window.Projects()->OpenFolder(folder);
    TMessageTable& table = *window.Session().CurrentTable();
    // A scroll step lays the grid out from the new top row (new row heights are written);
    // a second layout on the same top row shows the cost when nothing moved.
    std::vector<double> scrollUs;
    std::vector<double> layoutUs;
    std::vector<double> paintUs;
    for (int top = 1; top <= table.Count(); top += 7) {
        const auto start = Clock::now();
        grid.SetTopRow(top);
        const auto scrolled = Clock::now();
        view.LayoutGrid(table, 0);
        const auto laidOut = Clock::now();
        grid.viewport()->repaint();
        scrollUs.push_back(Millis(start, scrolled) * 1000);
        layoutUs.push_back(Millis(scrolled, laidOut) * 1000);
        paintUs.push_back(Millis(laidOut, Clock::now()) * 1000);
    }
    window.Projects()->CloseProject(false);

    std::printf("grid: open 1024 messages x 2 languages to first painted grid: median %.1f ms wall, %.1f ms cpu "
                "(target < 150 ms)\n",
                Median(openMs), Median(openCpuMs));
    std::printf("grid: one layout while scrolling (scroll step with its layout): median %.1f us, max %.1f us "
                "(target < 1 ms); layout with nothing moved: median %.1f us; repaint: median %.2f ms\n",
                Median(scrollUs), *std::max_element(scrollUs.begin(), scrollUs.end()), Median(layoutUs),
                Median(paintUs) / 1000);
    return Median(openMs) < 150 && Median(scrollUs) < 1000 ? 0 : 2;
}
