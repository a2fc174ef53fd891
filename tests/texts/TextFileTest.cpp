#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "common/AtomicFile.h"
#include "support/FailDevice.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TextTestSupport.h"

using namespace tavolin::test;

namespace {

const QByteArray WorkedExample = QByteArrayLiteral("0    *Binaer\n\r"
                                                   "     *Helligkeit: 80%\n\r"
                                                   "     *\n\r"
                                                   "1    Pumpe 1\n\r"
                                                   "     Stoerung\n\r"
                                                   "12   Tank \x0Fvoll\x0E\n\r");

QByteArray TextOf(const TMessageTable& table, int number, int language = 0)
{
    const int slot = table.IndexOf(number);
    return slot < 0 ? QByteArrayLiteral("<none>") : table.At(slot).text[static_cast<size_t>(language)];
}

} // namespace

TEST(TextFormat, WorkedExampleBothWays)
{
    TMessageTable table;
    table.headerLines[0] = {"Binaer", "Helligkeit: 80%"};
    table.SetText(0, 0, "");
    table.SetText(1, 0, "Pumpe 1\rStoerung");
    table.SetText(12, 0, "Tank \x0Fvoll\x0E");
    EXPECT_EQ(Format(table, 0, TextFile::HeaderBlock | TextFile::MessageTexts), WorkedExample);

    TMessageTable read;
    ASSERT_EQ(Parse(read, 0, WorkedExample), 1);
    EXPECT_EQ(read.headerLines[0], (QList<QByteArray>{"Binaer", "Helligkeit: 80%"}));
    EXPECT_EQ(Numbers(read), (QList<int>{0, 1, 12}));
    EXPECT_EQ(TextOf(read, 0), QByteArray());
    EXPECT_EQ(TextOf(read, 1), QByteArray("Pumpe 1\rStoerung"));
    EXPECT_EQ(TextOf(read, 12), QByteArray("Tank \x0Fvoll\x0E"));
    EXPECT_EQ(read.fileName[0], QStringLiteral("mem"));
}

TEST(TextFormat, FlagsSelectHeaderAndTexts)
{
    TMessageTable table;
    table.SetText(0, 0, "Null");
    table.SetText(1023, 0, "Letzte");
    EXPECT_EQ(Format(table, 0, 3), QByteArray("0    Null\n\r1023 Letzte\n\r"));

    table.headerLines[0] = {"BCD"};
    EXPECT_EQ(Format(table, 0, TextFile::HeaderBlock), QByteArray("0    *BCD\n\r"));
    EXPECT_EQ(Format(table, 0, TextFile::MessageTexts), QByteArray("0    Null\n\r1023 Letzte\n\r"));
    EXPECT_EQ(Format(table, 0, 3), QByteArray("0    *BCD\n\r     *\n\r     Null\n\r1023 Letzte\n\r"));
    EXPECT_EQ(Format(table, 1, 3), QByteArray());

    // Without message 0 the first slot keeps its own number after the header.
    TMessageTable noZero;
    noZero.headerLines[0] = {"BCD"};
    noZero.SetText(4, 0, "Vier");
    EXPECT_EQ(Format(noZero, 0, 3), QByteArray("0    *BCD\n\r     *\n\r4    Vier\n\r"));
}

TEST(TextFormat, EmptyLinesAndTrailingBreaks)
{
    TMessageTable table;
    table.SetText(5, 0, "A\r\rB");
    table.SetText(6, 0, "C\r");
    const QByteArray bytes = Format(table, 0, 3);
    EXPECT_EQ(bytes, QByteArray("5    A\n\r     \n\r     B\n\r6    C\n\r"));

    TMessageTable read;
    Parse(read, 0, bytes);
    EXPECT_EQ(TextOf(read, 5), QByteArray("A\r\rB"));
    EXPECT_EQ(TextOf(read, 6), QByteArray("C"));
}

