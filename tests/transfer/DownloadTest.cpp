#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/TempFile.h"
#include "support/RecordingObserver.h"
#include "support/SimulatedDisplay.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"
#include "support/TextTestSupport.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "transfer/DisplayCompare.h"
#include "transfer/SerialLink.h"
#include "session/ProjectSession.h"
#include "transfer/TransferRun.h"

using namespace tavolin::test;

namespace {

const QByteArray Header = QByteArrayLiteral("\n\r\n\r     #$temp.txt\n\r\n\r");
const QString Aborted = QStringLiteral("Übertragung durch Anwender abgebrochen !");
const QString NotConnected = QStringLiteral("Anzeige nicht angeschloßen !");
const QString Caption = QStringLiteral("Fehler bei der Übertragung");

QByteArray Stream(QByteArray text, bool withMessages)
{
    text.replace("\x1A", "");
    return Header + text + (withMessages ? QByteArrayLiteral("     \x19") : QByteArrayLiteral("\x19"));
}

// The pseudo-terminal has no CTS line; this link reads the one the display drives.
class CtsLink : public TSerialLink
{
public:
    CtsLink(SimulatedDisplay& display, TransferTiming timing) : TSerialLink(timing), display(display) {}
    bool CtsOn() override { return display.cts.load(); }

private:
    SimulatedDisplay& display;
};

class TransferTest : public ::testing::Test
{
protected:
    void SetUp() override { project.Load(DemoProjectDir()); }

    bool Run(TransferJob job, TransferTiming timing = FastTiming())
    {
        job.port = display.PortName();
        TTransferRun run(observer, timing);
        const bool ok = run.Run(job);
        error = run.ErrorText();
        return ok;
    }

    TransferJob Download(int selection)
    {
        TransferJob job = project.Job(true);
        job.selection = selection;
        return job;
    }

    // Reads the display back into memory and compares it with the whole project; the
    // transfer error or "".
    QString Compare(DisplayComparison& result)
    {
        TransferJob job = Download(Selection::All);
        job.port = display.PortName();
        TDisplayCompare compare(job);
        TTransferRun run(observer, FastTiming(300));
        if (!run.Run(compare.ReadJob()))
            return run.ErrorText();
        result = compare.Result();
        return {};
    }

    SimulatedDisplay display;
    RecordingObserver observer;
    ProjectSession project;
    QString error;
};

} // namespace

TEST_F(TransferTest, FullDownloadLeavesExactlyTheProjectOnTheDisplay)
{
    ASSERT_EQ(project.project.displayType.name, QStringLiteral("Quon 1"));
    project.graphics.modified = true;
    project.Table(0)->SetText(7, 1, QByteArray("Tank\x1A voll"));
    SimulatedDisplay::Behaviour busy; // pauses each text stream now and then (XOFF, later XON)
    busy.xoffEvery = 700;
    display.SetBehaviour(busy);
    ASSERT_TRUE(Run(Download(Selection::All))) << error.toStdString();

    // Identification before the run and before each of the five items; no diagnostic
    // items for a type without diagnostic texts.
    const QList<QByteArray> expected = {"(1418)", "(1418)", "(1412)", "(1418)", "(14E0)", "(1407)",
                                        "(1418)", "(14E2)", "(1407)", "(1418)", "(1418)"};
    EXPECT_EQ(display.Commands(), expected);

    const QList<SimulatedDisplay::Item> items = display.Items();
    const QByteArray pix = ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix"));
    QByteArray block;
    char checksum = 0;
    for (const char b : pix) {
        block += static_cast<char>(b | 0x20);
        checksum ^= b;
    }
    block += static_cast<char>(checksum | 0x20);
    EXPECT_TRUE(items[2].data == block);
    EXPECT_TRUE(display.CharSetChecksumOk());
    EXPECT_EQ(display.CharSet(), pix);

    const int lineLength = project.project.displayType.lineLength;
    const QByteArray language1 = Format(*project.Table(0), 0, 1 | 2 | 4, lineLength);
    const QByteArray language2 = Format(*project.Table(0), 1, 2 | 4, lineLength);
    EXPECT_TRUE(language1.contains("Anlage bereit"));
    EXPECT_TRUE(items[5].data == Stream(language1, true));
    EXPECT_TRUE(items[8].data == Stream(language2, true));
    // End-of-file bytes in a text are never sent.
    ASSERT_TRUE(language2.contains('\x1A'));
    EXPECT_FALSE(display.Received().contains('\x1A'));

    // The scratch copy of the set is no save of the project's own file.
    EXPECT_TRUE(project.graphics.modified);
    EXPECT_EQ(observer.caption, QStringLiteral("Übertragen"));
    EXPECT_EQ(observer.info, QString::fromLatin1(display.GetBehaviour().info));
    EXPECT_TRUE(observer.statuses.contains(QStringLiteral("Zeichensatz wird geladen...")));
    EXPECT_TRUE(observer.statuses.contains(QStringLiteral("Sprache2 wird geladen...")));
    EXPECT_EQ(observer.progress, observer.progressMaximum) << "the bar ends full";
    EXPECT_TRUE(observer.messages.isEmpty());
}

