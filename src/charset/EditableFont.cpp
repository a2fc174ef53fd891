#include "charset/EditableFont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "charset/DisplayCodeMap.h"
#include "common/SourceFile.h"
#include "common/TavolinError.h"

namespace EditableFont {

const char CopyrightNotice[] = "Tavolin Editor 5x7 pixel font";
static_assert(sizeof(CopyrightNotice) == 29 + 1);

quint16 Get16(const QByteArray& data, qint64 offset)
{
    return static_cast<quint16>(static_cast<quint8>(data[offset]) | static_cast<quint8>(data[offset + 1]) << 8);
}

quint32 Get32(const QByteArray& data, qint64 offset)
{
    return static_cast<quint32>(Get16(data, offset)) | static_cast<quint32>(Get16(data, offset + 2)) << 16;
}

void Put16(QByteArray& data, qint64 offset, quint16 value)
{
    data[offset] = static_cast<char>(value & 0xFF);
    data[offset + 1] = static_cast<char>(value >> 8);
}

void Put32(QByteArray& data, qint64 offset, quint32 value)
{
    Put16(data, offset, static_cast<quint16>(value & 0xFFFF));
    Put16(data, offset + 2, static_cast<quint16>(value >> 16));
}

void PadTo(QByteArray& data, int unit)
{
    while (data.size() % unit != 0)
        data.append('\0');
}

namespace {

[[noreturn]] void Damaged(const QString& fileName, const QString& detail)
{
    throw TavolinError(QCoreApplication::translate("EditableFont", "Die Zeichensatzdatei \"%1\" ist beschädigt: %2.")
                           .arg(QDir::toNativeSeparators(fileName), detail));
}

void CheckTable(const QByteArray& font, const QString& fileName)
{
    if (font.size() < BitsOffset)
        Damaged(fileName, QCoreApplication::translate("EditableFont", "sie ist mit %1 Bytes zu kurz").arg(font.size()));
}

// Offset of the glyph bits of character table entry `entry`, checked so that `needed`
// bytes can be read from there.
qint64 GlyphOffset(const QByteArray& font, int entry, qint64 needed, const QString& fileName)
{
    const qint64 offset = Get32(font, TableOffset + TableEntrySize * entry + 2);
    if (offset + needed > font.size())
        Damaged(fileName,
                QCoreApplication::translate("EditableFont", "die Daten des Zeichens %1 liegen außerhalb der Datei")
                    .arg(entry + 32));
    return offset;
}

bool PixDot(const char* glyph, int column, int row)
{
    return (static_cast<quint8>(glyph[row]) >> (4 - column) & 1) != 0;
}

} // namespace

QByteArray FromPix(const QByteArray& pix, const QString& faceName)
{
    QByteArray font(BitsOffset, '\0');
    Put16(font, Field::Version, 0x0300);
    std::copy_n(CopyrightNotice, sizeof(CopyrightNotice) - 1, font.begin() + Field::Copyright);
    Put16(font, Field::Points, 7);
    Put16(font, Field::VertRes, 96);
    Put16(font, Field::HorizRes, 96);
    Put16(font, Field::Ascent, 6);
    Put16(font, Field::Weight, 400);
    font[Field::CharSet] = 0;
    Put16(font, Field::PixWidth, PixWidth);
    Put16(font, Field::PixHeight, PixHeight);
    Put16(font, Field::AvgWidth, PixWidth);
    Put16(font, Field::MaxWidth, PixWidth);
    font[Field::FirstChar] = 0x20;
    font[Field::LastChar] = static_cast<char>(0xFF);
    font[Field::DefaultChar] = 0x20;
    font[Field::BreakChar] = 0x20;
    Put16(font, Field::WidthBytes, 2);
    Put32(font, Field::BitsOffset, BitsOffset);
    Put32(font, Field::Flags, 1);

    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    for (int n = 0; n < GlyphCount; ++n) {
        const int entry = map.ToWindows(static_cast<quint8>(n + 32)) - 32;
        PadTo(font, 2);
        Put16(font, TableOffset + TableEntrySize * entry, PixWidth);
        Put32(font, TableOffset + TableEntrySize * entry + 2, static_cast<quint32>(font.size()));
        char glyph[PixGlyphBytes] = {};
        const qint64 start = static_cast<qint64>(n) * PixGlyphBytes;
        for (int r = 0; r < PixGlyphBytes && start + r < pix.size(); ++r)
            glyph[r] = pix[start + r];
        for (int j = 0; j < 2; ++j) {
            for (int k = 0; k < PixHeight; ++k) {
                quint8 byte = 0;
                for (int l = 0; l < 8 && 8 * j + l < PixWidth; ++l)
                    if (PixDot(glyph, (8 * j + l) / 2, k / 2))
                        byte |= static_cast<quint8>(0x80 >> l);
                font.append(static_cast<char>(byte));
            }
        }
    }
    PadTo(font, 2);
    Put32(font, Field::Face, static_cast<quint32>(font.size()));
    font.append(faceName.toLatin1());
    font.append('\0');
    Put32(font, Field::Size, static_cast<quint32>(font.size()));
    return font;
}

QByteArray ToPix(const QByteArray& font, const QString& fileName)
{
    CheckTable(font, fileName);
    const int pixHeight = Get16(font, Field::PixHeight);
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QByteArray pix;
    pix.reserve(PixSize);
    for (int d = 32; d < 256; ++d) {
        const int entry = map.ToWindows(static_cast<quint8>(d)) - 32;
        const qint64 offset = GlyphOffset(font, entry, 2 * static_cast<qint64>(pixHeight), fileName);
        quint8 glyph[PixGlyphBytes] = {};
        for (int j = 0; j < 2; ++j) {
            for (int k = 0; k < qMin(pixHeight, PixHeight); ++k) {
                const quint8 byte = static_cast<quint8>(font[offset + j * pixHeight + k]);
                // Each dot ends up with the lower right pixel of its 2 × 2 block.
                for (int l = 0; l < 8 && 8 * j + l < PixWidth; ++l) {
                    const quint8 bit = static_cast<quint8>(0x10 >> ((8 * j + l) / 2));
                    if (byte & (0x80 >> l))
                        glyph[k / 2] |= bit;
                    else
                        glyph[k / 2] &= static_cast<quint8>(~bit);
                }
            }
        }
        pix.append(reinterpret_cast<const char*>(glyph), PixGlyphBytes);
    }
    return pix;
}

QString FaceName(const QByteArray& font, const QString& fileName)
{
    if (font.size() < HeaderSize)
        Damaged(fileName, QCoreApplication::translate("EditableFont", "sie ist mit %1 Bytes zu kurz").arg(font.size()));
    const qint64 offset = Get32(font, Field::Face);
    if (offset >= font.size())
        Damaged(fileName, QCoreApplication::translate("EditableFont", "der Schriftname liegt außerhalb der Datei"));
    QByteArray face = font.mid(offset, 63);
    const qsizetype end = face.indexOf('\0');
    if (end >= 0)
        face.truncate(end);
    return QString::fromLatin1(face);
}

std::array<PixelGlyph, GlyphCount> WindowsGlyphs(const QByteArray& font, const QString& fileName)
{
    CheckTable(font, fileName);
    const int pixHeight = Get16(font, Field::PixHeight);
    const int rows = qMin(pixHeight, PixHeight);
    std::array<PixelGlyph, GlyphCount> glyphs{};
    for (int entry = 0; entry < GlyphCount; ++entry) {
        const qint64 offset = GlyphOffset(font, entry, pixHeight + static_cast<qint64>(rows), fileName);
        PixelGlyph& glyph = glyphs[static_cast<size_t>(entry)];
        for (int k = 0; k < rows; ++k) {
            const quint16 left = static_cast<quint8>(font[offset + k]);
            const quint16 right = static_cast<quint8>(font[offset + pixHeight + k]) & 0xF0; // columns 8 … 11
            glyph.rows[static_cast<size_t>(k)] = static_cast<quint16>(left << 8 | right);
        }
    }
    return glyphs;
}

QByteArray ReadFile(const QString& path)
{
    return ReadSourceFile(path, QCoreApplication::translate("EditableFont", "Die Zeichensatzdatei"), MaxFileSize);
}

} // namespace EditableFont
