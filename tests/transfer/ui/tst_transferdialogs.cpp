#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "charset/CharSet.h"
#include "common/SettingsStore.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"
#include "texts/MessageTable.h"
#include "session/ProjectSession.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

using namespace tavolin::test;

namespace {

TDisplayType Type(const char* name)
{
    TDisplayType type;
    FindDisplayType(QString::fromLatin1(name), type);
    return type;
}

} // namespace

class TransferDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        FailOnStuckMessageBoxes();
    }
    void init() { ClearSettings(); }

    void selectionShowsOnlyWhatTheTypeHas_data();
    void selectionShowsOnlyWhatTheTypeHas();
    void language1AlwaysTakesTheSystemSettings();
    void abortEndsTheRunWithTheAbortText();
    void closeIsRefusedWhileRunning();

private:
    LadenJob DemoJob(SimulatedDisplay& display);
    ProjectSession project;
};

void TransferDialogsTest::selectionShowsOnlyWhatTheTypeHas_data()
{
    QTest::addColumn<quint8>("flags");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("one language, all ticked") << quint8(0) << QString() << 0x07;
    QTest::newRow("two languages from the settings") << quint8(dtSecondLanguage) << QStringLiteral("63") << 0x0F;
    QTest::newRow("diagnostic texts") << quint8(dtSecondLanguage | dtDiagnosticTexts) << QStringLiteral("50") << 0x32;
    QTest::newRow("character set only") << quint8(dtSecondLanguage) << QStringLiteral("2") << 0x02;
}

void TransferDialogsTest::selectionShowsOnlyWhatTheTypeHas()
{
    QFETCH(quint8, flags);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    if (!stored.isEmpty())
        SettingsStore::WriteValue(QStringLiteral("Übertragen"), stored);

    Uebertragen dialog;
    TDisplayType type;
    type.flags = flags;
    dialog.SetDisplayType(type);
    QTimer::singleShot(0, &dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Übertragen"));
        QCOMPARE(dialog.Box(3)->isVisible(), (flags & dtSecondLanguage) != 0);
        QCOMPARE(dialog.Box(4)->isVisible(), (flags & dtDiagnosticTexts) != 0);
        QCOMPARE(dialog.Box(4)->text(), QStringLiteral("Diagnosespache 1"));
        Screenshot(&dialog, QStringLiteral("uebertragen-") + QString::number(flags));
        dialog.accept();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.SelectionMask(), expected);
    QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Übertragen")), QString::number(expected));

    // "Abbruch" writes nothing.
    SettingsStore::WriteValue(QStringLiteral("Übertragen"), QStringLiteral("1"));
    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(SettingsStore::ReadValue(QStringLiteral("Übertragen")), QStringLiteral("1"));
}

void TransferDialogsTest::language1AlwaysTakesTheSystemSettings()
{
    Uebertragen dialog;
    dialog.SetDisplayType(Type("Quon 3"));
    dialog.show();
    QVERIFY(dialog.Box(2)->isChecked());
    QTest::mouseClick(dialog.Box(0), Qt::LeftButton);
    QVERIFY(dialog.Box(0)->isChecked());
    QTest::mouseClick(dialog.Box(2), Qt::LeftButton); // "Sprache 1" off
    QTest::mouseClick(dialog.Box(0), Qt::LeftButton); // settings off
    QVERIFY(!dialog.Box(0)->isChecked());
    QTest::mouseClick(dialog.Box(2), Qt::LeftButton); // "Sprache 1" on again
    QVERIFY(dialog.Box(0)->isChecked());
    dialog.accept();
    QCOMPARE(dialog.SelectionMask() & 0x05, 0x05);
}

LadenJob TransferDialogsTest::DemoJob(SimulatedDisplay& display)
{
    project.Load(DemoProjectDir());
    LadenJob job;
    job.download = true;
    job.operating = project.Table(0);
    job.diagnostic = project.Table(1);
    job.graphics = &project.graphics;
    job.project = project.project;
    job.port = display.PortName();
    return job;
}

void TransferDialogsTest::abortEndsTheRunWithTheAbortText()
{
    SimulatedDisplay display;
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
    Laden dialog;
    dialog.SetTiming(FastTiming());
    dialog.SetJob(DemoJob(display));
    connect(&dialog, &Laden::runStarted, &dialog, [&] {
        QTimer::singleShot(600, &dialog, [&] {
            QVERIFY(dialog.IsRunning());
            Screenshot(&dialog, QStringLiteral("laden-download"));
            QTest::mouseClick(dialog.AbortButton(), Qt::LeftButton);
        });
    });
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.ErrorText(), QStringLiteral("Übertragung durch Anwender abgebrochen !"));
    QVERIFY(timer.elapsed() < 3000);
}

void TransferDialogsTest::closeIsRefusedWhileRunning()
{
    SimulatedDisplay display;
    SimulatedDisplay::Behaviour silent;
    silent.silentInfoRequests = -1;
    display.SetBehaviour(silent);
    Laden dialog;
    TransferTiming slow = FastTiming();
    slow.infoByteMs = 5000;
    dialog.SetTiming(slow);
    LadenJob job = DemoJob(display);
    job.download = false;
    dialog.SetJob(job);
    bool stillVisible = false;
    connect(&dialog, &Laden::runStarted, &dialog, [&] {
        QTimer::singleShot(200, &dialog, [&] {
            Screenshot(&dialog, QStringLiteral("laden-waiting"));
            QVERIFY(!dialog.close());
            stillVisible = dialog.isVisible();
        });
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(stillVisible);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Auslesen"));
    QCOMPARE(dialog.ErrorText(), QStringLiteral("Übertragung durch Anwender abgebrochen !"));
}

QTEST_MAIN(TransferDialogsTest)
#include "tst_transferdialogs.moc"
