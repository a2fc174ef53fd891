#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "session/ProjectSession.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

using namespace tavolin::test;

namespace {

QString Cli()
{
    return ProgramDir() + QStringLiteral("/tavolin-cli");
}

int RunCli(const QStringList& args, QString* err = nullptr)
{
    QProcess process;
    process.start(Cli(), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

// `tavolin-cli simulate` running in the background; the port is its first output line.
struct Simulator
{
    explicit Simulator(const QStringList& args, const QString& shellPrefix = QString())
    {
        if (shellPrefix.isEmpty()) {
            process.start(Cli(), QStringList{QStringLiteral("simulate")} + args);
        } else {
            QString command = shellPrefix + QStringLiteral(" exec '") + Cli() + QStringLiteral("' simulate");
            for (const QString& arg : args)
                command += QStringLiteral(" '") + arg + QLatin1Char('\'');
            process.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
        }
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

TEST(SimulateCli, KeepsWhatWasDownloadedAndServesItForTheReadBack)
{
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("store"));
    const QString link = dir.filePath(QStringLiteral("anzeige"));
    Simulator first({QStringLiteral("--store"), store, QStringLiteral("--link"), link});
    ASSERT_TRUE(first.port.startsWith(QStringLiteral("/dev/"))) << first.port.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), first.port);

    QString err;
    ASSERT_EQ(RunCli({QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--port"), link,
                      QStringLiteral("--select"), QStringLiteral("1023")}, &err), 0)
        << err.toStdString();
    EXPECT_EQ(first.Stop(SIGTERM), 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains(QStringLiteral("(1412) Zeichensatz folgt")));
    EXPECT_TRUE(first.err.contains(QStringLiteral("Textdatei empfangen: Betriebstexte Sprache 2")));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    const QByteArray pix = ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix"));
    EXPECT_EQ(ReadAll(store + QStringLiteral("/glyphs.pix")), pix);
    EXPECT_EQ(QDir(store).entryList(QDir::Files),
              (QStringList{QStringLiteral("E0.txt"), QStringLiteral("E2.txt"), QStringLiteral("glyphs.pix")}));

    // A second display starts with what the first one held: it equals the project, and
    // a read-back gives the project's glyphs and texts.
    Simulator second({QStringLiteral("--load"), store});
    QProcess compare;
    compare.start(Cli(), {QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"), second.port,
                          QStringLiteral("--select"), QStringLiteral("1023")});
    ASSERT_TRUE(compare.waitForFinished(60000));
    EXPECT_EQ(compare.exitCode(), 0) << compare.readAllStandardError().toStdString();
    EXPECT_TRUE(compare.readAllStandardOutput().endsWith("Projekt und Anzeige stimmen überein.\n"));
    const QString back = dir.filePath(QStringLiteral("Gelesen"));
    ASSERT_EQ(RunCli({QStringLiteral("readback"), back, QStringLiteral("--type"), QStringLiteral("Quon 3"),
                      QStringLiteral("--port"), second.port}, &err), 0)
        << err.toStdString();
    EXPECT_EQ(second.Stop(SIGINT), 0);
    EXPECT_EQ(ReadAll(back + QStringLiteral("/default.pix")), pix);
    ProjectSession demo;
    demo.Load(DemoProjectDir());
    ProjectSession read;
    read.Load(back);
    const TMessage& mine = demo.Table(0)->At(demo.Table(0)->IndexOf(2));
    const TMessage& theirs = read.Table(0)->At(read.Table(0)->IndexOf(2));
    EXPECT_EQ(mine.text, theirs.text);
    EXPECT_EQ(demo.Table(0)->headerLines[0], read.Table(0)->headerLines[0]);

    // A port that is not there: a transfer error, told apart from "different".
    EXPECT_EQ(RunCli({QStringLiteral("compare"), DemoProjectDir(), QStringLiteral("--port"),
                      dir.filePath(QStringLiteral("fehlt"))}, &err), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("Schnittstellen Fehler !")));
}

TEST(SimulateCli, ReportsAStoreOnAFullDiskAndRefusesBadArguments)
{
    QTemporaryDir dir;
    // Every write beyond 1 KiB fails as on a full disk; the character set has 1568 bytes.
    Simulator full({QStringLiteral("--store"), dir.path()}, QStringLiteral("trap '' XFSZ; ulimit -f 1;"));
    QString err;
    ASSERT_EQ(RunCli({QStringLiteral("download"), DemoProjectDir(), QStringLiteral("--port"), full.port,
                      QStringLiteral("--select"), QStringLiteral("2")}, &err), 0)
        << err.toStdString();
    EXPECT_EQ(full.Stop(SIGTERM), 1);
    EXPECT_TRUE(full.err.contains(QStringLiteral("Fehler bei Dateispeichern\n") + dir.filePath(QStringLiteral("glyphs.pix"))))
        << full.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    EXPECT_EQ(RunCli({QStringLiteral("simulate"), QStringLiteral("--type"), QStringLiteral("Quon 99")}, &err), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("\"Quon 99\" ist unbekannt")));
    EXPECT_EQ(RunCli({QStringLiteral("simulate"), QStringLiteral("--load"), dir.filePath(QStringLiteral("fehlt"))}, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Der Ordner existiert nicht.")));
}
