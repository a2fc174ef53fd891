#include "dialogs/LedPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace LedPicture {

namespace {

using Glyph = std::array<quint8, 7>; // one byte per dot row, the five low bits from left to right

Glyph GlyphOf(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 'A': return {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
    case 'D': return {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E};
    case 'E': return {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F};
    case 'I': return {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E};
    case 'L': return {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F};
    case 'N': return {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11};
    case 'O': return {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
    case 'R': return {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11};
    case 'T': return {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04};
    case 'V': return {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04};
    default: return {};
    }
}

constexpr int CellColumns = 6; // five dots and a gap
constexpr int CellRows = 8;    // seven dots and a gap

} // namespace

void PaintPanel(QPainter& painter, const QRectF& area, const QStringList& lines)
{
    int characters = 1;
    for (const QString& line : lines)
        characters = qMax(characters, int(line.size()));
    characters += 2; // a dark character at each end, as on a real panel
    const int dotColumns = characters * CellColumns + 1;
    const int dotRows = int(qMax<qsizetype>(1, lines.size())) * CellRows + 1;

    // Housing around the matrix: a border of two dots' width on every side.
    const double pitch = qMin(area.width() / (dotColumns + 4.0), area.height() / (dotRows + 4.0));
    const QSizeF panelSize((dotColumns + 4.0) * pitch, (dotRows + 4.0) * pitch);
    const QRectF panel(area.center() - QPointF(panelSize.width() / 2, panelSize.height() / 2), panelSize);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient housing(panel.topLeft(), panel.bottomLeft());
    housing.setColorAt(0, QColor(0x5a, 0x5f, 0x66));
    housing.setColorAt(1, QColor(0x2b, 0x2e, 0x33));
    painter.setPen(QPen(QColor(0x15, 0x16, 0x18), qMax(1.0, pitch / 4)));
    painter.setBrush(housing);
    painter.drawRoundedRect(panel, pitch, pitch);
    const QRectF matrix = panel.adjusted(1.5 * pitch, 1.5 * pitch, -1.5 * pitch, -1.5 * pitch);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0b, 0x0b, 0x0c));
    painter.drawRect(matrix);

    const QColor off(0x3a, 0x12, 0x08);
    const QColor on(0xff, 0xb0, 0x30);
    const double radius = pitch * 0.38;
    const QPointF origin = matrix.topLeft() + QPointF(pitch, pitch);
    for (int row = 0; row < dotRows; ++row) {
        const int line = row / CellRows;
        const int dotRow = row % CellRows;
        const QString text = line < lines.size() ? lines[line] : QString();
        // Centred to the dot; the gap after the last character does not count as text.
        const int lead = ((characters - int(text.size())) * CellColumns + 2) / 2;
        for (int column = 0; column < dotColumns; ++column) {
            const int shifted = column - lead;
            const int cell = shifted < 0 ? -1 : shifted / CellColumns;
            const int dotColumn = shifted < 0 ? 0 : shifted % CellColumns;
            bool lit = false;
            if (cell >= 0 && cell < text.size() && dotRow < 7 && dotColumn < 5)
                lit = (GlyphOf(text[cell])[size_t(dotRow)] >> (4 - dotColumn)) & 1;
            const QPointF centre = origin + QPointF(column * pitch, row * pitch);
            if (lit) {
                QRadialGradient glow(centre, radius * 1.9);
                glow.setColorAt(0, QColor(0xff, 0xf0, 0xc0));
                glow.setColorAt(0.35, on);
                glow.setColorAt(1, QColor(on.red(), on.green() / 3, 0, 0));
                painter.setBrush(glow);
                painter.drawEllipse(centre, radius * 1.9, radius * 1.9);
            } else {
                painter.setBrush(off);
                painter.drawEllipse(centre, radius, radius);
            }
        }
    }
    painter.restore();
}

QPixmap Panel(const QSize& size, const QStringList& lines)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintPanel(painter, QRectF(QPointF(0, 0), QSizeF(size)), lines);
    return pixmap;
}

} // namespace LedPicture
