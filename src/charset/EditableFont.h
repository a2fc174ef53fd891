#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The editable font file: a 10 × 14 raster font in the FNT 3.0 layout, each display dot
// drawn as 2 × 2 pixels, 224 glyphs (Windows codes 32 … 255). The glyph editor edits it
// in place, so every offset and size read from it is checked against the file.
namespace EditableFont {

constexpr int GlyphCount = 224;
constexpr int PixGlyphBytes = 7;
constexpr int PixSize = GlyphCount * PixGlyphBytes; // 1568
constexpr int HeaderSize = 148;
constexpr int TableOffset = 148;
constexpr int TableEntrySize = 6;
constexpr int TableSize = GlyphCount * TableEntrySize; // 1344
constexpr int BitsOffset = TableOffset + TableSize;     // 1492
constexpr int PixWidth = 10;
constexpr int PixHeight = 14;
constexpr int GlyphBytes = 2 * PixHeight; // two column bytes per row
// Far more than any font this program writes; larger files are not read at all.
constexpr qint64 MaxFileSize = 1 << 20;

// Byte offsets of the FNT 3.0 header fields this program uses.
namespace Field {
constexpr int Version = 0;
constexpr int Size = 2;
constexpr int Copyright = 6;
constexpr int Points = 68;
constexpr int VertRes = 70;
constexpr int HorizRes = 72;
constexpr int Ascent = 74;
constexpr int Weight = 83;
constexpr int CharSet = 85;
constexpr int PixWidth = 86;
constexpr int PixHeight = 88;
constexpr int AvgWidth = 91;
constexpr int MaxWidth = 93;
constexpr int FirstChar = 95;
constexpr int LastChar = 96;
constexpr int DefaultChar = 97;
constexpr int BreakChar = 98;
constexpr int WidthBytes = 99;
constexpr int Face = 105;
constexpr int BitsOffset = 113;
constexpr int Flags = 118;
} // namespace Field

// The fixed notice in every editable font file (29 characters).
extern const char CopyrightNotice[];

// One glyph as pixel rows: bit (0x8000 >> x) of rows[y] is pixel (x, y), y from the top.
struct PixelGlyph
{
    std::array<quint16, 16> rows{};
    bool Lit(int x, int y) const { return (rows[static_cast<size_t>(y)] & (0x8000u >> x)) != 0; }
    friend bool operator==(const PixelGlyph&, const PixelGlyph&) = default;
};

// The editable font file for the glyphs of a ".pix" file (display-code order, 7 bytes
// a glyph). Missing glyphs of a short file stay blank.
QByteArray FromPix(const QByteArray& pix, const QString& faceName);

// The 1568 ".pix" bytes of an editable font file. `fileName` names it in the error.
QByteArray ToPix(const QByteArray& font, const QString& fileName);

// The face name stored in the file (at most 63 characters).
QString FaceName(const QByteArray& font, const QString& fileName);

// The 224 glyphs as pixels (12 columns, 14 rows), indexed by Windows code − 32.
std::array<PixelGlyph, GlyphCount> WindowsGlyphs(const QByteArray& font, const QString& fileName);

// Reads a whole editable font file; a missing, unreadable or oversized file is an error.
QByteArray ReadFile(const QString& path);

// Little-endian helpers shared by the font writers.
quint16 Get16(const QByteArray& data, qint64 offset);
quint32 Get32(const QByteArray& data, qint64 offset);
void Put16(QByteArray& data, qint64 offset, quint16 value);
void Put32(QByteArray& data, qint64 offset, quint32 value);
void PadTo(QByteArray& data, int unit);

} // namespace EditableFont
