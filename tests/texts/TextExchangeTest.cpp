#include <gtest/gtest.h>
#include <random>

#include "support/TestHelpers.h"
#include "support/TextTestSupport.h"
#include "texts/MessageTable.h"
#include "texts/TextExchange.h"
#include "texts/TextNotation.h"

using namespace tavolin::test;

TEST(TextNotation, MarksAndDisplayCodes)
{
    // ä and ° are display codes 0x84 and 0xF8; 0xB5 has no printable Windows character.
    const QByteArray display("T\x84nk \x0F" "5\xF8\x0E\r\x10" "AB\x12 {x}\xB5\x7F", 20);
    const QString notation = QStringLiteral("Tänk {blink}5°{/blink}\n{gfx}AB{/gfx} {{x}{xB5}{x7F}");
    EXPECT_EQ(TextNotation::Encode(display), notation);
    EXPECT_EQ(TextNotation::Decode(notation), display);
    EXPECT_EQ(TextNotation::Decode(QStringLiteral("a\r\nb\rc{XB5}")), QByteArray("a\rb\rc\xB5"));
    // Every other byte goes both ways in RandomFilesSurviveExportAndImport.
}

TEST(TextNotation, FaultsAreNamed)
{
    const std::pair<QString, QString> faults[] = {
        {"a{blink", "ohne"}, {"{bold}x", "{bold}"}, {"{x0A}", "Textdatei"}, {"{x00}", "Textdatei"},
        {"{xZZ}", "Markierung"}, {"5 €", "U+20ac"}, {"\U0001F600", "U+1f600"}, {"tab\there", "Stelle 4"},
    };
    for (const auto& [notation, expected] : faults) {
        const QString error = ErrorOf([&] { TextNotation::Decode(notation); });
        EXPECT_TRUE(error.contains(expected)) << notation.toStdString() << ": " << error.toStdString();
    }
    EXPECT_FALSE(ErrorOf([] { TextNotation::Decode(QStringLiteral("a\nb"), false); }).isEmpty());
}

TEST(TextExchange, JsonAndCsvLayout)
{
    TMessageTable table;
    table.headerLines[0] = {"Binaer", "Helligkeit: 80%"};
    table.SetText(0, 0, "");
    table.SetText(1, 0, "Pumpe \"1\"\rSt\x94rung, bitte");
    table.SetText(12, 0, " Tank\\");
    EXPECT_EQ(TextExchange::ToJson(table, 0),
              QByteArray("{\n  \"format\": \"tavolin-texts\",\n  \"version\": 1,\n  \"header\": [\n"
                         "    \"Binaer\",\n    \"Helligkeit: 80%\"\n  ],\n  \"messages\": [\n"
                         "    {\"number\": 0, \"text\": \"\"},\n"
                         "    {\"number\": 1, \"text\": \"Pumpe \\\"1\\\"\\nSt\xC3\xB6rung, bitte\"},\n"
                         "    {\"number\": 12, \"text\": \" Tank\\\\\"}\n  ]\n}\n"));
    EXPECT_EQ(TextExchange::ToCsv(table, 0),
              QByteArray("number,text\nheader,Binaer\nheader,Helligkeit: 80%\n0,\n"
                         "1,\"Pumpe \"\"1\"\"\nSt\xC3\xB6rung, bitte\"\n12,\" Tank\\\"\n"));

    TMessageTable empty;
    EXPECT_EQ(TextExchange::ToJson(empty, 1),
              QByteArray("{\n  \"format\": \"tavolin-texts\",\n  \"version\": 1,\n  \"header\": [],\n"
                         "  \"messages\": []\n}\n"));
    // Reading both back is RandomFilesSurviveExportAndImport's part.
}

