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
    if (m_topRow > count - 1) {
        m_topRow = count - 1;
        m_topOffset = 0;
    }
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
    if (row == m_topRow)
        m_topOffset = std::clamp(m_topOffset, 0, std::max(0, height));
    return true;
}

void MessageGrid::scrollTo(int row, int offset)
{
    row = std::clamp(row, 1, std::max(1, RowCount() - 1));
    offset = std::clamp(offset, 0, std::max(0, m_rowHeights[row]));
    if (row == m_topRow && offset == m_topOffset)
        return;
    m_topRow = row;
    m_topOffset = offset;
    updateScrollBars();
    viewport()->update();
    Q_EMIT TopLeftChanged();
}

void MessageGrid::scrollToY(int y)
{
    y = std::max(0, y);
    int row = 1;
    while (row < RowCount() - 1 && y >= m_rowHeights[row] + LineWidth) {
        y -= m_rowHeights[row] + LineWidth;
        ++row;
    }
    scrollTo(row, y);
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

int MessageGrid::rowY(int row) const
{
    int y = 0;
    for (int r = 1; r < row && r < RowCount(); ++r)
        y += m_rowHeights[r] + LineWidth;
    return y;
}

int MessageGrid::rowTop(int row) const
{
    if (row == 0)
        return 0;
    if (row >= m_topRow)
        return bodyTop() - m_topOffset + rowY(row) - rowY(m_topRow);
    return bodyTop() - scrollY() + rowY(row);
}

bool MessageGrid::rowVisible(int row) const
{
    if (row == 0)
        return true;
    if (row < m_topRow || row >= RowCount())
        return false;
    return rowTop(row) < viewport()->height() && rowTop(row) + m_rowHeights[row] >= bodyTop();
}

bool MessageGrid::RowCutAtBottom(int row) const
{
    return row >= 1 && rowVisible(row) && rowTop(row) + m_rowHeights[row] > viewport()->height();
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
    if (x < 0 || !rowVisible(row))
        return {};
    QRect area = viewport()->rect();
    if (row > 0)
        area.setTop(bodyTop());
    return QRect(x, rowTop(row), m_colWidths[col], m_rowHeights[row]).intersected(area);
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
    if (point.y() < bodyTop()) {
        row = point.y() >= 0 ? 0 : -1;
    } else {
        int y = bodyTop() - m_topOffset;
        for (int r = m_topRow; r < RowCount() && y < viewport()->height(); ++r) {
            if (point.y() >= y && point.y() < y + m_rowHeights[r] + LineWidth) {
                row = r;
                break;
            }
            y += m_rowHeights[r] + LineWidth;
        }
    }
    return col >= 0 && row >= 0;
}

int MessageGrid::LastVisibleRow() const
{
    int y = bodyTop() - m_topOffset;
    int r = m_topRow;
    const int height = viewport()->height();
    while (r < RowCount() && y < height) {
        y += m_rowHeights[r] + LineWidth;
        ++r;
    }
    return r - 1;
}

int MessageGrid::maxScrollY() const
{
    return std::max(0, rowY(RowCount()) - (viewport()->height() - bodyTop()));
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
    const int y = scrollY();
    verticalScrollBar()->setRange(0, std::max(maxScrollY(), y));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() - bodyTop()));
    verticalScrollBar()->setSingleStep(std::max(1, m_defaultRowHeight));
    verticalScrollBar()->setValue(y);
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
    const int y = verticalScrollBar()->value();
    const int left = std::clamp(horizontalScrollBar()->value() + 1, 1, std::max(1, ColCount() - 1));
    if (left != m_leftCol) {
        m_leftCol = left;
        viewport()->update();
        Q_EMIT TopLeftChanged();
    }
    if (y != scrollY())
        scrollToY(y);
}

void MessageGrid::makeRowVisible(int row)
{
    if (row < 1 || row >= RowCount())
        return;
    const int top = rowTop(row);
    const int bottom = top + m_rowHeights[row];
    if (top < bodyTop() || m_rowHeights[row] > viewport()->height() - bodyTop())
        scrollTo(row, 0);
    else if (bottom > viewport()->height())
        scrollToY(scrollY() + bottom - viewport()->height());
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
    const auto paintRow = [&](int r, int y) {
        int x = 0;
        for (int c = 0; c < ColCount() && x < area.width(); c = (c == 0 ? m_leftCol : c + 1)) {
            paintCell(painter, QRect(x, y, m_colWidths[c], m_rowHeights[r]), c, r);
            x += m_colWidths[c] + LineWidth;
        }
    };
    // The rows below the header; the top one may be cut at its top, so the header is
    // painted last, over it.
    painter.save();
    painter.setClipRect(area.adjusted(0, bodyTop(), 0, 0));
    int y = bodyTop() - m_topOffset;
    for (int r = m_topRow; r < RowCount() && y < area.height(); ++r) {
        paintRow(r, y);
        y += m_rowHeights[r] + LineWidth;
    }
    painter.restore();
    paintRow(0, 0);
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
    // The owner draws into the whole cell; only its visible part shows.
    painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setPen(pal.color(QPalette::Text));
    painter.setFont(font());
    cellPainter(painter, rect, row, col);
    painter.restore();
}

void MessageGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Grown wider, the grid shows the columns it had scrolled out to the left again.
    if (m_leftCol > maxLeftCol())
        SetLeftCol(maxLeftCol());
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
        // Three lines a notch (or the touchpad's own pixels), and no further down than the
        // last rows filling the view.
        const int step = !event->pixelDelta().isNull() ? event->pixelDelta().y()
                                                         : delta.y() * 3 * std::max(1, m_defaultRowHeight) / 120;
        const int y = scrollY() - step;
        scrollToY(step < 0 ? std::min(y, std::max(maxScrollY(), scrollY())) : y);
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
