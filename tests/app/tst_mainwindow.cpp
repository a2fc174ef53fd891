#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include "AppTestSupport.h"
#include "project/ProjectFolders.h"
#include "support/FullDisk.h"
#include "app/CharSetBox.h"
#include "app/MainActions.h"
#include "app/StartOptions.h"
#include "app/StatusBar.h"
#include "common/Language.h"
#include "dialogs/Optionen.h"
#include "dialogs/Startdialog.h"
#include "project/RecentList.h"
#include "project/ui/Letzteprjdialog.h"
#include "project/ui/Projekt_offnen.h"

using namespace tavolin::test;

// The main window as the user drives it: open through the dialogs, edit, save, close.
class MainWindowTest : public MainWindowFixture
{
    Q_OBJECT

public:
    // A 1280 × 800 screen, the smallest the first window size is made for.
    static void initMain()
    {
        const QString config = QDir::temp().filePath(QStringLiteral("tavolin-screen-1280x800.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1280, "height": 800}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }

private:
    void openThroughDialog(const QString& name)
    {
        OnModal<Projekt_offnen>([name](Projekt_offnen* dialog) {
            dialog->NameBox()->setText(name);
            dialog->OkButton()->click();
        });
        window->Actions()->open->trigger();
        activate();
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void opensEditsAndSaves()
    {
        openThroughDialog(QStringLiteral("Demo"));
        QVERIFY(session().IsOpen());
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Tavolin - %1 - Quon 1").arg(QDir::toNativeSeparators(demo)));
        QVERIFY(!view().Grid()->isHidden());
        QCOMPARE(window->Actions()->charSetBox->currentText(), QStringLiteral("demo"));
        QCOMPARE(RecentList::BasePaths().GetEntry(0), base->path());

        ClickCell(view(), 1, rowOf(2));
        QVERIFY(view().EditorShown());
        CellEditor* editor = view().Editor();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral(" X"));
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(editor, Qt::Key_F2, Qt::ControlModifier); // "Blink ein"
        QCOMPARE(window->Status()->PanelText(3), QStringLiteral("Blink"));
        QCOMPARE(window->Status()->PanelText(0), QStringLiteral("  18:  0"));
        ClickCell(view(), 1, rowOf(3));

        window->Actions()->save->trigger();
        QVERIFY(!session().NeedsSaving());
        QVERIFY(ReadAll(demo + QStringLiteral("/Sprache1.txt")).contains("\r2    Handbetrieb aktiv \x0FX\n\r"));
    }

    void closingWithChangesAsks()
    {
        openThroughDialog(QStringLiteral("Demo"));
        ClickCell(view(), 1, rowOf(3));
        QTest::keyClicks(view().Editor(), QStringLiteral("Q"));
        const QString caption = window->windowTitle();

        auto answer = AnswerBox(QMessageBox::Cancel);
        QVERIFY(!window->Projects()->CloseProject(true));
        QCOMPARE(answer->count, 1);
        QCOMPARE(answer->caption, caption);
        QCOMPARE(answer->text, QStringLiteral("%1\nProjekt wurde geändert.\n\nMöchten Sie die Änderungen speicher?")
                                   .arg(QDir::toNativeSeparators(demo)));
        QVERIFY(session().IsOpen());

        answer = AnswerBox(QMessageBox::No);
        window->Actions()->close->trigger();
        QCOMPARE(answer->count, 1);
        QVERIFY(!session().IsOpen());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavolin"));
        QCOMPARE(ReadAll(demo + QStringLiteral("/Sprache1.txt")), ReadAll(DemoProjectDir() + QStringLiteral("/Sprache1.txt")));
        QCOMPARE(RecentList::Projects().GetEntry(0), demo);

        // Closing the window asks the same; Yes saves.
        openThroughDialog(QStringLiteral("Demo"));
        ClickCell(view(), 1, rowOf(3));
        QTest::keyClicks(view().Editor(), QStringLiteral("Q"));
        answer = AnswerBox(QMessageBox::Yes);
        QVERIFY(window->close());
        QCOMPARE(answer->count, 1);
        QVERIFY(ReadAll(demo + QStringLiteral("/Sprache1.txt")).contains("3    QAnlage gestoppt"));
    }

    // A save onto a full disk says which file and why; the changes stay open and marked.
    // A new project's first save there names its folder and the reason
    // (firstSaveOnAFullDiskNamesTheFolderAndTheReason).
    void failedSaveOnAFullDiskKeepsTheChanges()
    {
        FullDisk disk;
        if (!disk.Mounted())
            QSKIP("a full file system needs a tmpfs, which only root may mount");
        const QStringList files = QDir(demo).entryList(QDir::Files);
        for (const QString& file : files)
            WriteAll(disk.FilePath(file), ReadAll(demo + QLatin1Char('/') + file));
        QVERIFY(window->Projects()->OpenFolder(disk.Path()));
        ClickCell(view(), 1, rowOf(3));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Q"));
        std::shared_ptr<BoxAnswer> answer;
        disk.WhileFull([&] {
            answer = AnswerBox(QMessageBox::Ok);
            window->Actions()->save->trigger();
        });
        QCOMPARE(answer->count, 1);
        QVERIFY2(answer->text.contains(disk.FilePath(QStringLiteral("Sprache1.txt")) + QStringLiteral(": kein Platz mehr")),
                 qPrintable(answer->text));
        QVERIFY(session().NeedsSaving());
        QVERIFY(textOf(3).startsWith("QAnlage gestoppt"));
        for (const QString& file : files)
            QCOMPARE(ReadAll(disk.FilePath(file)), ReadAll(demo + QLatin1Char('/') + file));

        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), disk.Path());
        AnswerBox(QMessageBox::No); // the changes above are dropped
        openThroughDialog(QStringLiteral("Neu"));
        QCOMPARE(session().project.folder, disk.FilePath(QStringLiteral("Neu")));
        answer = AnswerBox(QMessageBox::Ok);
        disk.WhileFull([&] { window->Actions()->save->trigger(); });
        QCOMPARE(answer->count, 1);
        QVERIFY2(answer->text.contains(QDir::toNativeSeparators(disk.FilePath(QStringLiteral("Neu"))))
                     && answer->text.contains(disk.Reason()),
                 qPrintable(answer->text));
        QVERIFY(session().IsOpen());
    }

    // A project file that cannot be read stops the open, naming it and the reason, and leaves
    // the window as it starts: no project, nothing to edit or save.
    void failedOpenLeavesNoProject_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("texts") << "Sprache2.txt" << "Fehler bei Datenlesen";
        // A configuration that cannot be read (once the first case of damagedProjectFilesAreNamed).
        QTest::newRow("configuration") << "tavolin.cfg" << "tavolin.cfg: Das ist ein Ordner, keine Datei.";
    }
    void failedOpenLeavesNoProject()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QVERIFY(QFile::remove(demo + QLatin1Char('/') + file));
        QVERIFY(QDir().mkdir(demo + QLatin1Char('/') + file));
        auto answer = AnswerBox(QMessageBox::Ok);
        openThroughDialog(QStringLiteral("Demo"));
        QCOMPARE(answer->count, 1);
        QVERIFY2(answer->text.contains(QDir::toNativeSeparators(demo)) && answer->text.contains(reason),
                 qPrintable(answer->text));
        QVERIFY(!session().IsOpen());
        QVERIFY(session().project.folder.isEmpty());
        QVERIFY(view().Grid()->isHidden());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavolin"));
    }

    // A short configuration and a text file with a loss open after one warning naming both,
    // and stay as they are.
    void damagedProjectFilesAreNamed()
    {
        const QString cfg = demo + QStringLiteral("/tavolin.cfg");
        WriteAll(cfg, "ABC");
        const QString textPath = demo + QStringLiteral("/Sprache1.txt");
        const QByteArray texts = ReadAll(textPath) + "1500 zu gross\n\r";
        WriteAll(textPath, texts);
        auto answer = AnswerBox(QMessageBox::Ok);
        openThroughDialog(QStringLiteral("Demo"));
        QVERIFY(session().IsOpen());
        QCOMPARE(answer->count, 1);
        QCOMPARE(answer->caption, QStringLiteral("Warnung"));
        QVERIFY(answer->text.contains(QDir::toNativeSeparators(cfg) + QStringLiteral(": Die Datei ist mit 3 Bytes kürzer")));
        QVERIFY(answer->text.contains(QStringLiteral("Betriebstexte Sprache 1 „Sprache1.txt“")));
        QVERIFY(answer->text.contains(QStringLiteral("%1, Zeile %2: Die Meldungsnummer 1500")
                                          .arg(QDir::toNativeSeparators(textPath)).arg(texts.count('\n'))));
        QCOMPARE(ReadAll(cfg), QByteArray("ABC"));
        QCOMPARE(ReadAll(textPath), texts);
    }

    // The file cannot hold message 0 beginning with "*": the editor refuses it and keeps it.
    void messageZeroBeginningWithAStarIsRefusedAndKept()
    {
        openThroughDialog(QStringLiteral("Demo"));
        const QByteArray before = table().At(rowOf(0) - 1).text[1];
        ClickCell(view(), 2, rowOf(0));
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused, static_cast<QWidget*>(view().Editor()));
        QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused, QStringLiteral("*** Alarm ***"));

        auto answer = AnswerBox(QMessageBox::Ok);
        ClickCell(view(), 2, rowOf(1));
        QCOMPARE(answer->count, 1);
        QVERIFY(answer->text.startsWith(QStringLiteral("Der Text von Meldung 0 darf nicht mit \"*\" beginnen")));
        QVERIFY(view().EditorShown());
        QCOMPARE(view().Editor()->toPlainText(), QStringLiteral("*** Alarm ***"));
        QCOMPARE(table().At(rowOf(0) - 1).text[1], before);

        // Saving stops too, so that nothing typed is lost.
        answer = AnswerBox(QMessageBox::Ok, Boxes::Every);
        window->Actions()->save->trigger();
        QCOMPARE(answer->count, 2);
        QCOMPARE(answer->text, QStringLiteral("Das Projekt wurde nicht gespeichert."));
        QVERIFY(!QFile::exists(demo + QStringLiteral("/Sprache2.bak")));
        activate();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view().Editor()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Neu: "));
        ClickCell(view(), 2, rowOf(1));
        QCOMPARE(table().At(rowOf(0) - 1).text[1], QByteArray("Neu: *** Alarm ***"));
    }

    void charSetBoxLoadsOnceAfterTheLastKeystroke()
    {
        window->Actions()->charSetBox->SetDelay(40);
        openThroughDialog(QStringLiteral("Demo"));
        QSignalSpy rebuilt(&session().graphics, &TCharSet::FontChange);
        QLineEdit* edit = window->Actions()->charSetBox->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("neu"));
        QTest::qWait(100);
        // A name without its ".pix" waits for Enter and a yes.
        QCOMPARE(rebuilt.count(), 0);
        QCOMPARE(session().CharSetName(), QStringLiteral("demo"));
        auto made = AnswerBox(QMessageBox::Yes);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(made->count, 1);
        QVERIFY(made->text.contains(QStringLiteral("Ein neuer Zeichensatz wird angelegt.")));
        QCOMPARE(session().CharSetName(), QStringLiteral("neu"));
        QTest::qWait(100);
        QCOMPARE(rebuilt.count(), 2); // one import: the old face goes, the new comes
        QVERIFY(session().project.modified);
        QVERIFY(session().graphics.modified); // "neu.pix" does not exist yet

        // Typing the old name back within the interval loads nothing.
        rebuilt.clear();
        session().graphics.modified = false;
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("demo"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("neu"));
        QTest::qWait(150);
        QCOMPARE(rebuilt.count(), 0);

        // A changed set asks before it is left; Cancel keeps it.
        session().graphics.modified = true;
        auto answer = AnswerBox(QMessageBox::Cancel);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("demo"));
        QTRY_COMPARE(answer->count, 1);
        QCOMPARE(answer->text, QStringLiteral("\"neu.pix\"\nPixeldatei wurde geändert.\n\nMöchten Sie die Änderungen speicher?"));
        QCOMPARE(session().CharSetName(), QStringLiteral("neu"));
        QCOMPARE(window->Actions()->charSetBox->currentText(), QStringLiteral("neu"));

        // Saving writes the set under its new name and lists it.
        window->Actions()->save->trigger();
        QVERIFY(QFile::exists(demo + QStringLiteral("/neu.pix")));
        QVERIFY(window->Actions()->charSetBox->findText(QStringLiteral("neu")) >= 0);
        TProjectConfig config;
        QVERIFY(ReadProjectConfig(demo, config));
        QCOMPARE(TProjectConfig::Get(config.charSetName), QStringLiteral("neu"));
    }

    void tabInTheEditorMovesToTheNextCell()
    {
        window->Actions()->charSetBox->SetDelay(40);
        openThroughDialog(QStringLiteral("Demo"));
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
        QTest::qWait(150);
        QCOMPARE(session().CharSetName(), QStringLiteral("demo"));
        QCOMPARE(int(view().CellEdit().language), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to the next message
        QCOMPARE(int(view().CellEdit().slot), rowOf(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(textOf(2, 1).startsWith("xyz"));
        QCOMPARE(textOf(2, 0), QByteArray("Handbetrieb aktiv"));
    }

    void startScreenRules()
    {
        window.reset();
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QString());
        window = std::make_unique<MainWindow>();
        bool shown = false;
        OnModal<Startdialog>([&shown, this](Startdialog* start) {
            shown = true;
            OnModal<Projekt_offnen>([this](Projekt_offnen* dialog) {
                dialog->NameBox()->setText(QStringLiteral("Demo"));
                dialog->OkButton()->click();
            });
            start->NewProjectButton()->click();
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        QTRY_VERIFY(shown);
        QTRY_VERIFY(session().IsOpen());

        window.reset();
        SettingsStore::WriteValue(QStringLiteral("Startbild"), QStringLiteral("ja"));
        window = std::make_unique<MainWindow>();
        auto answer = AnswerBox(QMessageBox::Ok);
        window->show();
        QApplication::setActiveWindow(window.get());
        QTRY_COMPARE(answer->count, 1);
        QVERIFY(answer->text.contains(QStringLiteral("ja")));
    }

    void firstWindowShowsWholeLinesAndIsKeptAsLeft()
    {
        SetDisplayType(demo, QStringLiteral("Quon 3")); // 40 characters, 2 languages
        window = std::make_unique<MainWindow>();
        window->show();
        activate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(window->frameGeometry().width() <= 1280 && window->frameGeometry().height() <= 800);
        openThroughDialog(QStringLiteral("Demo"));
        QCOMPARE(view().Grid()->horizontalScrollBar()->maximum(), 0);
        window->Status()->SetPort(QStringLiteral("/dev/ttyUSB0"));
        QCoreApplication::sendPostedEvents(); // the bar's new layout
        for (const auto& [panel, text] : {std::pair{2, "/dev/ttyUSB0"}, std::pair{4, "Grafikzeichensatz"}}) {
            const QLabel* label = window->Status()->Panel(panel);
            QVERIFY2(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)), text);
        }

        window->setGeometry(QRect(60, 50, 900, 600));
        QVERIFY(window->close());
        window = std::make_unique<MainWindow>();
        QCOMPARE(window->geometry(), QRect(60, 50, 900, 600));
    }

    void newProjectsAreSavedBelowTheHomeFolderAndListedOnceOnDisk()
    {
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        SettingsStore::WriteValue(QStringLiteral("PRJBasePath"), QString());
        InitBaseFolderSetting();
        const QString folder = home.path() + QStringLiteral("/TavolinProjekte/Neu");
        QCOMPARE(SettingsStore::ReadValue(QStringLiteral("PRJBasePath")), QFileInfo(folder).path());

        // Never saved: it does not go onto the recent list.
        openThroughDialog(QStringLiteral("Neu"));
        QCOMPARE(session().project.folder, folder);
        auto answer = AnswerBox(QMessageBox::No);
        window->Actions()->close->trigger();
        QCOMPARE(answer->count, 1);
        QVERIFY(RecentList::Projects().Entries().isEmpty());

        openThroughDialog(QStringLiteral("Neu"));
        window->Actions()->save->trigger();
        QVERIFY(QFile::exists(folder + QStringLiteral("/tavolin.cfg")));
        window->Actions()->close->trigger();
        QCOMPARE(RecentList::Projects().Entries(), QStringList{folder});
        qputenv("HOME", realHome);

        // An entry whose folder has gone says so and leaves the list.
        QVERIFY(QDir(folder).removeRecursively());
        bool checked = false;
        OnModal<Letzteprjdialog>([&checked](Letzteprjdialog* dialog) {
            auto gone = AnswerBox(QMessageBox::Ok);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(gone->count, 1);
            QVERIFY(gone->text.contains(QStringLiteral("gibt es nicht mehr")));
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->ProjectList()->count(), 0);
            checked = true;
            dialog->reject();
        });
        window->Actions()->recent->trigger();
        QVERIFY(checked);
        QVERIFY(RecentList::Projects().Entries().isEmpty());
    }

    // A project reopens from the recent list, stays open when another open fails, and takes
    // the options.
    void reopensFromTheRecentListAndTakesOptions()
    {
        openThroughDialog(QStringLiteral("Demo"));
        window->Actions()->close->trigger();
        OnModal<Letzteprjdialog>([](Letzteprjdialog* dialog) {
            dialog->ProjectList()->setCurrentRow(0);
            dialog->OpenButton()->click();
        });
        window->Actions()->recent->trigger();
        QVERIFY(session().IsOpen());
        QCOMPARE(session().project.folder, demo);
        QVERIFY(!session().project.modified);

        // A cancelled open and a folder from the command line that does not open keep the
        // open project (cancelledOrFailedOpenKeepsTheOpenProject).
        OnModal<Projekt_offnen>([](Projekt_offnen* dialog) { dialog->reject(); });
        window->Actions()->open->trigger();
        auto answer = AnswerBox(QMessageBox::Ok);
        QVERIFY(!window->Projects()->OpenFolder(base->path() + QStringLiteral("/gibtsnicht")));
        QCOMPARE(answer->count, 1);
        QCOMPARE(session().project.folder, demo);

        OnModal<Optionen>([](Optionen* dialog) {
            dialog->PortBox()->setEditText(QStringLiteral("/dev/ttyTEST"));
            dialog->accept();
        });
        window->Actions()->options->trigger();
        QCOMPARE(window->Status()->PanelText(2), QStringLiteral("/dev/ttyTEST"));
    }

    // With "--lang en" the menus are English; the keys that open them stay the same.
    void menusAreEnglishWithTheEnglishTranslation()
    {
        CloseWindow();
        Language::Install(Language::Choice::English, true);
        const auto german = qScopeGuard([] { Language::Install(Language::Choice::German, true); });
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("&Project"));
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Open/New..."));
        QTest::keyClick(menu, Qt::Key_Escape);
        QStringList titles;
        for (QAction* action : window->menuBar()->actions())
            titles << action->text();
        QVERIFY2(titles.contains(QStringLiteral("&Edit")), qPrintable(titles.join(QLatin1Char(' '))));
    }

    // What the editor opens for the arguments a user or a file manager gives it.
    void projectFolderFromFolderOrItsConfigFile()
    {
        QCOMPARE(ReadStartOptions({demo + QStringLiteral("/tavolin.cfg")}).projectFolder, demo);
        // Qt's own options are Qt's; after "--" a name beginning with "-" is a folder.
        const StartOptions withQt =
            ReadStartOptions({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-reverse"), demo});
        QCOMPARE(withQt.action, StartOptions::Action::Run);
        QCOMPARE(withQt.projectFolder, demo);
        QCOMPARE(ReadStartOptions({QStringLiteral("--"), QStringLiteral("-odd")}).projectFolder, QStringLiteral("-odd"));
        QCOMPARE(ReadStartOptions({QStringLiteral("--"), QStringLiteral("--help")}).action, StartOptions::Action::Run);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
