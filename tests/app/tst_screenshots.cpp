#include "AppTestSupport.h"
#include "app/CharSetBox.h"
#include "app/MainActions.h"
#include "charset/FontEditorLink.h"

using namespace tavolin::test;

namespace {

// The part of the widget drawn at a device pixel ratio, as a screen of that scale shows it.
QImage Render(QWidget* widget, qreal ratio, const QRect& area)
{
    QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(area));
    return image;
}

// Lengths of the horizontal and vertical runs of pixels of the colour.
QList<int> Runs(const QImage& image, QRgb colour)
{
    QList<int> runs;
    for (const QImage& picture : {image, image.transformed(QTransform().rotate(90))})
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0, run = 0; x <= picture.width(); ++x) {
                if (x < picture.width() && (picture.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    ++run;
                else if (run > 0)
                    runs << std::exchange(run, 0);
            }
    return runs;
}

// Dots of one size make every run a whole number of dots, and the shortest run one dot.
void CheckOneDotSize(const QImage& image, QRgb colour, qreal logicalDot, const char* what)
{
    const QList<int> runs = Runs(image, colour);
    QVERIFY2(!runs.isEmpty(), what);
    const int dot = *std::min_element(runs.begin(), runs.end());
    QVERIFY2(dot >= std::floor(logicalDot * image.devicePixelRatio()), what);
    for (int run : runs)
        QVERIFY2(run % dot == 0, qPrintable(QStringLiteral("%1 at %2: run %3, dot %4")
                                                .arg(QLatin1String(what)).arg(image.devicePixelRatio()).arg(run).arg(dot)));
}

} // namespace

// The window as a user sees it. Checks that what is drawn is the display's own dots
// (black, red, white, nothing in between), each of one size at the scales of common screens;
// with TAVOLIN_SCREENSHOTS set it also keeps the picture (run it under Xvfb with
// QT_QPA_PLATFORM=xcb to see the real server's pixels).
class ScreenshotTest : public MainWindowFixture
{
    Q_OBJECT

    // Colours inside a text cell may only be the dots, the paper and the grid's own marks.
    static int countForeign(const QImage& image, const QRect& area)
    {
        return CountPixels(image, [](QRgb p) { return p != 0xFFFFFF && p != 0x000000 && p != 0xFF0000; }, area);
    }

private Q_SLOTS:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        OpenWindow();
        QVERIFY(window->Projects()->OpenFolder(demo));
    }
    void cleanup() { CloseWindow(); }

    void editingAMessage()
    {
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

        // Every dot of one size in the grid, the in-place editor and the glyph editor
        // (dotsHaveOneSizeAtEveryScale).
        view().OpenCell(rowOf(2) - 1, 0);
        QVERIFY(view().EditorShown());
        // Away from the editor, so that no caret is drawn.
        window->Actions()->charSetBox->setFocus();
        window->Actions()->editCharSet->trigger();
        QVERIFY(glyphEditor());
        QWidget* glyphGrid = nullptr;
        for (QWidget* child : glyphEditor()->findChildren<QWidget*>())
            if (child->accessibleName() == QStringLiteral("Zeichenübersicht"))
                glyphGrid = child;
        QVERIFY(glyphGrid);

        const QRect texts = view().Grid()->CellRect(1, rowOf(3)).united(view().Grid()->CellRect(1, rowOf(5)));
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            CheckOneDotSize(Render(view().Grid()->viewport(), ratio, texts), qRgb(0, 0, 0), 2, "grid");
            CheckOneDotSize(Render(view().Editor()->viewport(), ratio, view().Editor()->viewport()->rect()),
                            qRgb(0, 0, 0), 2, "editor");
            // The glyph overview below and right of its code labels.
            CheckOneDotSize(Render(glyphGrid, ratio, glyphGrid->rect().adjusted(24, 16, 0, 0)),
                            glyphGrid->palette().color(QPalette::Text).rgb(), 3, "glyph overview");
        }
        FontEditorLink::Instance().EndEditor();
    }
};

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshots.moc"
