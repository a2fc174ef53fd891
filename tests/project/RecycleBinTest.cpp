#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "project/FolderSwap.h"
#include "project/RecycleBin.h"
#include "support/TestHelpers.h"

using namespace tavolin::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Home and trash of a private user, on the same file system as the files to delete, so
// that the tests neither touch the real trash nor depend on the machine's mounts.
class RecycleBinTest : public ::testing::Test
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
    QString TrashFiles() const { return home.filePath(QStringLiteral("data/Trash/files")); }

    QTemporaryDir home;
    QByteArray savedHome;
    QByteArray savedData;
};

} // namespace

TEST_F(RecycleBinTest, MovesFilesAndFoldersToTheTrash)
{
    const QString path = Write(QStringLiteral("Projekte/A/Sprache1.txt"), "alt");
    EXPECT_TRUE(DeleteToRecycleBin(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadAll(TrashFiles() + QStringLiteral("/Sprache1.txt")), QByteArray("alt"));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("data/Trash/info/Sprache1.txt.trashinfo"))));

    // A second file of the same name does not replace the first one in the trash.
    const QString again = Write(QStringLiteral("Projekte/A/Sprache1.txt"), "neuer");
    EXPECT_TRUE(DeleteToRecycleBin(again + QLatin1Char('/')));
    EXPECT_EQ(ReadAll(TrashFiles() + QStringLiteral("/Sprache1.txt")), QByteArray("alt"));
    EXPECT_EQ(QDir(TrashFiles()).entryList(QDir::Files).size(), 2);

    Write(QStringLiteral("Projekte/A/sub/x.txt"), "x");
    EXPECT_TRUE(DeleteToRecycleBin(home.filePath(QStringLiteral("Projekte/A/"))));
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Projekte/A"))));
    EXPECT_EQ(ReadAll(TrashFiles() + QStringLiteral("/A/sub/x.txt")), QByteArray("x"));
}

TEST_F(RecycleBinTest, NothingToDeleteOrNoTrashIsNoSuccess)
{
    EXPECT_FALSE(DeleteToRecycleBin(QString()));
    EXPECT_FALSE(DeleteToRecycleBin(home.filePath(QStringLiteral("Projekte/fehlt.txt"))));
    EXPECT_FALSE(QFileInfo::exists(TrashFiles()));

    const QString path = Write(QStringLiteral("Projekte/A/Sprache1.txt"), "bleibt");
    // The trash would have to lie below a plain file, so it cannot exist.
    Write(QStringLiteral("blocker"), "");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("blocker/data"))));
    EXPECT_FALSE(DeleteToRecycleBin(path));
    EXPECT_EQ(ReadAll(path), QByteArray("bleibt"));
}

// FolderSwapTest: the target ends with exactly the new content or stays as it was.
TEST_F(RecycleBinTest, FolderSwapTrashesTheOldFolderUnderItsOwnName)
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