TEST(TextExchange, ImportAcceptsEditedFilesAndRefusesBrokenOnes)
{
    // What spreadsheet programs and editors make of a CSV file.
    TMessageTable edited;
    TextExchange::FromCsv("\xEF\xBB\xBFNumber,Text\r\nheader,BCD\r\n5,\"a\r\nb\r\n\"\r\n\r\n7,\"x\"\"y\"", edited, 0);
    EXPECT_EQ(edited.headerLines[0], QList<QByteArray>{"BCD"});
    EXPECT_EQ(edited.At(0).text[0], QByteArray("a\rb"));
    EXPECT_EQ(edited.At(1).text[0], QByteArray("x\"y"));

    const QList<std::pair<QByteArray, QString>> badCsv{
        {"number,text\n5,a\n5,b\n", QStringLiteral("doppelt")},
        {"number,text\n1024,a\n", QStringLiteral("zwischen 0 und 1023")},
        {"number,text\nfuenf,a\n", QStringLiteral("keine Meldungsnummer")},
        {"number,text\n5,a,b\n", QStringLiteral("Zeile 2")},
        {"number,text\n5,\"offen\n", QStringLiteral("nicht geschlossen")},
        {"number,text\nheader,-Notiz\n", QStringLiteral("CSV Zeile 2: Eine Kopfzeile muss")},
        // RFC 4180: quotes enclose a whole field, and a quote inside one is doubled.
        {"number,text\n1,\"ab\"c\n", QStringLiteral("CSV Zeile 2: Nach dem schließenden Anführungszeichen")},
        {"number,text\n1,\"a\nb\" \n", QStringLiteral("CSV Zeile 3: Nach dem schließenden")},
        {"number,text\n1,ab\"c\n", QStringLiteral("CSV Zeile 2: Anführungszeichen in einem Feld")},
        {"number,text\n5,\xFF\xFE\n", QStringLiteral("UTF-8")},
        {"number,text\n3,ok\n4,{blink\n", QStringLiteral("CSV Zeile 3, Meldung 4")},
        // The file cannot hold these; nothing may be written over a full text file.
        {"number,text\n0,*** Alarm ***\n", QStringLiteral("Meldung 0 darf nicht mit \"*\" beginnen")},
        {"", QStringLiteral("keine Meldung und keine Kopfzeile")},
        {"number,text\n1,\n", QStringLiteral("keine Meldung")},
    };
    for (const auto& [csv, expected] : badCsv) {
        TMessageTable table;
        const QString error = ErrorOf([&] { TextExchange::FromCsv(csv, table, 0); });
        EXPECT_TRUE(error.contains(expected)) << csv.constData() << ": " << error.toStdString();
    }

    // Each refused; where the text is given, the message begins with it.
    const QList<std::pair<QByteArray, QString>> badJson{
        {"", {}}, {"[]", {}}, {"{\"messages\": 5}", {}}, {"{\"format\": \"andere\", \"messages\": []}", {}},
        {"{\"messages\": [{\"number\": 1.5, \"text\": \"a\"}]}", {}}, {"{\"messages\": [{\"number\": 1}]}", {}},
        {"{\"messages\": [{\"number\": -1, \"text\": \"a\"}]}", {}}, {"{\"messages\": [3]}", {}},
        {"{\"header\": \"Binaer\", \"messages\": []}", {}}, {"{\"header\": [\"a\\nb\"], \"messages\": []}", {}},
        {"{\"messages\": [{\"number\": 1e300, \"text\": \"a\"}]}", {}}, {"{\"messages\": [", {}},
        {"{\"header\": [\"Binaer\", \"-x\"], \"messages\": []}", QStringLiteral("Kopfzeile 2: Eine Kopfzeile muss")},
    };
    for (const auto& [json, expected] : badJson) {
        TMessageTable table;
        const QString error = ErrorOf([&] { TextExchange::FromJson(json, table, 0); });
        EXPECT_TRUE(!error.isEmpty() && error.startsWith(expected)) << json.constData() << ": " << error.toStdString();
    }
}

TEST(TextExchange, RandomFilesSurviveExportAndImport)
{
    std::mt19937 random(815);
    for (int round = 0; round < 100; ++round) {
        TMessageTable table;
        if (random() % 2)
            table.headerLines[0] = {"Binaer", "Ta-Mode: MB{" + QByteArray(1, static_cast<char>(0x80 + random() % 128))};
        for (int m = 0; m < 30; ++m) {
            QByteArray text;
            const int length = 1 + random() % 40;
            for (int i = 0; i < length; ++i) {
                char c;
                do
                    c = static_cast<char>(random() % 256);
                while (c == 0 || c == 0x0A || c == 0x1A);
                text.append(c);
            }
            table.SetText(static_cast<int>(random() % 1024), 0, text);
        }
        // What saving produces from this table, read back: the file a user has.
        TMessageTable saved;
        Parse(saved, 0, Format(table));
        const QByteArray file = Format(saved);
        TMessageTable read;
        Parse(read, 0, file);
        ASSERT_EQ(Format(read), file);

        TMessageTable fromJson;
        TextExchange::FromJson(TextExchange::ToJson(read, 0), fromJson, 0);
        ASSERT_EQ(Format(fromJson), file) << round;
        TMessageTable fromCsv;
        TextExchange::FromCsv(TextExchange::ToCsv(read, 0), fromCsv, 0);
        ASSERT_EQ(Format(fromCsv), file) << round;
    }
}
