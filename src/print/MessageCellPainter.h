#pragma once

#include <QFont>

class QPainter;
class QRect;
class TMessageTable;

// What the cell drawing needs beyond the table: the display's two fonts, the font of
// numbers and headers, and which cell is being edited.
struct CellDrawContext
{
    QFont standardFont;
    QFont graphicsFont;
    QFont numberFont;
    int editSlot = -1;     // slot of the edited message, -1 while nothing is edited
};

// Draws one cell of the message grid: a message text in the display's glyphs (blink red
// on screen, white on black when printing; graphics in the graphics font), a message
// number, or a language header. The same drawing serves the screen and the printer;
// markers (edited number, clipped row, long line, end-of-text line) are screen-only.
void DrawMessageCell(const TMessageTable& table, QPainter& canvas, const QRect& rect, int row,
                     int column, bool printing, const CellDrawContext& context);

// Height of a message's cell: one line of the standard font per text line, at least one.
// withHeader: message 0 of language 0 with the settings lines in front, as it is printed.
int MeasureTextHeight(const TMessageTable& table, const QFont& standardFont, int slot, int language,
                      bool withHeader);

// Width of one display line: the width of "T" in the standard font times the line length.
int TextColumnWidth(const QFont& standardFont, int lineLength);

// The drawable text of display codes: each code to its Windows code and then to the
// character the generated fonts carry for it.
QString DisplayText(const QByteArray& displayCodes);
