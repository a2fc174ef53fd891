#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

class TCharSet;
struct TDisplayType;

// The display's own times, in milliseconds, as its settings lines give them.
struct TDisplayTiming
{
    int blinkOnMs = 300;
    int blinkOffMs = 200;
    int scrollMs = 3200;

    friend bool operator==(const TDisplayTiming&, const TDisplayTiming&) = default;
};

// "Blink-Ein", "Blink-Aus" and "Scrollzeit" of the settings lines (defaults where absent).
TDisplayTiming ReadDisplayTiming(const QList<QByteArray>& settingsLines);

// How the display's dots look.
enum class DotLook { LedRed, LedGreen, LedAmber, Lcd };

// The look of a display type: the LCD types dark dots on a light panel; the LED types
// lit dots in the colour most of the key LEDs have (red or green), amber without keys.
DotLook ChooseDotLook(const TDisplayType& type, const QList<QByteArray>& settingsLines);

// The glyph rows of one character cell: bits 4..0 of each of the 7 rows are its dots,
// left to right.
using GlyphRows = std::array<quint8, 7>;

// What the display shows at one moment: `rows` × `columns` character cells, row by row.
struct TPreviewFrame
{
    int columns = 0;
    int rows = 0;
    QList<GlyphRows> cells;

    const GlyphRows& Cell(int column, int row) const { return cells[row * columns + column]; }
};

// The 1568 glyph bytes of a character set, read from the editable font file the generated
// font is built from, so that the preview shows the glyph editor's last save. Blank
// glyphs when the set has no such file or it cannot be read.
QByteArray CharSetGlyphs(const TCharSet& charSet);

// What a display shows of one message over time: the message's lines cut to the line
// length, blink characters shown during "Blink-Ein" and dark during "Blink-Aus", and a
// message with more lines than the display moving up one line each "Scrollzeit" until its
// last line is at the bottom, then starting again from its first line.
// Time comes from `clock` (milliseconds), so that tests can set it.
class TDisplayPreview
{
public:
    using Clock = std::function<qint64()>;

    explicit TDisplayPreview(Clock clock = {});

    // Glyph bytes in ".pix" order (display code 32 first) of the standard and graphics sets.
    void SetGlyphs(const QByteArray& standard, const QByteArray& graphics);
    void SetTiming(const TDisplayTiming& timing) { m_timing = timing; }
    const TDisplayTiming& Timing() const { return m_timing; }
    // Characters per line (0 counts as 40) and the display's line count (at least 1).
    void SetGeometry(int lineLength, int lineCount);
    int LineLength() const { return m_lineLength; }
    int LineCount() const { return m_lineCount; }

    // The message text (display codes, CR between lines, attribute marks). `restart`
    // begins the scrolling from the first line; the same message being typed in keeps it.
    void SetMessage(const QByteArray& text, bool restart);
    int MessageLineCount() const { return static_cast<int>(m_lines.size()); }

    bool BlinkShown() const;
    // The message line shown in the display's first line.
    int TopLine() const;
    TPreviewFrame Frame() const;
    // Milliseconds until BlinkShown or TopLine next change; -1 when nothing ever changes.
    qint64 NextChange() const;

private:
    struct Cell
    {
        quint8 code = ' ';
        bool graphics = false;
        bool blink = false;
    };

    qint64 now() const { return m_clock(); }
    bool hasBlink() const;

    Clock m_clock;
    QByteArray m_standard;
    QByteArray m_graphics;
    TDisplayTiming m_timing;
    int m_lineLength = 40;
    int m_lineCount = 2;
    QList<QList<Cell>> m_lines;
    qint64 m_scrollStart = 0;
};
