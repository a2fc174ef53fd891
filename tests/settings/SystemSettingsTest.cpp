#include <gtest/gtest.h>
#include <random>

#include "project/DisplayType.h"
#include "settings/SystemSettings.h"
#include "support/TestHelpers.h"
#include "texts/TextNotation.h"

// The samples of the line grammar, and generated mixtures.

using Lines = QList<QByteArray>;

namespace {

Lines Ok(const Lines& lines, const char* typeName, TSystemSettings s = {})
{
    TDisplayType type;
    EXPECT_TRUE(FindDisplayType(QString::fromLatin1(typeName), type));
    return WriteSystemSettings(lines.isEmpty() ? s : ReadSystemSettings(lines), type);
}

const char* const KeyRows[4][3] = {{"Ta-Mode", "B", "M"}, {"Ta-Led", "E", "I"}, {"Ta-Farbe", "G", "R"}, {"Ta-Blink", "E", "A"}};
const char* const Times[] = {"Scrollzeit", "Blink-Ein", "Blink-Aus"};

struct Generated
{
    explicit Generated(unsigned seed) : random(seed)
    {
        for (int n = Pick(30); n > 0; --n)
            Add();
    }

    QList<QByteArray> Expected(const TDisplayType& type) const
    {
        QList<QByteArray> out{value[0]};
        if (printer)
            out << "Drucker";
        out << value[1] << "Helligkeit: " + value[2] << "Scrollzeit: " + value[3] + 's' << "Blink-Ein: " + value[4] + 's'
            << "Blink-Aus: " + value[5] + 's';
        if (type.Has(dtPlcAddresses))
            out << (station.isEmpty() ? QByteArray("Ko-M") : "TN" + station) + " Tast: " + value[6] + " LED: " + value[7];
        const int perGroup = type.keyCount <= 12 ? type.keyCount : 8;
        for (int first = 0; first < type.keyCount; first += perGroup)
            for (int row = 0; row < 4; ++row) {
                QByteArray line = KeyRows[row][0] + (type.keyCount <= 12 ? "" : QByteArray::number(first / 8 + 1)) + ": ";
                for (int key = first; key < first + perGroup; ++key)
                    line += KeyRows[row][(keys[key] >> row) & 1 ? 1 : 2];
                out << line;
            }
        return out + other;
    }

    int Pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
    QByteArray Digits(int max) { return QByteArray(QByteArray::number(random()) + QByteArray::number(random())).left(1 + Pick(max + 1)); }
    QByteArray AnyCase(QByteArray s)
    {
        for (char& c : s)
            c = static_cast<char>(Pick(2) ? QChar::toLower(uchar(c)) : QChar::toUpper(uchar(c)));
        return s;
    }

    void Add()
    {
        const int kind = Pick(10);
        switch (kind) {
        case 0: // only the first three letters count: "Binär" selects binary
            value[0] = Pick(2) ? "BCD" : "Binaer";
            lines << AnyCase(value[0].left(3 + Pick(4))) + (Pick(2) ? "\xe4r" : "");
            break;
        case 1:
            value[1] = Pick(2) ? "CPM Zeichensatz" : "IBM Zeichensatz";
            lines << AnyCase(value[1].left(3)) + (Pick(2) ? value[1].mid(3) : QByteArray());
            break;
        case 2:
            printer = true;
            lines << AnyCase("Drucker") + (Pick(2) ? " Ein" : "");
            break;
        case 3: { // a brightness outside the list leaves the one before
            const int i = Pick(8);
            const QByteArray level = QByteArray("20 30 40 50 80 100 60 5,0").split(' ')[i];
            value[2] = i < 6 ? level + '%' : value[2];
            lines << AnyCase("Helligkeit") + ": " + level + (Pick(2) ? "%" : "");
            break;
        }
        case 4: case 5: case 6: {
            value[kind - 1] = Digits(0) + ',' + Digits(0);
            lines << AnyCase(Times[kind - 4]) + ": " + value[kind - 1] + "s";
            break;
        }
        case 7: { // addresses longer than the dialog's 10 characters are cut
            const QByteArray key = Digits(12), led = Digits(12);
            value[6] = key.left(10);
            value[7] = led.left(10);
            const bool tn = Pick(2);
            station = tn ? Digits(3) : station;
            lines << (tn ? AnyCase("TN") + station : AnyCase("Ko-M")) + " Tast: " + key + " LED: " + led;
            break;
        }
        case 8: { // group g starts at key 8 (g - 1); group 0 and no group at key 0; 64 keys at most
            const int row = Pick(4);
            const int group = Pick(10);
            QByteArray line = AnyCase(KeyRows[row][0]) + (group < 9 ? QByteArray::number(group) : "") + ": ";
            for (int key = group > 0 && group < 9 ? 8 * (group - 1) : 0, n = Pick(20); n > 0; --n, ++key) {
                const bool set = Pick(2);
                line += AnyCase(KeyRows[row][set ? 1 : 2]) + (Pick(5) ? "" : " ");
                if (key < 64)
                    keys[key] = static_cast<quint8>(set ? keys[key] | (1 << row) : keys[key] & ~(1 << row));
            }
            lines << line;
            break;
        }
        default: { // empty lines go; lines no keyword knows stay, with any bytes a file line holds
            static const char* const Starts[] = {"", "Bi_", "T_", "Blink-E_", "Q", "x", "0", "9"};
            QByteArray line = Starts[Pick(8)];
            for (int n = line.isEmpty() ? 0 : Pick(40); n > 0; --n)
                if (const char c = char(1 + Pick(255)); c != '\n' && c != '\r' && c != 0x1A)
                    line += c;
            lines << line;
            if (!line.isEmpty())
                other << line;
        }
        }
    }

