#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

#include "project/DisplayType.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

// "tavolin-cli settings apply" on generated line sets, checked against what the settings
// grammar says the lines mean: the generator keeps its own account of every value it
// writes, in whatever spelling, and the output must state exactly those values.

using namespace tavolin::test;

namespace {

struct CliRun
{
    int exitCode;
    QByteArray out;
    QString err;
};

CliRun Apply(const QString& type, const QByteArray& input, const QString& inFile = {})
{
    QProcess process;
    QStringList args{QStringLiteral("settings"), QStringLiteral("apply"), QStringLiteral("--type"), type};
    if (!inFile.isEmpty())
        args << QStringLiteral("--in") << inFile;
    process.start(ProgramDir() + QStringLiteral("/tavolin-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// A random line set with the values it must yield.
struct Generated
{
    QList<QByteArray> lines;
    QByteArray selection = "Binaer", charSet = "IBM Zeichensatz", brightness = "80%";
    QByteArray times[3] = {"3,2", "0,3", "0,2"};
    QByteArray station, keyAddress = "0", ledAddress = "0";
    bool printer = false;
    quint8 keys[64] = {};
    QList<QByteArray> other;
};

class Generator
{
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    Generated Make()
    {
        Generated g;
        const int count = Pick(30);
        for (int i = 0; i < count; ++i)
            Add(g);
        return g;
    }

private:
    int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    QByteArray Digits(int min, int max)
    {
        QByteArray d;
        for (int n = min + Pick(max - min + 1); n > 0; --n)
            d += char('0' + Pick(10));
        return d;
    }
    QByteArray AnyCase(QByteArray s)
    {
        for (char& c : s)
            if (Pick(2))
                c = QChar::fromLatin1(c).isUpper() ? QChar::fromLatin1(c).toLower().toLatin1() : QChar::fromLatin1(c).toUpper().toLatin1();
        return s;
    }

    void Add(Generated& g)
    {
        static const char* const Brightness[] = {"20", "30", "40", "50", "80", "100", "60", "5,0", ""};
        static const char* const TimeWords[] = {"Scrollzeit", "Blink-Ein", "Blink-Aus"};
        static const char* const KeyRows[][3] = {{"Ta-Mode", "B", "M"}, {"Ta-Led", "E", "I"},
                                                 {"Ta-Farbe", "G", "R"}, {"Ta-Blink", "E", "A"}};
        switch (Pick(10)) {
        case 0:
            g.selection = Pick(2) ? "BCD" : "Binaer";
            g.lines << AnyCase(g.selection == "BCD" ? "BCD" : Pick(2) ? "Binaer" : "Bin\xe4r");
            break;
        case 1:
            g.charSet = Pick(2) ? "CPM Zeichensatz" : "IBM Zeichensatz";
            g.lines << AnyCase(g.charSet.left(3)) + (Pick(2) ? g.charSet.mid(3) : QByteArray());
            break;
        case 2:
            g.printer = true;
            g.lines << AnyCase("Drucker") + (Pick(2) ? " Ein" : "");
            break;
        case 3: {
            const QByteArray value = Brightness[Pick(9)];
            if (QByteArray("20 30 40 50 80 100").split(' ').contains(value))
                g.brightness = value + '%';
            g.lines << AnyCase("Helligkeit") + ": " + value + (Pick(2) ? "%" : "");
            break;
        }
        case 4: {
            const int which = Pick(3);
            const QByteArray value = Digits(1, 1) + ',' + Digits(1, 1);
            g.times[which] = value;
            g.lines << AnyCase(TimeWords[which]) + ": " + value + "s";
            break;
        }
        case 5: {
            const QByteArray key = Digits(1, 12);
            const QByteArray led = Digits(1, 12);
            g.keyAddress = key.left(10);
            g.ledAddress = led.left(10);
            if (Pick(2)) {
                g.lines << AnyCase("Ko-M") + " Tast: " + key + " LED: " + led;
            } else {
                g.station = Digits(1, 3);
                g.lines << AnyCase("TN") + g.station + " Tast: " + key + " LED: " + led;
            }
            break;
        }
        case 6:
        case 7: {
            const int row = Pick(4);
            const int group = Pick(10); // 9 stands for a line without group number
            QByteArray line = AnyCase(KeyRows[row][0]) + (group < 9 ? QByteArray::number(group) : "") + ": ";
            int key = group < 9 && group > 0 ? 8 * (group - 1) : 0;
            for (int n = Pick(20); n > 0; --n) {
                if (Pick(5) == 0) {
                    line += ' ';
                    continue;
                }
                const bool set = Pick(2);
                line += AnyCase(KeyRows[row][set ? 1 : 2]);
                if (key < 64)
                    g.keys[key] = static_cast<quint8>(set ? g.keys[key] | (1 << row) : g.keys[key] & ~(1 << row));
                ++key;
            }
            g.lines << line;
            break;
        }
        case 8:
            g.lines << QByteArray(); // empty lines go
            break;
        default: {
            // Lines no keyword knows: short keyword beginnings, any other bytes after a first
            // character no keyword starts with.
            static const char* const Short[] = {"Bi", "T", "Blink-E", "Hel", "Ta-"};
            QByteArray line = Pick(4) == 0 ? Short[Pick(5)] + QByteArray("_") : QByteArray(1, "QXYZqxyz0189"[Pick(12)]);
            for (int n = Pick(40); n > 0; --n) {
                const char c = char(1 + Pick(255));
                if (c != '\n' && c != '\r' && c != 0x1A)
                    line += c;
            }
            g.lines << line;
            g.other << line;
        }
        }
    }

    std::mt19937 m_random;
};

QList<QByteArray> Expected(const Generated& g, const TDisplayType& type)
{
    QList<QByteArray> lines{g.selection};
    if (g.printer)
        lines << "Drucker";
    lines << g.charSet << "Helligkeit: " + g.brightness << "Scrollzeit: " + g.times[0] + 's'
          << "Blink-Ein: " + g.times[1] + 's' << "Blink-Aus: " + g.times[2] + 's';
    if (type.Has(dtPlcAddresses))
        lines << (g.station.isEmpty() ? QByteArray("Ko-M") : "TN" + g.station) + " Tast: " + g.keyAddress + " LED: " + g.ledAddress;
    const int perGroup = type.keyCount <= 12 ? type.keyCount : 8;
    for (int first = 0; first < type.keyCount; first += perGroup) {
        const QByteArray label = type.keyCount <= 12 ? "" : QByteArray::number(first / 8 + 1);
        static const char* const Rows[][3] = {{"Ta-Mode", "B", "M"}, {"Ta-Led", "E", "I"},
                                              {"Ta-Farbe", "G", "R"}, {"Ta-Blink", "E", "A"}};
        for (int row = 0; row < 4; ++row) {
            QByteArray line = Rows[row][0] + label + ": ";
            for (int key = first; key < first + perGroup; ++key)
                line += Rows[row][(g.keys[key] >> row) & 1 ? 1 : 2];
            lines << line;
        }
    }
    return lines + g.other;
}

} // namespace

TEST(SettingsApply, AgreesWithTheGrammarOnGeneratedLineSets)
{
    QTemporaryDir dir;
    const QString again = dir.filePath(QStringLiteral("again.txt"));
    const unsigned seed = qEnvironmentVariableIsSet("TAVOLIN_SEED") ? qEnvironmentVariableIntValue("TAVOLIN_SEED") : 2026;
    Generator generator(seed);
    const TDisplayTypeTable& types = DisplayTypeTable();
    for (int round = 0; round < 60; ++round) {
        const TDisplayType& type = types[static_cast<size_t>(round % 11)];
        const Generated g = generator.Make();
        const CliRun run = Apply(type.name, g.lines.join('\n') + (round % 2 ? "\n" : ""));
        ASSERT_EQ(run.exitCode, 0) << "seed " << seed << " round " << round << ": " << run.err.toStdString();
        QList<QByteArray> out = run.out.split('\n');
        ASSERT_EQ(out.takeLast(), QByteArray()) << "every line ends with LF";
        ASSERT_EQ(out, Expected(g, type)) << "seed " << seed << " round " << round << " type " << type.name.toStdString()
                                          << "\ninput:\n" << g.lines.join('\n').toStdString();
        // Applying the result again changes nothing: every written line reads back as itself.
        WriteAll(again, run.out);
        EXPECT_EQ(Apply(type.name, {}, again).out, run.out) << "round " << round;
    }
}

TEST(SettingsApply, RefusesWhatItCannotWrite)
{
    const CliRun bad = Apply(QStringLiteral("Quon 1"), "Binaer\n-Notiz\nHelligkeit: 50%\n");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains(QStringLiteral("\"-Notiz\""))) << bad.err.toStdString();
    const CliRun unknown = Apply(QStringLiteral("Quon 9"), "Binaer\n");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Unbekannter Anzeigetyp \"Quon 9\""))) << unknown.err.toStdString();
    EXPECT_EQ(Apply(QStringLiteral("quon 1"), {}, QStringLiteral("/nonexistent/lines")).exitCode, 1);
}
