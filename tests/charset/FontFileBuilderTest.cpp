#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "support/TestHelpers.h"

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
    // NE header: entry table at 125, flags 0x8300, non-resident names (39 bytes) at 1151,
    // segment and resource tables at 64, resident names at 116, module references and
    // imported names at 125, alignment 4, target Windows 3.10.
    EXPECT_EQ(fon.mid(1024, 64).toHex(), QByteArray("4e4505017d0002003cd0cd5f0083000000000000000000000000000000000000"
                                                    "27004000400074007d007d007f04000000000400000002000000000000000a03"));

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
    // The dots themselves, blank rows included, are compared pixel by pixel where the
    // font is drawn (FontRenderingTest).
    for (int entry = 0; entry < GlyphCount; ++entry) {
        EXPECT_EQ(Get16(fon, font + TableOffset + 6 * entry), 12);
        EXPECT_EQ(Get32(fon, font + TableOffset + 6 * entry + 2), static_cast<quint32>(1492 + 32 * entry));
    }
}

TEST(FontFileBuilder, BuildingTwiceGivesIdenticalFilesAndLongFacesStayWhole)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("_EG0001.TMP");
    tavolin::test::WriteAll(source, SampleFont("_EG0001.TMP"));
    EXPECT_EQ(BuildFontFile(source, dir.filePath("a.fon")), QStringLiteral("_EG0001.TMP"));
    BuildFontFile(source, dir.filePath("b.fon"));
    EXPECT_EQ(tavolin::test::ReadAll(dir.filePath("a.fon")), tavolin::test::ReadAll(dir.filePath("b.fon")));
    EXPECT_THROW(BuildFontFile(dir.filePath("missing"), dir.filePath("c.fon")), TavolinError);
    EXPECT_THROW(BuildFontFile(source, dir.filePath("no/such/folder/c.fon")), TavolinError);

    // A long face stays whole in the file but is returned cut.
    const QString longFace = QString(40, QLatin1Char('F'));
    QString face;
    const QByteArray fon = BuildFontFileData(SampleFont(longFace), "x", &face);
    EXPECT_EQ(face, QString(31, QLatin1Char('F')));
    EXPECT_TRUE(fon.contains(QByteArray(longFace.toLatin1()).append('\0')));
    EXPECT_EQ(fon.size() % 16, 0);
}
