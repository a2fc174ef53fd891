#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include "common/SettingsStore.h"
#include "dialogs/Optionen.h"
#include "session/ProjectSession.h"
#include "support/Ser2Net.h"
#include "support/SimulatedDisplay.h"
#include "support/TestPaths.h"
#include "support/TestSettings.h"
#include "support/WidgetTestSupport.h"
#include "transfer/ui/MultiDownloadDialog.h"

using namespace tavolin::test;

class MultiDownloadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        FailOnStuckMessageBoxes();
    }

    // Typed list, "Übertragen", a row per port with its own result; a name with a blank is one
    // port and comes back whole next time; the network address used is offered by the options
    // dialog afterwards.
    void servesTheTypedPortsAndRemembersTheAddresses()
    {
        ClearSettings();
        // As earlier versions stored it: blank-separated.
        SettingsStore::Write(SettingsStore::Key::DisplayList, QStringLiteral("/dev/alt Simulierte Anzeige"));
        SimulatedDisplay good;
        const QString refused = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
        ProjectSession project;
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
};

QTEST_MAIN(MultiDownloadTest)
#include "tst_multidownload.moc"
