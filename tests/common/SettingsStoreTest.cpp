#include <QSettings>
#include <gtest/gtest.h>

#include "common/TavolinError.h"
#include "common/SettingsStore.h"
#include "support/TestSettings.h"

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { tavolin::test::ClearSettings(); }
};

// Backslashes make subkeys and deeper names nested groups; missing values read empty;
// nothing is cached.
TEST_F(SettingsStoreTest, NamesValuesAndNoCaching)
{
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Lastprojekt\\0")), QString());
    SettingsStore::WriteValue(QStringLiteral("Lastprojekt\\0"), QStringLiteral("/p/Demo"));
    SettingsStore::WriteValue(QStringLiteral("A\\B\\C"), QStringLiteral("tief"));
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("A\\B\\C")), QStringLiteral("tief"));

    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MURAN Software"),
                  QStringLiteral("QuonEditor"));
    EXPECT_TRUE(raw.fileName().startsWith(tavolin::test::PrivateSettingsFolder()));
    EXPECT_EQ(raw.value(QStringLiteral("Lastprojekt/0")).toString(), QStringLiteral("/p/Demo"));
    EXPECT_EQ(raw.value(QStringLiteral("A/B/C")).toString(), QStringLiteral("tief"));

    // A value changed behind the store's back is seen by the next read.
    raw.setValue(QStringLiteral("Startbild"), QStringLiteral("0"));
    raw.sync();
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Startbild")), QStringLiteral("0"));

    SettingsStore::WriteValue(QStringLiteral("Startbild"), QString());
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Startbild")), QString());
}

// A typed write lands on its stored name (the tests of each setting's user check the
// others) and is announced, an untyped one is not; numbers are read from the text.
TEST_F(SettingsStoreTest, TypedWritesAndNumbers)
{
    QList<SettingsStore::Key> announced;
    const auto connection = QObject::connect(&SettingsStore::Instance(), &SettingsStore::Changed,
                                             [&announced](SettingsStore::Key key) { announced.append(key); });
    SettingsStore::Write(SettingsStore::Key::FontEditorPosX, QStringLiteral("7x"));
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("FonteditorPosX")), QStringLiteral("7x"));
    EXPECT_EQ(announced, QList<SettingsStore::Key>{SettingsStore::Key::FontEditorPosX});
    SettingsStore::WriteValue(QStringLiteral("Lastprojekt\\0"), QStringLiteral("/p"));
    EXPECT_EQ(announced.size(), 1);
    QObject::disconnect(connection);

    // Numbers from text: a leading number or 0, a whole number or an error, empty the default.
    EXPECT_EQ(SettingsStore::ReadLeadingInteger(SettingsStore::Key::FontEditorPosX), 7);
    SettingsStore::Write(SettingsStore::Key::FontEditorPosY, QStringLiteral("links"));
    EXPECT_EQ(SettingsStore::ReadLeadingInteger(SettingsStore::Key::FontEditorPosY), 0);
    SettingsStore::Write(SettingsStore::Key::Port, QStringLiteral("7x"));
    EXPECT_THROW(SettingsStore::ReadInteger(SettingsStore::Key::Port), TavolinError);
    SettingsStore::Write(SettingsStore::Key::TransferSelection, QStringLiteral("5"));
    EXPECT_EQ(SettingsStore::ReadInteger(SettingsStore::Key::TransferSelection), 5);
    SettingsStore::Write(SettingsStore::Key::TransferSelection, QString());
    SettingsStore::Write(SettingsStore::Key::StartScreen, QString());
    EXPECT_EQ(SettingsStore::ReadInteger(SettingsStore::Key::TransferSelection), 1023);
    EXPECT_EQ(SettingsStore::ReadInteger(SettingsStore::Key::StartScreen), 1);
}
