#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QMimeData>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "app/EditCommands.h"
#include "app/FindBar.h"
#include "app/FindCommands.h"
#include "app/MainActions.h"
#include "app/StatusBar.h"
#include "app/ViewCommands.h"
#include "charset/FontEditorEvents.h"
#include "charset/FontEditorLink.h"
#include "dialogs/GotoMessage.h"
#include "dialogs/Neuemld.h"
#include "preview/ui/PreviewDock.h"
#include "project/ui/Import1.h"
#include "project/ui/Projekt_offnen.h"
#include "texts/TextFile.h"

using namespace tavolin::test;

namespace {
constexpr int Saved = TextFile::HeaderBlock | TextFile::MessageTexts;
}

// The commands of "&Bearbeiten" with the project's undo history and the find bar, and those
// of "&Ansicht" (going to a message by number, the display preview following the grid and
// the editor), on the demo project through menu actions and shortcuts.
class EditCommandsTest : public MainWindowFixture
{
    Q_OBJECT

private:
    CellEditor* editor() { return view().Editor(); }

    void openProject(const QString& folder)
    {
        QVERIFY(window->Projects()->OpenFolder(folder));
        activate();
    }

    QUndoStack& stack() { return session().history.Stack(); }
    MainActions& actions() { return *window->Actions(); }
    // What saving would write: both languages' formatted text files.
    QByteArray files() { return FormatTextChecked(table(), 0, Saved) + '|' + FormatTextChecked(table(), 1, Saved); }
    bool marked() { return window->windowTitle().startsWith(QLatin1Char('*')); }
    PreviewDock& dock() { return *window->Views()->Preview(); }

    // Ctrl+G on the focused widget, the number typed into the dialog's focused field,
    // Enter; returns the hint the dialog showed for the number.
    QString goTo(const QString& number)
    {
        QString hint;
        OnModal<GotoMessage>([&hint, number](GotoMessage* dialog) {
            QWidget* field = dialog->focusWidget();
            QTest::keyClicks(field, number);
            hint = dialog->Hint()->text();
            QTest::keyClick(field, Qt::Key_Return);
        });
        activate();
        QTest::keyClick(window->focusWidget(), Qt::Key_G, Qt::ControlModifier);
        return hint;
    }

    // A copy of the demo for a one-language type, without any message.
    QString emptyOneLanguageProject()
    {
        const QString folder = makeProject(QStringLiteral("Einsprachig"), QStringLiteral("Orbex 2"));
        QFile::remove(folder + QStringLiteral("/Sprache1.txt"));
        QFile::remove(folder + QStringLiteral("/Sprache2.txt"));
        return folder;
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        OpenWindow();
        openProject(demo);
    }
    void cleanup() { CloseWindow(); }

    void newMessageWithTheProposedNumber()
    {
        const int proposal = table().NextFreeNumber(-1);
        int offered = -1;
        OnModal<Neuemld>([&offered](Neuemld* dialog) {
            offered = dialog->number;
            dialog->accept();
        });
        press(Qt::Key_L); // "Neue Meldung"
        QCOMPARE(offered, proposal);
        QVERIFY(table().IndexOf(proposal) >= 0);
        QVERIFY(view().EditorShown());
        QCOMPARE(int(view().CellEdit().slot), table().IndexOf(proposal));
        QVERIFY(!view().Grid()->CellRect(1, rowOf(proposal)).isEmpty());

        // With the editor open the proposal follows the edited message; a number chosen
        // in the middle keeps both its row and the next one in view.
        activate();
        view().Grid()->SetTopRow(1);
        ClickCell(view(), 1, rowOf(3));
        OnModal<Neuemld>([&offered](Neuemld* dialog) {
            offered = dialog->number;
            dialog->NumberBox()->setValue(8);
            dialog->accept();
        });
        window->Actions()->newMessage->trigger();
        QCOMPARE(offered, 7);
        QCOMPARE(int(view().CellEdit().slot), table().IndexOf(8));
        QCOMPARE(view().Grid()->Row(), rowOf(8));
        QVERIFY(!view().Grid()->CellRect(1, rowOf(8) + 1).isEmpty());
        QCOMPARE(textOf(8), QByteArray());

        // Clicking the empty last row asks as well (emptyLastRowAsksForANewMessage); Cancel
        // adds nothing.
        const int count = table().Count();
        bool asked = false;
        OnModal<Neuemld>([&asked](Neuemld* dialog) {
            asked = true;
            dialog->reject();
        });
        view().Grid()->SetTopRow(table().Count());
        ClickCell(view(), 1, table().Count() + 1);
        QTRY_VERIFY(asked);
        QCOMPARE(table().Count(), count);
    }

