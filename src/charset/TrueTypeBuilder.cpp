#include "charset/TrueTypeBuilder.h"

#include <QList>
#include <QMap>
#include <algorithm>

#include "charset/DisplayCodeMap.h"

namespace {

constexpr int Unit = 64; // font units per pixel
constexpr int CellWidth = 12;
constexpr int AscentPixels = 12;
constexpr int DescentPixels = 4;
constexpr int UnitsPerEm = Unit * (AscentPixels + DescentPixels);
constexpr int Advance = Unit * CellWidth;

class Writer
{
public:
    void U8(int v) { data.append(static_cast<char>(v & 0xFF)); }
    void U16(int v)
    {
        U8(v >> 8);
        U8(v);
    }
    void U32(quint32 v)
    {
        U16(static_cast<int>(v >> 16));
        U16(static_cast<int>(v & 0xFFFF));
    }
    void Tag(const char* tag) { data.append(tag, 4); }
    void Pad4()
    {
        while (data.size() % 4)
            U8(0);
    }
    QByteArray data;
};

void SetU16(QByteArray& data, qsizetype at, int v)
{
    data[at] = static_cast<char>((v >> 8) & 0xFF);
    data[at + 1] = static_cast<char>(v & 0xFF);
}

void SetU32(QByteArray& data, qsizetype at, quint32 v)
{
    SetU16(data, at, static_cast<int>(v >> 16));
    SetU16(data, at + 2, static_cast<int>(v & 0xFFFF));
}

quint32 CheckSum(const QByteArray& table)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < table.size(); i += 4) {
        quint32 word = 0;
        for (int b = 0; b < 4; ++b)
            word = word << 8 | (i + b < table.size() ? static_cast<quint8>(table[i + b]) : 0u);
        sum += word;
    }
    return sum;
}

struct Rect
{
    int x0, y0, x1, y1; // font units, y up
};

