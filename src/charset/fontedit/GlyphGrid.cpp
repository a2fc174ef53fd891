#include "GlyphGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "GlyphSet.h"
#include "common/DotRaster.h"

namespace {
constexpr int Columns = 16;
constexpr int Rows = GlyphSet::Count / Columns;
constexpr int Dot = 3;
constexpr int CellWidth = 5 * Dot + 8;
constexpr int CellHeight = 7 * Dot + 8;
// Room for the code labels: high hex digit left of each row, low digit above each column.
constexpr int LabelWidth = 24;
constexpr int LabelHeight = 16;
} // namespace

GlyphGrid::GlyphGrid(GlyphSet& glyphs, QWidget* parent) : QWidget(parent), m_glyphs(glyphs)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAccessibleName(tr("Zeichenübersicht"));
    connect(&m_glyphs, &GlyphSet::Changed, this, [this](int index) { update(cellRect(index)); });
}

QSize GlyphGrid::sizeHint() const
{
    return {LabelWidth + Columns * CellWidth + 1, LabelHeight + Rows * CellHeight + 1};
}

QRect GlyphGrid::cellRect(int index) const
{
    return {LabelWidth + index % Columns * CellWidth, LabelHeight + index / Columns * CellHeight, CellWidth + 1,
            CellHeight + 1};
}

int GlyphGrid::indexAt(QPoint pos) const
{
    const int x = pos.x() - LabelWidth;
    const int y = pos.y() - LabelHeight;
    const int column = x / CellWidth;
    const int row = y / CellHeight;
    if (x < 0 || y < 0 || column >= Columns || row >= Rows)
        return -1;
    return row * Columns + column;
}

void GlyphGrid::SetCurrent(int index)
{
    index = std::clamp(index, 0, GlyphSet::Count - 1);
    if (index == m_current)
        return;
    update(cellRect(m_current));
    m_current = index;
    update(cellRect(m_current));
    Q_EMIT CurrentChanged(m_current);
}

void GlyphGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(rect().adjusted(LabelWidth, LabelHeight, 0, 0), palette().base());
    const QColor lit = palette().color(QPalette::Text);
    const QColor dark(228, 228, 228);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int column = 0; column < Columns; ++column)
        painter.drawText(QRect(LabelWidth + column * CellWidth, 0, CellWidth, LabelHeight), Qt::AlignCenter,
                         QString::number(column, 16).toUpper());
    for (int row = 0; row < Rows; ++row)
        painter.drawText(QRect(0, LabelHeight + row * CellHeight, LabelWidth - 3, CellHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(row + 2, 16).toUpper() + QLatin1Char('x'));
    for (int index = 0; index < GlyphSet::Count; ++index) {
        const QRect cell = cellRect(index);
        if (!event->rect().intersects(cell))
            continue;
        const bool current = index == m_current;
        if (current)
            painter.fillRect(cell.adjusted(1, 1, -1, -1), palette().color(QPalette::Highlight).lighter(170));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        const Glyph glyph = m_glyphs.At(index);
        const DotRaster raster(painter, cell.topLeft() + QPoint(4, 4), Dot);
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                painter.fillRect(raster.Dot(column, row),
                                 GlyphSet::Dot(glyph, column, row) ? lit : (current ? Qt::white : dark));
        if (current) {
            QPen pen(palette().color(QPalette::Highlight), hasFocus() ? 2 : 1);
            painter.setPen(pen);
            painter.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}

void GlyphGrid::mousePressEvent(QMouseEvent* event)
{
    const int index = indexAt(event->position().toPoint());
    if (index >= 0)
        SetCurrent(index);
}

void GlyphGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = indexAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT Chosen(index);
}

void GlyphGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        SetCurrent(m_current - 1);
        break;
    case Qt::Key_Right:
        SetCurrent(m_current + 1);
        break;
    case Qt::Key_Up:
        SetCurrent(m_current - Columns);
        break;
    case Qt::Key_Down:
        SetCurrent(m_current + Columns);
        break;
    case Qt::Key_Home:
        SetCurrent(m_current - m_current % Columns);
        break;
    case Qt::Key_End:
        SetCurrent(m_current - m_current % Columns + Columns - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT Chosen(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
