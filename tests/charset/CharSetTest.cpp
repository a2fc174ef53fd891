#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "support/TestHelpers.h"
#include "support/TestPaths.h"

using namespace tavolin::test;

namespace {

// Every dot pattern somewhere, with the unused high bits set as well.
QByteArray NoisyPix()
{
    QByteArray pix(TCharSet::PixSize, '\0');
    for (int i = 0; i < pix.size(); ++i)
        pix[i] = static_cast<char>(i * 73 + i / 7);
    return pix;
}

QByteArray Masked(QByteArray pix)
{
    for (char& c : pix)
        c = static_cast<char>(c & 0x1F);
    return pix;
}

// An editable font of `face` with every dot pattern.
QByteArray SampleFont(const QString& face)
{
    return EditableFont::FromPix(Masked(NoisyPix()), face);
}

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

class CharSetTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CharSetTest, EditableFontLayoutAndPixRoundTrip)
{
    WriteAll(Path("a.pix"), NoisyPix());
    TCharSet::PixToFont(Path("a.pix"), Path("a.fnt"), "_EG1A2B.TMP");
    TCharSet::FontToPix(Path("a.fnt"), Path("b.pix"));
    EXPECT_EQ(ReadAll(Path("b.pix")), Masked(NoisyPix()));

    const QByteArray font = ReadAll(Path("a.fnt"));
    using namespace EditableFont;
    ASSERT_EQ(font.size(), 7776);
    EXPECT_EQ(Get32(font, Field::Size), 7776u);
    EXPECT_EQ(Get32(font, Field::Face), 7764u);
    EXPECT_EQ(font.mid(7764), QByteArray("_EG1A2B.TMP", 12));
    EXPECT_EQ(Get32(font, Field::BitsOffset), 1492u);
    EXPECT_EQ(Get16(font, Field::Version), 0x0300);
    EXPECT_EQ(font.mid(Field::Copyright, 60), QByteArray(CopyrightNotice).leftJustified(60, '\0'));
    EXPECT_EQ(Get16(font, Field::WidthBytes), 2);
    EXPECT_EQ(static_cast<quint8>(font[Field::DefaultChar]), 0x20);

    // Glyph blocks in display-code order; the table entry of Windows code w points at the
    // block of the display code that maps to w.
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    for (int d = 32; d < 256; ++d) {
        const int entry = map.ToWindows(static_cast<quint8>(d)) - 32;
        EXPECT_EQ(Get16(font, TableOffset + 6 * entry), 10);
        EXPECT_EQ(Get32(font, TableOffset + 6 * entry + 2), static_cast<quint32>(1492 + 28 * (d - 32)));
    }

    // A short or missing ".pix" gives blank glyphs for what it lacks.
    const QByteArray shortPix = NoisyPix().left(7 * 10 + 3);
    WriteAll(Path("short.pix"), shortPix);
    TCharSet::PixToFont(Path("short.pix"), Path("a.fnt"), "x");
    TCharSet::FontToPix(Path("a.fnt"), Path("back.pix"));
    EXPECT_EQ(ReadAll(Path("back.pix")), Masked(shortPix) + QByteArray(TCharSet::PixSize - shortPix.size(), '\0'));
    TCharSet::PixToFont(Path("missing.pix"), Path("b.fnt"), "x");
    TCharSet::FontToPix(Path("b.fnt"), Path("blank.pix"));
    EXPECT_EQ(ReadAll(Path("blank.pix")), QByteArray(TCharSet::PixSize, '\0'));
}

