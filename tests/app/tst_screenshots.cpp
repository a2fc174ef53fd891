#include "AppTestSupport.h"
#include "app/MainActions.h"

using namespace tavolin::test;

// The window as a user sees it. Checks that what is drawn is the display's own dots
// (black, red, white, nothing in between); with TAVOLIN_SCREENSHOTS set it also keeps the
// picture (run it under Xvfb with QT_QPA_PLATFORM=xcb to see the real server's pixels).
class ScreenshotTest : public MainWindowFixture
{
    Q_OBJECT

private:
    // Colours inside a text cell may only be the dots, the paper and the grid's own marks.
    static int countForeign(const QImage& image, const QRect& area)
    {
        int foreign = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xFFFFFF;
                if (p != 0xFFFFFF && p != 0x000000 && p != 0xFF0000)
                    ++foreign;
            }
        return foreign;
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void editingAMessage()
    {
        QVERIFY(window->Projects()->OpenFolder(demo));
        ClickCell(view(), 1, rowOf(100));
        CellEditor* editor = view().Editor();
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral(" !"));
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral(" ok"));
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        window->Actions()->blinkOn->trigger();
        QTest::keyClick(editor, Qt::Key_End);
        window->Actions()->blinkOff->trigger();
        window->Actions()->graphicsOn->trigger();
        QTest::keyClicks(editor, QStringLiteral("C"));
        window->Actions()->graphicsOff->trigger();
        QTest::qWait(50);
        Screenshot(window.get(), QStringLiteral("mainwindow-editing"));

        const QImage grid = view().Grid()->viewport()->grab().toImage();
        const QRect cell = view().Grid()->CellRect(1, 2).adjusted(0, 0, 0, -3);
        QCOMPARE(countForeign(grid, cell), 0);
        const QImage panel = view().Panel()->grab().toImage();
        QCOMPARE(countForeign(panel, panel.rect().adjusted(4, 0, 0, 0)), 0);
    }
};

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshots.moc"