TEST_F(TransferTest, SelectionDecidesWhatIsSent)
{
    ASSERT_TRUE(Run(Download(Selection::CharSet)));
    EXPECT_EQ(display.Commands(), (QList<QByteArray>{"(1418)", "(1418)", "(1412)", "(1418)", "(1418)",
                                                    "(1418)", "(1418)"}));

    // The system settings alone: header lines only, the short end mark.
    display.ClearRecord();
    observer.statuses.clear();
    ASSERT_TRUE(Run(Download(Selection::SystemSettings)));
    const QList<SimulatedDisplay::Item> items = display.Items();
    ASSERT_EQ(display.CountOf("(1407)"), 1);
    const QByteArray settings = Format(*project.Table(0), 0, 1 | 4, project.project.displayType.lineLength);
    for (const SimulatedDisplay::Item& item : items) {
        if (item.command == "(1407)") {
            EXPECT_TRUE(item.data == Stream(settings, false));
        }
    }
    EXPECT_TRUE(observer.statuses.contains(QStringLiteral("Systemeinstellungen werden geladen...")));

    // A type without the identification query is sent everything without one.
    display.ClearRecord();
    TransferJob job = Download(Selection::All);
    job.displayType.flags |= dtNoInfoQuery;
    ASSERT_TRUE(Run(job));
    EXPECT_EQ(display.Commands(), (QList<QByteArray>{"(1412)", "(14E0)", "(1407)", "(14E2)", "(1407)"}));
}

TEST_F(TransferTest, CtsTypeAsksNothingAndWaitsForTheLine)
{
    TDisplayType orbex;
    ASSERT_TRUE(FindDisplayType(QStringLiteral("Orbex 1"), orbex));
    TransferJob job = Download(Selection::CharSet | Selection::SystemSettings | Selection::Language1);
    job.displayType = orbex;
    job.port = display.PortName();
    SimulatedDisplay::Behaviour silentAfterText;
    silentAfterText.streamAnswer = 0; // this type sends no completion reply
    display.SetBehaviour(silentAfterText);

    TransferTiming timing = FastTiming();
    timing.ctsItemPauseMs = 300;
    display.cts = false;
    QTimer::singleShot(150, [&] { display.cts = true; });
    TTransferRun run(observer, std::make_unique<CtsLink>(display, timing));
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(run.Run(job)) << run.ErrorText().toStdString();
    EXPECT_GE(timer.elapsed(), 300) << "the longer pause after the character set";
    EXPECT_EQ(display.Commands(), (QList<QByteArray>{"(1412)", "(14E0)", "(1407)"}));

    // A line held low for good ends with a time-out message, not a hang.
    display.ClearRecord();
    display.cts = false;
    job.selection = Selection::SystemSettings;
    TTransferRun stuck(observer, std::make_unique<CtsLink>(display, FastTiming(500)));
    timer.start();
    EXPECT_TRUE(stuck.Run(job));
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_FALSE(observer.messages.isEmpty());
    EXPECT_EQ(observer.messages.last(), qMakePair(Caption, QStringLiteral("Timeout Fehler")));
}

