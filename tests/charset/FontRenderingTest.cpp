#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

using namespace tavolin::test;

namespace {

bool PixDot(const QByteArray& pix, int displayCode, int column, int row)
{
    const quint8 byte = static_cast<quint8>(pix[(displayCode - 32) * 7 + row]);
    return (byte >> (4 - column) & 1) != 0;
}

// Draws every Windows code with the set's font into its own 12 × 16 cell and compares
// each pixel with the ".pix" dot it stands for (one dot = 2 × 2 pixels, black or white).
void ExpectFontShowsPix(const TCharSet& set, const QByteArray& pix)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QImage image(16 * 12, 14 * 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(set.font);
        painter.setPen(Qt::black);
        const QFontMetrics metrics(set.font);
        for (int w = 32; w < 256; ++w) {
            const int cell = w - 32;
            painter.drawText(QPoint(cell % 16 * 12, cell / 16 * 16 + metrics.ascent()),
                             QString(CodePoint::FromWindows(static_cast<quint8>(w))));
        }
    }
    int wrong = 0;
    for (int w = 32; w < 256; ++w) {
        const int d = map.ToDisplay(static_cast<quint8>(w));
        const int cell = w - 32;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool expected = x < 10 && y < 14 && PixDot(pix, d, x / 2, y / 2);
                const QRgb rgb = image.pixel(cell % 16 * 12 + x, cell / 16 * 16 + y);
                const bool black = rgb == qRgb(0, 0, 0);
                EXPECT_TRUE(black || rgb == qRgb(255, 255, 255)) << "grey pixel at Windows code " << w;
                if (black != expected && ++wrong <= 10)
                    ADD_FAILURE() << "Windows code 0x" << std::hex << w << " pixel " << std::dec << x << "," << y;
            }
    }
    EXPECT_EQ(wrong, 0);
}

QByteArray SamplePix()
{
    QByteArray pix(TCharSet::PixSize, '\0');
    for (int i = 0; i < pix.size(); ++i)
        pix[i] = static_cast<char>((i * 37 + i / 7 * 11) & 0x1F);
    return pix;
}

} // namespace

TEST(FontRendering, FontHasTheCellOfTheDisplayAndFollowsAnExternalRewrite)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath(QStringLiteral("a.pix")), SamplePix());
    TCharSet set('G');
    set.Import(dir.filePath(QStringLiteral("a.pix")));
    const QFontMetrics metrics(set.font);
    EXPECT_EQ(metrics.ascent(), 12);
    EXPECT_EQ(metrics.descent(), 4);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("TTTT")), 48);
    ExpectFontShowsPix(set, SamplePix());
    EXPECT_FALSE(set.CheckExternalChange());

    // The glyph editor saves other dots under the same face name, a few milliseconds later:
    // seen once, even within the same second.
    QByteArray edited = SamplePix();
    for (char& byte : edited)
        byte = static_cast<char>(~byte & 0x1F);
    WriteAll(dir.filePath(QStringLiteral("b.pix")), edited);
    const QString face = set.FaceName();
    TCharSet::PixToFont(dir.filePath(QStringLiteral("b.pix")), set.fntPath, face);
    {
        QFile font(set.fntPath);
        ASSERT_TRUE(font.open(QIODevice::ReadWrite));
        ASSERT_TRUE(font.setFileTime(set.fntDate.addMSecs(3), QFileDevice::FileModificationTime));
    }
    QList<int> changes;
    QObject receiver; // ends the connection before `changes` goes; the set still reports its release
    QObject::connect(&set, &TCharSet::FontChange, &receiver, [&changes](int code, const QString&) { changes.append(code); });
    ASSERT_TRUE(set.CheckExternalChange());
    EXPECT_FALSE(set.CheckExternalChange());
    EXPECT_EQ(changes, QList<int>({1, 2}));
    EXPECT_TRUE(set.modified);
    EXPECT_EQ(set.FaceName(), face);
    ExpectFontShowsPix(set, edited);

    ASSERT_TRUE(set.Save(dir.filePath(QStringLiteral("saved.pix"))));
    EXPECT_FALSE(set.modified);
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("saved.pix"))), edited);
}

// (Was StandardAndStarterSetsDrawExactlyTheirDotsAndTheDemoHasTheStarterSet.) The shipped
// sets are drawn by the same path as the sample set above; the demo must carry the starter set.
TEST(FontRendering, TheDemoHasTheStarterSet)
{
    EXPECT_EQ(ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")), ReadAll(ProgramDir() + QStringLiteral("/default.pix")))
        << "examples/Demo/demo.pix is older than data/charsets/default.txt: copy build*/bin/default.pix there";
}
