#include <QDir>
#include <QFile>
#include <QUrl>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "project/FolderSwap.h"
#include "support/TestHelpers.h"

using namespace tavolin::test;

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(FolderSwapTest, TargetEndsWithExactlyTheNewContentOrStaysAsItWas)
{
    QTemporaryDir base;
    const QString target = base.filePath(QStringLiteral("P"));
    WriteAll(target + QStringLiteral("/alt.txt"), "alt");
    WriteAll(target + QStringLiteral("/sub/x"), "x");

    // Trash of its own, so that the old folder's name there is known.
    QTemporaryDir data;
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString trash = data.filePath(QStringLiteral("Trash"));

    // The new content cannot take the old one's place: the old folder stays whole, and
    // nothing is left in the trash.
    const QString missing = base.filePath(QStringLiteral(".fehlt"));
    const QString error = ErrorOf([&] { ReplaceFolder(missing, target); });
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
    EXPECT_EQ(ReadAll(target + QStringLiteral("/alt.txt")), "alt");
    EXPECT_EQ(Entries(base.path()), QStringList{QStringLiteral("P")});
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
    EXPECT_EQ(Entries(base.path()), QStringList{QStringLiteral("P")});
    qputenv("XDG_DATA_HOME", savedData);

    // A target that does not exist yet is simply the new folder.
    const QString fresh = base.filePath(QStringLiteral("Q"));
    const QString freshStaging = MakeStagingFolder(fresh);
    WriteAll(freshStaging + QStringLiteral("/a"), "a");
    ReplaceFolder(freshStaging, fresh);
    EXPECT_EQ(Entries(fresh), QStringList{QStringLiteral("a")});
    EXPECT_EQ(Entries(base.path()), (QStringList{QStringLiteral("P"), QStringLiteral("Q")}));
}

} // namespace
