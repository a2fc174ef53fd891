#include "print/MessageCellPainter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "charset/DisplayCodeMap.h"
#include "texts/MessageTable.h"

namespace {

const QColor BlinkRed(255, 0, 0);

bool EndsPiece(char c)
{
    return c == Attr::LineBreak || Attr::IsAttribute(c);
}

// Header lines are drawn in front of the first text when printing, as the display
// file carries them.
QByteArray PrintedText(const TMessageTable& table, const QByteArray& text)
{
    QByteArray s;
    for (const QByteArray& line : table.headerLines[0])
        s += '*' + line + Attr::LineBreak;
    s += '*';
    s += Attr::LineBreak;
    return s + text;
}

void SetTextColours(QPainter& canvas, bool blink, bool printing)
{
    if (printing) {
        canvas.setPen(blink ? Qt::white : Qt::black);
        canvas.setBackground(blink ? Qt::black : Qt::white);
    } else {
        canvas.setPen(blink ? BlinkRed : QColor(Qt::black));
    }
}

void DrawText(const TMessageTable& table, QPainter& canvas, const QRect& rect, int row,
              int column, bool printing, const CellDrawContext& context)
{
    const QByteArray& text = table.At(row - 1).text[static_cast<size_t>(column - 1)];
    const bool withHeader = printing && row == 1 && column == 1 && !table.headerLines[0].isEmpty();
    if (text.isEmpty() && !withHeader)
        return;
    const QFont oldFont = canvas.font();
    const QPen oldPen = canvas.pen();
    const Qt::BGMode oldMode = canvas.backgroundMode();
    if (printing) {
        canvas.setBackgroundMode(Qt::OpaqueMode);
        canvas.setBackground(Qt::white);
    }
    canvas.setPen(Qt::black);

    const QByteArray drawn = withHeader ? PrintedText(table, text) : text;
    const int x0 = rect.left() + 1;
    int x = x0;
    int y = rect.top();
    bool blink = false;
    bool graphics = false;
    canvas.setFont(context.standardFont);
    const int lineHeight = QFontMetrics(context.standardFont).height();

    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < drawn.size() && !EndsPiece(drawn[end]))
            ++end;
        const QString piece = DisplayText(drawn.mid(start, end - start));
        const QFontMetrics metrics(canvas.font());
        if (!piece.isEmpty())
            canvas.drawText(QPoint(x, y + metrics.ascent()), piece);
        if (end >= drawn.size())
            break;
        const char mark = drawn[end];
        if (mark == Attr::LineBreak) {
            y += lineHeight;
            x = x0;
        } else {
            if (mark == Attr::BlinkOff || mark == Attr::BlinkOn)
                blink = mark == Attr::BlinkOn;
            else
                graphics = mark == Attr::GraphicsOn;
            const int pieceWidth = piece.isEmpty() ? 0 : metrics.horizontalAdvance(piece);
            canvas.setFont(graphics ? context.graphicsFont : context.standardFont);
            SetTextColours(canvas, blink, printing);
            x += pieceWidth;
        }
        start = end + 1;
    }

    canvas.setFont(oldFont);
    canvas.setPen(oldPen);
    canvas.setBackgroundMode(oldMode);
    if (!printing) {
        // A thin rule under the last line shows where a shorter text of the row ends.
        const int ruleY = y + lineHeight + 2;
        canvas.setPen(QColor(160, 160, 160));
        canvas.drawLine(x0 + 1, ruleY, rect.right() - 2, ruleY);
        canvas.setPen(oldPen);
    }
}

