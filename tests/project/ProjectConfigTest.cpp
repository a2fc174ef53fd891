#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "project/DisplayType.h"
#include "project/ProjectConfig.h"
#include "project/SettingsStore.h"
#include "support/TestSettings.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ProjectConfigTest : public ::testing::Test
{
protected:
    void SetUp() override { tavolin::test::ClearSettings(); }
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

TEST_F(ProjectConfigTest, FieldTexts)
{
    TProjectConfig config;
    TProjectConfig::Set(config.language1File, QStringLiteral("Übersetzung ä.txt"));
    EXPECT_EQ(TProjectConfig::Get(config.language1File), QStringLiteral("Übersetzung ä.txt"));
    EXPECT_EQ(static_cast<quint8>(config.language1File[0]), 0xDC);
    config.language2File.fill('x');
    EXPECT_EQ(TProjectConfig::Get(config.language2File).size(), 255);
    TProjectConfig::Set(config.language2File, QStringLiteral("b"));
    EXPECT_EQ(TProjectConfig::Get(config.language2File), QStringLiteral("b"));

    TProjectState state;
    state.folder = QStringLiteral("/p/Demo");
    state.config = DefaultProjectConfig();
    EXPECT_EQ(state.TextFilePath(0, 1), QStringLiteral("/p/Demo/Sprache2.txt"));
    EXPECT_EQ(state.TextFilePath(1, 0), QStringLiteral("/p/Demo/DiagSprache1.txt"));
    state.modified = true;
    state.Clear();
    EXPECT_FALSE(state.IsOpen());
    EXPECT_EQ(state.config.ToBytes(), QByteArray(1536, '\0'));
    EXPECT_FALSE(state.modified);
}

TEST(DisplayTypes, TableAndLookup)
{
    const TDisplayTypeTable& table = DisplayTypeTable();
    ASSERT_EQ(table.size(), 12u);
    EXPECT_EQ(table[0].name, QStringLiteral("Orbex 1"));
    EXPECT_EQ(table[0].flags, 0x38);
    const TDisplayType quon1 = table[2];
    EXPECT_EQ(quon1.name, QStringLiteral("Quon 1"));
    EXPECT_EQ(quon1.lineLength, 24);
    EXPECT_EQ(quon1.flags, 0x05);
    EXPECT_EQ(quon1.keyCount, 12);
    EXPECT_EQ(quon1.LanguageCount(), 2);
    EXPECT_EQ(table[10].name, QStringLiteral("Keypad 1"));
    EXPECT_EQ(table[10].LanguageCount(), 1);
    EXPECT_EQ(table[11], TDisplayType());
    for (const TDisplayType& row : table)
        EXPECT_FALSE(row.Has(dtDiagnosticTexts)) << row.name.toStdString();

    TDisplayType row;
    ASSERT_TRUE(FindDisplayType(QStringLiteral("qUON 3"), row));
    EXPECT_EQ(row, table[4]);
    ASSERT_TRUE(FindDisplayType(QString(), row));
    EXPECT_EQ(row, table[11]);
    row = quon1;
    EXPECT_FALSE(FindDisplayType(QStringLiteral("Quon 9"), row));
    EXPECT_EQ(row, quon1);
}
