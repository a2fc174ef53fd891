#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "AppTestSupport.h"
#include "app/CellEditor.h"
#include "app/MainActions.h"
#include "app/ProjectController.h"
#include "common/ProgramFolder.h"
#include "project/ui/Projekt_offnen.h"
#include "support/SimulatedDisplay.h"
#include "support/TestSettings.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

using namespace tavolin::test;

// Download and read-back started from the main window, against a simulated display.
class AppTransferTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> base;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SimulatedDisplay> display;
    QString demo;

    static TransferTiming Fast()
    {
        TransferTiming t;
        t.infoByteMs = 300;
        t.infoRetryMs = 10;
        t.charSetCommandDelayMs = 1;
        t.charSetAnswerMs = 2000;
        t.itemPauseMs = 1;
        t.ctsItemPauseMs = 1;
        t.streamDelayMs = 1;
        t.xonMs = 2000;
        t.completionMs = 2000;
        t.readBackByteMs = 500;
        t.readBackBlockMs = 200;
        return t;
    }

    ProjectSession& session() { return window->Session(); }

    void download()
    {
        OnModal<Uebertragen>([](Uebertragen* dialog) { dialog->accept(); });
        window->Actions()->transfer->trigger();
    }

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        SetProgramFolder(ProgramDir());
    }

    void init()
    {
        ClearSettings();
        display = std::make_unique<SimulatedDisplay>();
        SimulatedDisplay::Behaviour paced; // faster than the line, slower than a flood
        paced.bytesPerSecond = 20000;
        display->SetBehaviour(paced);
        base = std::make_unique<QTemporaryDir>();
        demo = CopyDemo(*base);
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), base->path());
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("0"));
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), display->PortName());
        window = std::make_unique<MainWindow>();
        window->Dialogs().laden->SetTiming(Fast());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        if (session().IsOpen()) {
            window->View()->CellEdit().Abandon();
            session().project.modified = false;
            session().graphics.modified = false;
            for (auto& t : session().tables)
                if (t)
                    t->modified = {false, false};
            window->Projects()->CloseProject(false);
        }
        window.reset();
        display.reset();
        base.reset();
    }

    void downloadsAndReadsBackIntoANewProject()
    {
        QVERIFY(window->Projects()->OpenFolder(demo));
        // The text being typed goes along without being stored first.
        const int row = session().CurrentTable()->IndexOf(2) + 1;
        ClickCell(*window->View(), 1, row);
        QTest::keyClick(window->View()->Editor(), Qt::Key_End);
        QTest::keyClicks(window->View()->Editor(), QStringLiteral(" 42"));
        download();
        QVERIFY(display->TextFile("(14E0)").contains("Handbetrieb aktiv 42"));
        QVERIFY(display->TextFile("(14E2)").contains("Manual mode active"));
        QVERIFY(display->CharSetChecksumOk());
        QCOMPARE(display->CharSet(), ReadAll(demo + QStringLiteral("/demo.pix")).left(TCharSet::PixSize));

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
        TMessageTable& table = *session().CurrentTable();
        QCOMPARE(table.At(table.IndexOf(2)).text[0], QByteArray("Handbetrieb aktiv 42"));
        QCOMPARE(table.At(table.IndexOf(2)).text[1], QByteArray("Manual mode active"));
        QVERIFY(!window->View()->Grid()->isHidden());

        // Saving writes the project that came from the display.
        window->Actions()->save->trigger();
        QVERIFY(ReadAll(session().project.folder + QStringLiteral("/Sprache1.txt")).contains("Handbetrieb aktiv 42"));
        QCOMPARE(ReadAll(session().project.folder + QStringLiteral("/default.pix")), display->CharSet());
    }

    void abortShowsTheMessage()
    {
        SimulatedDisplay::Behaviour lineRate;
        lineRate.bytesPerSecond = SimulatedDisplay::LineRate;
        display->SetBehaviour(lineRate);
        QVERIFY(window->Projects()->OpenFolder(demo));
        Laden* laden = window->Dialogs().laden;
        QMetaObject::Connection started = connect(laden, &Laden::runStarted, laden, [laden] {
            QTimer::singleShot(400, laden, [laden] { QTest::mouseClick(laden->AbortButton(), Qt::LeftButton); });
        });
        auto answer = AnswerBox(QMessageBox::Ok);
        download();
        disconnect(started);
        QVERIFY(answer->seen);
        QCOMPARE(answer->caption, QStringLiteral("Fehler"));
        QCOMPARE(answer->text, QStringLiteral("Übertragung durch Anwender abgebrochen !"));
        QVERIFY(session().IsOpen());
    }

    void cancelledReadBackOpensNothing()
    {
        SimulatedDisplay::Behaviour silent;
        silent.silentInfoRequests = -1;
        display->SetBehaviour(silent);
        Laden* laden = window->Dialogs().laden;
        QMetaObject::Connection started = connect(laden, &Laden::runStarted, laden, [laden] {
            QTimer::singleShot(100, laden, [laden] { QTest::mouseClick(laden->AbortButton(), Qt::LeftButton); });
        });
        OnModal<Projekt_offnen>([](Projekt_offnen* dialog) {
            dialog->NameBox()->setText(QStringLiteral("Nichts"));
            dialog->TypeList()->setCurrentRow(2); // a type that asks for the display's information
            dialog->ReadButton()->click();
        });
        auto answer = AnswerBox(QMessageBox::Ok);
        window->Actions()->open->trigger();
        disconnect(started);
        QTRY_VERIFY(answer->seen);
        QCOMPARE(answer->text, QStringLiteral("Übertragung durch Anwender abgebrochen !"));
        QVERIFY(!session().IsOpen());
        QVERIFY(session().project.folder.isEmpty());
        QVERIFY(window->View()->Grid()->isHidden());
        QVERIFY(!window->Actions()->save->isEnabled());
    }
};

QTEST_MAIN(AppTransferTest)
#include "tst_apptransfer.moc"
