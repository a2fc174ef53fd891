#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "app/MainActions.h"
#include "compare/ui/ProjectCompareWindow.h"
#include "session/ProjectSession.h"
#include "support/TestHelpers.h"
#include "app/AppTestSupport.h"

using namespace tavolin::test;

// "Mit Projekt vergleichen..." in the editor: another project side by side, a message taken
// across as one undo step, a ".bak" generation of the project itself.
class CompareWindowTest : public MainWindowFixture
{
    Q_OBJECT

    // A copy of the demo with message 2 changed, message 3 gone, 700 new and a brighter display.
    QString makeOther()
    {
        const QString folder = CopyDemo(*base, QStringLiteral("Anders"));
        ProjectSession other;
        other.Load(folder);
        other.Table(0)->SetText(2, 0, "Handbetrieb\r\x0F" "anders\x0E");
        other.Table(0)->DeleteAt(other.Table(0)->IndexOf(3));
        other.Table(0)->SetText(700, 0, "Neu");
        other.Table(0)->headerLines[0][2] = "Helligkeit: 50%";
        other.Save();
        return folder;
    }

    // Runs the window on `folder` with `action` inside it.
    void compare(const QString& folder, std::function<void(ProjectCompareWindow*)> action)
    {
        bool ran = false;
        OnModal<ProjectCompareWindow>([&](ProjectCompareWindow* w) {
            action(w);
            ran = true;
            w->reject();
        });
        window->Projects()->CompareWithProject(folder);
        QVERIFY(ran);
    }

    static void selectNumber(ProjectCompareWindow* w, int number)
    {
        const QList<MessageDifference>& rows = w->Difference().tables[w->Tables()->currentIndex()].messages;
        for (int row = 0; row < rows.size(); ++row)
            if (rows[row].number == number)
                w->Rows()->SetCurrent(row);
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
        activate();
    }
    void cleanup() { CloseWindow(); }

    void takesMessagesAcrossAndComparesWithTheBakGeneration()
    {
        // (Was takesMessagesAcrossAsOneUndoStepEach.) Each message taken is one undo step.
        const QString other = makeOther();
        const QByteArray before2 = textOf(2);
        const QByteArray before3 = textOf(3);
        QUndoStack& stack = session().history.Stack();
        compare(other, [&](ProjectCompareWindow* w) {
            QCOMPARE(w->Tables()->currentIndex(), 0);
            QCOMPARE(w->Rows()->Count(), 3); // 2, 3, 700
            QVERIFY(w->Details()->toPlainText().contains(QStringLiteral("Helligkeit: 80% \u2192 50%")));
            QVERIFY(!w->BackupBox()->isChecked());

            selectNumber(w, 2);
            QTest::mouseClick(w->TakeButton(), Qt::LeftButton);
            QCOMPARE(textOf(2), QByteArray("Handbetrieb\r\x0F" "anders\x0E"));
            QCOMPARE(stack.count(), 1);
            QCOMPARE(w->Rows()->Count(), 2); // compared anew
            QCOMPARE(view().Grid()->Row(), rowOf(2)); // the grid shows it

            selectNumber(w, 3); // missing over there: its text goes here too
            QVERIFY(w->TakeButton()->isEnabled());
            QVERIFY(w->TakeCurrent());
            QCOMPARE(textOf(3), QByteArray());
            QCOMPARE(stack.count(), 2);
        });
        QVERIFY(session().IsModified());
        window->Actions()->undo->trigger();
        QCOMPARE(textOf(3), before3);
        window->Actions()->undo->trigger();
        QCOMPARE(textOf(2), before2);
        QVERIFY(!session().IsModified());

        // (Was comparesTheProjectWithItsBakGeneration.) The project itself is compared with
        // its ".bak" generation, which a save has just made.
        table().SetText(2, 0, "Gespeichert");
        session().Save();
        compare(demo, [&](ProjectCompareWindow* w) {
            QVERIFY(w->BackupBox()->isChecked());
            QCOMPARE(w->Rows()->Count(), 1);
            QCOMPARE(w->Difference().tables[0].messages.value(0).right, QByteArray("Handbetrieb aktiv"));
            w->BackupBox()->setChecked(false); // the files on disk: the same as the project
            QCOMPARE(w->Rows()->Count(), 0);
            QVERIFY(!w->TakeButton()->isEnabled());
        });
    }
};

QTEST_MAIN(CompareWindowTest)
#include "tst_comparewindow.moc"
