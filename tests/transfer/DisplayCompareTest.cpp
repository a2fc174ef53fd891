#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "charset/TempFile.h"
#include "session/ProjectSession.h"
#include "support/RecordingObserver.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "transfer/DisplayCompare.h"
#include "transfer/TransferRun.h"

using namespace tavolin::test;

namespace {

class DisplayCompareTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.Load(DemoProjectDir());
        TransferJob job = project.Job(true);
        job.selection = Selection::All;
        job.port = display.PortName();
        TTransferRun run(observer, FastTiming());
        ASSERT_TRUE(run.Run(job)) << run.ErrorText().toStdString();
        // Reading back faster than the editor takes it would overrun its input queue.
        display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
    }

    // Reads the display back into memory and compares; the transfer error or "".
    QString Compare(DisplayComparison& result)
    {
        TransferJob job = project.Job(true);
        job.selection = Selection::All;
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
};

} // namespace

TEST_F(DisplayCompareTest, NamesExactlyWhatChangedSinceTheDownload)
{
    DisplayComparison result;
    ASSERT_EQ(Compare(result), QString());
    EXPECT_TRUE(result.Equal()) << result.Report().toStdString();
    EXPECT_EQ(result.tables.size(), 2);
    EXPECT_TRUE(result.settingsCompared && result.charSetCompared);

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

TEST_F(DisplayCompareTest, ATransferErrorLeavesNothingBehind)
{
    const QString probe = MakeTempFileName(0);
    const QDir scratch = QFileInfo(probe).dir();
    QFile::remove(probe);
    const QStringList before = scratch.entryList(QDir::Files);

    SimulatedDisplay::Behaviour damaged = SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate);
    damaged.wrongReadBackChecksum = true;
    display.SetBehaviour(damaged);
    DisplayComparison result;
    EXPECT_EQ(Compare(result), QStringLiteral("Der Zeichensatz wurde nicht richtig empfangen; die Anzeige kann nicht verglichen werden."));

    SimulatedDisplay::Behaviour silent;
    silent.silentInfoRequests = -1;
    display.SetBehaviour(silent);
    EXPECT_EQ(Compare(result), QStringLiteral("Anzeige nicht angeschloßen !"));

    EXPECT_EQ(scratch.entryList(QDir::Files), before);
    EXPECT_FALSE(project.NeedsSaving());
}
