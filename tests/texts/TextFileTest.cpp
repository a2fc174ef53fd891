#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/AtomicFile.h"
#include "support/FailDevice.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TextTestSupport.h"
#include "texts/TextTables.h"

using namespace tavolin::test;

namespace {

const QByteArray WorkedExample = QByteArrayLiteral("0    *Binaer\n\r"
                                                   "     *Helligkeit: 80%\n\r"
                                                   "     *\n\r"
                                                   "1    Pumpe 1\n\r"
                                                   "     Stoerung\n\r"
                                                   "12   Tank \x0Fvoll\x0E\n\r");

struct FormatCase
{
    const char* name;
    Texts texts;
    int flags;
    int lineLength;
    QByteArray bytes;
};

const FormatCase FormatCases[] = {
    {"worked example",
     {{Header, "Binaer|Helligkeit: 80%"}, {0, ""}, {1, "Pumpe 1\rStoerung"}, {12, "Tank \x0Fvoll\x0E"}},
     3, 0, WorkedExample},
    {"no header", {{0, "Null"}, {1023, "Letzte"}}, 3, 0, "0    Null\n\r1023 Letzte\n\r"},
    {"header only", {{Header, "BCD"}, {0, "Null"}, {1023, "Letzte"}}, TextFile::HeaderBlock, 0, "0    *BCD\n\r"},
    {"texts only", {{Header, "BCD"}, {0, "Null"}, {1023, "Letzte"}}, TextFile::MessageTexts, 0,
     "0    Null\n\r1023 Letzte\n\r"},
    {"message 0 continues the header", {{Header, "BCD"}, {0, "Null"}, {1023, "Letzte"}}, 3, 0,
     "0    *BCD\n\r     *\n\r     Null\n\r1023 Letzte\n\r"},
    // Without message 0 the first slot keeps its own number after the header.
    {"no message 0", {{Header, "BCD"}, {4, "Vier"}}, 3, 0, "0    *BCD\n\r     *\n\r4    Vier\n\r"},
    {"empty lines stay, a trailing break is dropped", {{5, "A\r\rB"}, {6, "C\r"}}, 3, 0,
     "5    A\n\r     \n\r     B\n\r6    C\n\r"},
    // Six visible characters with many attribute bytes fit a six-column display; a longer line
    // keeps its attribute bytes. The header is never cut.
    {"display filter",
     {{Header, "Helligkeit: 80% und ein langer Kommentar"},
      {1, "\x0F" "a\x0E\x10" "b\x12\x0F" "c\x0E\x10" "d\x12\x0F" "e\x0E\x10" "f\x12"},
      {2, "Zu lang \x0Fhier\x0E\rkurz"}},
     7, 6,
     "0    *Helligkeit: 80% und ein langer Kommentar\n\r     *\n\r"
     "1    \x0F" "a\x0E\x10" "b\x12\x0F" "c\x0E\x10" "d\x12\x0F" "e\x0E\x10" "f\x12\n\r"
     "2    Zu lan\x0F\x0E\n\r     kurz\n\r"},
    {"display filter without a line length", {{2, "Zu lang \x0Fhier\x0E"}}, 7, 0, "2    Zu lang \x0Fhier\x0E\n\r"},
};

struct ParseCase
{
    const char* name;
    QByteArray bytes;
    std::string table; // as Dump shows it
    int language = 0;
};

const ParseCase ParseCases[] = {
    {"worked example", WorkedExample, "*Binaer *Helligkeit: 80% 0: 1:Pumpe 1\rStoerung 12:Tank \x0Fvoll\x0E"},
    {"empty lines stay", "5    A\n\r     \n\r     B\n\r6    C\n\r", "5:A\r\rB 6:C"},
    // One or two bytes of CR and LF in any order end one line.
    {"other line ends", "0    *Binaer\r\n     *\n1    Pumpe\r\r     aus\n\n2    Tank\r", "*Binaer 0: 1:Pumpe\raus 2:Tank"},
    // A header text that does not begin with a letter or digit ends the block and is lost;
    // the lines after it are message text of message 0.
    {"header ends at a non-letter", "0    *Binaer\n\r     *-Notiz\n\r     *Drucker\n\r3    Text\n\r",
     "*Binaer 0:*Drucker 3:Text"},
    // Message 0 starting with "*" and a letter, written without header block, reads as header.
    {"message 0 with a star", "0    *Achtung\n\r", "*Achtung"},
    // A header line after message lines keeps the text collected before it.
    {"late header", "5    Fuenf\n\r0    *Binaer\n\r6    Sechs\n\r", "*Binaer 0: 5:Fuenf 6:Sechs"},
    {"numbers and limits", "1024 zu gross\n\r1023 letzte\n\r8    alt\n\r8    neu\n\r9    \n\r10   zehn\n\r11   \n\r",
     "8:neu 9: 10:zehn 1023:letzte"},
    // Lines that are not message lines continue the current message, whatever their prefix.
    {"continuation lines", "4    vier\n\rxxxxxweiter\n\r", "4:vier\rweiter", 1},
    {"end-of-file marks", "1    Ein\x1Aschnitt\n\r     zwei\n\r2    drei\n\r\x1A", "1:Ein\rzwei 2:drei"},
    // Stripped trailing blanks leave "7"; short non-number lines carry nothing.
    {"short lines", "7\n\r8    acht\n\rab\n\r\x1A\x1A\n\r0\n\r1", "0: 7: 8:acht"},
};

} // namespace