struct Outline
{
    QList<Rect> rects;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Each run of lit pixels in a row becomes one rectangle; rows meet exactly at pixel
// edges, so the rasteriser fills precisely the lit pixels.
Outline Trace(const EditableFont::PixelGlyph& glyph)
{
    Outline outline;
    for (int y = 0; y < AscentPixels + DescentPixels; ++y) {
        for (int x = 0; x < CellWidth;) {
            if (!glyph.Lit(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < CellWidth && glyph.Lit(end, y))
                ++end;
            outline.rects.append({x * Unit, (AscentPixels - y - 1) * Unit, end * Unit, (AscentPixels - y) * Unit});
            x = end;
        }
    }
    if (!outline.rects.isEmpty()) {
        outline.xMin = outline.yMin = 1 << 20;
        outline.xMax = outline.yMax = -(1 << 20);
        for (const Rect& r : outline.rects) {
            outline.xMin = std::min(outline.xMin, r.x0);
            outline.yMin = std::min(outline.yMin, r.y0);
            outline.xMax = std::max(outline.xMax, r.x1);
            outline.yMax = std::max(outline.yMax, r.y1);
        }
    }
    return outline;
}

QByteArray GlyphData(const Outline& outline)
{
    Writer w;
    if (outline.rects.isEmpty())
        return {};
    w.U16(static_cast<int>(outline.rects.size()));
    w.U16(outline.xMin);
    w.U16(outline.yMin);
    w.U16(outline.xMax);
    w.U16(outline.yMax);
    for (qsizetype i = 0; i < outline.rects.size(); ++i)
        w.U16(static_cast<int>(4 * i + 3));
    w.U16(0); // no instructions
    for (qsizetype i = 0; i < outline.rects.size() * 4; ++i)
        w.U8(0x01); // on-curve, full-size coordinates
    // Clockwise (outer contour): up the left edge, along the top, down the right edge.
    int last = 0;
    for (const Rect& r : outline.rects)
        for (const int x : {r.x0, r.x0, r.x1, r.x1}) {
            w.U16(x - last);
            last = x;
        }
    last = 0;
    for (const Rect& r : outline.rects)
        for (const int y : {r.y0, r.y1, r.y1, r.y0}) {
            w.U16(y - last);
            last = y;
        }
    w.Pad4();
    return w.data;
}

QByteArray NameTable(const QString& family)
{
    const QList<std::pair<int, QString>> names{
        {1, family}, {2, QStringLiteral("Regular")}, {3, family}, {4, family}, {6, family},
    };
    Writer records;
    Writer strings;
    for (const auto& [id, text] : names) {
        records.U16(3);      // Windows
        records.U16(1);      // Unicode BMP
        records.U16(0x0409); // English (United States)
        records.U16(id);
        records.U16(static_cast<int>(text.size() * 2));
        records.U16(static_cast<int>(strings.data.size()));
        for (const QChar c : text)
            strings.U16(c.unicode());
    }
    Writer table;
    table.U16(0);
    table.U16(static_cast<int>(names.size()));
    table.U16(static_cast<int>(6 + records.data.size()));
    table.data.append(records.data);
    table.data.append(strings.data);
    return table.data;
}

// Format 4 subtable: runs of consecutive code points with consecutive glyph ids.
QByteArray CmapTable(const QList<std::pair<int, int>>& codeToGlyph)
{
    struct Segment
    {
        int start, end, delta;
    };
    QList<Segment> segments;
    for (const auto& [code, glyph] : codeToGlyph) {
        if (!segments.isEmpty() && segments.last().end + 1 == code && segments.last().delta == glyph - code)
            segments.last().end = code;
        else
            segments.append({code, code, glyph - code});
    }
    segments.append({0xFFFF, 0xFFFF, 1});

    const int segCount = static_cast<int>(segments.size());
    int searchRange = 1, entrySelector = 0;
    while (searchRange * 2 <= segCount) {
        searchRange *= 2;
        ++entrySelector;
    }
    searchRange *= 2;

    Writer sub;
    sub.U16(4);
    sub.U16(16 + 8 * segCount);
    sub.U16(0);
    sub.U16(2 * segCount);
    sub.U16(searchRange);
    sub.U16(entrySelector);
    sub.U16(2 * segCount - searchRange);
    for (const Segment& s : segments)
        sub.U16(s.end);
    sub.U16(0);
    for (const Segment& s : segments)
        sub.U16(s.start);
    for (const Segment& s : segments)
        sub.U16(s.delta & 0xFFFF);
    for (qsizetype i = 0; i < segments.size(); ++i)
        sub.U16(0);

    Writer table;
    table.U16(0);
    table.U16(2);
    table.U16(0); // Unicode
    table.U16(3); // BMP
    table.U32(20);
    table.U16(3); // Windows
    table.U16(1); // Unicode BMP
    table.U32(20);
    table.data.append(sub.data);
    return table.data;
}

} // namespace

QByteArray BuildTrueTypeFont(const QString& family,
                             const std::array<EditableFont::PixelGlyph, EditableFont::GlyphCount>& glyphs)
{
    // Glyph 0 is .notdef (blank); glyphs 1 … 224 follow in code point order.
    QList<std::pair<int, int>> codes; // code point, Windows code
    for (int w = 32; w < 256; ++w)
        codes.append({CodePoint::FromWindows(static_cast<quint8>(w)).unicode(), w});
    std::sort(codes.begin(), codes.end());

    QList<Outline> outlines{Outline{}};
    QList<std::pair<int, int>> codeToGlyph;
    for (const auto& [code, windows] : codes) {
        codeToGlyph.append({code, static_cast<int>(outlines.size())});
        outlines.append(Trace(glyphs[static_cast<size_t>(windows - 32)]));
    }
    const int glyphCount = static_cast<int>(outlines.size());

    Writer glyf, loca;
    int maxPoints = 0, maxContours = 0;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0, minRsb = Advance;
    for (const Outline& o : outlines) {
        loca.U32(static_cast<quint32>(glyf.data.size()));
        glyf.data.append(GlyphData(o));
        const int contours = static_cast<int>(o.rects.size());
        maxContours = std::max(maxContours, contours);
        maxPoints = std::max(maxPoints, 4 * contours);
        if (contours > 0) {
            xMin = std::min(xMin, o.xMin);
            yMin = std::min(yMin, o.yMin);
            xMax = std::max(xMax, o.xMax);
            yMax = std::max(yMax, o.yMax);
            minRsb = std::min(minRsb, Advance - o.xMax);
        }
    }
    loca.U32(static_cast<quint32>(glyf.data.size()));

    Writer head;
    head.U32(0x00010000);
    head.U32(0x00010000);
    head.U32(0); // checkSumAdjustment, set at the end
    head.U32(0x5F0F3CF5);
    head.U16(0x000B); // baseline at y = 0, left side bearing at x = 0, integer scaling
    head.U16(UnitsPerEm);
    head.U32(0); // created (fixed, so that the same glyphs give the same bytes)
    head.U32(0);
    head.U32(0); // modified
    head.U32(0);
    head.U16(xMin);
    head.U16(yMin);
    head.U16(xMax);
    head.U16(yMax);
    head.U16(0); // macStyle
    head.U16(8); // lowestRecPPEM
    head.U16(2);
    head.U16(1); // long loca offsets
    head.U16(0);

    Writer hhea;
    hhea.U32(0x00010000);
    hhea.U16(AscentPixels * Unit);
    hhea.U16(-DescentPixels * Unit);
    hhea.U16(0);
    hhea.U16(Advance);
    hhea.U16(0); // min left side bearing: glyphs start at their xMin
    hhea.U16(minRsb);
    hhea.U16(xMax);
    hhea.U16(1);
    hhea.U16(0);
    hhea.U16(0);
    for (int i = 0; i < 4; ++i)
        hhea.U16(0);
    hhea.U16(0);
    hhea.U16(glyphCount);

    Writer maxp;
    maxp.U32(0x00010000);
    maxp.U16(glyphCount);
    maxp.U16(maxPoints);
    maxp.U16(maxContours);
    maxp.U16(0);
    maxp.U16(0);
    maxp.U16(2); // maxZones
    for (int i = 0; i < 8; ++i)
        maxp.U16(0);

    Writer os2;
    os2.U16(4);
    os2.U16(Advance); // xAvgCharWidth
    os2.U16(400);
    os2.U16(5);
    os2.U16(0); // installable embedding
    for (const int v : {8 * Unit, 7 * Unit, 0, 2 * Unit, 8 * Unit, 7 * Unit, 0, 6 * Unit})
        os2.U16(v); // sub- and superscript sizes and offsets
    os2.U16(Unit);         // strikeout size
    os2.U16(4 * Unit);     // strikeout position
    os2.U16(0);            // family class
    for (const int v : {2, 0, 5, 9, 0, 0, 0, 0, 0, 0})
        os2.U8(v); // PANOSE: Latin text, monospaced
    os2.U32(0x00000003); // Basic Latin, Latin-1 Supplement
    os2.U32(0x10000000); // Private Use Area
    os2.U32(0);
    os2.U32(0);
    os2.Tag("TAVO");
    os2.U16(0x0040); // regular
    os2.U16(codes.first().first);
    os2.U16(codes.last().first);
    os2.U16(AscentPixels * Unit);
    os2.U16(-DescentPixels * Unit);
    os2.U16(0);
    os2.U16(AscentPixels * Unit);
    os2.U16(DescentPixels * Unit);
    os2.U32(0x00000001); // Latin 1
    os2.U32(0);
    os2.U16(5 * Unit);  // x-height
    os2.U16(7 * Unit);  // cap height
    os2.U16(0);
    os2.U16(0x20);
    os2.U16(1);

    Writer hmtx;
    for (const Outline& o : outlines) {
        hmtx.U16(Advance);
        hmtx.U16(o.xMin);
    }

    Writer post;
    post.U32(0x00030000);
    post.U32(0);
    post.U16(-2 * Unit);
    post.U16(Unit);
    post.U32(1); // fixed pitch
    for (int i = 0; i < 4; ++i)
        post.U32(0);

    // Tables in tag order, as the table directory requires.
    const QMap<QByteArray, QByteArray> tables{
        {"OS/2", os2.data},
        {"cmap", CmapTable(codeToGlyph)},
        {"glyf", glyf.data},
        {"head", head.data},
        {"hhea", hhea.data},
        {"hmtx", hmtx.data},
        {"loca", loca.data},
        {"maxp", maxp.data},
        {"name", NameTable(family)},
        {"post", post.data},
    };
    const int numTables = static_cast<int>(tables.size());
    int searchRange = 1, entrySelector = 0;
    while (searchRange * 2 <= numTables) {
        searchRange *= 2;
        ++entrySelector;
    }
    searchRange *= 16;

    Writer font;
    font.U32(0x00010000);
    font.U16(numTables);
    font.U16(searchRange);
    font.U16(entrySelector);
    font.U16(numTables * 16 - searchRange);
    qsizetype offset = 12 + 16 * numTables;
    qsizetype headOffset = 0;
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        font.Tag(it.key().constData());
        font.U32(CheckSum(it.value()));
        font.U32(static_cast<quint32>(offset));
        font.U32(static_cast<quint32>(it.value().size()));
        if (it.key() == "head")
            headOffset = offset;
        offset += (it.value().size() + 3) / 4 * 4;
    }
    for (const QByteArray& table : tables) {
        font.data.append(table);
        font.Pad4();
    }
    SetU32(font.data, headOffset + 8, 0xB1B0AFBAu - CheckSum(font.data));
    return font.data;
}
