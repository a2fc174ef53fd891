#include <gtest/gtest.h>

#include "project/DisplayType.h"
#include "settings/SystemSettings.h"
#include "support/TestHelpers.h"
#include "texts/TextNotation.h"

using namespace tavolin::test;

namespace {

TDisplayType Type(const char* name)
{
    TDisplayType type;
    EXPECT_TRUE(FindDisplayType(QString::fromLatin1(name), type));
    return type;
}

QList<QByteArray> Ok(const QList<QByteArray>& lines, const char* type)
{
    return WriteSystemSettings(ReadSystemSettings(lines), Type(type));
}

const QList<QByteArray> Common = {"Binaer", "IBM Zeichensatz", "Helligkeit: 80%", "Scrollzeit: 3,2s",
                                  "Blink-Ein: 0,3s", "Blink-Aus: 0,2s"};

} // namespace

TEST(SettingsLines, KeywordsAndNumberFields)
{
    using namespace SettingsLines;
    EXPECT_EQ(Lookup("helligkeit: 50%"), BrightnessRow);
    EXPECT_EQ(Lookup("Bin\xe4r"), BinaryRow);
    EXPECT_EQ(Lookup("tn"), StationRow);
    EXPECT_EQ(Lookup("kO anything"), AddressRow);
    EXPECT_EQ(Lookup("Blink-Ei"), BlinkOnRow);
    EXPECT_EQ(Lookup("Blink-E"), NoRow); // shorter than the compared length
    EXPECT_EQ(Lookup("Notiz"), NoRow);
    EXPECT_EQ(NumberField("TN3 Tast: 100 LED: 120", 3), "120");
    EXPECT_EQ(NumberField("Scrollzeit: 3,2s", 1), "3,2");
    EXPECT_EQ(NumberField("TN", 1), "");
    EXPECT_EQ(NumberField("x" + QByteArray(100, '7'), 1).size(), 62);

    const TSystemSettings s = ReadSystemSettings({"helligkeit: 50%", "Bin\xe4r", "BCD", "TN"});
    EXPECT_EQ(s.brightness, QStringLiteral("50%"));
    EXPECT_TRUE(s.bcd); // the later line wins
    EXPECT_EQ(s.station, QString());
    EXPECT_EQ(s.keyAddress, QString());
    EXPECT_EQ(s.ledAddress, QString());
    EXPECT_TRUE(ReadSystemSettings({"Binaer"}).otherLines.isEmpty());
    // Not in the list: the brightness stays at its default.
    EXPECT_EQ(ReadSystemSettings({"Helligkeit: 60%"}).brightness, QStringLiteral("80%"));
    EXPECT_EQ(ReadSystemSettings({"Helligkeit: 50%", "Helligkeit: 5,0%"}).brightness, QStringLiteral("50%"));
}

TEST(SettingsLines, KeyLinesBothWays)
{
    TKeyFlags keys{};
    ReadKeyLine("Ta-Mode2: BM MB", SettingsLines::KeyModeRow, keys);
    ReadKeyLine("Ta-Blink: EAAE", SettingsLines::KeyBlinkRow, keys);
    EXPECT_EQ(keys[0], kfBlinking);
    EXPECT_EQ(keys[3], kfBlinking);
    EXPECT_EQ(keys[8], kfLatching);
    EXPECT_EQ(keys[11], kfLatching);
    EXPECT_EQ(keys[9] | keys[10] | keys[1] | keys[2], 0);
    // Group 0 starts at the first key; huge groups and letters past the 64th key touch nothing.
    TKeyFlags more{};
    ReadKeyLine("Ta-Led0: E", SettingsLines::KeyLedRow, more);
    ReadKeyLine("Ta-Farbe99999999999999999999: GGG", SettingsLines::KeyColourRow, more);
    ReadKeyLine("Ta-Farbe8: " + QByteArray(200, 'g'), SettingsLines::KeyColourRow, more);
    EXPECT_EQ(more[0], kfExternal);
    EXPECT_EQ(more[55] | more[63], kfGreen);
    EXPECT_EQ(more[54], 0);

    keys.fill(0);
    keys[2] = kfLatching | kfGreen | kfBlinking;
    keys[13] = kfExternal;
    EXPECT_EQ(KeyLines(keys, 12), (QList<QByteArray>{"Ta-Mode: MMBMMMMMMMMM", "Ta-Led: IIIIIIIIIIII",
                                                     "Ta-Farbe: RRGRRRRRRRRR", "Ta-Blink: AAEAAAAAAAAA"}));
    const QList<QByteArray> lines24 = KeyLines(keys, 24);
    ASSERT_EQ(lines24.size(), 12);
    EXPECT_EQ(lines24[4], "Ta-Mode2: MMMMMMMM");
    EXPECT_EQ(lines24[5], "Ta-Led2: IIIIIEII");
    EXPECT_EQ(lines24[11], "Ta-Blink3: AAAAAAAA");
    EXPECT_EQ(KeyLines(keys, 48).size(), 24);
    TKeyFlags back{};
    for (const QByteArray& line : lines24)
        ReadKeyLine(line, SettingsLines::Lookup(line), back);
    EXPECT_EQ(back, keys);

    const QString line = KeyListLine(3, kfLatching | kfGreen | kfBlinking);
    EXPECT_EQ(line, QStringLiteral("F3\tRastend,Intern,Grün,Blinkend"));
    for (quint8 flags = 0; flags < 16; ++flags) {
        quint8 read = 0xFF;
        EXPECT_EQ(ParseKeyListLine(KeyListLine(40, flags), read), 40);
        EXPECT_EQ(read, flags);
    }
    quint8 flags = 0xFF;
    EXPECT_EQ(ParseKeyListLine(QStringLiteral("F3 Rastend"), flags), 0);
    EXPECT_EQ(ParseKeyListLine(QStringLiteral("F7\trastend,Extern"), flags), 7);
    EXPECT_EQ(flags, kfExternal); // first letters count case-sensitively
}

