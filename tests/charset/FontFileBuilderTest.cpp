#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "common/TavolinError.h"

using namespace EditableFont;

namespace {

QByteArray SampleFont(const QString& face)
{
    QByteArray pix(PixSize, '\0');
    for (int i = 0; i < pix.size(); ++i)
        pix[i] = static_cast<char>((i * 29) & 0x1F);
    return FromPix(pix, face);
}

} // namespace

TEST(FontFileBuilder, LayoutForAnElevenCharacterFace)
{
    const QByteArray source = SampleFont("_ES0A1F.TMP");
    QString face;
    const QByteArray fon = BuildFontFileData(source, "x", &face);
    EXPECT_EQ(face, QStringLiteral("_ES0A1F.TMP"));
    ASSERT_EQ(fon.size(), 10016);

    // DOS stub and the NE header's fixed and measured values.
    EXPECT_EQ(fon.left(26), QByteArray::fromHex("4D5A72000300000020000000FFFF070000016540000000004000"));
    EXPECT_EQ(Get32(fon, 0x3C), 1024u);
    EXPECT_EQ(fon.mid(0x203, 43), QByteArray("This program requires Microsoft Windows.\r\n$"));
    EXPECT_EQ(fon.mid(0x256, 12), QByteArray::fromHex("5A0E1FB409CD21B8014CCD21"));
    const QByteArray ne = fon.mid(1024, 64);
    EXPECT_EQ(ne.left(12), QByteArray::fromHex("4E4505017D0002003CD0CD5F"));
    EXPECT_EQ(Get16(ne, 0x0C), 0x8300);
    EXPECT_EQ(Get16(ne, 0x20), 39);
    EXPECT_EQ(Get16(ne, 0x22), 64);
    EXPECT_EQ(Get16(ne, 0x24), 64);
    EXPECT_EQ(Get16(ne, 0x26), 116);
    EXPECT_EQ(Get16(ne, 0x28), 125);
    EXPECT_EQ(Get16(ne, 0x2A), 125);
    EXPECT_EQ(Get32(ne, 0x2C), 1151u);
    EXPECT_EQ(Get16(ne, 0x32), 4);
    EXPECT_EQ(static_cast<quint8>(ne[0x36]), 2);
    EXPECT_EQ(Get16(ne, 0x3E), 0x030A);

    // Resource table: the directory at 1200 (9 units), the font at 1344 (84 units).
    const QByteArray resources = fon.mid(1088, 44);
    EXPECT_EQ(resources.toHex(), QByteArray("0400" "0780" "0100" "00000000" "4b00" "0900" "500c" "2c00" "0000" "0000"
                                            "0880" "0100" "00000000" "5400" "1e02" "301c" "0280" "0000" "0000"
                                            "0000"));
    EXPECT_EQ(fon.mid(1132, 8), QByteArray("\x07" "FONTDIR"));
    EXPECT_EQ(fon.mid(1140, 9), QByteArray("\x05" "FONTS\0\0\0", 9));
    EXPECT_EQ(fon.mid(1151, 39), QByteArray("\x23" "FONTRES 100,96,96 : MURAN PIX FONTS\0\0\0", 39));

    // Font directory: count, ordinal, the final header's first 109 bytes, reserved, names.
    const int font = 1344;
    EXPECT_EQ(fon.mid(1200, 4), QByteArray::fromHex("01000200"));
    EXPECT_EQ(fon.mid(1204, 109), fon.mid(font, 109));
    EXPECT_EQ(fon.mid(1313, 4 + 1 + 12), QByteArray("\0\0\0\0\0_ES0A1F.TMP\0", 17));

    // Font resource: wider cells, 32-byte glyphs with blank rows 14 and 15.
    EXPECT_EQ(Get32(fon, font + Field::Size), 8672u);
    EXPECT_EQ(Get16(fon, font + Field::Points), 8);
    EXPECT_EQ(Get16(fon, font + Field::PixWidth), 12);
    EXPECT_EQ(Get16(fon, font + Field::PixHeight), 16);
    EXPECT_EQ(Get16(fon, font + Field::AvgWidth), 12);
    EXPECT_EQ(Get16(fon, font + Field::MaxWidth), 12);
    EXPECT_EQ(Get16(fon, font + Field::WidthBytes), 2);
    EXPECT_EQ(Get32(fon, font + Field::BitsOffset), 1492u);
    EXPECT_EQ(Get32(fon, font + Field::Face), 8660u);
    EXPECT_EQ(fon.mid(font + Field::Copyright, 60), source.mid(Field::Copyright, 60));
    for (int entry = 0; entry < GlyphCount; ++entry) {
        EXPECT_EQ(Get16(fon, font + TableOffset + 6 * entry), 12);
        const quint32 glyph = Get32(fon, font + TableOffset + 6 * entry + 2);
        ASSERT_EQ(glyph, static_cast<quint32>(1492 + 32 * entry));
        const quint32 from = Get32(source, TableOffset + 6 * entry + 2);
        EXPECT_EQ(fon.mid(font + glyph, 14), source.mid(from, 14));
        EXPECT_EQ(fon.mid(font + glyph + 16, 14), source.mid(from + 14, 14));
        for (const int blank : {14, 15, 30, 31})
            EXPECT_EQ(fon[font + glyph + blank], '\0');
    }
}

TEST(FontFileBuilder, BuildingTwiceGivesIdenticalFiles)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("_EG0001.TMP");
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SampleFont("_EG0001.TMP"));
    file.close();
    EXPECT_EQ(BuildFontFile(source, dir.filePath("a.fon")), QStringLiteral("_EG0001.TMP"));
    BuildFontFile(source, dir.filePath("b.fon"));
    QFile a(dir.filePath("a.fon")), b(dir.filePath("b.fon"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_THROW(BuildFontFile(dir.filePath("missing"), dir.filePath("c.fon")), TavolinError);
    EXPECT_THROW(BuildFontFile(source, dir.filePath("no/such/folder/c.fon")), TavolinError);
}

TEST(FontFileBuilder, LongFaceStaysWholeButIsReturnedCut)
{
    const QString longFace = QString(40, QLatin1Char('F'));
    QString face;
    const QByteArray fon = BuildFontFileData(SampleFont(longFace), "x", &face);
    EXPECT_EQ(face, QString(31, QLatin1Char('F')));
    EXPECT_TRUE(fon.contains(QByteArray(longFace.toLatin1()).append('\0')));
    EXPECT_EQ(fon.size() % 16, 0);
}