    // The last message and the empty row: asked for two, "Nein" keeps them, then one goes.
    // (One message deleted by its key, with its question, is a step of the undo test.)
    void deletesOneOrSeveralRows()
    {
        const int count = table().Count();
        view().Grid()->SetTopRow(table().Count());
        const int lastNumber = table().At(table().Count() - 1).number;
        ClickCell(view(), 0, table().Count());
        ClickCell(view(), 0, table().Count() + 1, Qt::ShiftModifier);
        auto answer = AnswerBox(QMessageBox::No);
        window->Actions()->remove->trigger();
        QCOMPARE(answer->text, QStringLiteral("Möchten Sie wirklich mehrere Meldungen löschen ?"));
        QCOMPARE(table().Count(), count);
        answer = AnswerBox(QMessageBox::Yes);
        window->Actions()->remove->trigger();
        QCOMPARE(answer->count, 1);
        QCOMPARE(table().Count(), count - 1);
        QCOMPARE(table().IndexOf(lastNumber), -1);
    }

    void deleteEndsAnEditScrolledOutOfView()
    {
        ClickCell(view(), 1, rowOf(0));
        QTest::keyClicks(editor(), QStringLiteral("Z"));
        view().Grid()->SetTopRow(rowOf(20));
        QVERIFY(!view().EditorShown());
        QVERIFY(view().CellEdit().IsOpen());
        QVERIFY(view().Grid()->hasFocus());
        view().Grid()->SetSelection({1, rowOf(20), 2, rowOf(21)});
        auto answer = AnswerBox(QMessageBox::Yes);
        window->Actions()->remove->trigger();
        QCOMPARE(answer->count, 1);
        QVERIFY(!view().CellEdit().IsOpen());
        QCOMPARE(textOf(0), QByteArray("ZAnlage bereit"));
        QCOMPARE(table().IndexOf(20), -1);
        QCOMPARE(table().IndexOf(21), -1);
    }

    void navigatesWithinLimits()
    {
        ClickCell(view(), 1, 1);
        press(Qt::Key_H); // "Vorherige Meldung" on the first message
        QCOMPARE(int(view().CellEdit().slot), 0);
        press(Qt::Key_N);
        QCOMPARE(int(view().CellEdit().slot), 1);
        press(Qt::Key_S); // "Sprache wechseln"
        QCOMPARE(int(view().CellEdit().language), 1);
        QCOMPARE(int(view().CellEdit().slot), 1);
        press(Qt::Key_S);
        QCOMPARE(int(view().CellEdit().language), 0);

        const int last = table().Count() - 1;
        view().Grid()->SetTopRow(last + 1);
        ClickCell(view(), 1, last + 1);
        QCOMPARE(int(view().CellEdit().slot), last);
        window->Actions()->nextMessage->trigger();
        QCOMPARE(int(view().CellEdit().slot), last);
        window->Actions()->previousMessage->trigger();
        QCOMPARE(int(view().CellEdit().slot), last - 1);
    }

