#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <thread>
#include <gtest/gtest.h>

#include "charset/DisplayCodeMap.h"
#include "support/RecordingObserver.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
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
    std::string error;
    qint64 ms = 0;
};

std::string S(const QString& text)
{
    return text.toStdString();
}

Outcome Transfer(const TransferJob& job, const QString& port, TransferTiming timing = FastTiming())
{
    RecordingObserver observer;
    TTransferRun run(observer, timing);
    TransferJob own = job;
    own.port = port;
    QElapsedTimer clock;
    clock.start();
    const bool ok = run.Run(own);
    return {ok && observer.messages.isEmpty(), S(run.ErrorText()), clock.elapsed()};
}

// Every file of a folder with its bytes, by its path in the folder.
QMap<QString, QByteArray> Files(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), ReadAll(path));
    }
    return files;
}

// Reads the display back into a new project and returns its saved files.
QMap<QString, QByteArray> ReadBack(const QString& port)
{
    ProjectSession copy;
    copy.Create(QStringLiteral("unused"), QStringLiteral("Quon 1"));
    const Outcome outcome = Transfer(copy.Job(false), port);
    EXPECT_TRUE(outcome.ok) << outcome.error;
    QTemporaryDir dir;
    copy.SaveTo(dir.path());
    return Files(dir.path());
}

// The line settings of a pseudo-terminal as ser2net writes them ("9600N81").
QString LineOf(const QString& device)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    termios t{};
    const bool read = fd >= 0 && ::tcgetattr(fd, &t) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!read)
        return QStringLiteral("?");
    const speed_t speed = ::cfgetospeed(&t);
    const QString baud = speed == B9600 ? QStringLiteral("9600") : speed == B19200 ? QStringLiteral("19200") : QStringLiteral("?");
    const QChar parity = !(t.c_cflag & PARENB) ? QLatin1Char('N') : (t.c_cflag & PARODD) ? QLatin1Char('O') : QLatin1Char('E');
    const int bits = (t.c_cflag & CSIZE) == CS8 ? 8 : (t.c_cflag & CSIZE) == CS7 ? 7 : 0;
    return baud + parity + QString::number(bits) + ((t.c_cflag & CSTOPB) ? QLatin1Char('2') : QLatin1Char('1'));
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
        // Display code 0xFF is Telnet's command byte: it must reach the display once, as
        // any other byte.
        const char iac = static_cast<char>(DisplayCodeMap::Instance().ToWindows(0xFF));
        project.Table(0)->SetText(7, 1, QByteArray("Tank ") + iac + " voll");
    }

    ProjectSession project;
};

} // namespace

TEST_F(NetworkLinkTest, DeviceServerGivesWhatTheLocalPortGives)
{
    SKIP_WITHOUT_SER2NET();
    SimulatedDisplay local;
    local.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    ASSERT_TRUE(Transfer(project.Job(true), local.PortName()).ok);
    ASSERT_TRUE(local.TextFile("(14E2)").contains('\xFF'));
    const QByteArray localReceived = local.Received();
    const QList<QByteArray> localCommands = local.Commands();
    const QMap<QString, QByteArray> localBack = ReadBack(local.PortName());

    for (const Ser2Net::Mode mode : {Ser2Net::Mode::Raw, Ser2Net::Mode::Rfc2217}) {
        SimulatedDisplay remote;
        remote.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
        Ser2Net server(remote.PortName(), mode);
        SCOPED_TRACE(server.Address().toStdString());
        const Outcome down = Transfer(project.Job(true), server.Address());
        ASSERT_TRUE(down.ok) << down.error;
        EXPECT_TRUE(remote.Received() == localReceived);
        EXPECT_EQ(remote.Commands(), localCommands);
        EXPECT_EQ(ReadBack(server.Address()), localBack);
    }
}

TEST_F(NetworkLinkTest, Rfc2217SetsTheServersPortBeforeTheFirstByte)
{
    SKIP_WITHOUT_SER2NET();
    SimulatedDisplay display;
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
    // ser2net opens the line as configured here; the link must set it to 9600 8N1. The
    // line itself is asked, as ser2net left it.
    Ser2Net server(display.PortName(), Ser2Net::Mode::Rfc2217, QStringLiteral("19200e72"));
    QString during;
    std::thread look = Once(display, "(1418)", [&] { during = LineOf(display.PortName()); });
    TransferJob job = project.Job(true);
    job.selection = Selection::CharSet;
    const Outcome outcome = Transfer(job, server.Address());
    look.join();
    EXPECT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(S(during), "9600N81");
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

    const Outcome unknown = Transfer(job, QStringLiteral("rfc2217://kein-rechner.invalid:4000"), timing);
    EXPECT_EQ(unknown.error, S(portError + QStringLiteral("rfc2217://kein-rechner.invalid:4000: Rechner \"kein-rechner.invalid\" nicht gefunden")));
    EXPECT_NE(Transfer(job, QStringLiteral("tcp://127.0.0.1"), timing).error.find("keine gültige Netzwerkadresse"), std::string::npos);

    SimulatedDisplay display;
    {
        Ser2Net plain(display.PortName(), Ser2Net::Mode::Telnet);
        const QString address = plain.Address(); // rfc2217:// to a plain Telnet server
        EXPECT_EQ(Transfer(job, address, timing).error,
                  S(portError + address + QStringLiteral(": der Server lehnt die COM-PORT-OPTION (RFC 2217) ab")));
    }
    {
        // A raw server passes the Telnet negotiation on to the display, which says nothing.
        Ser2Net raw(display.PortName(), Ser2Net::Mode::Raw);
        const Outcome silent = Transfer(job, QStringLiteral("rfc2217") + raw.Address().mid(3), timing);
        EXPECT_TRUE(QString::fromStdString(silent.error).endsWith(QStringLiteral("beantwortet die COM-PORT-OPTION (RFC 2217) nicht innerhalb von 1 s")))
            << silent.error;
    }
    // Mid-stream, held by the display's XOFF: the server ends, or stops answering.
    SimulatedDisplay::Behaviour busy = SimulatedDisplay::Paced(SimulatedDisplay::LineRate);
    busy.xoffEvery = SimulatedDisplay::XoffEvery;
    TransferJob language1 = job;
    language1.selection = Selection::Language1;
    const std::pair<Ser2Net::Mode, int> stops[] = {
        {Ser2Net::Mode::Raw, SIGTERM}, {Ser2Net::Mode::Rfc2217, SIGTERM}, {Ser2Net::Mode::Raw, SIGSTOP}};
    for (const auto& [mode, signal] : stops) {
        SimulatedDisplay display; // each left mid-stream
        display.SetBehaviour(busy);
        Ser2Net server(display.PortName(), mode);
        SCOPED_TRACE(server.Address().toStdString() + (signal == SIGSTOP ? " stopped" : " ended"));
        const auto pid = static_cast<pid_t>(server.Pid());
        std::thread stop = Once(display, "(1407)", [pid, signal = signal] { ::kill(pid, signal); });
        const Outcome outcome = Transfer(language1, server.Address(), timing);
        stop.join();
        if (signal == SIGTERM) {
            EXPECT_EQ(outcome.error, S(portError + server.Address() + QStringLiteral(": Verbindung vom Server beendet")));
            EXPECT_LT(outcome.ms, 5000);
        } else {
            ::kill(pid, SIGCONT);
            EXPECT_FALSE(outcome.ok);
            // Bytes the stopped server never takes are given up after their drain bound.
            EXPECT_LT(outcome.ms, 10000) << outcome.error;
        }
    }
    EXPECT_EQ(Files(DemoProjectDir()), before);
}
