#include "app/MessageGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

QColor Blend(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

} // namespace

MessageGrid::MessageGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    m_colWidths = {40, 100};
    m_rowHeights = {HeaderRowHeight, m_defaultRowHeight};
    updateScrollBars();
}

void MessageGrid::SetColCount(int count)
{
    count = std::max(count, 2);
    const int old = ColCount();
    m_colWidths.resize(count);
    for (int c = old; c < count; ++c)
        m_colWidths[c] = 100;
    m_col = std::min(m_col, count - 1);
    m_leftCol = std::min(m_leftCol, count - 1);
    m_selection.left = std::min(m_selection.left, count - 1);
    m_selection.right = std::min(m_selection.right, count - 1);
    updateScrollBars();
    viewport()->update();
}

void MessageGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= ColCount() || m_colWidths[col] == width)
        return;
    m_colWidths[col] = width;
    updateScrollBars();
    viewport()->update();
}

void MessageGrid::SetRowCount(int count)
{
    count = std::max(count, 2);
    if (count == RowCount())
        return;
    const int old = RowCount();
    m_rowHeights.resize(count);
    for (int r = old; r < count; ++r)
        m_rowHeights[r] = m_defaultRowHeight;
    m_row = std::min(m_row, count - 1);
    m_topRow = std::min(m_topRow, count - 1);
    m_selection.top = std::min(m_selection.top, count - 1);
    m_selection.bottom = std::min(m_selection.bottom, count - 1);
    updateScrollBars();
    viewport()->update();
}

bool MessageGrid::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= RowCount() || m_rowHeights[row] == height)
        return false;
    m_rowHeights[row] = height;
    updateScrollBars();
    return true;
}