TEST(TextFormat, WritesWhatTheFlagsSelect)
{
    for (const FormatCase& c : FormatCases) {
        SCOPED_TRACE(c.name);
        TMessageTable table;
        Fill(table, c.texts);
        EXPECT_EQ(Format(table, 0, c.flags, c.lineLength).toStdString(), c.bytes.toStdString());
    }
}

TEST(TextParse, ReadsWhatTheRulesKeep)
{
    for (const ParseCase& c : ParseCases) {
        SCOPED_TRACE(c.name);
        TMessageTable table;
        EXPECT_EQ(Parse(table, c.language, c.bytes), 1);
        EXPECT_EQ(Dump(table, c.language), c.table);
    }

    // Every short tail and prefix stays inside the line (checked by the sanitizer builds).
    for (int cut = 0; cut <= WorkedExample.size(); ++cut) {
        TMessageTable partial;
        EXPECT_EQ(Parse(partial, 0, WorkedExample.left(cut)), 1);
    }
}

TEST(TextParse, ReadingAgainReplacesTheHeaderAndMergesTheMessages)
{
    TMessageTable table;
    Parse(table, 0, "0    *Achtung\n\r5    Fuenf\n\r");
    Parse(table, 0, "0    *BCD\n\r     *\n\r7    Sieben\n\r");
    EXPECT_EQ(Dump(table), "*BCD 0: 5:Fuenf 7:Sieben");

    // There is no third language.
    EXPECT_EQ(Parse(table, 2, "1    x\n\r"), 0);
    EXPECT_EQ(Dump(table), "*BCD 0: 5:Fuenf 7:Sieben");
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
    EXPECT_EQ(Dump(table), "*Binaer 0: 1:wieder 2:a 3:c");
    QStringList notes;
    for (const TReadWarning& warning : warnings)
        notes << QStringLiteral("%1 %2").arg(warning.line).arg(warning.text.section(QLatin1Char(' '), 0, 2));
    EXPECT_EQ(notes, (QStringList{QStringLiteral("2 Die Kopfzeile „Änderung“"), QStringLiteral("4 „-5“ ist keine"),
                                  QStringLiteral("5 Die Meldungsnummer 1500"), QStringLiteral("6 Meldung 1 steht"),
                                  QStringLiteral("9 Der Text nach"), QStringLiteral("10 Ein Nullbyte beendet")}))
        << notes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(warnings[3].Message(), QStringLiteral("mem, Zeile 6: Meldung 1 steht schon in Zeile 3; ihr Text von dort wurde ersetzt."));
}

