#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/TempFile.h"
#include "support/TestHelpers.h"

#ifdef Q_OS_UNIX
#include <utime.h>
#endif

using namespace tavolin::test;

TEST(TempFile, OwnFilesGoAtTheEndAndStaleRunsAtTheNextStart)
{
    // A temporary folder of its own, so that parallel test programs never see each other's
    // made-up runs; the folder goes with everything left in it.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("TMPDIR", QFile::encodeName(dir.path()));

    // (Was NamesHaveTheWindowsFormAndAreUnique; every font a test builds needs a name of
    // its own.) Names have the Windows form, an empty file each; letter 0 adds no letter.
    const QRegularExpression windowsForm(QStringLiteral("^_E(S?)[0-9A-F]{4}\\.TMP$"));
    const QString first = MakeTempFileName('S');
    EXPECT_EQ(windowsForm.match(QFileInfo(first).fileName()).captured(1), QStringLiteral("S")) << first.toStdString();
    EXPECT_EQ(QFileInfo(first).size(), 0);
    const QRegularExpressionMatch unlettered = windowsForm.match(QFileInfo(MakeTempFileName(0)).fileName());
    EXPECT_TRUE(unlettered.hasMatch() && unlettered.captured(1).isEmpty());
    const QString runFolder = QFileInfo(first).absolutePath();
    const QString userFolder = QFileInfo(runFolder).absolutePath();
    EXPECT_TRUE(userFolder.startsWith(dir.path()));
    RemoveOwnTempFiles();
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_FALSE(QFileInfo::exists(runFolder));

    // A crashed run: its lock names a process that no longer exists.
    const QString crashed = userFolder + QStringLiteral("/run-crashed");
    const QString crashedLock = crashed + QStringLiteral("/run.lock");
    QDir().mkpath(crashed);
    QByteArray content;
    {
        QLockFile real(crashedLock);
        ASSERT_TRUE(real.tryLock(0));
        content = ReadAll(crashedLock);
    }
    WriteAll(crashedLock, "2147483646" + content.mid(content.indexOf('\n')));
    WriteAll(crashed + QStringLiteral("/_ES1234.TMP"), {});

    // A running instance (this process holds its lock) must keep its files.
    const QString running = userFolder + QStringLiteral("/run-running");
    QDir().mkpath(running);
    QLockFile held(running + QStringLiteral("/run.lock"));
    held.setStaleLockTime(0);
    ASSERT_TRUE(held.tryLock(0));
    WriteAll(running + QStringLiteral("/_EG1234.TMP"), {});

    // A run that died before taking its lock: young ones stay, day-old ones go.
    const QString young = userFolder + QStringLiteral("/run-young");
    const QString old = userFolder + QStringLiteral("/run-old");
    QDir().mkpath(young);
    QDir().mkpath(old);
#ifdef Q_OS_UNIX
    utimbuf times{};
    times.actime = times.modtime = QDateTime::currentDateTime().addDays(-2).toSecsSinceEpoch();
    ASSERT_EQ(::utime(QFile::encodeName(old).constData(), &times), 0);
#endif

    const QString next = MakeTempFileName('S');
    EXPECT_TRUE(QFileInfo::exists(next));
    EXPECT_FALSE(QFileInfo::exists(crashed));
    EXPECT_TRUE(QFileInfo::exists(running + QStringLiteral("/_EG1234.TMP")));
    EXPECT_TRUE(QFileInfo::exists(young));
#ifdef Q_OS_UNIX
    EXPECT_FALSE(QFileInfo::exists(old));
#endif
}
