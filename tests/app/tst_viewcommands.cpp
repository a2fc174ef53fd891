#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QSpinBox>

#include "AppTestSupport.h"
#include "app/MainActions.h"
#include "app/ViewCommands.h"
#include "dialogs/GotoMessage.h"
#include "preview/ui/PreviewDock.h"

using namespace tavolin::test;

// "&Ansicht": going to a message by number, and the display preview following the grid
// and the editor.
class ViewCommandsTest : public MainWindowFixture
{
    Q_OBJECT

private:
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
        view().Grid()->setFocus();
    }
    void cleanup() { CloseWindow(); }

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

QTEST_MAIN(ViewCommandsTest)
#include "tst_viewcommands.moc"