void MessageGrid::SetTopRow(int row)
{
    row = std::clamp(row, 1, std::max(1, RowCount() - 1));
    if (row == m_topRow)
        return;
    m_topRow = row;
    updateScrollBars();
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void MessageGrid::SetLeftCol(int col)
{
    col = std::clamp(col, 1, std::max(1, ColCount() - 1));
    if (col == m_leftCol)
        return;
    m_leftCol = col;
    updateScrollBars();
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void MessageGrid::SetCurrentCell(int col, int row)
{
    moveCurrent(col, row);
    makeRowVisible(m_row);
    Q_EMIT CellClicked();
}

MessageGrid::Selection MessageGrid::GetSelection() const
{
    Selection s;
    s.left = std::min(m_selection.left, m_selection.right);
    s.right = std::max(m_selection.left, m_selection.right);
    s.top = std::min(m_selection.top, m_selection.bottom);
    s.bottom = std::max(m_selection.top, m_selection.bottom);
    return s;
}

void MessageGrid::SetSelection(const Selection& selection)
{
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    m_selection.left = std::clamp(selection.left, 1, lastCol);
    m_selection.right = std::clamp(selection.right, 1, lastCol);
    m_selection.top = std::clamp(selection.top, 1, lastRow);
    m_selection.bottom = std::clamp(selection.bottom, 1, lastRow);
    m_col = m_selection.right;
    m_row = m_selection.bottom;
    viewport()->update();
}

void MessageGrid::moveCurrent(int col, int row)
{
    m_col = std::clamp(col, 1, ColCount() - 1);
    m_row = std::clamp(row, 1, RowCount() - 1);
    m_selection = {m_col, m_row, m_col, m_row};
    viewport()->update();
}

int MessageGrid::ClientHeight() const
{
    return viewport()->height();
}

int MessageGrid::rowTop(int row) const
{
    if (row == 0)
        return 0;
    if (row < m_topRow || row >= RowCount())
        return -1;
    int y = m_rowHeights[0] + LineWidth;
    for (int r = m_topRow; r < row; ++r) {
        y += m_rowHeights[r] + LineWidth;
        if (y >= viewport()->height())
            return -1;
    }
    return y < viewport()->height() ? y : -1;
}

int MessageGrid::colLeft(int col) const
{
    if (col == 0)
        return 0;
    if (col < m_leftCol || col >= ColCount())
        return -1;
    int x = m_colWidths[0] + LineWidth;
    for (int c = m_leftCol; c < col; ++c)
        x += m_colWidths[c] + LineWidth;
    return x < viewport()->width() ? x : -1;
}

QRect MessageGrid::CellRect(int col, int row) const
{
    const int x = colLeft(col);
    const int y = rowTop(row);
    if (x < 0 || y < 0)
        return {};
    return QRect(x, y, m_colWidths[col], m_rowHeights[row]).intersected(viewport()->rect());
}

bool MessageGrid::MouseToCell(const QPoint& point, int& col, int& row) const
{
    col = -1;
    for (int c = 0; c < ColCount(); ++c) {
        const int x = colLeft(c);
        if (x >= 0 && point.x() >= x && point.x() < x + m_colWidths[c] + LineWidth) {
            col = c;
            break;
        }
    }
    row = -1;
    const int last = LastVisibleRow();
    for (int r = 0; r <= last; r = (r == 0 ? m_topRow : r + 1)) {
        const int y = rowTop(r);
        if (y >= 0 && point.y() >= y && point.y() < y + m_rowHeights[r] + LineWidth) {
            row = r;
            break;
        }
    }
    return col >= 0 && row >= 0;
}

int MessageGrid::LastVisibleRow() const
{
    int y = m_rowHeights[0] + LineWidth;
    int r = m_topRow;
    const int height = viewport()->height();
    while (r < RowCount() && y < height) {
        y += m_rowHeights[r] + LineWidth;
        ++r;
    }
    return r - 1;
}

int MessageGrid::maxTopRow() const
{
    const int available = viewport()->height() - m_rowHeights[0] - LineWidth;
    int used = 0;
    int r = RowCount() - 1;
    while (r >= 1) {
        used += m_rowHeights[r] + LineWidth;
        if (used > available)
            return std::min(r + 1, RowCount() - 1);
        --r;
    }
    return 1;
}

int MessageGrid::maxLeftCol() const
{
    const int available = viewport()->width() - m_colWidths[0] - LineWidth;
    int used = 0;
    for (int c = ColCount() - 1; c >= 1; --c) {
        used += m_colWidths[c] + LineWidth;
        if (used > available)
            return std::min(c + 1, ColCount() - 1);
    }
    return 1;
}

void MessageGrid::updateScrollBars()
{
    // Row heights change while a layout is running; the bars follow without feeding
    // their clamped values back as scrolling.
    m_syncingScrollBars = true;
    const int maxTop = std::max(maxTopRow(), m_topRow);
    verticalScrollBar()->setRange(0, maxTop - 1);
    verticalScrollBar()->setPageStep(std::max(1, LastVisibleRow() - m_topRow));
    verticalScrollBar()->setValue(m_topRow - 1);
    const int maxLeft = std::max(maxLeftCol(), m_leftCol);
    horizontalScrollBar()->setRange(0, maxLeft - 1);
    horizontalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setValue(m_leftCol - 1);
    m_syncingScrollBars = false;
}

void MessageGrid::scrollContentsBy(int, int)
{
    if (m_syncingScrollBars)
        return;
    const int top = verticalScrollBar()->value() + 1;
    const int left = horizontalScrollBar()->value() + 1;
    if (top == m_topRow && left == m_leftCol)
        return;
    m_topRow = std::clamp(top, 1, std::max(1, RowCount() - 1));
    m_leftCol = std::clamp(left, 1, std::max(1, ColCount() - 1));
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void MessageGrid::makeRowVisible(int row)
{
    if (row < m_topRow) {
        SetTopRow(row);
        return;
    }
    const int height = viewport()->height();
    for (;;) {
        const int y = rowTop(row);
        if (m_topRow >= row || (y >= 0 && y + m_rowHeights[row] <= height))
            return;
        const int before = m_topRow;
        SetTopRow(m_topRow + 1);
        if (m_topRow == before)
            return;
    }
}

void MessageGrid::Freeze()
{
    if (!IsFrozen() && isVisible())
        m_frozen = viewport()->grab();
}

void MessageGrid::Thaw()
{
    if (!IsFrozen())
        return;
    m_frozen = QPixmap();
    viewport()->update();
}

void MessageGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (IsFrozen()) {
        painter.fillRect(viewport()->rect(), palette().window());
        painter.drawPixmap(0, 0, m_frozen);
        return;
    }
    const QRect area = viewport()->rect();
    painter.fillRect(area, palette().window());
    int y = 0;
    for (int r = 0; r < RowCount() && y < area.height(); r = (r == 0 ? m_topRow : r + 1)) {
        int x = 0;
        for (int c = 0; c < ColCount() && x < area.width(); c = (c == 0 ? m_leftCol : c + 1)) {
            paintCell(painter, QRect(x, y, m_colWidths[c], m_rowHeights[r]), c, r);
            x += m_colWidths[c] + LineWidth;
        }
        y += m_rowHeights[r] + LineWidth;
        if (r == 0 && m_topRow >= RowCount())
            break;
    }
}

void MessageGrid::paintCell(QPainter& painter, const QRect& rect, int col, int row)
{
    const bool fixed = col == 0 || row == 0;
    const QPalette& pal = palette();
    const QColor line = Blend(pal.color(QPalette::Button), pal.color(QPalette::Shadow), 0.25);
    if (fixed) {
        painter.fillRect(rect, pal.button());
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
    } else {
        const bool selected = m_selection.Contains(col, row);
        // A pale highlight keeps black and red display text readable on selected rows.
        painter.fillRect(rect, selected ? Blend(pal.color(QPalette::Base),
                                                pal.color(QPalette::Highlight), 0.3)
                                        : pal.color(QPalette::Base));
    }
    painter.setPen(fixed ? pal.color(QPalette::Dark) : line);
    painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
    painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
    if (!cellPainter || rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(pal.color(QPalette::Text));
    painter.setFont(font());
    cellPainter(painter, rect, row, col);
    painter.restore();
}

void MessageGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    Q_EMIT Resized();
}

void MessageGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    if (!MouseToCell(event->position().toPoint(), col, row))
        return;
    Q_EMIT CellPressed(col, row, event->modifiers());
    if (col == 0 && row >= 1) {
        m_dragging = true;
        m_dragRow = row;
        return;
    }
    if (col >= 1 && row >= 1)
        SetCurrentCell(col, row);
}

void MessageGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    int col = 0;
    int row = 0;
    if (!MouseToCell(event->position().toPoint(), col, row) || row < 1 || row == m_dragRow)
        return;
    m_dragRow = row;
    Q_EMIT CellDragged(col, row);
}

