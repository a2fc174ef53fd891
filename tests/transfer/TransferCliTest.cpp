#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

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
};

// Runs the tool while this process keeps its event loop turning (the display answers
// from its own thread either way).
Result RunCli(const QStringList& args, const std::function<void(QProcess&)>& during = {})
{
    QProcess process;
    process.start(Cli(), args);
    EXPECT_TRUE(process.waitForStarted(5000));
    if (during)
        during(process);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
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

    // What reading the project leaves out is told before anything goes out.
    QTemporaryDir copy;
    for (const QString& name : QDir(DemoProjectDir()).entryList(QDir::Files))
        QFile::copy(DemoProjectDir() + QLatin1Char('/') + name, copy.filePath(name));
    const QString texts = copy.filePath(QStringLiteral("Sprache2.txt"));
    WriteAll(texts, ReadAll(texts) + "1500 zu gross\n\r");
    const Result bad = RunCli({QStringLiteral("download"), copy.path(),
                               QStringLiteral("--port"), QStringLiteral("/dev/tavolin-no-port")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Schnittstellen Fehler !")));
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
    const Result result = RunCli({QStringLiteral("readback"), target, QStringLiteral("--type"),
                                  QStringLiteral("Quon 3"), QStringLiteral("--port"), display.PortName()});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
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

TEST(TransferCli, CtrlCAbortsAndLeavesNothingBehind)
{
    SimulatedDisplay display;
    SimulatedDisplay::Behaviour silent;
    silent.silentInfoRequests = -1;
    display.SetBehaviour(silent);

    QTemporaryDir base;
    const QString target = base.filePath(QStringLiteral("Gelesen"));
    const Result result = RunCli({QStringLiteral("readback"), target, QStringLiteral("--type"),
                                  QStringLiteral("Quon 3"), QStringLiteral("--port"), display.PortName()},
                                 [&](QProcess& process) {
                                     ASSERT_TRUE(display.WaitForCommands(1, 10000));
                                     ::kill(static_cast<pid_t>(process.processId()), SIGINT);
                                 });
    EXPECT_EQ(result.exitCode, 130);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Übertragung durch Anwender abgebrochen !")));
    EXPECT_TRUE(QDir(base.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}