    std::mt19937 random;
    QList<QByteArray> lines, other;
    QByteArray value[8] = {"Binaer", "IBM Zeichensatz", "80%", "3,2", "0,3", "0,2", "0", "0"}; // ..., key, LED address
    QByteArray station;
    bool printer = false;
    quint8 keys[64] = {};
};

} // namespace

TEST(SystemSettings, ReadsTheSamples)
{
    const TSystemSettings s = ReadSystemSettings({"helligkeit: 50%", "Bin\xe4r", "BCD", "TN", "Ta-Mode2: BM MB",
                                                  "Ta-Blink: EAAE", "Ta-Led0: E", "Ta-Farbe99999999999999999999: GG"});
    EXPECT_EQ(s.brightness, QStringLiteral("50%"));
    EXPECT_TRUE(s.bcd);
    EXPECT_EQ(s.station + s.keyAddress + s.ledAddress, QString()); // "TN" alone: all empty
    const quint8 keys[13] = {kfBlinking | kfExternal, 0, 0, kfBlinking, 0, 0, 0, 0, kfLatching, 0, 0, kfLatching, 0};
    EXPECT_TRUE(std::equal(std::begin(keys), std::end(keys), s.keys.begin()));
    EXPECT_EQ(std::count(s.keys.begin(), s.keys.end(), 0), 64 - 4);
    EXPECT_EQ(ReadSystemSettings({"Helligkeit: 60%"}).brightness, QStringLiteral("80%"));

    EXPECT_EQ(KeyListLine(3, kfLatching | kfGreen | kfBlinking), QStringLiteral("F3\tRastend,Intern,Grün,Blinkend"));
    quint8 flags = 0xFF;
    EXPECT_EQ(ParseKeyListLine(KeyListLine(40, 15), flags), 40);
    EXPECT_EQ(flags, 15);
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
    // Times the field cannot hold keep the value before; others are fitted to digit comma digit.
    EXPECT_EQ(Ok({"Scrollzeit: 12,5s", "Blink-Ein: 4s", "Blink-Aus: 0.75s"}, "Orbex 1").mid(3),
              Lines({"Scrollzeit: 3,2s", "Blink-Ein: 4,0s", "Blink-Aus: 0,7s"}));
    // An empty address is written as 0, so that the LED address keeps its field.
    TSystemSettings s;
    s.station = QStringLiteral("3");
    s.keyAddress.clear();
    EXPECT_EQ(Ok({}, "Quon 1", s)[6], "TN3 Tast: 0 LED: 0");
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

// The generator keeps its own account of the values its lines state, in whatever spelling; the
// written lines must state exactly those. (Formerly SettingsApply.AgreesWithTheGrammarOnGeneratedLineSets
// through "tavolin-cli settings apply", whose own part is in the settings script.)
TEST(SystemSettings, AgreesWithTheGrammarOnGeneratedLineSets)
{
    const unsigned seed = qEnvironmentVariableIsSet("TAVOLIN_SEED") ? qEnvironmentVariableIntValue("TAVOLIN_SEED") : 2026;
    for (unsigned round = 0; round < 60; ++round) {
        const TDisplayType& type = DisplayTypeTable()[round % 11];
        const Generated g(seed + round);
        const Lines out = WriteSystemSettings(ReadSystemSettings(g.lines), type);
        ASSERT_EQ(out, g.Expected(type))
            << "seed " << seed + round << ", " << type.name.toStdString() << ", input:\n" << g.lines.join('\n').toStdString();
        // Reading the result again changes nothing: every written line reads back as itself.
        EXPECT_EQ(WriteSystemSettings(ReadSystemSettings(out), type), out) << "round " << round;
    }
}
