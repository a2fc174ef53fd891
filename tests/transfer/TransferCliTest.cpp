#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <memory>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "support/FullDisk.h"
#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "session/ProjectSession.h"

using namespace tavolin::test;

namespace {

QString Cli()
{
    return ProgramDir() + QStringLiteral("/tavolin-cli");
}

struct Result
{
    int exitCode = -1;
    QString err;
    QString out;
};

// Runs the tool while this process keeps its event loop turning (the display answers
// from its own thread either way).
Result RunCli(const QStringList& args, const std::function<void(QProcess&)>& during = {},
              const std::function<void()>& inChild = {})
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(Cli(), args);
    EXPECT_TRUE(process.waitForStarted(5000));
    if (during)
        during(process);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
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

} // namespace

TEST(TransferCli, DownloadSendsTheSelectedItems)
{
    SimulatedDisplay display;
    const Result result = RunCli({QStringLiteral("download"), DemoProjectDir(),
                                  QStringLiteral("--port"), display.PortName(), QStringLiteral("--select"),
                                  QStringLiteral("2")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(display.CountOf("(1412)"), 1);
    EXPECT_EQ(display.CountOf("(1407)"), 0);
    EXPECT_EQ(display.CharSet(), ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("Zeichensatz wird geladen...")));

    EXPECT_EQ(result.out, QStringLiteral("Übertragung beendet: Zeichensatz.\n"));

    // What reading the project leaves out is told before anything goes out.
    QTemporaryDir copy;
    for (const QString& name : QDir(DemoProjectDir()).entryList(QDir::Files))
        QFile::copy(DemoProjectDir() + QLatin1Char('/') + name, copy.filePath(name));
    const QString texts = copy.filePath(QStringLiteral("Sprache2.txt"));
    WriteAll(texts, ReadAll(texts) + "1500 zu gross\n\r");
    const Result bad = RunCli({QStringLiteral("download"), copy.path(),
                               QStringLiteral("--port"), QStringLiteral("/dev/tavolin-no-port")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Schnittstellen Fehler !\n/dev/tavolin-no-port: nicht vorhanden")));
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Warnung: %1, Zeile ").arg(texts))) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Die Meldungsnummer 1500 ist größer als 1023")));
}

// Language 1 brings the system settings; a selection that sends nothing for the type is
// a usage error that says why, before the display is asked.
TEST(TransferCli, SelectionIsCompletedAndNeverEmpty)
{
    SimulatedDisplay display;
    const QStringList download{QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--port"), display.PortName()};
    const Result one = RunCli(download + QStringList{QStringLiteral("--select"), QStringLiteral("4")});
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(display.CountOf("(14E0)"), 1);
    EXPECT_EQ(one.out, QStringLiteral("Übertragung beendet: Systemeinstellungen, Sprache 1.\n"));

    QTemporaryDir dir;
    ProjectSession single;
    single.Create(dir.path(), QStringLiteral("Orbex 2"));
    single.graphics.Import(DemoProjectDir() + QStringLiteral("/demo.pix"));
    single.Save();
    display.ClearRecord();
    const std::pair<QStringList, QString> refused[] = {
        {download + QStringList{QStringLiteral("--select=0")}, QStringLiteral("Die Auswahl 0 überträgt beim Anzeigetyp \"Quon 1\" nichts.")},
        {download + QStringList{QStringLiteral("--select=64")}, QStringLiteral("sie enthält keines der Bits")},
        {{QStringLiteral("download"), dir.path(), QStringLiteral("--select"), QStringLiteral("8")},
         QStringLiteral("Sprache 2 hat dieser Anzeigetyp nicht")},
    };
    for (const auto& [args, why] : refused) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(why)) << result.err.toStdString();
    }
    EXPECT_TRUE(display.Commands().isEmpty());
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
    const Result result = RunCli(Readback(target + QLatin1Char('/'), display));
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
    EXPECT_EQ(QDir(base.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Gelesen")});

    // An existing project is never overwritten.
    const Result again = RunCli({QStringLiteral("readback"), target, QStringLiteral("--type"),
                                 QStringLiteral("Quon 3"), QStringLiteral("--port"), display.PortName()});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("existiert bereits")));
}

// A target that cannot be written ends the command before the display is asked; a run
// that fails leaves nothing behind, not even the parent folders it made.
TEST(TransferCli, ReadbackTargetIsCheckedFirstAndNothingStays)
{
    SimulatedDisplay display;
    QTemporaryDir base;
    WriteAll(base.filePath(QStringLiteral("datei")), "x");
    const Result blocked = RunCli(Readback(base.filePath(QStringLiteral("datei/neu/Gelesen")), display));
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains(base.filePath(QStringLiteral("datei/neu")) + QStringLiteral(": ein Teil des Pfads ist kein Ordner")))
        << blocked.err.toStdString();
    EXPECT_TRUE(display.Commands().isEmpty());

    SimulatedDisplay::Behaviour silent;
    silent.silentInfoRequests = -1;
    display.SetBehaviour(silent);
    const Result unanswered = RunCli(Readback(base.filePath(QStringLiteral("a/b/Gelesen")), display));
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_TRUE(unanswered.err.contains(QStringLiteral("Anzeige nicht angeschloßen !")));
    EXPECT_EQ(Entries(base.path()), QStringList{QStringLiteral("datei")});
}

// Ctrl+C and SIGTERM abort with the abort text and the exit codes of any program ended so.
TEST(TransferCli, SignalsAbortAndLeaveNothingBehind)
{
    SimulatedDisplay display;
    SimulatedDisplay::Behaviour silent;
    silent.silentInfoRequests = -1;
    display.SetBehaviour(silent);

    QTemporaryDir base;
    const QStringList commands[] = {
        Readback(base.filePath(QStringLiteral("Gelesen")), display),
        {QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"), display.PortName()},
    };
    for (const QStringList& args : commands) {
        for (const int signal : {SIGINT, SIGTERM}) {
            display.ClearRecord();
            const Result result = RunCli(args, [&](QProcess& process) {
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
    for (const int count : {1, 2}) {
        std::vector<std::unique_ptr<SimulatedDisplay>> displays;
        QStringList args{QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--select"), QStringLiteral("4")};
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
        const Result aborted = RunCli(args, [&](QProcess& process) {
            for (int wait = 0; wait < 1000 && !streaming(); ++wait)
                QThread::msleep(10);
            ASSERT_TRUE(streaming());
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        });
        EXPECT_EQ(aborted.exitCode, 130) << aborted.err.toStdString();
        for (const auto& display : displays) {
            const Result again = RunCli({QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--port"),
                                         display->PortName(), QStringLiteral("--select"), QStringLiteral("4")});
            EXPECT_EQ(again.exitCode, 0) << count << " ports: " << again.err.toStdString();
        }
    }
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
    Result result;
    const QStringList args = Readback(disk.FilePath(QStringLiteral("Gelesen")), display);
    if (disk.Mounted())
        disk.WhileFull([&] { result = RunCli(args); });
    else
        result = RunCli(args, {}, [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Fehler bei Dateispeichern"))) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(disk.Reason())) << result.err.toStdString();
    EXPECT_TRUE(Entries(disk.Path()).isEmpty()) << Entries(disk.Path()).join(' ').toStdString();
}
