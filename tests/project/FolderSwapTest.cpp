#include <QDir>
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

    // The new content cannot take the old one's place: the old folder stays whole.
    const QString missing = base.filePath(QStringLiteral(".fehlt"));
    const QString error = ErrorOf([&] { ReplaceFolder(missing, target); });
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
    EXPECT_EQ(ReadAll(target + QStringLiteral("/alt.txt")), "alt");
    EXPECT_EQ(Entries(base.path()), QStringList{QStringLiteral("P")});

    const QString staging = MakeStagingFolder(target);
    WriteAll(staging + QStringLiteral("/neu.txt"), "neu");
    const QDir trash(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files"));
    const QStringList trashed = trash.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(ReplaceFolder(staging, target), QString());
    // The replaced content can still be restored from the trash.
    EXPECT_EQ(Entries(trash.path()).size(), trashed.size() + 1);
    EXPECT_EQ(Entries(target), QStringList{QStringLiteral("neu.txt")});
    EXPECT_EQ(Entries(base.path()), QStringList{QStringLiteral("P")});

    // A target that does not exist yet is simply the new folder.
    const QString fresh = base.filePath(QStringLiteral("Q"));
    const QString freshStaging = MakeStagingFolder(fresh);
    WriteAll(freshStaging + QStringLiteral("/a"), "a");
    ReplaceFolder(freshStaging, fresh);
    EXPECT_EQ(Entries(fresh), QStringList{QStringLiteral("a")});
    EXPECT_EQ(Entries(base.path()), (QStringList{QStringLiteral("P"), QStringLiteral("Q")}));
}

} // namespace
