#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <memory>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "support/CliRunner.h"
#include "support/FullDisk.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "session/ProjectSession.h"
#include "texts/MessageTable.h"

using namespace tavolin::test;

namespace {

QStringList Download(const QStringList& more)
{
    return QStringList{QStringLiteral("download"), DemoProjectDir()} + more;
}

QStringList Readback(const QString& target, const SimulatedDisplay& display)
{
    return {QStringLiteral("readback"), target, QStringLiteral("--type"), QStringLiteral("Quon 3"),
            QStringLiteral("--port"), display.PortName()};
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Every write beyond 1 KiB fails as on a full disk (run in the child before the tool starts).
void LimitFileSize()
{
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// `tavolin-cli simulate` running in the background; the port is its first output line.
struct Simulator
{
    explicit Simulator(const QStringList& args, const std::function<void()>& inChild = {})
    {
        if (inChild)
            process.setChildProcessModifier(inChild);
        process.start(CliPath(), QStringList{QStringLiteral("simulate")} + args);
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        port = QString::fromUtf8(process.readLine()).trimmed();
    }
    // Ends it as a user does; its exit code.
    int Stop(int signal)
    {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        EXPECT_TRUE(process.waitForFinished(10000));
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;
    QString port;
    QString err;
};

} // namespace

// Language 1 brings the system settings; the status goes to stderr, the end line says what
// was sent. A selection that sends nothing for the type is a usage error that says why,
// before the display is asked.
TEST(TransferCli, SelectionIsCompletedAndNeverEmpty)
{
    SimulatedDisplay display;
    const QStringList port{QStringLiteral("--port"), display.PortName()};
    const CliResult sent = RunCli(Download(port + QStringList{QStringLiteral("--select"), QStringLiteral("4")}));
    EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    EXPECT_EQ(display.CountOf("(14E0)"), 1);
    EXPECT_EQ(display.CountOf("(1407)"), 1);
    EXPECT_TRUE(sent.err.contains(QStringLiteral("Sprache1 wird geladen..."))) << sent.err.toStdString();
    EXPECT_EQ(sent.out, QStringLiteral("Übertragung beendet: Systemeinstellungen, Sprache 1.\n"));

    QTemporaryDir dir;
    ProjectSession single;
    single.Create(dir.path(), QStringLiteral("Orbex 2"));
    single.graphics.Import(DemoProjectDir() + QStringLiteral("/demo.pix"));
    single.Save();
    display.ClearRecord();
    const std::pair<QStringList, QString> refused[] = {
        {Download(port + QStringList{QStringLiteral("--select=0")}), QStringLiteral("Die Auswahl 0 überträgt beim Anzeigetyp \"Quon 1\" nichts.")},
        {Download(port + QStringList{QStringLiteral("--select=64")}), QStringLiteral("sie enthält keines der Bits")},
        {{QStringLiteral("download"), dir.path(), QStringLiteral("--select"), QStringLiteral("8")},
         QStringLiteral("Sprache 2 hat dieser Anzeigetyp nicht")},
    };
    for (const auto& [args, why] : refused) {
        SCOPED_TRACE(why.toStdString());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(why)) << result.err.toStdString();
    }
    EXPECT_TRUE(display.Commands().isEmpty());
}

// What reading the project leaves out is told before anything goes out.
TEST(TransferCli, WarningsComeFirstAndAPortThatIsNotThereSaysSo)
{
    QTemporaryDir copy;
    CopyFiles(DemoProjectDir(), copy.path());
    const QString texts = copy.filePath(QStringLiteral("Sprache2.txt"));
    WriteAll(texts, ReadAll(texts) + "1500 zu gross\n\r");
    const CliResult bad = RunCli({QStringLiteral("download"), copy.path(), QStringLiteral("--port"),
                                  QStringLiteral("/dev/tavolin-no-port")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Schnittstellen Fehler !\n/dev/tavolin-no-port: nicht vorhanden")));
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Warnung: %1, Zeile ").arg(texts))) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Die Meldungsnummer 1500 ist größer als 1023")));
}

TEST(TransferCli, ReadbackSavesANewProject)
{
    SimulatedDisplay display;
    const QByteArray pix = ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix"));
    display.SetCharSet(pix);
    display.SetTextFile("(14E0)", "0    *Binaer\n\r     *\n\r1    Pumpe 1\n\r     Stoerung\n\r");
    display.SetTextFile("(14E2)", "1    Pump 1\n\r");
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));

    QTemporaryDir base;
    const QString target = base.filePath(QStringLiteral("Gelesen"));
    const CliResult result = RunCli(Readback(target + QLatin1Char('/'), display));
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    // A new folder like any other: what the umask leaves, not private to its owner.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat status{};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0777 & ~mask);
    EXPECT_EQ(ReadAll(target + QStringLiteral("/default.pix")), pix);
    EXPECT_EQ(ReadAll(target + QStringLiteral("/Sprache1.txt")),
              QByteArray("0    *Binaer\n\r     *\n\r1    Pumpe 1\n\r     Stoerung\n\r"));
    EXPECT_EQ(ReadAll(target + QStringLiteral("/Sprache2.txt")), QByteArray("1    Pump 1\n\r"));
    const QByteArray config = ReadAll(target + QStringLiteral("/tavolin.cfg"));
    ASSERT_EQ(config.size(), 1536);
    EXPECT_EQ(QByteArray(config.constData() + 1024), QByteArray("default"));
    EXPECT_EQ(QByteArray(config.constData() + 1280), QByteArray("Quon 3"));

    // ReadbackTargetIsCheckedFirstAndNothingStays: a target that cannot be written ends the
    // command before the display is asked; a run that fails leaves nothing behind, not even
    // the parent folders it made.
    display.ClearRecord();
    WriteAll(base.filePath(QStringLiteral("datei")), "x");
    const CliResult blocked = RunCli(Readback(base.filePath(QStringLiteral("datei/neu/Gelesen")), display));
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains(base.filePath(QStringLiteral("datei/neu")) + QStringLiteral(": ein Teil des Pfads ist kein Ordner")))
        << blocked.err.toStdString();
    EXPECT_TRUE(display.Commands().isEmpty());

    display.SetBehaviour(SimulatedDisplay::Silent());
    const CliResult unanswered = RunCli(Readback(base.filePath(QStringLiteral("a/b/Gelesen")), display));
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_TRUE(unanswered.err.contains(QStringLiteral("Anzeige nicht angeschloßen !")));
    EXPECT_EQ(Entries(base.path()), (QStringList{QStringLiteral("datei"), QStringLiteral("Gelesen")}));
}