TEST(TextParse, EveryLineEndVariantGivesTheSameTable)
{
    const QList<QByteArray> ends{"\n\r", "\r\n", "\n", "\r", "\r\r", "\n\n"};
    for (const QByteArray& end : ends) {
        const QByteArray bytes = "0    *Binaer" + end + "     *" + end + "1    Pumpe" + end + "     aus"
            + end + end + end + "2    Tank" + end;
        TMessageTable table;
        Parse(table, 0, bytes);
        EXPECT_EQ(table.headerLines[0], QList<QByteArray>{"Binaer"}) << end.toHex().constData();
        EXPECT_EQ(Numbers(table), (QList<int>{0, 1, 2})) << end.toHex().constData();
        EXPECT_EQ(TextOf(table, 1), QByteArray("Pumpe\raus")) << end.toHex().constData();
        EXPECT_EQ(TextOf(table, 2), QByteArray("Tank")) << end.toHex().constData();
    }
}

TEST(TextParse, HeaderRules)
{
    TMessageTable table;
    // A header text that does not begin with a letter or digit ends the block and is lost;
    // the lines after it are message text of message 0.
    Parse(table, 0, "0    *Binaer\n\r     *-Notiz\n\r     *Drucker\n\r3    Text\n\r");
    EXPECT_EQ(table.headerLines[0], QList<QByteArray>{"Binaer"});
    EXPECT_EQ(TextOf(table, 0), QByteArray("*Drucker"));
    EXPECT_EQ(TextOf(table, 3), QByteArray("Text"));

    // Message 0 starting with "*" and a letter, written without header block, reads as header.
    TMessageTable star;
    star.SetText(0, 0, "*Achtung");
    TMessageTable back;
    Parse(back, 0, Format(star, 0, 3));
    EXPECT_EQ(back.headerLines[0], QList<QByteArray>{"Achtung"});

    // Reading again replaces the header lines but merges the messages.
    Parse(back, 0, "0    *BCD\n\r     *\n\r7    Sieben\n\r");
    EXPECT_EQ(back.headerLines[0], QList<QByteArray>{"BCD"});
    EXPECT_EQ(Numbers(back), (QList<int>{0, 7}));

    // A header line after message lines keeps the text collected before it.
    TMessageTable late;
    Parse(late, 0, "5    Fuenf\n\r0    *Binaer\n\r6    Sechs\n\r");
    EXPECT_EQ(TextOf(late, 5), QByteArray("Fuenf"));
    EXPECT_EQ(late.headerLines[0], QList<QByteArray>{"Binaer"});
    EXPECT_EQ(TextOf(late, 6), QByteArray("Sechs"));
}

TEST(TextParse, NumbersAndLimits)
{
    TMessageTable table;
    Parse(table, 0, "1024 zu gross\n\r1023 letzte\n\r8    alt\n\r8    neu\n\r9    \n\r10   zehn\n\r11   \n\r");
    EXPECT_EQ(Numbers(table), (QList<int>{8, 9, 10, 1023}));
    EXPECT_EQ(TextOf(table, 8), QByteArray("neu"));
    EXPECT_EQ(TextOf(table, 9), QByteArray());
    EXPECT_EQ(TextOf(table, 1024), QByteArray("<none>"));

    // Lines that are not message lines continue the current message, whatever their prefix.
    TMessageTable cont;
    Parse(cont, 1, "4    vier\n\rxxxxxweiter\n\r");
    EXPECT_EQ(TextOf(cont, 4, 1), QByteArray("vier\rweiter"));
    EXPECT_EQ(TextOf(cont, 4, 0), QByteArray());

    TMessageTable refused;
    EXPECT_EQ(Parse(refused, 2, "1    x\n\r"), 0);
    EXPECT_EQ(refused.Count(), 0);
}

