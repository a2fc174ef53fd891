#include <QAction>
#include <QComboBox>
#include <QLabel>
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
#include "app/ViewCommands.h"
#include "dialogs/GotoMessage.h"
#include "dialogs/Neuemld.h"
#include "preview/ui/PreviewDock.h"
#include "texts/TextFile.h"

using namespace tavolin::test;

namespace {
constexpr int Saved = TextFile::HeaderBlock | TextFile::MessageTexts;
}

// The project's undo history, the find bar and "&Ansicht" (going to a message by number, the
// display preview following the grid and the editor), driven by keys on the demo project.
class UndoFindTest : public MainWindowFixture
{
    Q_OBJECT

private:
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

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
        activate();
        session().history.clock = [] { return qint64(0); }; // no pauses: steps by word only
        view().Grid()->setFocus();
    }
    void cleanup() { CloseWindow(); }

    void commandsUndoAndRedoByteForByte()
    {
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
        AnswerBox(QMessageBox::Yes);
        press(Qt::Key_Delete); // "Löschen"
        activate();
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
        Screenshot(window.get(), QStringLiteral("undo-editor-open"));
        window->Actions()->editMenu->popup(window->mapToGlobal(QPoint(60, 30)));
        QTest::qWait(50);
        Screenshot(window->Actions()->editMenu, QStringLiteral("undo-menu"));
        window->Actions()->editMenu->close();
        activate();

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
        Screenshot(window.get(), QStringLiteral("find-bar-narrow"));
        press(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(window->width(), 500);
        window->resize(1280, 600);
        press(Qt::Key_F);
        QTRY_VERIFY(!bar.IsNarrow());
        QCOMPARE(window->width(), 1280);
    }

    void findBarSearchesAndReplacesInDisplayCharacters()
    {
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
        Screenshot(window.get(), QStringLiteral("find-bar"));

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
        QVERIFY(!files().contains("l\x84uft"));
        bool reported = false;
        for (QLabel* label : bar.findChildren<QLabel*>())
            reported = reported || label->text() == QStringLiteral("3 Stellen ersetzt.");
        QVERIFY(reported);
        Screenshot(window.get(), QStringLiteral("find-bar-replaced"));
        // In the fields Strg+Z takes back typing; closed, the bar's replacing.
        QTest::keyClick(bar.ReplaceField(), Qt::Key_Escape);
        QVERIFY(!window->Finder()->BarShown());
        press(Qt::Key_Z);
        QCOMPARE(files(), before);
    }

    void goToOffersTheNextMessageForAMissingNumber()
    {
        QCOMPARE(goTo(QStringLiteral("7")), QStringLiteral("Meldung 7 gibt es nicht. OK geht zur nächsten, Meldung 10."));
        QCOMPARE(view().Grid()->Row(), rowOf(10));
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(view().Grid()));
        QCOMPARE(goTo(QStringLiteral("3")), QString());
        QCOMPARE(view().Grid()->Row(), rowOf(3));
        const int last = table().At(table().Count() - 1).number;
        QVERIFY(goTo(QStringLiteral("1023")).endsWith(QStringLiteral("zur letzten, Meldung %1.").arg(last)));
        QCOMPARE(view().Grid()->Row(), table().Count());
    }

    void ctrlPPrintsFromTheGrid()
    {
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
        Screenshot(&dock(), QStringLiteral("preview-led"));

        QTest::keyClick(view().Editor(), Qt::Key_Escape);
        QTest::keyClick(view().Grid(), Qt::Key_Down);
        QTRY_COMPARE(dock().Caption()->text(), QStringLiteral("Meldung 2, Sprache1"));
        dock().LookBox()->setCurrentIndex(dock().LookBox()->findText(QStringLiteral("LCD")));
        dock().LinesBox()->setValue(4);
        QCOMPARE(dock().Painter().Look(), DotLook::Lcd);
        QCOMPARE(dock().View()->size(), dock().Painter().FrameSize(24, 4));
        // The dock grows with the lines: the whole picture is in sight.
        QTRY_COMPARE(dock().View()->visibleRegion().boundingRect().size(), dock().View()->size());
        Screenshot(&dock(), QStringLiteral("preview-lcd"));
    }
};

QTEST_MAIN(UndoFindTest)
#include "tst_undofind.moc"