TEST_F(TransferTest, WaitingForTheDisplayShowsTheAttempt)
{
    SimulatedDisplay::Behaviour shy;
    shy.silentAfter = 1;
    shy.silentInfoRequests = 2;
    display.SetBehaviour(shy);
    ASSERT_TRUE(Run(Download(Selection::CharSet)));
    EXPECT_TRUE(observer.statuses.contains(QStringLiteral("Warte auf Anzeige (Versuch 2 von 60)...")));
    EXPECT_TRUE(observer.statuses.contains(QStringLiteral("Warte auf Anzeige (Versuch 3 von 60)...")));
    EXPECT_FALSE(observer.statuses.contains(QStringLiteral("Warte auf Anzeige (Versuch 4 von 60)...")));
}

TEST_F(TransferTest, MisbehavingDisplaysEndWithTheirMessage)
{
    struct Case
    {
        const char* name;
        std::function<void(SimulatedDisplay::Behaviour&)> setup;
        QString error;   // error text that ended the run
        QString message; // message shown during the run
        int streams;     // text streams begun
    };
    const QList<Case> cases = {
        {"no answer", [](auto& b) { b.silentInfoRequests = -1; }, NotConnected, {}, 0},
        {"silent after the first answer", [](auto& b) { b.silentAfter = 1; b.silentInfoRequests = -1; }, NotConnected, {}, 0},
        {"set refused", [](auto& b) { b.charSetAnswer = '1'; }, QStringLiteral("Fehler bei der Übertragung !"), {}, 0},
        {"set unanswered", [](auto& b) { b.charSetAnswer = 0; }, QStringLiteral("Fehler bei der Übertragung !"), {}, 0},
        {"flood", [](auto& b) { b.floodInfo = true; }, QStringLiteral("Buffer zur klein !!"), {}, 0},
        {"error code in stream", [](auto& b) { b.errorAfter = 40; b.errorCode = '5'; }, {}, QStringLiteral("TAB erwartet"), 1},
        {"error code at the end", [](auto& b) { b.streamAnswer = '9'; }, {}, QStringLiteral("Textspeicher voll"), 1},
        {"xoff without xon", [](auto& b) { b.xoffForeverAfter = 30; }, {}, QStringLiteral("Timeout Fehler"), 1},
        {"no final answer", [](auto& b) { b.streamAnswer = 0; }, {}, QStringLiteral("Übertragungsfehler"), 2},
        {"stops in the middle", [](auto& b) { b.deadAfter = 100; }, NotConnected, QStringLiteral("Übertragungsfehler"), 1},
    };
    TransferTiming timing = FastTiming(500);
    timing.infoAttemptsPerItem = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedDisplay fresh;
        SimulatedDisplay::Behaviour behaviour;
        c.setup(behaviour);
        fresh.SetBehaviour(behaviour);
        RecordingObserver seen;
        TransferJob job = Download(Selection::CharSet | Selection::SystemSettings | Selection::Language1
                                   | Selection::Language2);
        job.port = fresh.PortName();
        TTransferRun run(seen, timing);
        QElapsedTimer timer;
        timer.start();
        run.Run(job);
        EXPECT_LT(timer.elapsed(), 5000);
        EXPECT_EQ(run.ErrorText(), c.error);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(seen.messages.isEmpty());
        } else {
            ASSERT_FALSE(seen.messages.isEmpty());
            EXPECT_EQ(seen.messages.first(), qMakePair(Caption, c.message));
        }
        EXPECT_EQ(fresh.CountOf("(1407)"), c.streams);
    }
}

// In the middle of a text stream, where the flow check notices it: no success, and no
// message besides the abort text.
TEST_F(TransferTest, AbortEndsTheRunAtOnceWithTheAbortText)
{
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
    TransferJob job = Download(Selection::SystemSettings | Selection::Language1);
    job.port = display.PortName();
    TransferTiming patient = FastTiming();
    patient.completionMs = 5000;
    TTransferRun run(observer, patient);
    QTimer::singleShot(300, [&] { run.Abort(); });
    EXPECT_FALSE(run.Run(job));
    EXPECT_EQ(run.ErrorText(), Aborted);
    EXPECT_TRUE(observer.messages.isEmpty());
}