// Ctrl+C and SIGTERM abort with the abort text and the exit codes of any program ended so.
TEST(TransferCli, SignalsAbortAndLeaveNothingBehind)
{
    SimulatedDisplay display;
    display.SetBehaviour(SimulatedDisplay::Silent());
    QTemporaryDir base;
    const QStringList commands[] = {
        Readback(base.filePath(QStringLiteral("Gelesen")), display),
        {QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"), display.PortName()},
    };
    for (const QStringList& args : commands) {
        for (const int signal : {SIGINT, SIGTERM}) {
            display.ClearRecord();
            const CliResult result = RunCli(args, [&](QProcess& process) {
                ASSERT_TRUE(display.WaitForCommands(1, 10000));
                ::kill(static_cast<pid_t>(process.processId()), signal);
            });
            EXPECT_EQ(result.exitCode, 128 + signal) << args.first().toStdString();
            EXPECT_TRUE(result.err.contains(QStringLiteral("Übertragung durch Anwender abgebrochen !")));
            EXPECT_TRUE(Entries(base.path()).isEmpty());
        }
    }
}

// Ctrl+C in the middle of a text stream, to one display or to several at once: the run
// ends with the abort, and every display is back at its commands for the next download.
TEST(TransferCli, AbortMidStreamLeavesEveryDisplayReady)
{
    const QStringList select{QStringLiteral("--select"), QStringLiteral("4")};
    for (const int count : {1, 2}) {
        std::vector<std::unique_ptr<SimulatedDisplay>> displays;
        QStringList args = Download(select);
        for (int i = 0; i < count; ++i) {
            displays.push_back(std::make_unique<SimulatedDisplay>());
            displays.back()->SetBehaviour(SimulatedDisplay::Paced(2000));
            args << QStringLiteral("--port") << displays.back()->PortName();
        }
        const auto streaming = [&] {
            return std::all_of(displays.begin(), displays.end(), [](const auto& display) {
                const QList<TDisplaySimulator::Item> items = display->Items();
                return !items.isEmpty() && items.last().command == "(1407)" && items.last().data.size() > 100;
            });
        };
        const CliResult aborted = RunCli(args, [&](QProcess& process) {
            for (int wait = 0; wait < 1000 && !streaming(); ++wait)
                QThread::msleep(10);
            ASSERT_TRUE(streaming());
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        });
        EXPECT_EQ(aborted.exitCode, 130) << aborted.err.toStdString();
        for (const auto& display : displays) {
            const CliResult again = RunCli(Download(select + QStringList{QStringLiteral("--port"), display->PortName()}));
            EXPECT_EQ(again.exitCode, 0) << count << " ports: " << again.err.toStdString();
        }
    }
}

// Several ports: each display ends on its own, and Ctrl+C says which had finished.
TEST(TransferCli, MultiDownloadEachDisplayEndsOnItsOwnAndCtrlCSaysWhichHadFinished)
{
    SimulatedDisplay good;
    const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
    const QStringList download = Download({QStringLiteral("--select"), QStringLiteral("4"), QStringLiteral("--port"), good.PortName()});

    const CliResult run = RunCli(download + QStringList{QStringLiteral("--port"), refused});
    EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression(QRegularExpression::escape(refused)
                                                    + QStringLiteral(" +Fehler: Schnittstellen Fehler ! - .*Verbindung abgelehnt +0 "))))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression(QRegularExpression::escape(good.PortName()) + QStringLiteral(" +fertig +[1-9]"))));
    EXPECT_EQ(good.CountOf("(14E0)"), 1);

    // Ctrl+C while one display is done and the other does not answer.
    SimulatedDisplay silent;
    silent.SetBehaviour(SimulatedDisplay::Silent());
    good.ClearRecord();
    QString err;
    const CliResult interrupted = RunCli(download + QStringList{QStringLiteral("--port"), silent.PortName()}, [&](QProcess& process) {
        QElapsedTimer clock;
        clock.start();
        while (!err.contains(good.PortName() + QStringLiteral(": fertig")) && clock.elapsed() < 60000) {
            process.waitForReadyRead(100);
            err += QString::fromUtf8(process.readAllStandardError());
        }
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    });
    err += interrupted.err;
    EXPECT_EQ(interrupted.exitCode, 130);
    EXPECT_TRUE(err.contains(QStringLiteral("Abgebrochen; fertig waren: ") + good.PortName())) << err.toStdString();
    EXPECT_TRUE(interrupted.out.contains(QStringLiteral("abgebrochen")));
}

