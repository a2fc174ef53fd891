#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "AppTestSupport.h"
#include "app/MainActions.h"
#include "app/StatusBar.h"
#include "project/ui/Projekt_offnen.h"
#include "support/SimulatedDisplay.h"
#include "transfer/SimulatedDisplay.h"
#include "transfer/ui/DisplayCompareDialog.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

using namespace tavolin::test;

// Download and read-back started from the main window, against a simulated display.
class AppTransferTest : public MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedDisplay> display;

    void download()
    {
        OnModal<Uebertragen>([](Uebertragen* dialog) { dialog->accept(); });
        window->Actions()->transfer->trigger();
    }

    // A Laden window started from now on is aborted afterMs after its run began.
    QMetaObject::Connection abortAfter(int afterMs)
    {
        Laden* laden = window->Dialogs().laden;
        return connect(laden, &Laden::runStarted, laden, [laden, afterMs] {
            QTimer::singleShot(afterMs, laden, [laden] { QTest::mouseClick(laden->AbortButton(), Qt::LeftButton); });
        });
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }

    void init()
    {
        OpenWindow();
        display = std::make_unique<SimulatedDisplay>();
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), display->PortName());
        window->Dialogs().laden->SetTiming(FastTiming());
    }

    void cleanup()
    {
        CloseWindow();
        display.reset();
    }

    void downloadsAndReadsBackIntoANewProject()
    {
        QVERIFY(window->Projects()->OpenFolder(demo));
        // The text being typed goes along without being stored first.
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClicks(view().Editor(), QStringLiteral(" 42"));
        download();
        Laden* laden = window->Dialogs().laden;
        QCOMPARE(laden->windowTitle(), QStringLiteral("Übertragen"));
        const QString info = QString::fromLatin1(display->GetBehaviour().info);
        const QList<QLabel*> labels = laden->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) { return label->text() == info; }));
        QVERIFY(display->TextFile("(14E0)").contains("Handbetrieb aktiv 42"));
        QVERIFY(display->TextFile("(14E2)").contains("Manual mode active"));
        QVERIFY(display->CharSetChecksumOk());
        QCOMPARE(display->CharSet(), ReadAll(demo + QStringLiteral("/demo.pix")).left(TCharSet::PixSize));
        // The window closed by itself; the status bar says what went.
        QCOMPARE(window->Status()->PanelText(1),
                 QStringLiteral("Übertragung beendet: Systemeinstellungen, Zeichensatz, Sprache 1, Sprache 2."));

        // The window may stall while the display sends; a line-like pace keeps that harmless.
        display->SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::ReadBackRate));
        OnModal<Projekt_offnen>([](Projekt_offnen* dialog) {
            dialog->NameBox()->setText(QStringLiteral("Gelesen"));
            dialog->TypeList()->setCurrentRow(2); // "Quon 1", two languages
            QVERIFY(dialog->ReadButton()->isEnabled());
            AnswerBox(QMessageBox::No); // the demo's changes are not kept
            dialog->ReadButton()->click();
        });
        window->Actions()->open->trigger();
        QVERIFY(session().IsOpen());
        QVERIFY(session().project.folder.endsWith(QStringLiteral("/Gelesen")));
        QCOMPARE(textOf(2, 0), QByteArray("Handbetrieb aktiv 42"));
        QCOMPARE(textOf(2, 1), QByteArray("Manual mode active"));
        QVERIFY(!view().Grid()->isHidden());

        // Saving writes the project that came from the display.
        window->Actions()->save->trigger();
        QVERIFY(ReadAll(session().project.folder + QStringLiteral("/Sprache1.txt")).contains("Handbetrieb aktiv 42"));
        QCOMPARE(ReadAll(session().project.folder + QStringLiteral("/default.pix")), display->CharSet());
    }

    // The port "Simulierte Anzeige" keeps what a download sent; the comparison lists what
    // was changed since, and a chosen message is selected in the grid.
    void comparesWithTheSimulatedDisplay()
    {
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), TSimulatedDisplay::PortLabel());
        QVERIFY(window->Projects()->OpenFolder(demo));
        download();
        QVERIFY(TSimulatedDisplay::Shared().TextFile("(14E0)").contains("Handbetrieb aktiv"));
        const int number = 2;
        ClickCell(view(), 2, rowOf(2));
        QTest::keyClicks(view().Editor(), QStringLiteral("X"));

        int chosen = -1;
        QStringList lines;
        OnModal<DisplayCompareDialog>([&](DisplayCompareDialog* dialog) {
            Screenshot(dialog, QStringLiteral("anzeige-vergleichen"));
            for (QTreeWidgetItemIterator it(dialog->List()); *it; ++it)
                lines << (*it)->text(0);
            // Down through the list to the first message, then Enter, as a user does.
            for (int i = 0; i < 10 && !dialog->ShowButton()->isEnabled(); ++i)
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            chosen = dialog->ChosenNumber();
        });
        window->Actions()->compare->trigger();
        QVERIFY2(lines.contains(QStringLiteral("Betriebstexte Sprache 2: verschieden")), qPrintable(lines.join('\n')));
        QVERIFY(lines.contains(QStringLiteral("Betriebstexte Sprache 1: gleich")));
        QVERIFY(lines.contains(QStringLiteral("Meldung %1: verschieden").arg(number)));
        QVERIFY(lines.contains(QStringLiteral("Zeichensatz: gleich")));
        QCOMPARE(chosen, number);
        QCOMPARE(view().Grid()->GetSelection().top, rowOf(2));
        QCOMPARE(view().Grid()->GetSelection().left, 2);
        QVERIFY(!view().EditorShown());
    }

    // "Abbruch" ends a download with its message. A read-back that ends in an error (here
    // aborted as well) leaves the project that was open as it was.
    void failedReadBackKeepsTheOpenProject()
    {
        display->SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
        QVERIFY(window->Projects()->OpenFolder(demo));
        QMetaObject::Connection started = abortAfter(400);
        auto answer = AnswerBox(QMessageBox::Ok);
        download();
        disconnect(started);
        QCOMPARE(answer->count, 1);
        QCOMPARE(answer->caption, QStringLiteral("Fehler"));
        QCOMPARE(answer->text, QStringLiteral("Übertragung durch Anwender abgebrochen !"));
        QCOMPARE(window->Status()->PanelText(1), QString());

        SimulatedDisplay::Behaviour silent;
        silent.silentInfoRequests = -1;
        display->SetBehaviour(silent);
        started = abortAfter(100);
        OnModal<Projekt_offnen>([](Projekt_offnen* dialog) {
            dialog->NameBox()->setText(QStringLiteral("Nichts"));
            dialog->TypeList()->setCurrentRow(2); // a type that asks for the display's information
            dialog->ReadButton()->click();
        });
        answer = AnswerBox(QMessageBox::Ok);
        window->Actions()->open->trigger();
        disconnect(started);
        QTRY_COMPARE(answer->count, 1);
        QCOMPARE(answer->text, QStringLiteral("Übertragung durch Anwender abgebrochen !"));
        QVERIFY(session().IsOpen());
        QCOMPARE(session().project.folder, demo);
        QVERIFY(!view().Grid()->isHidden());
        QVERIFY(window->Actions()->save->isEnabled());
        QVERIFY(!QFileInfo::exists(base->path() + QStringLiteral("/Nichts")));
    }
};

QTEST_MAIN(AppTransferTest)
#include "tst_apptransfer.moc"