// A damaged character set costs only the glyphs: the texts are read, the user is told.
TEST_F(TransferTest, DamagedCharacterSetKeepsTheTextsAndSaysSo)
{
    display.SetCharSet(QByteArray(TCharSet::PixSize, '\x1F'));
    display.SetTextFile("(14E0)", "1    Pumpe 1\n\r");
    for (const bool cutShort : {false, true}) {
        SimulatedDisplay::Behaviour damaged = SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate);
        if (cutShort)
            damaged.readBackCharSetBytes = 1000;
        else
            damaged.wrongReadBackChecksum = true;
        display.SetBehaviour(damaged);
        observer = RecordingObserver();
        ProjectSession copy;
        copy.Create(QStringLiteral("unused"), QStringLiteral("Quon 1"));
        EXPECT_TRUE(Run(copy.Job(false), FastTiming(500))) << error.toStdString();
        ASSERT_EQ(observer.messages.size(), 1);
        EXPECT_EQ(observer.messages[0].second,
                  QStringLiteral("Der Zeichensatz wurde nicht richtig empfangen (%1); seine Zeichen bleiben leer.")
                      .arg(cutShort ? QStringLiteral("1000 von 1568 Bytes") : QStringLiteral("Prüfsumme falsch")));
        ASSERT_EQ(Numbers(*copy.Table(0)), QList<int>{1});
        EXPECT_EQ(copy.Table(0)->At(0).text[0], QByteArray("Pumpe 1"));
        QTemporaryDir dir;
        copy.graphics.Save(dir.filePath(QStringLiteral("read.pix")));
        EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("read.pix"))), QByteArray(TCharSet::PixSize, '\0'));
    }
}

// A ".pix" that is missing, unreadable or short never puts blanks on the display: the
// download is refused before the first byte, naming the file.
TEST_F(TransferTest, CharacterSetFileIsCheckedBeforeTheFirstByte)
{
    QTemporaryDir dir;
    const QString pix = dir.filePath(QStringLiteral("demo.pix"));
    for (const QByteArray& content : {QByteArray(), QByteArray(1000, '\x1F')}) {
        WriteAll(pix, content);
        project.graphics.Import(pix);
        if (content.isEmpty())
            QFile::remove(pix);
        EXPECT_FALSE(Run(Download(Selection::All)));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Die Pixeldatei \"%1\"").arg(pix))) << error.toStdString();
        EXPECT_TRUE(display.Commands().isEmpty());
    }
    // Glyphs changed in the editor go out as they are; texts alone need no file.
    EXPECT_TRUE(Run(Download(Selection::Language2)));
    project.graphics.modified = true;
    EXPECT_TRUE(Run(Download(Selection::CharSet)));
}

// A one-language display is asked for one language only.
TEST_F(TransferTest, TextEndingWithEndMarkStopsReadingAtOnce)
{
    display.SetTextFile("(14E0)", QByteArray("0    *Binaer\n\r     *\n\r1    Pumpe\n\r"));
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    ProjectSession copy;
    copy.Create(QStringLiteral("unused"), QStringLiteral("Orbex 2"));
    TransferTiming timing = FastTiming();
    timing.readBackBlockMs = 5000;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(Run(copy.Job(false), timing)) << error.toStdString();
    EXPECT_LT(timer.elapsed(), 2500);
    EXPECT_EQ(display.Commands(), (QList<QByteArray>{"(1418)", "(1413)", "(14E0)", "(140C)"}));
    ASSERT_EQ(copy.Table(0)->Count(), 2);
    EXPECT_EQ(copy.Table(0)->At(1).text[0], QByteArray("Pumpe"));
    EXPECT_EQ(copy.Table(0)->headerLines[0], QList<QByteArray>{"Binaer"});
}

