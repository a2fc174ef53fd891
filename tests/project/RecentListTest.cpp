#include <gtest/gtest.h>

#include "project/ProjectFolders.h"
#include "project/RecentList.h"
#include "common/SettingsStore.h"
#include "support/TestSettings.h"

class RecentListTest : public ::testing::Test
{
protected:
    void SetUp() override { tavolin::test::ClearSettings(); }
    const RecentList list = RecentList::Projects();
};

TEST_F(RecentListTest, PushFrontKeepsTenWithoutDuplicates)
{
    list.PushFront(QStringLiteral("/p/A/"));
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Lastprojekt\\0")), QStringLiteral("/p/A"));
    list.PushFront(QStringLiteral("/p/A"));
    list.PushFront(QStringLiteral("C:\\p\\A\\"));
    EXPECT_EQ(list.Entries(), (QStringList{"C:\\p\\A", "/p/A"}));
    list.PushFront(QStringLiteral("/p/a"));
    EXPECT_EQ(list.Entries().size(), 3);

    list.Remove(QStringLiteral("/p/a"));
    list.Remove(QStringLiteral("C:\\p\\A"));
    for (int i = 0; i < 11; ++i)
        list.PushFront(QStringLiteral("/p/%1").arg(i));
    QStringList expected;
    for (int i = 10; i >= 1; --i)
        expected << QStringLiteral("/p/%1").arg(i);
    EXPECT_EQ(list.Entries(), expected);

    // Position 5 moves to the front; 0..4 shift down, 6..9 stay.
    list.PushFront(QStringLiteral("/p/5"));
    EXPECT_EQ(list.Entries(),
              (QStringList{"/p/5", "/p/10", "/p/9", "/p/8", "/p/7", "/p/6", "/p/4", "/p/3", "/p/2", "/p/1"}));
    EXPECT_EQ(list.IndexOf(QStringLiteral("/p/4/")), 6);
    EXPECT_EQ(list.IndexOf(QStringLiteral("/p/11")), -1);
    EXPECT_EQ(list.GetEntry(10), QString());
    list.PushFront(QString());
    EXPECT_EQ(list.Entries().size(), 10);
}

TEST_F(RecentListTest, RemoveClosesTheGap)
{
    const RecentList bases = RecentList::BasePaths();
    bases.PushFront(QStringLiteral("/nur"));
    bases.Remove(QStringLiteral("/nur"));
    EXPECT_TRUE(bases.Entries().isEmpty());
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("LastBasePath\\0")), QString());

    // Duplicates written by hand all go; a gap ends the list.
    for (int i = 0; i < 4; ++i)
        list.SetEntry(i, i % 2 ? QStringLiteral("/x") : QStringLiteral("/y%1").arg(i));
    list.SetEntry(5, QStringLiteral("/hinter"));
    list.SetEntry(10, QStringLiteral("/nie"));
    list.Remove(QStringLiteral("/x"));
    EXPECT_EQ(list.Entries(), (QStringList{"/y0", "/y2"}));
    QStringList loaded{"alt"};
    list.LoadInto(loaded);
    EXPECT_EQ(loaded, (QStringList{"/y0", "/y2"}));
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Lastprojekt\\10")), QString());
    EXPECT_TRUE(RecentList::BasePaths().Entries().isEmpty());
}

TEST(ProjectFolders, PathHelpers)
{
    const std::pair<const char*, const char*> folders[] = {
        {"/a/b/", "/a/b"}, {"C:\\a\\", "C:\\a"}, {"/a//", "/a/"}, {"/a", "/a"}, {"/", "/"}, {"C:\\", "C:\\"}};
    for (const auto& [path, stripped] : folders)
        EXPECT_EQ(StripTrailingDelimiter(QString::fromLatin1(path)), QString::fromLatin1(stripped)) << path;
    const std::pair<const char*, const char*> files[] = {{"Sprache1.txt", "Sprache1"}, {"a.b.pix", "a.b"}, {"ohne", "ohne"}};
    for (const auto& [name, stripped] : files)
        EXPECT_EQ(StripExtension(QString::fromLatin1(name)), QString::fromLatin1(stripped)) << name;
}