TEST_F(CharSetTest, DamagedEditableFontIsAnErrorAndKeepsThePix)
{
    WriteAll(Path("a.pix"), NoisyPix());
    TCharSet::PixToFont(Path("a.pix"), Path("good.fnt"), "_EG0001.TMP");
    const QByteArray good = ReadAll(Path("good.fnt"));
    using namespace EditableFont;

    QList<QByteArray> damaged;
    damaged.append(good.left(1000));                          // cut inside the table
    damaged.append(good.left(5000));                          // cut inside the glyphs
    QByteArray farOffset = good;
    Put32(farOffset, TableOffset + 6 * 17 + 2, 0xFFFFFFF0u); // offset near 4 GiB
    damaged.append(farOffset);
    QByteArray tallGlyphs = good;
    Put16(tallGlyphs, Field::PixHeight, 0xFFFF);
    damaged.append(tallGlyphs);
    QByteArray faceOutside = good;
    Put32(faceOutside, Field::Face, 0x7FFFFFFF);

    for (const QByteArray& font : damaged) {
        WriteAll(Path("bad.fnt"), font);
        WriteAll(Path("project.pix"), NoisyPix());
        try {
            TCharSet::FontToPix(Path("bad.fnt"), Path("project.pix"));
            ADD_FAILURE() << "no error for a damaged file of " << font.size() << " bytes";
        } catch (const TavolinError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("beschädigt"))) << error.message().toStdString();
        }
        EXPECT_EQ(ReadAll(Path("project.pix")), NoisyPix()) << "the project's file was touched";
        EXPECT_THROW(BuildFontFileData(font, "bad.fnt"), TavolinError);
    }
    EXPECT_THROW(FaceName(faceOutside, "bad.fnt"), TavolinError);
}

// (FontHasTheCellOfTheDisplayAndFollowsAnExternalRewrite was a test program of its own,
// FontRenderingTest.)
TEST_F(CharSetTest, ImportRegistersAFontThatDrawsTheDotsAndFollowsAnExternalRewrite)
{
    WriteAll(Path("Grafik.pix"), NoisyPix());
    TCharSet set('G');
    QList<std::pair<int, QString>> changes;
    QObject receiver; // ends the connection before `changes` goes; the set still reports its release
    QObject::connect(&set, &TCharSet::FontChange, &receiver,
                     [&changes](int code, const QString& face) { changes.append({code, face}); });
    ASSERT_TRUE(set.Import(Path("Grafik.pix")));

    const QString face = QFileInfo(set.fntPath).fileName();
    EXPECT_TRUE(face.startsWith(QStringLiteral("_EG")) && face.endsWith(QStringLiteral(".TMP")));
    EXPECT_EQ(set.font.family(), face);
    EXPECT_FALSE(set.modified);
    EXPECT_TRUE(QFontDatabase::families().contains(face));
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last(), std::make_pair(2, face));
    const QFontMetrics metrics(set.font);
    EXPECT_EQ(metrics.ascent(), 12);
    EXPECT_EQ(metrics.descent(), 4);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("TTTT")), 48);
    ExpectFontShowsPix(set, Masked(NoisyPix()));
    EXPECT_FALSE(set.CheckExternalChange());

    // The glyph editor saves other dots under the same face name, a few milliseconds later:
    // seen once, even within the same second.
    QByteArray edited = Masked(NoisyPix());
    for (char& byte : edited)
        byte = static_cast<char>(~byte & 0x1F);
    WriteAll(Path("b.pix"), edited);
    TCharSet::PixToFont(Path("b.pix"), set.fntPath, face);
    {
        QFile font(set.fntPath);
        ASSERT_TRUE(font.open(QIODevice::ReadWrite));
        ASSERT_TRUE(font.setFileTime(set.fntDate.addMSecs(3), QFileDevice::FileModificationTime));
    }
    changes.clear();
    ASSERT_TRUE(set.CheckExternalChange());
    EXPECT_FALSE(set.CheckExternalChange());
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.first().first, 1);
    EXPECT_EQ(changes.last(), std::make_pair(2, face));
    EXPECT_TRUE(set.modified);
    ExpectFontShowsPix(set, edited);
    ASSERT_TRUE(set.Save(Path("saved.pix")));
    EXPECT_FALSE(set.modified);
    EXPECT_EQ(ReadAll(Path("saved.pix")), edited);

    set.Release();
    EXPECT_FALSE(QFileInfo::exists(set.fntPath));
    EXPECT_FALSE(QFileInfo::exists(set.fonPath));
    EXPECT_FALSE(QFontDatabase::families().contains(face));
    EXPECT_EQ(changes.last().first, 1);

    // Without an editable font there is nothing to save.
    set.fntPath.clear();
    set.modified = true;
    EXPECT_TRUE(set.Save(Path("never.pix")));
    EXPECT_FALSE(QFileInfo::exists(Path("never.pix")));
}

