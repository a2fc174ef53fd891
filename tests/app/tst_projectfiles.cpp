#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "app/MainActions.h"
#include "app/StatusBar.h"
#include "project/RecentList.h"
#include "project/ui/Loeschen.h"
#include "project/ui/Projekt_offnen.h"
#include "project/ui/Speichernunter.h"
#include "support/SimulatedDisplay.h"
#include "texts/ui/TranslationReportDialog.h"
#include "transfer/SimulatedDisplay.h"
#include "transfer/ui/DisplayCompareDialog.h"
#include "transfer/ui/Laden.h"
#include "transfer/ui/Uebertragen.h"

using namespace tavolin::test;

// What the project menu does with files and displays: save-as, delete, the print preview
// and PDF, the translation files, and download and read-back against a simulated display,
// driven through the menus and dialogs.
class ProjectFilesTest : public MainWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedDisplay> display;

    // A simulated display on the port that transfers use, and no waiting between tries.
    void connectDisplay()
    {
        display = std::make_unique<SimulatedDisplay>();
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), display->PortName());
        window->Dialogs().laden->SetTiming(FastTiming());
    }

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

    // Types into the focused widget of the shown save-as dialog and confirms with Enter.
    void saveAs(const QString& name)
    {
        OnModal<Speichernunter>([name](Speichernunter* dialog) {
            QCOMPARE(dialog->focusWidget(), dialog->NameBox());
            QTest::keyClicks(dialog->focusWidget(), name);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        window->Actions()->saveAs->trigger();
        activate();
    }

    // Confirms the delete dialog with Enter on the preselected entry.
    void deleteSelected()
    {
        OnModal<Loeschen>([](Loeschen* dialog) {
            QCOMPARE(dialog->focusWidget(), dialog->ProjectList());
            QCOMPARE(dialog->ProjectList()->currentItem()->text(), QStringLiteral("Demo"));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        window->Actions()->deleteProject->trigger();
        activate();
    }

    // Every entry but the lock of the open project.
    QStringList filesOf(const QString& folder) const
    {
        QStringList files = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        files.removeAll(QLatin1String(ProjectLock::FileName));
        return files;
    }

private Q_SLOTS:
    void initTestCase()
    {
        InitTestCase();
        // The test drives Qt's own file dialog, not a desktop's.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
    }
    void cleanup()
    {
        CloseWindow();
        display.reset();
    }

    void saveAsAsksBeforeReplacingAndThenHoldsExactlyTheProject()
    {
        const QString other = base->path() + QStringLiteral("/Other");
        WriteAll(other + QStringLiteral("/fremd.txt"), "x");
        auto no = AnswerBox(QMessageBox::No);
        saveAs(QStringLiteral("Other"));
        QCOMPARE(no->count, 1);
        QCOMPARE(no->caption, window->windowTitle());
        QVERIFY(no->text.contains(QStringLiteral("besteht bereits")));
        QCOMPARE(filesOf(other), QStringList{QStringLiteral("fremd.txt")});
        QCOMPARE(session().project.folder, demo);

        auto yes = AnswerBox(QMessageBox::Yes);
        saveAs(QStringLiteral("Other"));
        QCOMPARE(yes->count, 1);
        QCOMPARE(filesOf(other), filesOf(demo));
        QCOMPARE(session().project.folder, other);
        QVERIFY(window->windowTitle().contains(QDir::toNativeSeparators(other)));
        QCOMPARE(table().fileName[0], other + QStringLiteral("/Sprache1.txt"));
        QCOMPARE(filesOf(base->path()), (QStringList{QStringLiteral("Demo"), QStringLiteral("Other")}));
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("PRJBasePath")), base->path());
        QCOMPARE(RecentList::BasePaths().GetEntry(0), base->path());

        // An emptied name is refused in the dialog, which stays open.
        auto refused = AnswerBox(QMessageBox::Ok);
        OnModal<Speichernunter>([](Speichernunter* dialog) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Backspace);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        window->Actions()->saveAs->trigger();
        QCOMPARE(refused->count, 1);
        QVERIFY(refused->text.contains(QStringLiteral("Projektname")));
        QCOMPARE(session().project.folder, other);
    }

    void aProjectAnotherProgramWritesOpensOnlyReadOnly()
    {
        window->Projects()->CloseProject(false);
        ProjectLock other(demo);
        QCOMPARE(other.Result(), ProjectLock::State::Held);
        auto no = AnswerBox(QMessageBox::No);
        QVERIFY(!window->Projects()->OpenFolder(demo));
        QVERIFY(no->text.contains(QStringLiteral("ist in Tavolin auf")));
        QVERIFY(!session().IsOpen());

        auto yes = AnswerBox(QMessageBox::Yes);
        QVERIFY(window->Projects()->OpenFolder(demo));
        QVERIFY(window->windowTitle().contains(QStringLiteral("schreibgeschützt")));
        const QByteArray before = ReadAll(demo + QStringLiteral("/Sprache1.txt"));
        session().MarkModified();
        auto refused = AnswerBox(QMessageBox::Ok);
        window->Actions()->save->trigger();
        QVERIFY(refused->text.contains(QStringLiteral("schreibgeschützt geöffnet")));
        QCOMPARE(ReadAll(demo + QStringLiteral("/Sprache1.txt")), before);
        QVERIFY(!QFileInfo::exists(demo + QStringLiteral("/Sprache1.bak")));
    }

    // A delete that fails is reported and leaves the project open; one that works closes the
    // project without the save question and moves it to the trash.
    void deletingTheOpenProjectClosesItWithoutTheSaveQuestion()
    {
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const QString blocker = base->path() + QStringLiteral("/kein-ordner");
        WriteAll(blocker, "x"); // no trash can be made below a plain file
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
        auto answers = AnswerBox(QMessageBox::Yes, Boxes::Every);
        deleteSelected();
        qputenv("XDG_DATA_HOME", data);
        QCOMPARE(answers->count, 2);
        QVERIFY(answers->text.contains(QDir::toNativeSeparators(demo)));
        QVERIFY(answers->text.contains(QStringLiteral("Papierkorb")));
        QVERIFY(session().IsOpen());
        QVERIFY(QFileInfo::exists(demo + QStringLiteral("/tavolin.cfg")));

        session().project.modified = true;
        const QDir trash(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files"));
        const int trashed = trash.exists() ? int(trash.count()) : 2;
        answers = AnswerBox(QMessageBox::Yes, Boxes::Every);
        deleteSelected();
        QCOMPARE(answers->count, 1);
        QVERIFY(answers->text.contains(QStringLiteral("wirklich löschen")));
        QVERIFY(!session().IsOpen());
        QVERIFY(!QFileInfo::exists(demo));
        QCOMPARE(int(QDir(trash.path()).count()), trashed + 1);
        QCOMPARE(RecentList::Projects().IndexOf(demo), -1);
    }

    void previewAndPdfShowTheSamePages()
    {
        int previewPages = 0;
        OnModal<QPrintPreviewDialog>([&previewPages](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(preview->pageCount() > 0);
            previewPages = preview->pageCount();
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        });
        window->Actions()->previewMenu->actions().first()->trigger();
        activate();
        QVERIFY(previewPages > 0);

        TypeFileName(QStringLiteral("liste.pdf")); // the dialog opens in the project folder
        window->Actions()->pdfMenu->actions().first()->trigger();
        activate();
        QCOMPARE(ReadAll(demo + QStringLiteral("/liste.pdf")).count("/Type /Page\n"), previewPages);
    }

    // The translation round trip: export with the language question, an import whose report
    // holds an error, taking what fits as one undo step.
    void importTakesWhatFitsAsOneUndoStep()
    {
        const QString file = demo + QStringLiteral("/texte.xlf");
        OnModal<QInputDialog>([](QInputDialog* dialog) {
            QCOMPARE(dialog->textValue(), QStringLiteral("de en"));
            dialog->accept();
        });
        TypeFileName(file);
        window->Actions()->exportTranslation->trigger();
        activate();
        QByteArray xliff = ReadAll(file);
        QVERIFY(xliff.contains("source-language=\"de\" target-language=\"en\""));
        xliff.replace("Line stopped", "Line halted");
        xliff.replace("Manual mode active", "Manual mode active for now and then");
        WriteAll(file, xliff);

        const QByteArray before = textOf(3, 1);
        const int steps = session().history.Stack().count();
        bool shown = false;
        TypeFileName(file);
        OnModal<TranslationReportDialog>([&shown](TranslationReportDialog* dialog) {
            const QStringList findings =
                dialog->findChild<QTextBrowser*>(QStringLiteral("findings"))->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(findings.size(), 4);
            QCOMPARE(findings[0], QStringLiteral("Fehler (1)"));
            QVERIFY(findings[1].contains(QStringLiteral("Meldung 2, Zeile 1: \u201EManual mode active for now and then\u201C hat 35 Zeichen")));
            QCOMPARE(findings[2], QStringLiteral("Wird übernommen (1)"));
            auto* take = dialog->findChild<QPushButton*>(QStringLiteral("take"));
            Screenshot(dialog, QStringLiteral("translation-report"));
            shown = true;
            take->click();
        });
        window->Actions()->importTranslation->trigger();
        activate();
        QVERIFY(shown);
        QCOMPARE(textOf(3, 1), QByteArray("Line halted\rStart with key F1"));
        QCOMPARE(textOf(2, 1), QByteArray("Manual mode active"));
        QCOMPARE(session().history.Stack().count(), steps + 1);
        QCOMPARE(view().Grid()->GetSelection().top, rowOf(3));

        window->Actions()->undo->trigger();
        QCOMPARE(textOf(3, 1), before);
    }

    void downloadsAndReadsBackIntoANewProject()
    {
        connectDisplay();
        // The text being typed goes along without being stored first.
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClicks(view().Editor(), QStringLiteral(" 42"));
        download();
        Laden* laden = window->Dialogs().laden;
        const QString info = QString::fromLatin1(display->GetBehaviour().info);
        const QList<QLabel*> labels = laden->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) { return label->text() == info; }));
        QVERIFY(display->TextFile("(14E0)").contains("Handbetrieb aktiv 42"));
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
        connectDisplay();
        SettingsStore::WriteValue(QStringLiteral("Schnittstelle"), TSimulatedDisplay::PortLabel());
        download();
        QVERIFY(TSimulatedDisplay::Shared().TextFile("(14E0)").contains("Handbetrieb aktiv"));
        const int number = 2;
        ClickCell(view(), 2, rowOf(2));
        QTest::keyClicks(view().Editor(), QStringLiteral("X"));

        int chosen = -1;
        QStringList lines;
        OnModal<DisplayCompareDialog>([&](DisplayCompareDialog* dialog) {
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
        QVERIFY(lines.contains(QStringLiteral("Meldung %1: verschieden").arg(number)));
        QCOMPARE(chosen, number);
        QCOMPARE(view().Grid()->GetSelection().top, rowOf(2));
        QCOMPARE(view().Grid()->GetSelection().left, 2);
        QVERIFY(!view().EditorShown());
    }

    // "Abbruch" ends a download with its message. A read-back that ends in an error (here
    // aborted as well) leaves the project that was open as it was.
    void failedReadBackKeepsTheOpenProject()
    {
        connectDisplay();
        display->SetBehaviour(SimulatedDisplay::Paced(SimulatedDisplay::LineRate));
        QMetaObject::Connection started = abortAfter(400);
        auto answer = AnswerBox(QMessageBox::Ok);
        download();
        disconnect(started);
        QCOMPARE(answer->count, 1);
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

QTEST_MAIN(ProjectFilesTest)
#include "tst_projectfiles.moc"