// One download, then what is read back and compared against it.
TEST_F(TransferTest, ReadBackAndCompareAfterADownload)
{
    ASSERT_TRUE(Run(Download(Selection::All)));

    // ReadBackYieldsTheDownloadedProject: the read-back gives the project that went out.
    ProjectSession copy;
    copy.Create(QStringLiteral("unused"), QStringLiteral("Quon 1"));
    observer = RecordingObserver();
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    ASSERT_TRUE(Run(copy.Job(false))) << error.toStdString();
    EXPECT_EQ(display.Commands().mid(11), (QList<QByteArray>{"(1418)", "(1413)", "(14E0)", "(140C)", "(14E2)", "(140C)"}));
    EXPECT_EQ(observer.caption, QStringLiteral("Auslesen"));
    EXPECT_FALSE(observer.statusVisible);

    // What the display holds is the text as the display filter sent it.
    const int lineLength = project.project.displayType.lineLength;
    for (int language = 0; language < 2; ++language) {
        EXPECT_TRUE(Format(*copy.Table(0), language, 1 | 2, 0)
                    == Format(*project.Table(0), language, 1 | 2 | 4, lineLength))
            << "language " << language;
    }
    EXPECT_EQ(copy.Table(0)->fileName[0], QStringLiteral("Sprache1.txt"));
    QTemporaryDir dir;
    copy.graphics.Save(dir.filePath(QStringLiteral("read.pix")));
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("read.pix"))),
              ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")));
    EXPECT_FALSE(copy.graphics.modified);

    // CompareNamesExactlyWhatChangedSinceTheDownload, first without a change.
    DisplayComparison result;
    ASSERT_EQ(Compare(result), QString());
    EXPECT_TRUE(result.Equal()) << result.Report().toStdString();
    EXPECT_EQ(result.tables.size(), 2);
    EXPECT_TRUE(result.settingsCompared && result.charSetCompared);

    // CompareErrorLeavesNothingBehind: a comparison that fails at the display keeps no
    // scratch file and leaves the project as it was.
    const QString probe = MakeTempFileName(0);
    const QDir scratch = QFileInfo(probe).dir();
    QFile::remove(probe);
    const QStringList before = scratch.entryList(QDir::Files);

    SimulatedDisplay::Behaviour damaged = SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate);
    damaged.wrongReadBackChecksum = true;
    display.SetBehaviour(damaged);
    EXPECT_EQ(Compare(result), QStringLiteral("Der Zeichensatz wurde nicht richtig empfangen; die Anzeige kann nicht verglichen werden."));
    display.SetBehaviour(SimulatedDisplay::Silent());
    EXPECT_EQ(Compare(result), QStringLiteral("Anzeige nicht angeschloßen !"));

    EXPECT_EQ(scratch.entryList(QDir::Files), before);
    EXPECT_FALSE(project.NeedsSaving());
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));

    // After changes on both sides, each one is named.
    TMessageTable& table = *project.Table(0);
    const int changed = table.At(1).number;
    const int removed = table.At(2).number;
    const int added = table.NextFreeNumber(table.Count() - 1);
    table.SetText(changed, 0, "Neu\rzweite Zeile");
    table.DeleteAt(2);
    table.SetText(added, 1, "Added");
    QByteArray pix = display.CharSet();
    pix[('A' - 32) * 7 + 3] = static_cast<char>(pix[('A' - 32) * 7 + 3] ^ 0x04);
    display.SetCharSet(pix);

    ASSERT_EQ(Compare(result), QString());
    EXPECT_FALSE(result.Equal());
    ASSERT_EQ(result.tables.size(), 2);
    const TableDifference& first = result.tables[0];
    ASSERT_EQ(first.Changed().size(), 1);
    EXPECT_EQ(first.Changed()[0].number, changed);
    EXPECT_EQ(first.Changed()[0].left, QByteArray("Neu\rzweite Zeile"));
    EXPECT_EQ(first.OnlyRight(), QList<int>{removed});
    EXPECT_TRUE(first.OnlyLeft().isEmpty());
    const TableDifference& second = result.tables[1];
    EXPECT_EQ(second.OnlyLeft(), QList<int>{added});
    EXPECT_EQ(second.OnlyRight(), QList<int>{removed});
    EXPECT_TRUE(second.Changed().isEmpty());
    EXPECT_EQ(result.CharSetCodes(), QList<int>{'A'});
    EXPECT_EQ(result.projectSettings, result.displaySettings);

    const QString report = result.Report();
    EXPECT_TRUE(report.contains(QStringLiteral("  Meldung %1 verschieden\n    Projekt: Neu\n             zweite Zeile\n")
                                    .arg(changed)))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Zeichensatz: verschieden bei den Codes (hex) 41\n")));
    EXPECT_TRUE(result.Json().contains("\"equal\": false"));
}