TEST_F(CharSetTest, UndeletableFilesWaitInPendingDeletes)
{
    TCharSet set('G');
    const QString gone = Path("gone.tmp");
    WriteAll(gone, "x");
    const QString stuck = Path("locked/stuck.tmp");
    ASSERT_TRUE(QDir().mkpath(Path("locked")));
    WriteAll(stuck, "x");
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const bool canLock = !QFile::remove(stuck); // root may delete anyway
    set.pendingDeletes = gone + ";" + stuck;
    set.PurgePendingDeletes();
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(set.pendingDeletes, canLock ? stuck : QString());
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    set.PurgePendingDeletes();
    EXPECT_TRUE(set.pendingDeletes.isEmpty());
}

// The code map and the font file builder every set goes through (once test programs of
// their own: DisplayCodeMapTest, FontFileBuilderTest).
TEST(DisplayCodeMap, ClosesThePairsIntoCycles)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    const std::pair<int, int> toWindows[] = {{0x84, 0xE4}, {0xE4, 0xE6}, {0xE6, 0xB5}, {0xB5, 0x84},
                                             {0xF8, 0xB0}, {0xB0, 0xF8}, {'A', 'A'}};
    for (const auto& [display, windows] : toWindows)
        EXPECT_EQ(map.ToWindows(static_cast<quint8>(display)), windows) << display;
    for (int d = 0; d < 256; ++d)
        EXPECT_EQ(map.ToDisplay(map.ToWindows(static_cast<quint8>(d))), d);
}

TEST(CodePoint, EveryWindowsCodeSurvivesTheQtBoundary)
{
    for (int w = 32; w < 256; ++w) {
        const QChar c = CodePoint::FromWindows(static_cast<quint8>(w));
        EXPECT_EQ(CodePoint::ToWindows(c.unicode()), w) << w;
        EXPECT_TRUE(c.isPrint() || c.category() == QChar::Other_PrivateUse) << w;
    }
    EXPECT_EQ(CodePoint::ToWindows(U'\u20AC'), 0x80);
    EXPECT_EQ(CodePoint::ToWindows(U'\u4E00'), -1);
}

TEST(FontFileBuilder, LayoutForAnElevenCharacterFace)
{
    using namespace EditableFont;
    const QByteArray source = SampleFont("_ES0A1F.TMP");
    QString face;
    const QByteArray fon = BuildFontFileData(source, "x", &face);
    EXPECT_EQ(face, QStringLiteral("_ES0A1F.TMP"));
    ASSERT_EQ(fon.size(), 10016);

    // DOS stub and the NE header's fixed and measured values.
    EXPECT_EQ(fon.left(26), QByteArray::fromHex("4D5A72000300000020000000FFFF070000016540000000004000"));
    EXPECT_EQ(Get32(fon, 0x3C), 1024u);
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
    // font is drawn (FontRendering below).
    for (int entry = 0; entry < GlyphCount; ++entry) {
        EXPECT_EQ(Get16(fon, font + TableOffset + 6 * entry), 12);
        EXPECT_EQ(Get32(fon, font + TableOffset + 6 * entry + 2), static_cast<quint32>(1492 + 32 * entry));
    }
}

TEST(FontFileBuilder, BuildingTwiceGivesIdenticalFilesAndLongFacesStayWhole)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("_EG0001.TMP");
    WriteAll(source, SampleFont("_EG0001.TMP"));
    EXPECT_EQ(BuildFontFile(source, dir.filePath("a.fon")), QStringLiteral("_EG0001.TMP"));
    BuildFontFile(source, dir.filePath("b.fon"));
    EXPECT_EQ(ReadAll(dir.filePath("a.fon")), ReadAll(dir.filePath("b.fon")));
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

// (Was StandardAndStarterSetsDrawExactlyTheirDotsAndTheDemoHasTheStarterSet.) The shipped
// sets are drawn by the same path as the sample set above; the demo must carry the starter set.
TEST(CharSet, TheDemoHasTheStarterSet)
{
    EXPECT_EQ(ReadAll(DemoProjectDir() + QStringLiteral("/demo.pix")), ReadAll(ProgramDir() + QStringLiteral("/default.pix")))
        << "examples/Demo/demo.pix is older than data/charsets/default.txt: copy build*/bin/default.pix there";
}
