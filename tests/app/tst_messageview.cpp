#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>
#include <QTextBlock>

#include "AppTestSupport.h"
#include "charset/CharSet.h"
#include "print/MessageCellPainter.h"
#include "texts/MessageTable.h"

using namespace tavolin::test;

// The grid and in-place editor on their own, with the real generated fonts.
class MessageViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TCharSet> standard;
    std::unique_ptr<TCharSet> graphics;
    std::unique_ptr<TMessageTable> table;
    std::unique_ptr<MessageView> view;
    int h = 0;

    TDisplayType type(const QString& name)
    {
        TDisplayType t;
        FindDisplayType(name, t);
        return t;
    }

    void show(const QString& typeName, QSize size = QSize(900, 400))
    {
        view = std::make_unique<MessageView>(*standard, *graphics);
        view->resize(size);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->SetTable(table.get(), type(typeName));
        view->RefreshLayout(*table);
    }

    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        UsePrivateSettings();
        standard = std::make_unique<TCharSet>('S');
        graphics = std::make_unique<TCharSet>('G');
        standard->Import(ProgramDir() + QStringLiteral("/led.fix"));
        graphics->Import(ProgramDir() + QStringLiteral("/default.pix"));
        h = QFontMetrics(standard->font).height();
        QVERIFY(h > 0);
    }

    void init()
    {
        table = std::make_unique<TMessageTable>();
        table->SetText(1, 0, "Hallo");
        table->SetText(2, 0, "Zeile1\rZeile2\rZeile3");
        table->SetText(3, 0, "\x0FRot\x0E schwarz \x10" "ABC\x12");
        table->SetText(4, 1, "zweite\rSprache");
        for (int n = 10; n < 70; ++n)
            table->SetText(n, 0, QByteArray("Meldung ") + QByteArray::number(n));
        table->modified = {false, false};
        table->fileName = {QStringLiteral("/x/Sprache1.txt"), QStringLiteral("/x/Sprache2.txt")};
    }

    void cleanup()
    {
        view.reset();
        table.reset();
    }

    // (The empty last row asking for a new message, once emptyLastRowAsksForANewMessage
    // here, is walked in the window's new-message test.)
    void oneLanguageTypeHasTwoColumns()
    {
        show(QStringLiteral("Orbex 1"));
        QCOMPARE(view->Grid()->ColCount(), 2);
        QCOMPARE(view->Grid()->RowHeight(4), h); // language 2 is never measured
    }

    // Scrolled sideways in a narrow window, the grid shows every column again once the
    // window is wide enough for them.
    void growingWindowScrollsBackToTheFirstLanguage()
    {
        show(QStringLiteral("Quon 3"), QSize(430, 400));
        MessageGrid& grid = *view->Grid();
        grid.SetLeftCol(2);
        QCOMPARE(grid.LeftCol(), 2);
        view->resize(1280, 400);
        QTRY_COMPARE(grid.width(), 1280);
        QCOMPARE(grid.LeftCol(), 1);
        QCOMPARE(grid.CellRect(1, 1).left(), grid.ColWidth(0) + MessageGrid::LineWidth);
    }

    void clipsTheLastVisibleRowAndScrollsItInWhenClicked()
    {
        show(QStringLiteral("Quon 3"));
        MessageGrid& grid = *view->Grid();
        const int last = grid.LastVisibleRow();
        QVERIFY(last < table->Count());
        int clippedSlot = -1;
        for (int slot = 0; slot < table->Count(); ++slot)
            if (table->At(slot).rowClipped)
                clippedSlot = slot;
        QCOMPARE(clippedSlot, last - 1);
        QVERIFY(grid.CellRect(1, last).height() < table->At(clippedSlot).rowHeight);
        QCOMPARE(grid.CellRect(1, last).bottom(), grid.ClientHeight() - 1);

        ClickCell(*view, 1, last);
        QVERIFY(grid.TopRow() > 1 || grid.TopOffset() > 0);
        QVERIFY(!table->At(clippedSlot).rowClipped);
        QCOMPARE(grid.CellRect(1, last).height(), table->At(clippedSlot).rowHeight);
        QVERIFY(view->EditorShown());
        QCOMPARE(view->Panel()->geometry(), grid.CellRect(1, clippedSlot + 1));
    }

    void aMessageTallerThanTheWindowScrollsByPixels()
    {
        QByteArray tall;
        for (int line = 1; line <= 62; ++line)
            tall += QByteArray("Zeile ") + QByteArray::number(line) + (line < 62 ? "\r" : "");
        table->SetText(2, 0, tall);
        show(QStringLiteral("Quon 3"));
        ClickCell(*view, 1, 2);
        CellEditor& editor = *view->Editor();
        QVERIFY(view->EditorShown());
        QVERIFY(view->Panel()->height() < 62 * h);
        // The caret stays in view down to the last line, and so does what is typed there.
        QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&editor, QStringLiteral("!"));
        QVERIFY(editor.viewport()->rect().contains(editor.cursorRect()));
        QVERIFY(editor.verticalScrollBar()->isVisible());
        // Its scroll bar covers neither its own lines nor the next language's first character.
        QVERIFY(view->Panel()->geometry().right() < view->Grid()->CellRect(2, 2).left());
        QVERIFY(editor.viewport()->width() >= view->TextColumnWidth());
        // The wheel over the message moves its text by pixels, not by messages.
        const int before = editor.verticalScrollBar()->value();
        QWheelEvent wheel(QPointF(10, 10), editor.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor.viewport(), &wheel);
        QVERIFY(editor.verticalScrollBar()->value() < before);
        QVERIFY(before - editor.verticalScrollBar()->value() < 10 * h);
        QCOMPARE(view->Grid()->TopRow(), 2);
        QTest::keyClick(&editor, Qt::Key_Escape);
        QVERIFY(table->At(1).text[0].endsWith("Zeile 62!"));

        // Without the editor the grid itself scrolls through the message by pixels, to
        // its last line, before the next message comes to the top.
        MessageGrid& grid = *view->Grid();
        QWheelEvent down(QPointF(60, 60), grid.viewport()->mapToGlobal(QPointF(60, 60)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        int offset = 0;
        while (grid.TopRow() == 2 && offset < 62 * h) {
            QApplication::sendEvent(grid.viewport(), &down);
            QVERIFY(grid.TopRow() > 2 || grid.TopOffset() == offset + 3 * h);
            offset = grid.TopOffset();
            if (grid.TopRow() == 2 && grid.CellRect(1, 2).bottom() < grid.ClientHeight() - 1)
                break;
        }
        QCOMPARE(grid.TopRow(), 2);
        QVERIFY(grid.CellRect(1, 2).height() < grid.ClientHeight() - grid.RowHeight(0));
    }

    // The cell opens in place and stores only changes; typed text becomes display codes.
    void typedTextBecomesDisplayCodesAndLines()
    {
        show(QStringLiteral("Quon 3"));
        // Each row as high as the most lines of its languages.
        QCOMPARE(view->Grid()->RowHeight(2), 3 * h);
        QCOMPARE(view->Grid()->RowHeight(4), 2 * h);
        ClickCell(*view, 1, 1);
        QCOMPARE(view->Editor()->toPlainText(), QStringLiteral("Hallo"));
        ClickCell(*view, 1, 2); // leaving without typing changes nothing
        QVERIFY(!table->modified[0]);
        QCOMPARE(view->CellEdit().slot, 1);
        QTest::keyClick(view->Editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(view->Editor(), QStringLiteral("!"));
        QTest::keyClick(view->Editor(), Qt::Key_Escape);
        QCOMPARE(table->At(1).text[0], QByteArray("Zeile1\rZeile2\rZeile3!"));
        QVERIFY(table->modified[0]);
        QVERIFY(!table->modified[1]);

        ClickCell(*view, 1, 1);
        QTest::keyClick(view->Editor(), Qt::Key_End);
        type(view->Editor(), QStringLiteral("äÖ°\u4E2D€é"));
        QTest::keyClick(view->Editor(), Qt::Key_Escape);
        // ä and Ö have display codes of their own; the degree sign is 0xF8; a character
        // the display does not have is refused rather than shown as another glyph.
        QCOMPARE(table->At(0).text[0], QByteArray("Hallo\x84\x99\xF8"));

        // The editor grows with its lines.
        ClickCell(*view, 1, 1);
        QTest::keyClick(view->Editor(), Qt::Key_End);
        QTest::keyClick(view->Editor(), Qt::Key_Return);
        QTest::keyClicks(view->Editor(), QStringLiteral("zwei"));
        QCOMPARE(view->Grid()->RowHeight(1), 2 * h);
        QCOMPARE(view->Panel()->height(), 2 * h);
        QCOMPARE(table->At(0).rowHeight, 2 * h);
        QTest::keyClick(view->Editor(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(view->Editor()->document()->blockCount(), 3);
    }

    // The header mark of a column stands exactly while some message of that column has a
    // line longer than the display's, whichever cell is open.
    void refusesSpacesAtTheLineEndAndMarksLongLines()
    {
        using Marks = std::array<bool, 2>;
        table->SetText(1, 0, QByteArray(24, 'A'));
        table->SetText(4, 1, QByteArray("\x0F") + QByteArray(24, 'B') + "\x0E\rkurz"); // blink takes no column
        show(QStringLiteral("Quon 1")); // 24 characters a line
        QCOMPARE(table->lineTooLong, (Marks{false, false}));
        ClickCell(*view, 1, 1);
        QTest::keyClick(view->Editor(), Qt::Key_End);
        QTest::keyClick(view->Editor(), Qt::Key_Space);
        QCOMPARE(view->Editor()->toPlainText().size(), 24);
        QCOMPARE(table->lineTooLong, (Marks{false, false}));
        QTest::keyClicks(view->Editor(), QStringLiteral("B"));
        QCOMPARE(table->lineTooLong, (Marks{true, false}));
        QTest::keyClick(view->Editor(), Qt::Key_Backspace);
        QCOMPARE(table->lineTooLong, (Marks{false, false}));
        QTest::keyClick(view->Editor(), Qt::Key_Home);
        QTest::keyClick(view->Editor(), Qt::Key_Space);
        QCOMPARE(view->Editor()->toPlainText().size(), 25);
        QCOMPARE(table->lineTooLong, (Marks{true, false}));

        // Another cell opened, or none: the long line is still there, so is its mark.
        ClickCell(*view, 2, 4);
        QCOMPARE(table->lineTooLong, (Marks{true, false}));
        QTest::keyClick(view->Editor(), Qt::Key_Escape);
        QCOMPARE(table->lineTooLong, (Marks{true, false}));
        const auto markPixels = [this](int col) {
            const QRect header = view->Grid()->CellRect(col, 0);
            return CountPixels(view->Grid()->viewport()->grab(header.adjusted(header.width() - 16, 0, 0, 0)).toImage(),
                               Colour(0x000000));
        };
        QVERIFY(markPixels(1) > 50);
        QCOMPARE(markPixels(2), 0);

        // A line grown long elsewhere than in the editor (undo, paste, replace) marks its
        // column at the next layout; one made short again clears it.
        table->At(3).text[1].insert(1, 'C');
        table->At(0).text[0].chop(1);
        view->RefreshLayout(*table);
        QCOMPARE(table->lineTooLong, (Marks{false, true}));
        QCOMPARE(markPixels(1), 0);
        QVERIFY(markPixels(2) > 50);
    }

    void printingDrawsWhiteOnBlackWithoutMarks()
    {
        CellDrawContext context;
        context.standardFont = standard->font;
        context.graphicsFont = graphics->font;
        context.editSlot = 2;
        table->lineTooLong = {true, false};
        table->At(5).rowClipped = true;
        const auto draw = [&](bool printing, int row, int column) {
            QImage image(300, 32, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            DrawMessageCell(*table, painter, QRect(0, 0, 300, 32), row, column, printing, context);
            return image;
        };
        const auto count = [](const QImage& image, QRgb colour, QRect area) {
            return CountPixels(image, Colour(colour), area);
        };
        const int blinkWidth = 3 * QFontMetrics(standard->font).horizontalAdvance(QLatin1Char('T'));
        const QRect blinkArea(1, 0, blinkWidth, h);
        const QImage printed = draw(true, 3, 1);
        QCOMPARE(count(printed, 0xFF0000, printed.rect()), 0);
        QVERIFY(count(printed, 0x000000, blinkArea) > count(printed, 0xFFFFFF, blinkArea));
        QCOMPARE(count(printed, 0x000000, QRect(0, h + 1, 300, 31 - h)), 0); // no end-of-text rule
        const QImage screen = draw(false, 3, 1);
        QVERIFY(count(screen, 0xFF0000, blinkArea) > 0);

        const QRect mark(280, 0, 20, 32);
        QCOMPARE(count(draw(true, 0, 1), 0x000000, mark), 0);
        QVERIFY(count(draw(false, 0, 1), 0x000000, mark) > 50); // long-line mark
        const QRect triangle(140, 18, 20, 10);
        QCOMPARE(count(draw(true, 6, 0), 0x000000, triangle), 0);
        QVERIFY(count(draw(false, 6, 0), 0x000000, triangle) > 40); // clipped row
    }

    void freezesWhileAFontIsReplaced()
    {
        show(QStringLiteral("Quon 3"));
        const QImage before = view->Grid()->viewport()->grab().toImage();
        view->FontGoing(standard->FaceName());
        QVERIFY(view->Grid()->IsFrozen());
        view->FontBack(standard->FaceName());
        QVERIFY(!view->Grid()->IsFrozen());
        QCOMPARE(view->Grid()->viewport()->grab().toImage(), before);
        view->FontGoing(standard->FaceName());
        QTest::qWait(1); // the face never comes back: the view must not stay frozen
        QTRY_VERIFY(!view->Grid()->IsFrozen());
    }
};

QTEST_MAIN(MessageViewTest)
#include "tst_messageview.moc"