TEST(SystemSettings, OkWritesTheGrammarForEachKindOfType)
{
    // 12 keys and PLC addresses: one group without number.
    EXPECT_EQ(Ok({}, "Quon 1"), Common + QList<QByteArray>({"Ko-M Tast: 0 LED: 0", "Ta-Mode: MMMMMMMMMMMM",
                                                           "Ta-Led: IIIIIIIIIIII", "Ta-Farbe: RRRRRRRRRRRR",
                                                           "Ta-Blink: AAAAAAAAAAAA"}));
    const QList<QByteArray> keys24 = Ok({}, "Quon 4");
    ASSERT_EQ(keys24.size(), Common.size() + 1 + 12);
    EXPECT_EQ(keys24[7], "Ta-Mode1: MMMMMMMM");
    EXPECT_EQ(keys24.last(), "Ta-Blink3: AAAAAAAA");
    // No keys, no addresses: key and address lines are dropped, not kept as other lines.
    EXPECT_EQ(Ok({"Ta-Mode: BBB", "Notiz 1", "TN3 Tast: 1 LED: 2", "", "Drucker", "Notiz 2"}, "Orbex 1"),
              QList<QByteArray>({"Binaer", "Drucker"}) + Common.mid(1) + QList<QByteArray>({"Notiz 1", "Notiz 2"}));
    // The samples come back as written; odd times fit the field or fall back.
    const QList<QByteArray> demo = {"BCD", "Drucker", "CPM Zeichensatz", "Helligkeit: 100%", "Scrollzeit: 9,9s",
                                    "Blink-Ein: 1,0s", "Blink-Aus: 0,5s", "TN3 Tast: 100 LED: 120",
                                    "Ta-Mode: MMBMMMMMMMMM", "Ta-Led: IIEIIIIIIIII", "Ta-Farbe: RGGRRRRRRRRG",
                                    "Ta-Blink: AAEAAAAAAAAA"};
    EXPECT_EQ(Ok(demo, "Quon 1"), demo);
    EXPECT_EQ(Ok({"Scrollzeit: 12,5s", "Blink-Ein: 4s", "Blink-Aus: 0.75s"}, "Orbex 1").mid(3, 3),
              (QList<QByteArray>{"Scrollzeit: 3,2s", "Blink-Ein: 4,0s", "Blink-Aus: 0,7s"}));
    // An empty address is written as 0, so that the LED address keeps its place.
    TSystemSettings s;
    s.station = QStringLiteral("3");
    s.keyAddress.clear();
    s.ledAddress = QStringLiteral("120");
    const QByteArray address = WriteSystemSettings(s, Type("Quon 1"))[6];
    EXPECT_EQ(address, "TN3 Tast: 0 LED: 120");
    EXPECT_EQ(SettingsLines::NumberField(address, 3), "120");
}

TEST(SystemSettings, OtherLinesTheHeaderCannotHoldAreRefused)
{
    for (const QByteArray& bad : {QByteArray("-Notiz"), QByteArray(" Notiz"), QByteArray("\xe4nderung"),
                                 QByteArray("Notiz\x1a"), QByteArray("A\0B", 3)}) {
        TSystemSettings s;
        s.otherLines = {"Notiz", bad};
        const QString message = ErrorOf([&] { WriteSystemSettings(s, Type("Quon 1")); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Die Zeile \"") + TextNotation::Encode(bad) + QLatin1Char('"')))
            << message.toStdString();
    }
}
