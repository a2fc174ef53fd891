#include "DotEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "common/DotRaster.h"

namespace {
constexpr int Pitch = 34;
constexpr int Gap = 3;
constexpr int Margin = 6;
} // namespace

DotEditor::DotEditor(GlyphSet& glyphs, QWidget* parent) : QWidget(parent), m_glyphs(glyphs)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAccessibleName(tr("Punkteditor"));
    connect(&m_glyphs, &GlyphSet::Changed, this, [this](int index) {
        if (index == m_index)
            update();
    });
}

QSize DotEditor::sizeHint() const
{
    return {5 * Pitch + 2 * Margin, 7 * Pitch + 2 * Margin};
}

void DotEditor::SetIndex(int index)
{
    m_index = index;
    m_stroking = false;
    update();
}

bool DotEditor::dotAt(QPoint pos, int& column, int& row) const
{
    const int x = pos.x() - Margin;
    const int y = pos.y() - Margin;
    if (x < 0 || y < 0)
        return false;
    column = x / Pitch;
    row = y / Pitch;
    return column < 5 && row < 7;
}

void DotEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(40, 40, 40));
    const Glyph glyph = m_glyphs.At(m_index);
    const DotRaster raster(painter, QPointF(Margin, Margin), Pitch, Gap);
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column) {
            const QRectF dot = raster.Dot(column, row);
            painter.setPen(Qt::NoPen);
            painter.setBrush(GlyphSet::Dot(glyph, column, row) ? QColor(255, 176, 32) : QColor(75, 75, 75));
            painter.drawEllipse(dot);
            if (hasFocus() && column == m_cursorColumn && row == m_cursorRow) {
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(QColor(80, 160, 255), 2));
                painter.drawRect(dot.adjusted(-2, -2, 2, 2));
            }
        }
}

void DotEditor::paintDot(int column, int row)
{
    Glyph glyph = m_glyphs.At(m_index);
    if (GlyphSet::Dot(glyph, column, row) == m_strokeValue)
        return;
    GlyphSet::SetDot(glyph, column, row, m_strokeValue);
    m_glyphs.Set(m_index, glyph);
}

void DotEditor::mousePressEvent(QMouseEvent* event)
{
    int column = 0, row = 0;
    if (event->button() != Qt::LeftButton || !dotAt(event->position().toPoint(), column, row))
        return;
    m_strokeStart = m_glyphs.At(m_index);
    m_strokeValue = !GlyphSet::Dot(m_strokeStart, column, row);
    m_stroking = true;
    m_cursorColumn = column;
    m_cursorRow = row;
    paintDot(column, row);
}

void DotEditor::mouseMoveEvent(QMouseEvent* event)
{
    int column = 0, row = 0;
    if (m_stroking && dotAt(event->position().toPoint(), column, row))
        paintDot(column, row);
}

void DotEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_stroking || event->button() != Qt::LeftButton)
        return;
    m_stroking = false;
    const Glyph after = m_glyphs.At(m_index);
    if (after != m_strokeStart)
        Q_EMIT Edited(m_index, m_strokeStart, after);
}

void DotEditor::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        m_cursorColumn = (m_cursorColumn + 4) % 5;
        break;
    case Qt::Key_Right:
        m_cursorColumn = (m_cursorColumn + 1) % 5;
        break;
    case Qt::Key_Up:
        m_cursorRow = (m_cursorRow + 6) % 7;
        break;
    case Qt::Key_Down:
        m_cursorRow = (m_cursorRow + 1) % 7;
        break;
    case Qt::Key_Space: {
        const Glyph before = m_glyphs.At(m_index);
        Glyph after = before;
        GlyphSet::SetDot(after, m_cursorColumn, m_cursorRow, !GlyphSet::Dot(before, m_cursorColumn, m_cursorRow));
        m_glyphs.Set(m_index, after);
        Q_EMIT Edited(m_index, before, after);
        break;
    }
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}