TEST(TextParse, EndOfFileMarksAndShortLines)
{
    TMessageTable table;
    Parse(table, 0, "1    Ein\x1Aschnitt\n\r     zwei\n\r2    drei\n\r\x1A");
    EXPECT_EQ(TextOf(table, 1), QByteArray("Ein\rzwei"));
    EXPECT_EQ(TextOf(table, 2), QByteArray("drei"));

    // Stripped trailing blanks leave "7"; short non-number lines carry nothing.
    TMessageTable shortLines;
    Parse(shortLines, 0, "7\n\r8    acht\n\rab\n\r\x1A\x1A\n\r0\n\r1");
    EXPECT_EQ(Numbers(shortLines), (QList<int>{0, 7, 8}));
    EXPECT_EQ(TextOf(shortLines, 8), QByteArray("acht"));

    // A 0 byte ends the whole text.
    TMessageTable zero;
    Parse(zero, 0, QByteArray("1    a\n\r\0" "2    b\n\r", 17));
    EXPECT_EQ(Numbers(zero), QList<int>{1});

    // Every short tail and prefix stays inside the line (checked by the sanitizer builds).
    for (int cut = 0; cut <= WorkedExample.size(); ++cut) {
        TMessageTable partial;
        QByteArray bytes = WorkedExample.left(cut);
        EXPECT_EQ(Parse(partial, 0, bytes), 1);
    }
}

