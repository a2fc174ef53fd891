#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// Field texts are Windows bytes, cut to their field.
TEST_F(ProjectConfigTest, FieldTextsAreWindowsBytes)
{
    TProjectConfig config = DefaultProjectConfig();
    TProjectConfig::Set(config.language1File, QStringLiteral("Übersetzung ä.txt"));
    EXPECT_EQ(static_cast<quint8>(config.language1File[0]), 0xDC);
    EXPECT_EQ(TProjectConfig::Get(config.language1File), QStringLiteral("Übersetzung ä.txt"));

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

    // A short file fills no field in part: a field it does not hold whole keeps the
    // default, and one note names those fields with the values kept (the command line's
    // test reads a file of 3 bytes).
    ReadWarnings warnings;
    TProjectConfig two = start;
    TProjectConfig::Set(two.language1File, QStringLiteral("Eins.txt"));
    TProjectConfig::Set(two.language2File, QStringLiteral("Zwei.txt"));
    WriteAll(CfgPath(), two.ToBytes().left(600));
    EXPECT_TRUE(ReadProjectConfig(dir.path(), config, &warnings));
    EXPECT_EQ(config, two);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].text.contains(QStringLiteral("Diagnosetexte Sprache 1 „DiagSprache1.txt“")));
    EXPECT_FALSE(warnings[0].text.contains(QStringLiteral("Betriebstexte")));
    EXPECT_TRUE(warnings[0].text.contains(QStringLiteral("Anzeigetyp „Orbex 1“")));

    // A field without NUL is no text and keeps the default; a longer file's tail is ignored.
    QByteArray bytes = start.ToBytes();
    bytes.replace(1280, 256, QByteArray(256, 'z'));
    bytes += QByteArray("tail of another tool");
    WriteAll(CfgPath(), bytes);
    warnings.clear();
    TProjectConfig::Set(config.displayTypeName, QStringLiteral("Quon 1"));
    EXPECT_TRUE(ReadProjectConfig(dir.path(), config, &warnings));
    EXPECT_EQ(TProjectConfig::Get(config.displayTypeName), QStringLiteral("Quon 1"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].text.contains(QStringLiteral("beschädigt")));
    EXPECT_TRUE(warnings[0].text.endsWith(QStringLiteral("Anzeigetyp „Quon 1“. Die Datei bleibt unverändert, bis das Projekt gespeichert wird.")));
    config = start;

    // Writing changes only the first 1536 bytes of a longer file.
    TProjectConfig::Set(config.charSetName, QStringLiteral("demo"));
    ASSERT_TRUE(WriteProjectConfig(dir.path(), config));
    const QByteArray written = ReadAll(CfgPath());
    EXPECT_EQ(written.left(1536), config.ToBytes());
    EXPECT_EQ(written.mid(1536), QByteArray("tail of another tool"));
    TProjectConfig back = start;
    warnings.clear();
    ReadProjectConfig(dir.path(), back, &warnings);
    EXPECT_EQ(back, config);
    EXPECT_TRUE(warnings.isEmpty());
    // The shorter name leaves no rest of the longer one behind.
    EXPECT_EQ(written.mid(1024 + 4, 252), QByteArray(252, '\0'));

    EXPECT_FALSE(ReadProjectConfig(dir.filePath(QStringLiteral("fehlt")), config));
    EXPECT_FALSE(WriteProjectConfig(dir.filePath(QStringLiteral("fehlt")), config));
    QDir(dir.path()).mkdir(QStringLiteral("ordner"));
    QDir(dir.path()).mkdir(QStringLiteral("ordner/tavolin.cfg"));
    EXPECT_FALSE(WriteProjectConfig(dir.filePath(QStringLiteral("ordner")), config));
}
