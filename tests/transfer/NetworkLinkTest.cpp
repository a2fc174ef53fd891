#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <thread>
#include <gtest/gtest.h>

#include "support/RecordingObserver.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TextTestSupport.h"
#include "session/ProjectSession.h"
#include "texts/MessageTable.h"
#include "transfer/TransferRun.h"

using namespace tavolin::test;

namespace {

#define SKIP_WITHOUT_SER2NET()                                   \
    if (const QString missing = Ser2Net::Missing(); !missing.isEmpty()) \
    GTEST_SKIP() << missing.toStdString()

struct Outcome
{
    bool ok = false;
    QString error;
    qint64 ms = 0;
};

Outcome Run(const TransferJob& job, const QString& port, TransferTiming timing = FastTiming())
{
    RecordingObserver observer;
    TTransferRun run(observer, timing);
    TransferJob own = job;
    own.port = port;
    QElapsedTimer clock;
    clock.start();
    const bool ok = run.Run(own);
    return {ok && observer.messages.isEmpty(), run.ErrorText(), clock.elapsed()};
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> Files(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(path, ReadAll(path));
    }
    return files;
}

// Reads the display back into a new project and returns its saved files by name.
QMap<QString, QByteArray> ReadBack(const QString& port)
{
    ProjectSession copy;
    copy.Create(QStringLiteral("unused"), QStringLiteral("Quon 1"));
    const Outcome outcome = Run(copy.Job(false), port);
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    QTemporaryDir dir;
    copy.SaveTo(dir.path());
    QMap<QString, QByteArray> files;
    const QMap<QString, QByteArray> saved = Files(dir.path());
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        files.insert(QFileInfo(it.key()).fileName(), it.value());
    return files;
}

// Runs `action` in its own thread once the display has received `command`.
std::thread Once(SimulatedDisplay& display, const QByteArray& command, std::function<void()> action)
{
    return std::thread([&display, command, action] {
        QElapsedTimer clock;
        clock.start();
        while (display.CountOf(command) == 0 && clock.elapsed() < 20000)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        action();
    });
}

class NetworkLinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.Load(DemoProjectDir());
        // 0xFF is Telnet's command byte: it must reach the display once, as any other byte.
        project.Table(0)->SetText(7, 1, QByteArray("Tank\xFF voll"));
    }

    ProjectSession project;
};

} // namespace

TEST_F(NetworkLinkTest, DeviceServerGivesWhatTheLocalPortGives)
{
    SKIP_WITHOUT_SER2NET();
    SimulatedDisplay local;
    local.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    ASSERT_TRUE(Run(project.Job(true), local.PortName()).ok);
    ASSERT_TRUE(local.Received().contains('\xFF'));
    const QMap<QString, QByteArray> localBack = ReadBack(local.PortName());
    ASSERT_TRUE(localBack.value(QStringLiteral("Sprache1.txt")).contains('\xFF'));

    for (const Ser2Net::Mode mode : {Ser2Net::Mode::Raw, Ser2Net::Mode::Rfc2217}) {
        SimulatedDisplay remote;
        remote.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
        Ser2Net server(remote.PortName(), mode);
        SCOPED_TRACE(server.Address().toStdString());
        const Outcome down = Run(project.Job(true), server.Address());
        ASSERT_TRUE(down.ok) << down.error.toStdString();
        EXPECT_TRUE(remote.Received() == local.Received());
        EXPECT_EQ(remote.Commands(), local.Commands());
        EXPECT_EQ(ReadBack(server.Address()), localBack);
    }
}

