#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "project/FolderSwap.h"
#include "support/TestHelpers.h"

using namespace tavolin::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Home and trash of a private user, on the same file system as the files to delete, so
// that the tests neither touch the real trash nor depend on the machine's mounts.
class FolderSwapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        savedHome = qgetenv("HOME");
        savedData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("Projekte/A/sub"))));
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedData);
    }

    QString Write(const QString& relative, const QByteArray& content)
    {
        WriteAll(home.filePath(relative), content);
        return home.filePath(relative);
    }

    QTemporaryDir home;
    QByteArray savedHome;
    QByteArray savedData;
};

} // namespace

// The target ends with exactly the new content or stays as it was.
TEST_F(FolderSwapTest, TrashesTheOldFolderUnderItsOwnName)
{
    const QString base = home.filePath(QStringLiteral("Projekte"));
    const QString target = base + QStringLiteral("/P");
    Write(QStringLiteral("Projekte/P/alt.txt"), "alt");
    Write(QStringLiteral("Projekte/P/sub/x"), "x");
    const QString trash = home.filePath(QStringLiteral("data/Trash"));

    // The new content cannot take the old one's place: the old folder stays whole, and
    // nothing is left in the trash.
    const QString error = ErrorOf([&] { ReplaceFolder(base + QStringLiteral("/.fehlt"), target); });
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
    EXPECT_EQ(ReadAll(target + QStringLiteral("/alt.txt")), "alt");
    EXPECT_EQ(Entries(base), (QStringList{QStringLiteral("A"), QStringLiteral("P")}));
    EXPECT_EQ(Entries(trash + QStringLiteral("/files")), QStringList());
    EXPECT_EQ(Entries(trash + QStringLiteral("/info")), QStringList());

    const QString staging = MakeStagingFolder(target);
    WriteAll(staging + QStringLiteral("/neu.txt"), "neu");
    EXPECT_EQ(ReplaceFolder(staging, target), QString());
    // The replaced content is in the trash under its own name and place, so a restore
    // brings it back where the project lists look.
    EXPECT_EQ(Entries(trash + QStringLiteral("/files")), QStringList{QStringLiteral("P")});
    EXPECT_EQ(ReadAll(trash + QStringLiteral("/files/P/alt.txt")), "alt");
    EXPECT_TRUE(ReadAll(trash + QStringLiteral("/info/P.trashinfo"))
                    .contains(QByteArray("Path=").append(QUrl::toPercentEncoding(target, "/"))));
    EXPECT_EQ(Entries(target), QStringList{QStringLiteral("neu.txt")});

    // A target that does not exist yet is simply the new folder.
    const QString fresh = base + QStringLiteral("/Q");
    const QString freshStaging = MakeStagingFolder(fresh);
    WriteAll(freshStaging + QStringLiteral("/a"), "a");
    ReplaceFolder(freshStaging, fresh);
    EXPECT_EQ(Entries(fresh), QStringList{QStringLiteral("a")});
    EXPECT_EQ(Entries(base), (QStringList{QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("Q")}));
}