void MessageGrid::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void MessageGrid::keyPressEvent(QKeyEvent* event)
{
    const int lastRow = RowCount() - 1;
    const int visible = std::max(1, LastVisibleRow() - m_topRow);
    int row = m_row;
    int col = m_col;
    switch (event->key()) {
    case Qt::Key_Up: row -= 1; break;
    case Qt::Key_Down: row += 1; break;
    case Qt::Key_PageUp: row -= visible; break;
    case Qt::Key_PageDown: row += visible; break;
    case Qt::Key_Home: row = 1; break;
    case Qt::Key_End: row = lastRow; break;
    case Qt::Key_Left: col -= 1; break;
    case Qt::Key_Right: col += 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SetCurrentCell(m_col, m_row);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    row = std::clamp(row, 1, lastRow);
    col = std::clamp(col, 1, ColCount() - 1);
    if (event->modifiers() & Qt::ShiftModifier) {
        // Shift extends a selection of whole rows, as clicks on the number column do.
        Selection s = m_selection;
        if (s.top == s.bottom && s.left == s.right) {
            s.left = ColCount() - 1;
            s.right = 1;
        }
        s.bottom = row;
        SetSelection(s);
    } else {
        moveCurrent(col, row);
    }
    makeRowVisible(row);
}

void MessageGrid::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0) {
        // Three rows a notch, and no further down than the last rows filling the view.
        const int top = m_topRow - delta.y() / 40;
        SetTopRow(delta.y() < 0 ? std::min(top, std::max(maxTopRow(), m_topRow)) : top);
    }
    else if (delta.x() != 0)
        SetLeftCol(m_leftCol - (delta.x() > 0 ? 1 : -1));
    event->accept();
}

void MessageGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    Q_EMIT FocusEntered();
}
