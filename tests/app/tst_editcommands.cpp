#include <QAction>
#include <QClipboard>
#include <QSet>
#include <QMimeData>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "AppTestSupport.h"
#include "app/MainActions.h"
#include "app/StatusBar.h"
#include "charset/FontEditorEvents.h"
#include "charset/FontEditorLink.h"
#include "dialogs/Neuemld.h"
#include "project/ui/Import1.h"
#include "project/ui/Projekt_offnen.h"

using namespace tavolin::test;

// The commands of "&Bearbeiten" on the demo project, through menu actions and shortcuts.
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
        QVERIFY(table().modified[0]);
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

        // Cancel adds nothing; clicking the empty last row asks as well.
        const int count = table().Count();
        OnModal<Neuemld>([](Neuemld* dialog) { dialog->reject(); });
        view().Grid()->SetTopRow(table().Count());
        ClickCell(view(), 1, table().Count() + 1);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::qWait(20);
        QCOMPARE(table().Count(), count);
    }

    void deletesOneOrSeveralRows()
    {
        const int count = table().Count();
        ClickCell(view(), 0, rowOf(2));
        auto answer = AnswerBox(QMessageBox::Yes);
        press(Qt::Key_Delete); // "&Löschen"
        QCOMPARE(answer->count, 1);
        QCOMPARE(answer->caption, QStringLiteral("Meldung"));
        QCOMPARE(answer->text, QStringLiteral("Möchten Sie wirklich eine Meldung löschen ?"));
        QCOMPARE(table().IndexOf(2), -1);
        QCOMPARE(table().Count(), count - 1);
        QVERIFY(session().NeedsSaving());

        // The last message and the empty row: asked for two, one goes.
        activate();
        view().Grid()->SetTopRow(table().Count());
        const int lastNumber = table().At(table().Count() - 1).number;
        ClickCell(view(), 0, table().Count());
        ClickCell(view(), 0, table().Count() + 1, Qt::ShiftModifier);
        answer = AnswerBox(QMessageBox::No);
        window->Actions()->remove->trigger();
        QCOMPARE(answer->text, QStringLiteral("Möchten Sie wirklich mehrere Meldungen löschen ?"));
        QCOMPARE(table().Count(), count - 1);
        answer = AnswerBox(QMessageBox::Yes);
        window->Actions()->remove->trigger();
        QCOMPARE(answer->count, 1);
        QCOMPARE(table().Count(), count - 2);
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
        press(Qt::Key_H);
        QCOMPARE(int(view().CellEdit().slot), 0);

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
    }

    void clipboardKeepsAttributesAndUndoes()
    {
        ClickCell(view(), 1, rowOf(100)); // "NOT-AUS betätigt" blinks
        editor()->selectAll();
        window->Actions()->copy->trigger();
        ClickCell(view(), 1, rowOf(2));
        QTest::keyClick(editor(), Qt::Key_End);
        QTest::keyClick(editor(), Qt::Key_Return);
        window->Actions()->paste->trigger();
        QTest::keyClick(editor(), Qt::Key_Escape);
        QVERIFY(textOf(2).startsWith("Handbetrieb aktiv\r\x0FNOT-AUS bet\x84tigt\r"));

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
        QTest::qWait(20);
        Screenshot(window.get(), QStringLiteral("paste-foreign-characters"));
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
        QCOMPARE(answer->caption, QStringLiteral("Meldung"));
        QCOMPARE(textOf(1), QByteArray("anders"));

        // Into another project with one language.
        const QString single = emptyOneLanguageProject();
        auto dropChanges = AnswerBox(QMessageBox::No);
        openProject(single);
        view().Grid()->setFocus();
        press(Qt::Key_V);
        QTest::qWait(20);
        Screenshot(window.get(), QStringLiteral("paste-messages"));
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

    void glyphEditorNotifications()
    {
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
        QVERIFY(QFile::exists(base->path() + QStringLiteral("/Neu/Sprache1.txt")));
        QCOMPARE(textOf(2), QByteArray("Handbetrieb aktiv"));
        QVERIFY(session().NeedsSaving()); // a new project is unsaved
    }
    // What the menus offer in each state: save, new, previous, switch language, cut, blink,
    // delete, diagnostic texts (1 enabled, 0 disabled).
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
        Screenshot(window.get(), QStringLiteral("mainwindow-editor-closed"));
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
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