TEST(TextParse, WhatReadingLeavesOutIsToldWithItsLine)
{
    // Files as saving writes them, with other line ends or a closing end-of-file byte, and
    // zeros behind the text (as a display sends them) are read without a note.
    ReadWarnings none;
    TMessageTable clean;
    Parse(clean, 0, WorkedExample + "\x1A", &none);
    Parse(clean, 1, QByteArray("1    a\r\n\r\n2    b\n\n") + QByteArray(2, '\0'), &none);
    for (const QString& name : {QStringLiteral("Sprache1.txt"), QStringLiteral("Sprache2.txt")})
        none += ReadTextFile(clean, DemoProjectDir() + QLatin1Char('/') + name, 0);
    EXPECT_TRUE(none.isEmpty()) << FormatReadWarnings(none).toStdString();

    // Reading keeps its rules; each loss is named with the line it stood in.
    TMessageTable table;
    ReadWarnings warnings;
    Parse(table, 0, QByteArray("0    *Binaer\n\r"
                               "     *\x8E" "nderung\n\r"
                               "1    eins\n\r"
                               "-5   minus\n\r"
                               "1500 gross\n\r"
                               "1    wieder\n\n"
                               "\n"
                               "2    a\x1A" "b\n\r"
                               "3    c") + '\0' + "4    d\n\r", &warnings);
    EXPECT_EQ(table.headerLines[0], QList<QByteArray>{"Binaer"});
    EXPECT_EQ(Numbers(table), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(TextOf(table, 1), QByteArray("wieder"));
    QStringList notes;
    for (const TReadWarning& warning : warnings)
        notes << QStringLiteral("%1 %2").arg(warning.line).arg(warning.text.section(QLatin1Char(' '), 0, 2));
    EXPECT_EQ(notes, (QStringList{QStringLiteral("2 Die Kopfzeile „Änderung“"), QStringLiteral("4 „-5“ ist keine"),
                                  QStringLiteral("5 Die Meldungsnummer 1500"), QStringLiteral("6 Meldung 1 steht"),
                                  QStringLiteral("9 Der Text nach"), QStringLiteral("10 Ein Nullbyte beendet")}))
        << notes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(warnings[3].Message(), QStringLiteral("mem, Zeile 6: Meldung 1 steht schon in Zeile 3; ihr Text von dort wurde ersetzt."));
}

TEST(TextFormat, DisplayFilterSendsLinesThatFitUnchanged)
{
    TMessageTable table;
    table.headerLines[0] = {"Helligkeit: 80% und ein langer Kommentar"};
    // Six visible characters with many attribute bytes fit a six-column display.
    table.SetText(1, 0, "\x0F" "a\x0E\x10" "b\x12\x0F" "c\x0E\x10" "d\x12\x0F" "e\x0E\x10" "f\x12");
    table.SetText(2, 0, "Zu lang \x0Fhier\x0E\rkurz");
    const QByteArray out = Format(table, 0, 7, 6);
    EXPECT_EQ(out, QByteArray("0    *Helligkeit: 80% und ein langer Kommentar\n\r     *\n\r"
                              "1    \x0F" "a\x0E\x10" "b\x12\x0F" "c\x0E\x10" "d\x12\x0F" "e\x0E\x10" "f\x12\n\r"
                              "2    Zu lan\x0F\x0E\n\r     kurz\n\r"));
    EXPECT_EQ(Format(table, 0, 3), Format(table, 0, 7, 0));
}

TEST(TextFormat, OverflowIsReportedNotDropped)
{
    TMessageTable table;
    for (int n = 0; n < 1024; ++n)
        table.SetText(n, 0, QByteArray(24, 'x') + '\r' + QByteArray(24, 'y') + '\r' + QByteArray(24, 'z'));
    std::vector<char> buffer(TextFile::BufferSize);
    bool complete = true;
    const int n = FormatText(table, 0, buffer.data(), TextFile::BufferSize, 3, 0, &complete);
    EXPECT_FALSE(complete);
    EXPECT_LT(n, TextFile::BufferSize);
    EXPECT_THROW(FormatTextChecked(table, 0, 3), TavolinError);

    // A small buffer is never overrun and keeps its last byte free.
    std::vector<char> tiny(12, '#');
    EXPECT_EQ(FormatText(table, 0, tiny.data(), 10, 3, 0, &complete), 9);
    EXPECT_EQ(tiny[9], '\0');
    EXPECT_EQ(tiny[10], '#');
}

class TextFileOnDisk : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(TextFileOnDisk, SaveKeepsThePreviousVersionAsBackupCopy)
{
    const QString path = Path(QStringLiteral("Sprache1.txt"));
    const QString backup = Path(QStringLiteral("Sprache1.bak"));
    WriteAll(path, WorkedExample);

    TMessageTable table;
    ReadTextFile(table, path, 0);
    EXPECT_FALSE(table.modified[0]);
    table.SetText(12, 0, "Tank leer");
    WriteTextFile(table, path, 0, KeepBackup::Yes);

    EXPECT_EQ(ReadAll(backup), WorkedExample);
    TMessageTable again;
    ReadTextFile(again, path, 0);
    EXPECT_EQ(TextOf(again, 12), QByteArray("Tank leer"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A later save replaces the older backup; a shorter file leaves nothing behind.
    table.SetText(12, 0, "");
    table.SetText(1, 0, "");
    WriteTextFile(table, path, 0, KeepBackup::Yes);
    EXPECT_EQ(ReadAll(backup).right(11), QByteArray("Tank leer\n\r"));
    EXPECT_EQ(ReadAll(path), QByteArray("0    *Binaer\n\r     *Helligkeit: 80%\n\r     *\n\r"));

    // A save that is refused (too much text for the display) touches no backup generation.
    const QByteArray previous = ReadAll(backup);
    TMessageTable full;
    for (int n = 0; n < 1024; ++n)
        full.SetText(n, 0, QByteArray(60, 'x'));
    EXPECT_THROW(WriteTextFile(full, path, 0, KeepBackup::Yes), TavolinError);
    EXPECT_EQ(ReadAll(backup), previous);

    // Only the last extension is replaced; a missing file has no backup.
    EXPECT_EQ(BackupFileName(QStringLiteral("/p/a.b.txt")), QStringLiteral("/p/a.b.bak"));
    EXPECT_EQ(BackupFileName(QStringLiteral("/p.neu/Texte")), QStringLiteral("/p.neu/Texte.bak"));
    WriteTextFile(table, Path(QStringLiteral("neu.txt")), 0, KeepBackup::Yes);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("neu.bak"))));
}

