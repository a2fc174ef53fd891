// A display behind a device server against the same display on the local pseudo-terminal,
// both at the 9600-baud line rate with the display's XOFF pauses, measured side by side in
// one run (target: at most 1.02 times the local time); and four displays served at once
// against one (target: at most 1.1 times).
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "session/ProjectSession.h"
#include "support/RecordingObserver.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "texts/MessageTable.h"
#include "transfer/MultiTransfer.h"
#include "transfer/TransferRun.h"

using tavolin::test::Ser2Net;
using tavolin::test::SimulatedDisplay;

namespace {

// A display that takes bytes at the line rate and stops the stream as a device does.
std::unique_ptr<SimulatedDisplay> LineRateDisplay()
{
    auto display = std::make_unique<SimulatedDisplay>();
    SimulatedDisplay::Behaviour behaviour = SimulatedDisplay::Paced(SimulatedDisplay::LineRate);
    behaviour.xoffEvery = SimulatedDisplay::XoffEvery;
    behaviour.xonPauseMs = 50;
    display->SetBehaviour(behaviour);
    return display;
}

double Seconds(const std::function<bool()>& run, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = run() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Single(const TransferJob& base, const QString& port)
{
    TransferJob job = base;
    job.port = port;
    tavolin::test::RecordingObserver observer;
    TTransferRun run(observer, tavolin::test::FastTiming(120000));
    const bool ok = run.Run(job) && observer.messages.isEmpty();
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(port), qPrintable(run.ErrorText()));
    return ok;
}

bool Several(const TransferJob& job, const QStringList& ports)
{
    TMultiTransfer multi(job, ports, tavolin::test::FastTiming(120000));
    multi.Start();
    while (!multi.Wait(100)) {
    }
    if (!multi.AllSucceeded())
        std::fprintf(stderr, "%s", qPrintable(TMultiTransfer::Summary(multi.Snapshot())));
    return multi.AllSucceeded();
}

bool Report(const char* what, double seconds, double reference, double limit)
{
    const double ratio = seconds / reference;
    std::printf("%-40s %7.2f s = %5.3f x (target <= %.2f x) %s\n", what, seconds, ratio, limit,
                ratio <= limit ? "ok" : "MISSED");
    return ratio <= limit;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tavolin::test::UsePrivateSettings();
    if (const QString missing = Ser2Net::Missing(); !missing.isEmpty()) {
        std::printf("skipped: %s\n", qPrintable(missing));
        return 0;
    }

    ProjectSession project;
    project.Create(QStringLiteral("unused"), QStringLiteral("Quon 3"));
    TMessageTable& table = *project.Table(0);
    for (int number = 0; number < 200; ++number)
        table.SetText(number, 1, "Stoerung Pumpe Foerderband Abschnitt " + QByteArray::number(number));
    TransferJob job = project.Job(true);
    job.selection = Selection::Language2; // the texts above are the second language

    bool ok = true;
    const auto local = LineRateDisplay();
    const auto remote = LineRateDisplay();
    Ser2Net server(remote->PortName(), Ser2Net::Mode::Raw);
    const double localSeconds = Seconds([&] { return Single(job, local->PortName()); }, ok);
    const double rawSeconds = Seconds([&] { return Single(job, server.Address()); }, ok);
    std::printf("language 2, %lld bytes at 9600 baud with XOFF every %d bytes\n",
                static_cast<long long>(local->Received().size()), SimulatedDisplay::XoffEvery);
    std::printf("%-40s %7.2f s\n", "local pseudo-terminal", localSeconds);
    ok = Report("ser2net raw", rawSeconds, localSeconds, 1.02) && ok;

    std::vector<std::unique_ptr<SimulatedDisplay>> displays;
    QStringList ports;
    for (int i = 0; i < 4; ++i) {
        displays.push_back(LineRateDisplay());
        ports << displays.back()->PortName();
    }
    const double one = Seconds([&] { return Several(job, ports.mid(0, 1)); }, ok);
    const double four = Seconds([&] { return Several(job, ports); }, ok);
    std::printf("%-40s %7.2f s\n", "one display", one);
    ok = Report("four displays at once", four, one, 1.1) && ok;
    return ok ? 0 : 1;
}
