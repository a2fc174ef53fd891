#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTableWidget>
#include <QtTest>

#include "charset/CharSet.h"
#include "common/SettingsStore.h"
#include "dialogs/Optionen.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"
#include "texts/MessageTable.h"
#include "session/ProjectSession.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/MultiDownloadDialog.h"
#include "transfer/ui/Uebertragen.h"

using namespace tavolin::test;

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
    void nothingTickedCannotBeSent();
    void closeDuringARunEndsItWithTheAbortText();
    void servesTheTypedPortsAndRemembersTheAddresses();

private:
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

void TransferDialogsTest::nothingTickedCannotBeSent()
{
    TDisplayType quon3;
    QVERIFY(FindDisplayType(QStringLiteral("Quon 3"), quon3));
    Uebertragen dialog;
    dialog.SetDisplayType(quon3);
    QTimer::singleShot(0, &dialog, [&] {
        const auto close = qScopeGuard([&dialog] { dialog.reject(); });
        // Space on every ticked box, Shift+Tab to the one before, as a person unticks them
        // all from the bottom (the settings follow "Sprache 1" while that is ticked).
        QApplication::setActiveWindow(&dialog);
        int shown = 0;
        for (int i = 0; i < 6; ++i) {
            if (dialog.Box(i)->isVisible()) {
                dialog.Box(i)->setFocus();
                ++shown;
            }
        }
        for (int i = 0; i < shown; ++i) {
            auto* box = qobject_cast<QCheckBox*>(QApplication::focusWidget());
            QVERIFY(box);
            if (box->isChecked())
                QTest::keyClick(box, Qt::Key_Space);
            if (i + 1 < shown)
                QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QVERIFY(!dialog.OkButton()->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        // Ticking "Sprache 1" again ticks the system settings, which then stay ticked.
        QTest::mouseClick(dialog.Box(2), Qt::LeftButton);
        QVERIFY(dialog.Box(0)->isChecked());
        QTest::mouseClick(dialog.Box(0), Qt::LeftButton);
        QVERIFY(dialog.Box(0)->isChecked());
        QVERIFY(dialog.OkButton()->isEnabled());
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

// A download at line rate refuses to close while it runs; closing aborts it, with the abort
// text as the result. ("Abbruch" during a read-back: the main window's read-back tests.)
void TransferDialogsTest::closeDuringARunEndsItWithTheAbortText()
{
    SimulatedDisplay display;
    display.SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
    project.Load(DemoProjectDir());
    LadenJob job;
    job.operating = project.Table(0);
    job.diagnostic = project.Table(1);
    job.graphics = &project.graphics;
    job.project = project.project;
    job.port = display.PortName();
    Laden dialog;
    TransferTiming slow = FastTiming();
    slow.infoByteMs = 5000;
    dialog.SetTiming(slow);
    dialog.SetJob(job);
    bool stillVisible = false;
    connect(&dialog, &Laden::runStarted, &dialog, [&] {
        QTimer::singleShot(600, &dialog, [&] {
            QVERIFY(dialog.IsRunning());
            Screenshot(&dialog, QStringLiteral("laden-download"));
            QVERIFY(!dialog.close());
            stillVisible = dialog.isVisible();
        });
    });
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(stillVisible);
    QCOMPARE(dialog.ErrorText(), QStringLiteral("Übertragung durch Anwender abgebrochen !"));
    QVERIFY(timer.elapsed() < 3000);
}

// Several displays at once (the former tst_multidownload). Typed list, "Übertragen", a row
// per port with its own result; a name with a blank is one port and comes back whole next
// time; the network address used is offered by the options dialog afterwards.
void TransferDialogsTest::servesTheTypedPortsAndRemembersTheAddresses()
{
    // As earlier versions stored it: blank-separated.
    SettingsStore::Write(SettingsStore::Key::DisplayList, QStringLiteral("/dev/alt Simulierte Anzeige"));
    SimulatedDisplay good;
    const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
    project.Load(DemoProjectDir());
    TransferJob job = project.Job(true);
    job.selection = 4;

    MultiDownloadDialog dialog;
    dialog.SetTiming(FastTiming());
    dialog.SetJob(job);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.PortList());
    QCOMPARE(dialog.PortList()->toPlainText(), QStringLiteral("/dev/alt\nSimulierte Anzeige"));

    QWidget* list = QApplication::focusWidget();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list, good.PortName());
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, QStringLiteral(" Simulierte Anzeige "));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClicks(list, refused);
    const QString typed = good.PortName() + QStringLiteral("\nSimulierte Anzeige\n") + refused;
    QSignalSpy finished(&dialog, &MultiDownloadDialog::runFinished);
    // Tab leads from the list to "Übertragen", Space presses it.
    for (int i = 0; i < 4 && QApplication::focusWidget()->objectName() != QLatin1String("start"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(dialog.IsRunning());
    dialog.resize(dialog.minimumSizeHint()); // the result column narrower than an error
    QVERIFY(finished.wait(30000));

    QTableWidget* table = dialog.Table();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 0)->text(), good.PortName());
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("fertig"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Simulierte Anzeige"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("fertig"));
    QVERIFY(table->item(2, 2)->text().startsWith(QStringLiteral("Fehler: Schnittstellen Fehler ! - ")));
    // The error is shown whole, wrapped in its row.
    const QRect resultCell = table->visualItemRect(table->item(2, 2));
    const QRect needed = table->fontMetrics().boundingRect(resultCell.adjusted(0, 0, -8, 0), Qt::TextWordWrap,
                                                           table->item(2, 2)->text());
    QVERIFY2(needed.height() <= resultCell.height(), qPrintable(table->item(2, 2)->text()));
    QVERIFY(table->item(0, 3)->text().toInt() > 0);
    QCOMPARE(dialog.SummaryLine()->text(), QStringLiteral("2 von 3 Anzeigen haben alles erhalten."));
    QVERIFY(!dialog.AllSucceeded());
    QCOMPARE(good.CountOf("(14E0)"), 1);
    Screenshot(&dialog, QStringLiteral("multidownload"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.PortList()->toPlainText(), typed);
    dialog.hide();

    Optionen options;
    options.show();
    QApplication::setActiveWindow(&options);
    QVERIFY(QTest::qWaitForWindowActive(&options));
    QVERIFY(options.PortBox()->findText(refused) >= 0);
    Screenshot(&options, QStringLiteral("optionen-netzwerk"));
}

QTEST_MAIN(TransferDialogsTest)
#include "tst_transferdialogs.moc"