TEST_F(NetworkLinkTest, Rfc2217SetsTheServersPortBeforeTheFirstByte)
{
    SKIP_WITHOUT_SER2NET();
    SimulatedDisplay display;
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
    Ser2Net server(display.PortName(), Ser2Net::Mode::Rfc2217, QStringLiteral("19200e72"));
    ASSERT_TRUE(server.Admin("showport").contains("19200E72"));
    QByteArray during;
    std::thread look = Once(display, "(1412)", [&] { during = server.Admin("showport"); });
    TransferJob job = project.Job(true);
    job.selection = Selection::CharSet;
    const Outcome outcome = Run(job, server.Address());
    look.join();
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_TRUE(during.contains("9600N81")) << during.toStdString();
    EXPECT_EQ(display.CharSet(), ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")));
}

TEST_F(NetworkLinkTest, NetworkFaultsEndWithTheirMessageAndLeaveTheProject)
{
    SKIP_WITHOUT_SER2NET();
    const QMap<QString, QByteArray> before = Files(DemoProjectDir());
    TransferTiming timing = FastTiming(500);
    timing.connectMs = 1000;
    timing.infoAttemptsPerItem = 3;
    const TransferJob job = project.Job(true);
    const QString portError = QStringLiteral("Schnittstellen Fehler !\n");

    const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
    EXPECT_EQ(Run(job, refused, timing).error, portError + refused + QStringLiteral(": Verbindung abgelehnt"));
    const Outcome unknown = Run(job, QStringLiteral("rfc2217://kein-rechner.invalid:4000"), timing);
    EXPECT_EQ(unknown.error, portError + QStringLiteral("rfc2217://kein-rechner.invalid:4000: Rechner \"kein-rechner.invalid\" nicht gefunden"));
    EXPECT_TRUE(Run(job, QStringLiteral("tcp://127.0.0.1"), timing).error.contains(QStringLiteral("keine gültige Netzwerkadresse")));

    SimulatedDisplay display;
    {
        Ser2Net plain(display.PortName(), Ser2Net::Mode::Telnet);
        EXPECT_EQ(Run(job, QStringLiteral("rfc2217") + plain.Address().mid(6), timing).error,
                  portError + QStringLiteral("rfc2217") + plain.Address().mid(6)
                      + QStringLiteral(": der Server lehnt die COM-PORT-OPTION (RFC 2217) ab"));
    }
    {
        // A raw server passes the Telnet negotiation on to the display, which says nothing.
        Ser2Net raw(display.PortName(), Ser2Net::Mode::Raw);
        const Outcome silent = Run(job, QStringLiteral("rfc2217") + raw.Address().mid(3), timing);
        EXPECT_TRUE(silent.error.endsWith(QStringLiteral("beantwortet die COM-PORT-OPTION (RFC 2217) nicht innerhalb von 1 s")))
            << silent.error.toStdString();
    }
    for (const Ser2Net::Mode mode : {Ser2Net::Mode::Raw, Ser2Net::Mode::Rfc2217}) {
        display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
        display.ClearRecord();
        Ser2Net server(display.PortName(), mode);
        std::thread stop = Once(display, "(1407)", [&] { server.Stop(); });
        const Outcome closed = Run(job, server.Address(), timing);
        stop.join();
        EXPECT_EQ(closed.error, portError + server.Address() + QStringLiteral(": Verbindung vom Server beendet"));
        EXPECT_LT(closed.ms, 5000);
    }
    {
        display.ClearRecord();
        Ser2Net server(display.PortName(), Ser2Net::Mode::Raw);
        const auto pid = static_cast<pid_t>(server.Pid());
        std::thread halt = Once(display, "(1407)", [pid] { ::kill(pid, SIGSTOP); });
        const Outcome stalled = Run(job, server.Address(), timing);
        halt.join();
        ::kill(pid, SIGCONT);
        EXPECT_FALSE(stalled.ok);
        EXPECT_LT(stalled.ms, 15000) << stalled.error.toStdString();
    }
    EXPECT_EQ(Files(DemoProjectDir()), before);
}

TEST(MultiDownloadCli, EachDisplayEndsOnItsOwnAndCtrlCSaysWhichHadFinished)
{
    SimulatedDisplay good;
    const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
    const QString cli = ProgramDir() + QStringLiteral("/tavolin-cli");
    const QStringList download = {QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--select"), QStringLiteral("4")};

    QProcess run;
    run.start(cli, download + QStringList{QStringLiteral("--port"), good.PortName(), QStringLiteral("--port"), refused});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_EQ(run.exitCode(), 1) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QRegularExpression::escape(refused)
                                                + QStringLiteral(" +Fehler: Schnittstellen Fehler ! - .*Verbindung abgelehnt +0 "))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QRegularExpression::escape(good.PortName()) + QStringLiteral(" +fertig +[1-9]"))));
    ProjectSession project;
    project.Load(DemoProjectDir());
    EXPECT_TRUE(good.TextFile("(14E0)")
                == Format(*project.Table(0), 0, 1 | 2 | 4, project.project.displayType.lineLength).replace("\x1A", ""));

    // Ctrl+C while one display is done and the other does not answer.
    SimulatedDisplay silent;
    SimulatedDisplay::Behaviour mute;
    mute.silentInfoRequests = -1;
    silent.SetBehaviour(mute);
    good.ClearRecord();
    QProcess interrupted;
    interrupted.start(cli, download + QStringList{QStringLiteral("--port"), good.PortName(), QStringLiteral("--port"), silent.PortName()});
    QByteArray err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains(good.PortName().toUtf8() + ": fertig") && clock.elapsed() < 60000) {
        interrupted.waitForReadyRead(100);
        err += interrupted.readAllStandardError();
    }
    ::kill(static_cast<pid_t>(interrupted.processId()), SIGINT);
    ASSERT_TRUE(interrupted.waitForFinished(10000));
    err += interrupted.readAllStandardError();
    EXPECT_EQ(interrupted.exitCode(), 130);
    EXPECT_TRUE(err.contains("Abgebrochen; fertig waren: " + good.PortName().toUtf8())) << err.toStdString();
    EXPECT_TRUE(interrupted.readAllStandardOutput().contains("abgebrochen"));
}