void DrawNumber(const TMessageTable& table, QPainter& canvas, const QRect& rect, int row,
                bool printing, const CellDrawContext& context)
{
    const TMessage& message = table.At(row - 1);
    QFont font = context.numberFont;
    if (!printing && context.editSlot == row - 1) {
        font.setBold(true);
        font.setUnderline(true);
    }
    canvas.setFont(font);
    canvas.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const QString number = QString::number(message.number);
    // A row scrolled partly out of the grid keeps its number and its mark in the part
    // that is shown.
    const QRect shown = !printing && canvas.hasClipping()
                            ? rect.intersected(canvas.clipBoundingRect().toAlignedRect())
                            : rect;
    const int cx = rect.left() + rect.width() / 2;
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.drawText(QPoint(cx - metrics.horizontalAdvance(number) / 2, shown.top() + metrics.ascent()),
                    number);
    canvas.restore();
    if (printing || !message.rowClipped)
        return;
    const int bottom = shown.bottom() + 1;
    int y1 = bottom - 15;
    int y2 = y1 + 10;
    if (shown.top() > y1 - 2) {
        y1 = shown.top() + 2;
        y2 = y1 + 10;
    }
    if (bottom < y2 + 2)
        y2 = bottom - 2;
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::black);
    canvas.drawPolygon(QPolygon({QPoint(cx, y2), QPoint(cx - 10, y1), QPoint(cx + 10, y1)}));
}

void DrawHeader(const TMessageTable& table, QPainter& canvas, const QRect& rect, int column,
                bool printing, const CellDrawContext& context)
{
    const QString text = QCoreApplication::translate("MessageCellPainter", "Sprache %1:%2")
                             .arg(column)
                             .arg(QFileInfo(table.fileName[static_cast<size_t>(column - 1)]).fileName());
    canvas.setFont(context.numberFont);
    canvas.setPen(Qt::black);
    const QFontMetrics metrics(context.numberFont);
    const int cx = rect.left() + rect.width() / 2;
    const int cy = rect.top() + rect.height() / 2;
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.drawText(QPoint(cx - metrics.horizontalAdvance(text) / 2,
                           cy - metrics.height() / 2 + metrics.ascent()),
                    text);
    canvas.restore();
    if (printing || column < 1 || column > 2 || !table.lineTooLong[static_cast<size_t>(column - 1)])
        return;
    const int right = rect.right() + 1;
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::black);
    canvas.drawPolygon(
        QPolygon({QPoint(right - 5, cy), QPoint(right - 15, cy - 10), QPoint(right - 15, cy + 10)}));
}

} // namespace

QString DisplayText(const QByteArray& displayCodes)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QString text;
    text.reserve(displayCodes.size());
    for (const char c : displayCodes)
        text.append(CodePoint::FromWindows(map.ToWindows(static_cast<quint8>(c))));
    return text;
}

int MeasureTextHeight(const TMessageTable& table, const QFont& standardFont, int slot, int language,
                      bool withHeader)
{
    if (language >= 2 || language < 0 || slot < 0 || slot >= table.Count())
        return 0;
    const int h = QFontMetrics(standardFont).height();
    const QByteArray& text = table.At(slot).text[static_cast<size_t>(language)];
    qsizetype pieces = text.isEmpty() ? 0 : text.count(Attr::LineBreak) + 1;
    if (withHeader && slot == 0 && language == 0 && !table.headerLines[0].isEmpty())
        pieces += table.headerLines[0].size() + 1 + (text.isEmpty() ? 1 : 0);
    return std::max<int>(static_cast<int>(pieces) * h, h);
}

int TextColumnWidth(const QFont& standardFont, int lineLength)
{
    return QFontMetrics(standardFont).horizontalAdvance(QLatin1Char('T')) * lineLength;
}

void DrawMessageCell(const TMessageTable& table, QPainter& canvas, const QRect& rect, int row,
                     int column, bool printing, const CellDrawContext& context)
{
    if (row > table.Count() || column > 2 || row < 0 || column < 0)
        return;
    if (row >= 1 && column >= 1)
        DrawText(table, canvas, rect, row, column, printing, context);
    else if (row >= 1)
        DrawNumber(table, canvas, rect, row, printing, context);
    else if (column >= 1)
        DrawHeader(table, canvas, rect, column, printing, context);
}