    void blinkAndGraphicsBecomeAttributeBytes()
    {
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClick(editor(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor()->textCursor().selectedText(), QStringLiteral("aktiv"));
        press(Qt::Key_F2); // "Blink ein"
        QTest::keyClick(editor(), Qt::Key_Home);
        QTest::keyClick(editor(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(editor(), Qt::Key_Right, Qt::ShiftModifier);
        press(Qt::Key_F4); // "Grafik ein"
        QCOMPARE(window->Status()->PanelText(4), QStringLiteral("Grafikzeichensatz"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(textOf(2), QByteArray("\x10Ha\x12ndbetrieb \x0F" "aktiv"));

        // Off again, through the other two commands.
        ClickCell(view(), 1, rowOf(2));
        editor()->selectAll();
        press(Qt::Key_F2, Qt::NoModifier); // "Blink aus"
        press(Qt::Key_F4, Qt::NoModifier); // "Grafik aus"
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(textOf(2), QByteArray("Handbetrieb aktiv"));

        // With the editor closed only the status bar is refreshed.
        window->Actions()->blinkOn->trigger();
        QCOMPARE(window->Status()->PanelText(3), QString());
        QCOMPARE(textOf(2), QByteArray("Handbetrieb aktiv"));

        // A character chosen in the glyph editor comes in as a graphics character, and
        // graphics end with it (glyphEditorNotifications).
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(editor(), Qt::Key_End);
        FontEditorEvents::Event chosen(FontEditorEvents::CharacterChosen, 'C');
        QApplication::sendEvent(window.get(), &chosen);
        QTest::keyClicks(editor(), QStringLiteral("x"));
        QCOMPARE(window->Status()->PanelText(4), QString());
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(textOf(2), QByteArray("Handbetrieb aktiv\x10" "C\x12x"));

        // A save of the glyph editor rewrites the editable font file: the set is changed.
        QVERIFY(!session().graphics.modified);
        QFile font(session().graphics.fntPath);
        QVERIFY(font.open(QIODevice::ReadWrite));
        QVERIFY(font.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        font.close();
        QCoreApplication::postEvent(window.get(), new FontEditorEvents::Event(FontEditorEvents::FontSaved));
        QTRY_VERIFY(session().graphics.modified);
    }

    // A cut in the editor undoes; Ctrl+Delete without a selection takes nothing. (That the
    // clipboard keeps blink and graphics, once clipboardKeepsAttributesAndUndoes, is the
    // paste test's below and the rich text bridge's.)
    void cutUndoesAndDeleteNeedsASelection()
    {
        ClickCell(view(), 1, rowOf(3));
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClick(editor(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        window->Actions()->cut->trigger();
        window->Actions()->undo->trigger();
        editor()->moveCursor(QTextCursor::Start);
        QTest::keyClick(editor(), Qt::Key_Delete, Qt::ControlModifier); // no selection: nothing goes
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(textOf(3), QByteArray("Anlage gestoppt\rStart mit Taste F1"));
    }

    void pasteBetweenEditorsKeepsGraphicsAndRefusesForeignCharacters()
    {
        // Another running editor names its fonts by its own temporary face names; only the
        // display codes beside its rich text tell which characters are graphics.
        ClickCell(view(), 1, rowOf(1)); // "Anlage läuft", then a graphics character
        editor()->selectAll();
        press(Qt::Key_C);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        auto* other = new QMimeData;
        other->setHtml(copied->html().replace(view().GraphicsFont().family(), QStringLiteral("_EG7516.TMP")));
        other->setData(QStringLiteral("application/x-tavolin-display-codes"),
                       copied->data(QStringLiteral("application/x-tavolin-display-codes")));
        QGuiApplication::clipboard()->setMimeData(other);
        ClickCell(view(), 1, rowOf(3));
        QTest::keyClick(editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor(), Qt::Key_Return);
        press(Qt::Key_V);

        // Text from elsewhere: what the display has stays, the rest becomes "?".
        QTest::keyClick(editor(), Qt::Key_Return);
        press(Qt::Key_F2, Qt::NoModifier); // "Blink aus"
        QGuiApplication::clipboard()->setText(QStringLiteral("\u201EOK\u201C \u2013 5 \u20AC \u00E9 \u00E4\u00B0"));
        press(Qt::Key_V);
        QTest::keyClick(editor(), Qt::Key_Escape);
        QVERIFY(textOf(3).startsWith(QByteArray(QByteArray("Anlage gestoppt\rStart mit Taste F1\r") + textOf(1) + '\r')));
        QVERIFY(textOf(3).endsWith("?OK? ? 5 ? ? \x84\xF8"));
    }

    void copiesCutsAndPastesWholeMessages()
    {
        const QByteArray first = textOf(1);
        const QByteArray second = textOf(2);
        ClickCell(view(), 0, rowOf(1));
        ClickCell(view(), 0, rowOf(2), Qt::ShiftModifier);
        QVERIFY(window->Actions()->copy->isEnabled());
        press(Qt::Key_X); // cut: copy and remove
        QCOMPARE(table().IndexOf(1), -1);
        QCOMPARE(table().IndexOf(2), -1);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("{gfx}C{/gfx} Automatikbetrieb")));
        press(Qt::Key_V);
        QCOMPARE(textOf(1), first);
        QCOMPARE(textOf(2), second);

        // Pasting over existing messages asks; "Nein" keeps them.
        table().SetText(1, 0, "anders");
        auto answer = AnswerBox(QMessageBox::No);
        press(Qt::Key_V);
        QCOMPARE(answer->count, 1);
        QCOMPARE(textOf(1), QByteArray("anders"));

        // Into another project with one language.
        const QString single = emptyOneLanguageProject();
        auto dropChanges = AnswerBox(QMessageBox::No);
        openProject(single);
        view().Grid()->setFocus();
        press(Qt::Key_V);
        QCOMPARE(table().Count(), 2);
        QCOMPARE(textOf(1), first);
        QVERIFY(table().modified[0]);

        // Damaged clipboard data pastes nothing.
        auto* damaged = new QMimeData;
        damaged->setData(QStringLiteral("application/x-tavolin-messages"), QByteArray("TVM1\xff\xff", 6));
        QGuiApplication::clipboard()->setMimeData(damaged);
        press(Qt::Key_V);
        QCOMPARE(table().Count(), 2);
    }

    void switchesBetweenOperatingAndDiagnosticTexts()
    {
        QVERIFY(!window->Actions()->diagnosticTexts->isVisible());
        window->Actions()->diagnosticTexts->trigger();
        QCOMPARE(session().currentTable, 0);

        DisplayTypeTable()[11] = TDisplayType{QStringLiteral("Test Diag"), QStringLiteral("led"), 40,
                                              quint8(dtSecondLanguage | dtDiagnosticTexts), 0};
        const QString folder = makeProject(QStringLiteral("Diag"), QStringLiteral("Test Diag"));
        QFile diag(folder + QStringLiteral("/DiagSprache1.txt"));
        QVERIFY(diag.open(QIODevice::WriteOnly));
        diag.write("0    *\n\r7    Diagnose sieben\n\r");
        diag.close();
        openProject(folder);
        QVERIFY(window->windowTitle().endsWith(QStringLiteral(" - Test Diag (Beriebstexte) ")));
        QVERIFY(window->Actions()->operatingTexts->isVisible());
        QVERIFY(window->Actions()->operatingTexts->isChecked());

        ClickCell(view(), 1, rowOf(1));
        QTest::keyClicks(editor(), QStringLiteral("B"));
        window->Actions()->diagnosticTexts->trigger();
        QVERIFY(window->windowTitle().endsWith(QStringLiteral(" (Diagnosetexte) ")));
        QVERIFY(window->Actions()->diagnosticTexts->isChecked());
        QVERIFY(!window->Actions()->operatingTexts->isChecked());
        QCOMPARE(view().Table(), session().Table(1));
        QCOMPARE(textOf(7), QByteArray("Diagnose sieben"));
        QCOMPARE(session().Table(0)->At(1).text[0], QByteArray("BAnlage l\x84uft\r\x10" "C\x12 Automatikbetrieb"));

        auto answer = AnswerBox(QMessageBox::Yes);
        window->Actions()->close->trigger();
        QCOMPARE(answer->count, 1);
        QVERIFY(ReadAll(folder + QStringLiteral("/DiagSprache1.txt")).contains("7    Diagnose sieben"));
        QVERIFY(QFile::exists(folder + QStringLiteral("/DiagSprache2.txt")));
    }

    void importsACharacterSet()
    {
        const QString other = CopyDemo(*base, QStringLiteral("Andere"));
        QFile::copy(ProgramDir() + QStringLiteral("/lcd.fix"), other + QStringLiteral("/anders.pix"));
        QVERIFY(ReadAll(other + QStringLiteral("/anders.pix")) != ReadAll(demo + QStringLiteral("/demo.pix")));
        OnModal<Import1>([](Import1* dialog) {
            QVERIFY(dialog->charSetMode);
            QVERIFY(!dialog->ImportButton()->isEnabled()); // the project's own set is the target
            dialog->ProjectList()->setCurrentItem(dialog->ProjectList()->findItems(QStringLiteral("Andere"), Qt::MatchExactly).value(0));
            dialog->FileList()->setCurrentItem(dialog->FileList()->findItems(QStringLiteral("anders"), Qt::MatchExactly).value(0));
            AnswerBox(QMessageBox::Yes);
            dialog->ImportButton()->click();
        });
        // The glyph editor open meanwhile (from the tool bar) follows: its title names the
        // imported set. It ends with the project.
        window->Actions()->toolEditCharSet->trigger();
        QVERIFY(FontEditorLink::Instance().IsLoaded());
        QTRY_VERIFY(FontEditorLink::Instance().IsVisible());
        QCOMPARE(glyphEditor()->windowTitle(), QStringLiteral("Zeichensatz bearbeiten - demo.pix[*]"));
        window->Actions()->importCharSet->trigger();
        QCOMPARE(glyphEditor()->windowTitle(), QStringLiteral("Zeichensatz bearbeiten - anders.pix[*]"));
        QVERIFY(session().graphics.modified);
        const QString saved = base->path() + QStringLiteral("/kopie.pix");
        session().graphics.Save(saved);
        QCOMPARE(ReadAll(saved), ReadAll(other + QStringLiteral("/anders.pix")));
        session().graphics.modified = false;
        window->Projects()->CloseProject(false);
        QVERIFY(!FontEditorLink::Instance().IsVisible());
    }

    void importsATextFileIntoANewProject()
    {
        OnModal<Projekt_offnen>([](Projekt_offnen* dialog) {
            dialog->NameBox()->setText(QStringLiteral("Neu"));
            QVERIFY(dialog->isNewProject);
            QVERIFY(dialog->ImportButton(0)->isEnabled());
            OnModal<Import1>(
                [](Import1* import) {
                    import->ProjectList()->setCurrentItem(
                        import->ProjectList()->findItems(QStringLiteral("Demo"), Qt::MatchExactly).value(0));
                    import->FileList()->setCurrentItem(
                        import->FileList()->findItems(QStringLiteral("Sprache1"), Qt::MatchExactly).value(0));
                    import->ImportButton()->click();
                    QTimer::singleShot(0, [] {
                        auto* open = qobject_cast<Projekt_offnen*>(QApplication::activeModalWidget());
                        if (open)
                            open->OkButton()->click();
                    });
                },
                dialog);
            dialog->ImportButton(0)->click();
        });
        window->Actions()->open->trigger();
        QTRY_VERIFY(session().project.folder.endsWith(QStringLiteral("/Neu")));
        QCOMPARE(textOf(2), QByteArray("Handbetrieb aktiv"));
        QVERIFY(session().NeedsSaving()); // a new project is unsaved
    }

    void everyShortcutIsOneCommands()
    {
        // Two actions on one key would make Qt run neither.
        QSet<QKeySequence> seen;
        for (QAction* action : window->findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!seen.contains(key), qPrintable(key.toString()));
                seen.insert(key);
            }
        QVERIFY(seen.contains(QKeySequence(Qt::CTRL | Qt::Key_S)));

        ClickCell(view(), 1, rowOf(2));
        QTest::keyClicks(editor(), QStringLiteral("x"));
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // "Speichern"
        QVERIFY(!table().modified[0]);
        QVERIFY(view().EditorShown());
    }

    // What the menus offer in each state: save, new, previous, switch language, cut, blink,
    // delete, diagnostic texts (1 enabled, 0 disabled).
    void commandsFollowProjectAndEditor()
    {
        MainActions& a = *window->Actions();
        const auto offered = [&a] {
            QString flags;
            for (QAction* action : {a.save, a.newMessage, a.previousMessage, a.switchLanguage, a.cut, a.blinkOn,
                                    a.remove, a.diagnosticTexts})
                flags += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return flags;
        };
        QCOMPARE(offered(), QStringLiteral("11001010"));
        ClickCell(view(), 1, rowOf(2));
        QCOMPARE(offered(), QStringLiteral("11111110"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(offered(), QStringLiteral("11001010"));

        const QString single = emptyOneLanguageProject();
        openProject(single);
        QCOMPARE(view().Grid()->ColCount(), 2);
        QCOMPARE(offered(), QStringLiteral("11000000")); // nothing to delete in an empty table
        OnModal<Neuemld>([](Neuemld* dialog) { dialog->accept(); });
        press(Qt::Key_L);
        QVERIFY(view().EditorShown());
        QCOMPARE(offered(), QStringLiteral("11101110"));
        press(Qt::Key_S); // a one-language type keeps its column
        QCOMPARE(int(view().CellEdit().language), 0);
        QVERIFY(!a.diagnosticTexts->isVisible());

        window->Projects()->CloseProject(false);
        QCOMPARE(offered(), QStringLiteral("00000000"));
        QVERIFY(!a.editMenu->isEnabled());
        QVERIFY(a.open->isEnabled());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavolin"));
    }

    void commandsUndoAndRedoByteForByte()
    {
        session().history.clock = [] { return qint64(0); }; // no pauses: steps by word only
        QList<QByteArray> states{files()};
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClicks(view().Editor(), QStringLiteral(" an aus")); // the line holds 24
        QVERIFY(marked());
        QCOMPARE(actions().undo->text(), QStringLiteral("&Rückgängig: Meldung 2 bearbeiten"));
        QCOMPARE(stack().count(), 2); // " an " and "aus"
        states << files();
        QTest::keyClick(view().Editor(), Qt::Key_Escape);

        OnModal<Neuemld>([](Neuemld* dialog) {
            dialog->number = 500;
            dialog->accept();
        });
        press(Qt::Key_L); // "Neue Meldung"
        activate();
        QTest::keyClicks(view().Editor(), QStringLiteral("Neu"));
        QTest::keyClick(view().Editor(), Qt::Key_Escape);
        states << files();

        view().Grid()->ShowRow(rowOf(12));
        ClickCell(view(), 0, rowOf(12));
        auto answer = AnswerBox(QMessageBox::Yes);
        press(Qt::Key_Delete); // "Löschen"
        activate();
        QCOMPARE(answer->text, QStringLiteral("Möchten Sie wirklich eine Meldung löschen ?"));
        QCOMPARE(table().IndexOf(12), -1);
        QCOMPARE(actions().undo->text(), QStringLiteral("&Rückgängig: Meldung 12 löschen"));
        states << files();
        view().Grid()->ShowRow(rowOf(13));
        ClickCell(view(), 0, rowOf(13));
        press(Qt::Key_X); // "Ausschneiden" of the whole message
        states << files();
        press(Qt::Key_V); // and back
        QCOMPARE(actions().undo->text(), QStringLiteral("&Rückgängig: Meldung 13 einfügen"));
        states << files();
        view().Grid()->ShowRow(rowOf(3));
        ClickCell(view(), 1, rowOf(3));

        // Undo all the way through every state in turn, to the opened project unmarked.
        const int steps = stack().count();
        QCOMPARE(steps, 7);
        for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
            while (files() != states[i] && stack().canUndo())
                press(Qt::Key_Z);
            QCOMPARE(files(), states[i]);
        }
        QCOMPARE(stack().index(), 0);
        QVERIFY(!marked());
        QVERIFY(!session().NeedsSaving());
        QCOMPARE(textOf(12, 1).isEmpty(), false);
        for (int i = 0; i < steps; ++i)
            press(i % 2 ? Qt::Key_Y : Qt::Key_Z, i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(files(), states.last());
        QVERIFY(marked());
    }

    // The header's long-line mark follows the text through the history, edit open or not.
    // The demo's first language has a line of 38 characters for 24 from the start.
    void longLineMarkFollowsUndoAndRedo()
    {
        session().history.clock = [] { return qint64(0); }; // no pauses: steps by word only
        using Marks = std::array<bool, 2>;
        QCOMPARE(table().lineTooLong, (Marks{true, false}));
        ClickCell(view(), 2, rowOf(2));
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClicks(view().Editor(), QStringLiteral("-Stufe-II")); // 27 of 24
        QCOMPARE(table().lineTooLong, (Marks{true, true}));
        QTest::keyClick(view().Editor(), Qt::Key_Escape);
        QCOMPARE(table().lineTooLong, (Marks{true, true}));
        while (stack().canUndo())
            press(Qt::Key_Z);
        QCOMPARE(table().lineTooLong, (Marks{true, false}));
        press(Qt::Key_Y);
        QCOMPARE(table().lineTooLong, (Marks{true, true}));
    }

    // A narrow window keeps its width: the bar puts its options below its fields, cutting
    // none of them, and goes back to one row when the window is wide again.
    void findBarFitsTheWindowInsteadOfWideningIt()
    {
        view().Grid()->setFocus();
        window->resize(500, 600);
        QTRY_COMPARE(window->width(), 500);
        press(Qt::Key_R); // "Ersetzen..."
        FindBar& bar = *window->Finder()->Bar();
        QTRY_VERIFY(bar.isVisible() && bar.IsNarrow());
        QTRY_VERIFY(bar.height() >= bar.minimumSizeHint().height());
        QCOMPARE(window->width(), 500);
        // Every part inside the bar, none over another.
        QList<QWidget*> parts;
        for (QWidget* child : bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                parts << child;
        for (QWidget* part : parts) {
            QVERIFY2(bar.rect().contains(part->geometry()), qPrintable(part->metaObject()->className()));
            for (QWidget* other : parts)
                QVERIFY(part == other || !part->geometry().intersects(other->geometry()));
        }
        press(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(window->width(), 500);
        window->resize(1280, 600);
        press(Qt::Key_F);
        QTRY_VERIFY(!bar.IsNarrow());
        QCOMPARE(window->width(), 1280);
    }

    void findBarSearchesAndReplacesInDisplayCharacters()
    {
        view().Grid()->setFocus();
        press(Qt::Key_F); // "Suchen..."
        FindBar& bar = *window->Finder()->Bar();
        QCOMPARE(QApplication::focusWidget(), bar.FindField());
        QTest::keyClicks(bar.FindField(), QStringLiteral("LÄUFT"));
        press(Qt::Key_F3, Qt::NoModifier); // "Weitersuchen", without case by default
        QCOMPARE(view().Grid()->Row(), rowOf(1));
        press(Qt::Key_F3, Qt::NoModifier);
        QCOMPARE(view().Grid()->Row(), rowOf(5));
        press(Qt::Key_F3, Qt::ShiftModifier); // "Rückwärts suchen"
        QCOMPARE(view().Grid()->Row(), rowOf(1));

        // Blinking characters are found only as blinking ones.
        bar.FindField()->clear();
        press(Qt::Key_F2); // "Blink ein" in the field
        QTest::keyClicks(bar.FindField(), QStringLiteral("NOT-AUS"));
        QVERIFY(bar.Pattern().startsWith("\x0FNOT-AUS"));
        QTest::keyClick(bar.FindField(), Qt::Key_Return);
        QCOMPARE(view().Grid()->Row(), rowOf(100));

        bar.FindField()->clear();
        press(Qt::Key_F2, Qt::NoModifier); // "Blink aus"
        QTest::keyClicks(bar.FindField(), QStringLiteral("LÄUFT"));
        press(Qt::Key_R); // "Ersetzen..."
        QCOMPARE(QApplication::focusWidget(), bar.ReplaceField());
        QTest::keyClicks(bar.ReplaceField(), QStringLiteral("steht"));
        const QByteArray before = files();
        const int steps = stack().count();
        QTest::mouseClick(bar.ReplaceAllButton(), Qt::LeftButton);
        QCOMPARE(stack().count(), steps + 1);
        QVERIFY(textOf(1).startsWith("Anlage steht"));
        bool reported = false;
        for (QLabel* label : bar.findChildren<QLabel*>())
            reported = reported || label->text() == QStringLiteral("3 Stellen ersetzt.");
        QVERIFY(reported);
        // In the fields Strg+Z takes back typing; closed, the bar's replacing.
        QTest::keyClick(bar.ReplaceField(), Qt::Key_Escape);
        QVERIFY(!window->Finder()->BarShown());
        press(Qt::Key_Z);
        QCOMPARE(files(), before);
    }

    // Ctrl+G goes to a message by number, offering the next one for a missing number.
    void goToOffersTheNextMessageForAMissingNumber()
    {
        view().Grid()->setFocus();
        QCOMPARE(goTo(QStringLiteral("7")), QStringLiteral("Meldung 7 gibt es nicht. OK geht zur nächsten, Meldung 10."));
        QCOMPARE(view().Grid()->Row(), rowOf(10));
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(view().Grid()));
        QCOMPARE(goTo(QStringLiteral("3")), QString());
        QCOMPARE(view().Grid()->Row(), rowOf(3));
        const int last = table().At(table().Count() - 1).number;
        QVERIFY(goTo(QStringLiteral("1023")).endsWith(QStringLiteral("zur letzten, Meldung %1.").arg(last)));
        QCOMPARE(view().Grid()->Row(), table().Count());

        // Ctrl+P prints from the grid (once ctrlPPrintsFromTheGrid).
        activate();
        bool asked = false;
        OnModal<QPrintDialog>([&asked](QPrintDialog* dialog) {
            asked = true;
            dialog->reject();
        });
        QTest::keyClick(window->focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(asked);
    }

    void previewFollowsTheGridAndTheTyping()
    {
        view().Grid()->setFocus();
        QVERIFY(dock().isHidden());
        window->Actions()->viewMenu->actions().last()->trigger(); // "Anzeigevorschau"
        QVERIFY(dock().isVisible());
        ClickCell(view(), 1, rowOf(1));
        QTRY_COMPARE(dock().Caption()->text(), QStringLiteral("Meldung 1, Sprache1"));
        QCOMPARE(dock().Preview().LineLength(), 24);
        QCOMPARE(dock().Preview().MessageLineCount(), 2);
        const int end = static_cast<int>(table().At(table().IndexOf(1)).text[0].indexOf('\r'));
        QCOMPARE(dock().Preview().Frame().Cell(end, 0), GlyphRows{});
        QTest::keyClick(view().Editor(), Qt::Key_End);
        QTest::keyClicks(view().Editor(), QStringLiteral("!"));
        QTRY_VERIFY(dock().Preview().Frame().Cell(end, 0) != GlyphRows{});
        QCOMPARE(dock().Painter().Look(), DotLook::LedRed); // most of the demo's keys are red

        QTest::keyClick(view().Editor(), Qt::Key_Escape);
        QTest::keyClick(view().Grid(), Qt::Key_Down);
        QTRY_COMPARE(dock().Caption()->text(), QStringLiteral("Meldung 2, Sprache1"));
        dock().LookBox()->setCurrentIndex(dock().LookBox()->findText(QStringLiteral("LCD")));
        dock().LinesBox()->setValue(4);
        QCOMPARE(dock().Painter().Look(), DotLook::Lcd);
        QCOMPARE(dock().View()->size(), dock().Painter().FrameSize(24, 4));
        // The dock grows with the lines: the whole picture is in sight.
        QTRY_COMPARE(dock().View()->visibleRegion().boundingRect().size(), dock().View()->size());
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
