#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

#include "project/SettingsStore.h"
#include "support/TestSettings.h"

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { tavolin::test::ClearSettings(); }
};

TEST_F(SettingsStoreTest, MissingValuesReadEmptyAndBackslashesMakeSubkeys)
{
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Lastprojekt\\0")), QString());
    SettingsStore::WriteValue(QStringLiteral("Lastprojekt\\0"), QStringLiteral("/p/Demo"));
    SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), QStringLiteral("COM3"));
    EXPECT_EQ(SettingsStore::ReadValue(QStringLiteral("Lastprojekt\\0")), QStringLiteral("/p/Demo"));

    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MURAN Software"),
                  QStringLiteral("QuonEditor"));
    EXPECT_EQ(raw.value(QStringLiteral("Lastprojekt/0")).toString(), QStringLiteral("/p/Demo"));
    EXPECT_EQ(raw.value(QStringLiteral("Schnittstelle")).toString(), QStringLiteral("COM3"));
    EXPECT_TRUE(raw.fileName().startsWith(tavolin::test::PrivateSettingsFolder()));
}