// Saving the read-back project onto a full disk fails with file and reason, and leaves
// neither the project nor its scratch folder.
TEST(TransferCli, ReadbackOntoAFullDiskLeavesNothing)
{
    SimulatedDisplay display;
    display.SetCharSet(ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")));
    display.SetTextFile("(14E0)", QByteArray("1    Pumpe 1\n\r").repeated(100));
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    FullDisk disk;
    CliResult result;
    const QStringList args = Readback(disk.FilePath(QStringLiteral("Gelesen")), display);
    if (disk.Mounted())
        disk.WhileFull([&] { result = RunCli(args); });
    else
        result = RunCli(args, {}, LimitFileSize);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Fehler bei Dateispeichern"))) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(disk.Reason())) << result.err.toStdString();
    EXPECT_TRUE(Entries(disk.Path()).isEmpty()) << Entries(disk.Path()).join(' ').toStdString();
}

TEST(SimulateCli, KeepsWhatWasDownloadedAndServesItForTheReadBack)
{
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("store"));
    const QString link = dir.filePath(QStringLiteral("anzeige"));
    Simulator first({QStringLiteral("--store"), store, QStringLiteral("--link"), link});
    ASSERT_TRUE(first.port.startsWith(QStringLiteral("/dev/"))) << first.port.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), first.port);

    const QStringList all{QStringLiteral("--select"), QStringLiteral("1023")};
    const CliResult down = RunCli(Download(all + QStringList{QStringLiteral("--port"), link}));
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    EXPECT_EQ(first.Stop(SIGTERM), 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains(QStringLiteral("(1412) Zeichensatz folgt")));
    EXPECT_TRUE(first.err.contains(QStringLiteral("Textdatei empfangen: Betriebstexte Sprache 2")));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QDir(store).entryList(QDir::Files),
              (QStringList{QStringLiteral("E0.txt"), QStringLiteral("E2.txt"), QStringLiteral("glyphs.pix")}));

    // A second display starts with what the first one held: it equals the project, which
    // reads back every glyph and text.
    Simulator second({QStringLiteral("--load"), store});
    const CliResult compare = RunCli(QStringList{QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"), second.port} + all);
    EXPECT_EQ(second.Stop(SIGINT), 0);
    EXPECT_EQ(compare.exitCode, 0) << compare.err.toStdString();
    EXPECT_TRUE(compare.out.endsWith(QStringLiteral("Projekt und Anzeige stimmen überein.\n")));

    // A port that is not there: a transfer error, told apart from "different".
    const CliResult missing = RunCli({QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"),
                                      dir.filePath(QStringLiteral("fehlt"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Schnittstellen Fehler !")));
}

TEST(SimulateCli, ReportsAStoreOnAFullDiskAndRefusesBadArguments)
{
    QTemporaryDir dir;
    // The character set has 1568 bytes.
    Simulator full({QStringLiteral("--store"), dir.path()}, LimitFileSize);
    const CliResult down = RunCli(Download({QStringLiteral("--port"), full.port, QStringLiteral("--select"), QStringLiteral("2")}));
    ASSERT_EQ(down.exitCode, 0) << down.err.toStdString();
    EXPECT_EQ(full.Stop(SIGTERM), 1);
    EXPECT_TRUE(full.err.contains(QStringLiteral("Fehler bei Dateispeichern\n") + dir.filePath(QStringLiteral("glyphs.pix"))))
        << full.err.toStdString();
    EXPECT_TRUE(Entries(dir.path()).isEmpty());

    const std::tuple<QStringList, int, QString> refused[] = {
        {{QStringLiteral("--type"), QStringLiteral("Quon 99")}, 2, QStringLiteral("\"Quon 99\" ist unbekannt")},
        {{QStringLiteral("--load"), dir.filePath(QStringLiteral("fehlt"))}, 1, QStringLiteral("Der Ordner existiert nicht.")},
    };
    for (const auto& [args, exitCode, why] : refused) {
        const CliResult result = RunCli(QStringList{QStringLiteral("simulate")} + args);
        EXPECT_EQ(result.exitCode, exitCode);
        EXPECT_TRUE(result.err.contains(why)) << result.err.toStdString();
    }
}
