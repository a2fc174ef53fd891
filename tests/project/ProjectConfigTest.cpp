#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "project/DisplayType.h"
#include "project/ProjectConfig.h"
#include "common/SettingsStore.h"
#include "support/TestHelpers.h"
#include "support/TestSettings.h"

using namespace tavolin::test;

class ProjectConfigTest : public ::testing::Test
{
protected:
    void SetUp() override { ClearSettings(); }
    QTemporaryDir dir;
    QString CfgPath() const { return dir.filePath(QStringLiteral("tavolin.cfg")); }
};

TEST_F(ProjectConfigTest, DefaultFollowsTheLastChosenDisplayType)
{
    TProjectConfig config = DefaultProjectConfig();
    EXPECT_EQ(TProjectConfig::Get(config.language1File), QStringLiteral("Sprache1.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.language2File), QStringLiteral("Sprache2.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.diagLanguage1File), QStringLiteral("DiagSprache1.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.diagLanguage2File), QStringLiteral("DiagSprache2.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.charSetName), QString());
    EXPECT_EQ(TProjectConfig::Get(config.displayTypeName), QStringLiteral("Orbex 1"));
    // Everything after each text is zero.
    const QByteArray bytes = config.ToBytes();
    EXPECT_EQ(bytes.size(), 1536);
    EXPECT_EQ(bytes.mid(12, 244), QByteArray(244, '\0'));

    SettingsStore::WriteValue(QStringLiteral("DefaultAnzeigeTyp"), QStringLiteral("Kein Typ"));
    config = DefaultProjectConfig();
    EXPECT_EQ(TProjectConfig::Get(config.displayTypeName), QStringLiteral("Kein Typ"));
    TDisplayType row;
    EXPECT_FALSE(FindDisplayType(TProjectConfig::Get(config.displayTypeName), row));

    SettingsStore::WriteValue(QStringLiteral("DefaultAnzeigeTyp"), QString(300, QLatin1Char('Q')));
    EXPECT_EQ(TProjectConfig::Get(DefaultProjectConfig().displayTypeName), QString(255, QLatin1Char('Q')));
}

TEST_F(ProjectConfigTest, ShortAndLongFiles)
{
    const TProjectConfig start = DefaultProjectConfig();
    TProjectConfig config = start;
    EXPECT_FALSE(ReadProjectConfig(dir.path(), config));
    EXPECT_EQ(config, start);

    WriteAll(CfgPath(), QByteArray());
    EXPECT_TRUE(ReadProjectConfig(dir.path(), config));
    EXPECT_EQ(config, start);

    // Three bytes replace only the first three.
    WriteAll(CfgPath(), "Abc");
    EXPECT_TRUE(ReadProjectConfig(dir.path(), config));
    EXPECT_EQ(TProjectConfig::Get(config.language1File), QStringLiteral("Abcache1.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.displayTypeName), QStringLiteral("Orbex 1"));

    // A field without NUL reads as its first 255 characters; a longer file's tail is ignored.
    QByteArray bytes = start.ToBytes();
    bytes.replace(1024, 256, QByteArray(256, 'z'));
    bytes += QByteArray("tail of another tool");
    WriteAll(CfgPath(), bytes);
    config = start;
    EXPECT_TRUE(ReadProjectConfig(dir.path(), config));
    EXPECT_EQ(TProjectConfig::Get(config.charSetName), QString(255, QLatin1Char('z')));
    EXPECT_EQ(TProjectConfig::Get(config.displayTypeName), QStringLiteral("Orbex 1"));

    // Writing changes only the first 1536 bytes of a longer file.
    TProjectConfig::Set(config.charSetName, QStringLiteral("demo"));
    ASSERT_TRUE(WriteProjectConfig(dir.path(), config));
    const QByteArray written = ReadAll(CfgPath());
    EXPECT_EQ(written.left(1536), config.ToBytes());
    EXPECT_EQ(written.mid(1536), QByteArray("tail of another tool"));
    TProjectConfig back = start;
    ReadProjectConfig(dir.path(), back);
    EXPECT_EQ(back, config);
    // The shorter name leaves no rest of the longer one behind.
    EXPECT_EQ(written.mid(1024 + 4, 252), QByteArray(252, '\0'));

    EXPECT_FALSE(ReadProjectConfig(dir.filePath(QStringLiteral("fehlt")), config));
    EXPECT_FALSE(WriteProjectConfig(dir.filePath(QStringLiteral("fehlt")), config));
    QDir(dir.path()).mkdir(QStringLiteral("ordner"));
    QDir(dir.path()).mkdir(QStringLiteral("ordner/tavolin.cfg"));
    EXPECT_FALSE(ReadProjectConfig(dir.filePath(QStringLiteral("ordner")), config));
    EXPECT_FALSE(WriteProjectConfig(dir.filePath(QStringLiteral("ordner")), config));
}

TEST_F(ProjectConfigTest, FieldTextsAreWindowsBytes)
{
    TProjectConfig config;
    TProjectConfig::Set(config.language1File, QStringLiteral("Übersetzung ä.txt"));
    EXPECT_EQ(static_cast<quint8>(config.language1File[0]), 0xDC);
    EXPECT_EQ(TProjectConfig::Get(config.language1File), QStringLiteral("Übersetzung ä.txt"));

    TProjectState state;
    state.config = DefaultProjectConfig();
    state.folder = QStringLiteral("/p/Demo");
    state.Clear();
    EXPECT_EQ(state.config.ToBytes(), QByteArray(1536, '\0'));
}

TEST(DisplayTypes, LookupIgnoresCase)
{
    const TDisplayTypeTable& table = DisplayTypeTable();
    TDisplayType row;
    ASSERT_TRUE(FindDisplayType(QStringLiteral("qUON 3"), row));
    EXPECT_EQ(row, table[4]);
    // An empty name finds the empty last slot, which no project can use.
    ASSERT_TRUE(FindDisplayType(QString(), row));
    EXPECT_EQ(row, table[11]);
    row = table[2];
    EXPECT_FALSE(FindDisplayType(QStringLiteral("Quon 9"), row));
    EXPECT_EQ(row, table[2]);
}
