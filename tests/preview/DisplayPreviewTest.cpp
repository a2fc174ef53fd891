#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "preview/DisplayFrame.h"
#include "preview/DisplayPainter.h"
#include "project/DisplayType.h"

namespace {

// Glyphs where each character shows its own code in its first row, so a frame tells which
// character stands in each cell.
QByteArray NumberedGlyphs()
{
    QByteArray pix(1568, '\0');
    for (int code = 32; code < 256; ++code)
        pix[(code - 32) * 7] = static_cast<char>(code & 0x1F);
    return pix;
}

int FirstRow(const TPreviewFrame& frame, int column, int row)
{
    return frame.Cell(column, row)[0];
}

struct PreviewTest : ::testing::Test
{
    qint64 now = 0;
    TDisplayPreview preview{[this] { return now; }};

    void SetUp() override { preview.SetGlyphs(NumberedGlyphs(), QByteArray(1568, '\x1F')); }
};

TEST_F(PreviewTest, BlinkCharactersFollowTheSettingsTimes)
{
    preview.SetTiming(ReadDisplayTiming({"Blink-Ein: 0,5s", "blink-aus: 0.2s", "Scrollzeit: 1,0s"}));
    EXPECT_EQ(preview.Timing(), (TDisplayTiming{500, 200, 1000}));
    EXPECT_EQ(ReadDisplayTiming({}), (TDisplayTiming{300, 200, 3200})); // what the display starts with
    // Blink carries over the line break; graphics come from the other set.
    preview.SetMessage("A\x0F" "B\rC\x0E" "D\x10" "E", true);
    const auto shown = [this](int column, int row) { return FirstRow(preview.Frame(), column, row) != 0; };
    for (const qint64 t : {0, 499, 700, 1199, 1400}) {
        now = t;
        EXPECT_TRUE(preview.BlinkShown()) << t;
        EXPECT_TRUE(shown(1, 0) && shown(0, 1)) << t;
    }
    for (const qint64 t : {500, 699, 1200}) {
        now = t;
        EXPECT_FALSE(preview.BlinkShown()) << t;
        EXPECT_FALSE(shown(1, 0) || shown(0, 1)) << t;
        EXPECT_TRUE(shown(0, 0) && shown(1, 1)) << t;
    }
    EXPECT_EQ(preview.Frame().Cell(2, 1)[0], 0x1F); // "E" in the graphics set
    now = 600;
    EXPECT_EQ(preview.NextChange(), 100);
    now = 100;
    EXPECT_EQ(preview.NextChange(), 400);

    // Without blink characters a two-line message never changes.
    preview.SetMessage("AB\rCD", true);
    EXPECT_EQ(preview.NextChange(), -1);
    // A time of 0 (blink off for no time) keeps blink characters lit.
    preview.SetTiming({0, 0, 1000});
    preview.SetMessage("\x0F" "A", true);
    EXPECT_TRUE(preview.BlinkShown());
    EXPECT_EQ(preview.NextChange(), -1);
}

TEST_F(PreviewTest, LongMessagesScrollLineByLineAtTheScrollTime)
{
    preview.SetTiming({300, 200, 1000});
    preview.SetGeometry(4, 2);
    now = 10'000;
    preview.SetMessage("ABCDEFG\rB\rC\rD\rE", true);
    const auto top = [this] { return FirstRow(preview.Frame(), 0, 0); };
    EXPECT_EQ(preview.Frame().columns, 4); // the rest of a long line is cut off
    EXPECT_EQ(FirstRow(preview.Frame(), 3, 0), 'D' & 0x1F);
    const std::pair<qint64, char> steps[] = {{10'999, 'A'}, {11'000, 'B'}, {13'500, 'D'}, {14'000, 'A'}, {15'000, 'B'}};
    for (const auto& [t, first] : steps) {
        now = t;
        EXPECT_EQ(top(), first & 0x1F) << t;
    }
    EXPECT_EQ(FirstRow(preview.Frame(), 0, 1), 'C' & 0x1F);
    now = 15'250;
    EXPECT_EQ(preview.NextChange(), 750);
    // The same message being typed in keeps its place; another one starts at its top.
    preview.SetMessage("A\rB\rC\rD\rE!", false);
    EXPECT_EQ(preview.TopLine(), 1);
    preview.SetMessage("A\rB\rC", true);
    EXPECT_EQ(preview.TopLine(), 0);
    // Fitting messages stand still; so does everything at a scroll time of 0.
    preview.SetGeometry(4, 3);
    now += 5000;
    EXPECT_EQ(preview.TopLine(), 0);
    preview.SetTiming({300, 200, 0});
    preview.SetGeometry(4, 1);
    EXPECT_EQ(preview.TopLine(), 0);
    EXPECT_EQ(preview.NextChange(), -1);
}

TEST(DotLookTest, LedOrLcdByTheDisplayTypeAndTheKeyColours)
{
    TDisplayType led{QStringLiteral("L"), QStringLiteral("led"), 40, 0, 12};
    TDisplayType lcd{QStringLiteral("C"), QStringLiteral("LCD"), 40, 0, 12};
    EXPECT_EQ(ChooseDotLook(lcd, {"Ta-Farbe: GGGGGGGGGGGG"}), DotLook::Lcd);
    EXPECT_EQ(ChooseDotLook(led, {}), DotLook::LedRed); // keys are red unless a line says otherwise
    EXPECT_EQ(ChooseDotLook(led, {"Ta-Farbe: RGGRRRRRRRRG"}), DotLook::LedRed);
    EXPECT_EQ(ChooseDotLook(led, {"Ta-Farbe: GGGGGGGRRRRR"}), DotLook::LedGreen);
    // Green keys beyond the display's twelve do not count.
    EXPECT_EQ(ChooseDotLook(led, {"Ta-Farbe: RRRRRRRRRRRRGGGGGGGGGGGGGGGG"}), DotLook::LedRed);
    led.keyCount = 0;
    EXPECT_EQ(ChooseDotLook(led, {"Ta-Farbe: GGGGGGGGGGGG"}), DotLook::LedAmber);
    TDisplayType shipped;
    ASSERT_TRUE(FindDisplayType(QStringLiteral("Quon 6"), shipped));
    EXPECT_EQ(ChooseDotLook(shipped, {}), DotLook::Lcd);

    // Round lit dots on dark for LED, square dark dots on a light panel for LCD.
    TPreviewFrame frame{1, 1, {GlyphRows{0x10, 0, 0, 0, 0, 0, 0}}};
    DisplayPainter painter;
    painter.SetPitch(10);
    for (const DotLook look : {DotLook::LedAmber, DotLook::Lcd}) {
        painter.SetLook(look);
        QImage image(painter.FrameSize(1, 1), QImage::Format_RGB32);
        QPainter canvas(&image);
        painter.Paint(canvas, QPoint(0, 0), frame);
        canvas.end();
        const QColor lit = image.pixelColor(25, 25);    // centre of the top left dot
        const QColor corner = image.pixelColor(20, 20); // its corner: round dots leave it dark
        const QColor unlit = image.pixelColor(35, 25);
        EXPECT_EQ(image.pixelColor(0, 0), painter.Background());
        if (look == DotLook::Lcd) {
            EXPECT_LT(lit.lightness(), 80);
            EXPECT_GT(unlit.lightness(), 100);
            EXPECT_EQ(image.pixelColor(21, 21), lit);
        } else {
            EXPECT_GT(lit.red(), 200);
            EXPECT_LT(unlit.red(), 100);
            EXPECT_EQ(corner, painter.Background());
        }
    }
}

} // namespace