// A text too long for the display's buffer is refused where saving is tested
// (FailuresLeaveTheOldFileWhole).
TEST(TextFormat, OverflowIsReportedNotDropped)
{
    TMessageTable table;
    table.SetText(0, 0, QByteArray(24, 'x') + '\r' + QByteArray(24, 'y'));
    bool complete = true;

    // A small buffer is never overrun and keeps its last byte free.
    std::vector<char> tiny(12, '#');
    EXPECT_EQ(FormatText(table, 0, tiny.data(), 10, 3, 0, &complete), 9);
    EXPECT_FALSE(complete);
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
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A later save replaces the older backup (the first save's text is in it); a shorter
    // file leaves nothing behind.
    table.SetText(12, 0, "");
    table.SetText(1, 0, "");
    WriteTextFile(table, path, 0, KeepBackup::Yes);
    EXPECT_EQ(ReadAll(backup).right(11), QByteArray("Tank leer\n\r"));
    EXPECT_EQ(ReadAll(path), QByteArray("0    *Binaer\n\r     *Helligkeit: 80%\n\r     *\n\r"));

    // Only the last extension is replaced; a missing file has no backup.
    EXPECT_EQ(BackupFileName(QStringLiteral("/p/a.b.txt")), QStringLiteral("/p/a.b.bak"));
    EXPECT_EQ(BackupFileName(QStringLiteral("/p.neu/Texte")), QStringLiteral("/p.neu/Texte.bak"));
    WriteTextFile(table, Path(QStringLiteral("neu.txt")), 0, KeepBackup::Yes);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("neu.bak"))));
}

TEST_F(TextFileOnDisk, FailuresLeaveTheOldFileWhole)
{
    const QString path = Path(QStringLiteral("Sprache1.txt"));
    const QString backup = Path(QStringLiteral("Sprache1.bak"));
    WriteAll(path, WorkedExample);
    WriteAll(backup, "vorige Fassung");

    // Too much text for the display: refused before anything is touched, the backup included.
    TMessageTable full;
    for (int n = 0; n < 1024; ++n)
        full.SetText(n, 0, QByteArray(30, 'x') + '\r' + QByteArray(30, 'y'));
    const QString overflow = ErrorOf([&] { WriteTextFile(full, path, 0, KeepBackup::Yes); });
    EXPECT_TRUE(overflow.startsWith(QStringLiteral("Fehler bei Dateispeichern"))) << overflow.toStdString();
    EXPECT_TRUE(overflow.contains(QStringLiteral("zu lang")));
    EXPECT_EQ(ReadAll(path), WorkedExample);
    EXPECT_EQ(ReadAll(backup), QByteArray("vorige Fassung"));

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
    QFile::remove(Path(QStringLiteral("probe")));

    EXPECT_THROW(WriteTextFile(small, dir.path(), 0), TavolinError);

    // (Was AFailingWriteNeverTruncatesTheFile.) The disk runs full after taking part of the
    // bytes: the message names the file, which stays whole, and no temporary file is left.
    const QByteArray bytes = WorkedExample.repeated(3);
    const auto write = [&](QIODevice& device) {
        device.write(bytes.left(7));
        tavolin::test::FailDevice full(bytes.size() / 2);
        full.open(QIODevice::WriteOnly);
        WriteTextBytes(full, bytes.mid(7));
    };
    const QString error = ErrorOf([&] { ReplaceFileContent(path, write, QStringLiteral("Fehler bei Dateispeichern")); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Fehler bei Dateispeichern\n"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Sprache1.txt")));
    EXPECT_EQ(ReadAll(path), WorkedExample);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Sprache1.bak", "Sprache1.txt"}));
    ReplaceFileContent(path, [&](QIODevice& device) { WriteTextBytes(device, bytes); }, QString());
    EXPECT_EQ(ReadAll(path), bytes);
}

TEST_F(TextFileOnDisk, ReadingFiles)
{
    TMessageTable table;
    table.headerLines[0] = {"bleibt"};
    table.modified[0] = true;
    ReadTextFile(table, Path(QStringLiteral("fehlt.txt")), 0);
    EXPECT_EQ(Dump(table), "*bleibt");
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
    ASSERT_EQ(bigTable.IndexOf(252), 252);
    EXPECT_EQ(bigTable.At(252).text[0], QByteArray(23, 'm'));
    WriteAll(Path(QStringLiteral("klein.txt")), WorkedExample);
    ReadTextFile(bigTable, Path(QStringLiteral("klein.txt")), 0, &truncated);
    EXPECT_FALSE(truncated);
}
