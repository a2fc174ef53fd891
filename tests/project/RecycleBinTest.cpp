#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "project/RecycleBin.h"
#include "support/TestHelpers.h"

using tavolin::test::ReadAll;

namespace {

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
        tavolin::test::WriteAll(home.filePath(relative), content);
        return home.filePath(relative);
    }
    QString TrashFiles() const { return home.filePath(QStringLiteral("data/Trash/files")); }

    QTemporaryDir home;
    QByteArray savedHome;
    QByteArray savedData;
};

} // namespace

TEST_F(RecycleBinTest, MovesAFileToTheTrash)
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
}

TEST_F(RecycleBinTest, MovesAWholeFolder)
{
    Write(QStringLiteral("Projekte/A/tavolin.cfg"), "cfg");
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
