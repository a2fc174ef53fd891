#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charset/CharSet.h"
#include "charset/DisplayCodeMap.h"
#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "support/TestHelpers.h"

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
    EXPECT_THROW(TCharSet::FontToPix(Path("none.fnt"), Path("project.pix")), TavolinError);
}

TEST_F(CharSetTest, ImportRegistersTheFontUnderTheTempFileName)
{
    WriteAll(Path("Grafik.pix"), NoisyPix());
    TCharSet set('G');
    QList<std::pair<int, QString>> changes;
    QObject receiver; // ends the connection before `changes` goes
    QObject::connect(&set, &TCharSet::FontChange, &receiver,
                     [&changes](int code, const QString& face) { changes.append({code, face}); });
    ASSERT_TRUE(set.Import(Path("Grafik.pix")));

    const QString face = QFileInfo(set.fntPath).fileName();
    EXPECT_TRUE(face.startsWith(QStringLiteral("_EG")) && face.endsWith(QStringLiteral(".TMP")));
    EXPECT_EQ(set.font.family(), face);
    EXPECT_TRUE(QFontDatabase::families().contains(face));
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last(), std::make_pair(2, face));

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