TEST_F(TextFileOnDisk, FailuresLeaveTheOldFileWhole)
{
    const QString path = Path(QStringLiteral("Sprache1.txt"));
    WriteAll(path, WorkedExample);

    // Too much text for the display: refused before anything is touched.
    TMessageTable full;
    for (int n = 0; n < 1024; ++n)
        full.SetText(n, 0, QByteArray(30, 'x') + '\r' + QByteArray(30, 'y'));
    const QString overflow = ErrorOf([&] { WriteTextFile(full, path, 0); });
    EXPECT_TRUE(overflow.startsWith(QStringLiteral("Fehler bei Dateispeichern"))) << overflow.toStdString();
    EXPECT_TRUE(overflow.contains(QStringLiteral("zu lang")));
    EXPECT_EQ(ReadAll(path), WorkedExample);

    // A folder that cannot be written: the save fails loudly, the file stays.
    TMessageTable small;
    small.SetText(1, 0, "neu");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(Path(QStringLiteral("probe"))).open(QIODevice::WriteOnly)) {
        GTEST_LOG_(INFO) << "running with rights that ignore permissions; folder case skipped";
    } else {
        EXPECT_THROW(WriteTextFile(small, path, 0, KeepBackup::Yes), TavolinError);
        EXPECT_EQ(ReadAll(path), WorkedExample);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_THROW(WriteTextFile(small, dir.path(), 0), TavolinError);
}

TEST_F(TextFileOnDisk, AFailingWriteNeverTruncatesTheFile)
{
    const QString path = Path(QStringLiteral("Sprache1.txt"));
    WriteAll(path, WorkedExample);
    const QByteArray bytes = WorkedExample.repeated(3);
    for (qsizetype failAfter : {qsizetype(0), qsizetype(7), bytes.size() - 1}) {
        // The file takes `failAfter` bytes, then the disk runs full: at once, or after
        // taking part of a write.
        const auto write = [&](QIODevice& device) {
            device.write(bytes.left(failAfter));
            tavolin::test::FailDevice full((bytes.size() - failAfter) / 2);
            full.open(QIODevice::WriteOnly);
            WriteTextBytes(full, bytes.mid(failAfter));
        };
        const QString error = ErrorOf([&] { ReplaceFileContent(path, write, QStringLiteral("Fehler bei Dateispeichern")); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("Fehler bei Dateispeichern\n"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("Sprache1.txt")));
        EXPECT_EQ(ReadAll(path), WorkedExample) << failAfter;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Sprache1.txt"});
    }
    ReplaceFileContent(path, [&](QIODevice& device) { WriteTextBytes(device, bytes); }, QString());
    EXPECT_EQ(ReadAll(path), bytes);
}

TEST_F(TextFileOnDisk, ReadingFiles)
{
    TMessageTable table;
    table.headerLines[0] = {"bleibt"};
    table.modified[0] = true;
    ReadTextFile(table, Path(QStringLiteral("fehlt.txt")), 0);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.headerLines[0], QList<QByteArray>{"bleibt"});
    EXPECT_FALSE(table.modified[0]);
    EXPECT_EQ(table.fileName[0], Path(QStringLiteral("fehlt.txt")));

    EXPECT_THROW(ReadTextFile(table, Path(QStringLiteral("x.txt")), 2), TavolinError);
    EXPECT_THROW(ReadTextFile(table, dir.path(), 0), TavolinError);

    // Only the first 60,000 bytes are read, and the caller learns that there was more.
    QByteArray big;
    int number = 0;
    while (big.size() < 70000)
        big += QByteArray::number(number++ % 1024).leftJustified(5, ' ') + QByteArray(40, 'm') + "\n\r";
    WriteAll(Path(QStringLiteral("gross.txt")), big);
    TMessageTable bigTable;
    bool truncated = false;
    const ReadWarnings notes = ReadTextFile(bigTable, Path(QStringLiteral("gross.txt")), 0, &truncated);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(notes.first().line, 1277);
    EXPECT_TRUE(notes.first().text.contains(QStringLiteral("länger als 60000 Bytes")));
    // 1276 whole lines of 47 bytes; the 1277th (message 252) is cut after 28 bytes.
    EXPECT_EQ(TextOf(bigTable, 252), QByteArray(23, 'm'));
    WriteAll(Path(QStringLiteral("klein.txt")), WorkedExample);
    ReadTextFile(bigTable, Path(QStringLiteral("klein.txt")), 0, &truncated);
    EXPECT_FALSE(truncated);
}
