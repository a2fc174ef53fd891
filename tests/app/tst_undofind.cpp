#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "app/EditCommands.h"
#include "app/FindBar.h"
#include "app/FindCommands.h"
#include "app/MainActions.h"
#include "dialogs/Neuemld.h"
#include "texts/TextFile.h"

using namespace tavolin::test;

namespace {
constexpr int Saved = TextFile::HeaderBlock | TextFile::MessageTexts;
}

// The project's undo history and the find bar, driven by keys on the demo project.
class UndoFindTest : public MainWindowFixture
{
    Q_OBJECT

private:
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    QUndoStack& stack() { return session().history.Stack(); }
    MainActions& actions() { return *window->Actions(); }
    // What saving would write: both languages' formatted text files.
    QByteArray files() { return FormatTextChecked(table(), 0, Saved) + '|' + FormatTextChecked(table(), 1, Saved); }
    bool marked() { return window->windowTitle().startsWith(QLatin1Char('*')); }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
        activate();
        session().history.clock = [] { return qint64(0); }; // no pauses: steps by word only
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
};

QTEST_MAIN(UndoFindTest)
#include "tst_undofind.moc"
