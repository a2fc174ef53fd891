#include <gtest/gtest.h>

#include "project/DisplayType.h"
#include "settings/SystemSettings.h"
#include "support/TestHelpers.h"
#include "texts/TextNotation.h"

// The samples of the line grammar.

using Lines = QList<QByteArray>;

namespace {

Lines Ok(const Lines& lines, const char* typeName, TSystemSettings s = {})
{
    TDisplayType type;
    EXPECT_TRUE(FindDisplayType(QString::fromLatin1(typeName), type));
    return WriteSystemSettings(lines.isEmpty() ? s : ReadSystemSettings(lines), type);
}

} // namespace

TEST(SystemSettings, ReadsTheSamples)
{
    const TSystemSettings s = ReadSystemSettings({"helligkeit: 50%", "Bin\xe4r", "BCD", "TN", "Ta-Mode2: BM MB",
                                                  "Ta-Blink: EAAE", "Ta-Led0: E", "Ta-Farbe99999999999999999999: GG",
                                                  "drucker Ein", "cpm"});
    EXPECT_EQ(s.brightness, QStringLiteral("50%"));
    EXPECT_TRUE(s.bcd && s.printer && s.cpmCharSet);
    EXPECT_EQ(s.station + s.keyAddress + s.ledAddress, QString()); // "TN" alone: all empty
    const quint8 keys[13] = {kfBlinking | kfExternal, 0, 0, kfBlinking, 0, 0, 0, 0, kfLatching, 0, 0, kfLatching, 0};
    EXPECT_TRUE(std::equal(std::begin(keys), std::end(keys), s.keys.begin()));
    EXPECT_EQ(std::count(s.keys.begin(), s.keys.end(), 0), 64 - 4);
    EXPECT_EQ(ReadSystemSettings({"Helligkeit: 60%"}).brightness, QStringLiteral("80%"));

    EXPECT_EQ(KeyListLine(3, kfLatching | kfGreen | kfBlinking), QStringLiteral("F3\tRastend,Intern,Grün,Blinkend"));
    quint8 flags = 0xFF;
    EXPECT_EQ(ParseKeyListLine(QStringLiteral("F3 Rastend"), flags), 0);
    EXPECT_EQ(ParseKeyListLine(QStringLiteral("F7\trastend,Extern"), flags), 7);
    EXPECT_EQ(flags, kfExternal); // first letters count case-sensitively
}

TEST(SystemSettings, OkOnEmptyLinesAndOddValues)
{
    const Lines common = {"Binaer", "IBM Zeichensatz", "Helligkeit: 80%", "Scrollzeit: 3,2s", "Blink-Ein: 0,3s", "Blink-Aus: 0,2s"};
    EXPECT_EQ(Ok({}, "Quon 1"), common + Lines({"Ko-M Tast: 0 LED: 0", "Ta-Mode: MMMMMMMMMMMM", "Ta-Led: IIIIIIIIIIII",
                                               "Ta-Farbe: RRRRRRRRRRRR", "Ta-Blink: AAAAAAAAAAAA"}));
    const Lines keys24 = Ok({}, "Quon 4");
    EXPECT_EQ(keys24.size(), common.size() + 1 + 12);
    EXPECT_EQ(keys24.mid(10, 2), Lines({"Ta-Blink1: AAAAAAAA", "Ta-Mode2: MMMMMMMM"}));
    EXPECT_EQ(Ok({}, "Orbex 1"), common);
    EXPECT_EQ(Ok({"", "Bi_x"}, "Orbex 1"), common + Lines{"Bi_x"}); // empty lines go; lines no keyword knows stay
    // Times the field cannot hold keep the value before; others are fitted to digit comma digit.
    EXPECT_EQ(Ok({"Scrollzeit: 12,5s", "Blink-Ein: 4s", "Blink-Aus: 0.75s"}, "Orbex 1").mid(3),
              Lines({"Scrollzeit: 3,2s", "Blink-Ein: 4,0s", "Blink-Aus: 0,7s"}));
    // An empty address is written as 0, so that the LED address keeps its field.
    TSystemSettings s;
    s.station = QStringLiteral("3");
    s.keyAddress.clear();
    s.printer = true;
    const Lines written = Ok({}, "Quon 1", s);
    EXPECT_EQ(written[1], "Drucker");
    EXPECT_EQ(written[7], "TN3 Tast: 0 LED: 0");
    // Addresses longer than the dialog's 10 characters are cut.
    EXPECT_EQ(Ok({"TN7 Tast: 123456789012 LED: 5"}, "Quon 1")[6], "TN7 Tast: 1234567890 LED: 5");
}

TEST(SystemSettings, OtherLinesTheHeaderCannotHoldAreRefused)
{
    for (const QByteArray& bad : {QByteArray("-Notiz"), QByteArray(" Notiz"), QByteArray("\xe4nderung"), QByteArray("A\0B", 3)}) {
        TSystemSettings s;
        s.otherLines = {"Notiz", bad};
        const QString message = tavolin::test::ErrorOf([&] { Ok({}, "Quon 1", s); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Die Zeile \"") + TextNotation::Encode(bad) + QLatin1Char('"')))
            << message.toStdString();
    }
}
