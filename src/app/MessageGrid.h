#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QVector>
#include <algorithm>
#include <functional>

class QPainter;

// A drawn grid with one fixed header row and one fixed number column, row heights set
// per row, scrolling by pixels down the rows (a row taller than the window can be read
// to its end) and by whole columns across, a current cell and a rectangular selection. It knows nothing about messages: the owner draws every cell through
// `cellPainter` and reacts to the signals.
class MessageGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    struct Selection
    {
        int left = 1;
        int top = 1;
        int right = 1;
        int bottom = 1;
        bool IsOneCell() const { return left == right && top == bottom; }
        bool Contains(int col, int row) const
        {
            return col >= std::min(left, right) && col <= std::max(left, right)
                && row >= std::min(top, bottom) && row <= std::max(top, bottom);
        }
    };

    explicit MessageGrid(QWidget* parent = nullptr);

    int ColCount() const { return static_cast<int>(m_colWidths.size()); }
    void SetColCount(int count);
    int ColWidth(int col) const { return m_colWidths.value(col); }
    void SetColWidth(int col, int width);

    int RowCount() const { return static_cast<int>(m_rowHeights.size()); }
    void SetRowCount(int count);
    int RowHeight(int row) const { return m_rowHeights.value(row); }
    // Returns whether the height changed; the grid repaints and sets its scroll bar only
    // on Repaint(), so a caller can set every row's height at little cost.
    bool SetRowHeight(int row, int height);
    void SetDefaultRowHeight(int height) { m_defaultRowHeight = height; }

    int TopRow() const { return m_topRow; }
    // Pixels of the top row scrolled out above the header.
    int TopOffset() const { return m_topOffset; }
    // The row's top at the top of the rows' area.
    void SetTopRow(int row) { scrollTo(row, 0); }
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int col);

    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Like a click on the cell: it becomes current and the only selected cell, the grid
    // scrolls to it, and CellClicked is raised.
    void SetCurrentCell(int col, int row);
    void SetRow(int row) { SetCurrentCell(m_col, row); }
    void SetCol(int col) { SetCurrentCell(col, m_row); }

    // The selection with top <= bottom and left <= right.
    Selection GetSelection() const;
    // Changes the selection without raising CellClicked. The current cell becomes the
    // corner given as right/bottom, so a caller picks it by the order of the columns.
    void SetSelection(const Selection& selection);

    // The visible part of the cell's rectangle in viewport coordinates; empty when the
    // cell is not visible.
    QRect CellRect(int col, int row) const;
    // The row is visible and reaches below the viewport's bottom.
    bool RowCutAtBottom(int row) const;
    // The cell under a viewport point; false outside every cell.
    bool MouseToCell(const QPoint& point, int& col, int& row) const;
    int ClientHeight() const;
    // The last row that is at least partly visible.
    int LastVisibleRow() const;
    // Scrolls until the row is fully visible, or its top at the top when it is taller
    // than the window.
    void ShowRow(int row) { makeRowVisible(row); }

    void Repaint()
    {
        updateScrollBars();
        viewport()->update();
    }

    // While frozen the grid shows the picture it had when frozen, so that nothing
    // half-built (a font being replaced) is ever seen.
    void Freeze();
    void Thaw();
    bool IsFrozen() const { return !m_frozen.isNull(); }

    static constexpr int HeaderRowHeight = 24;
    static constexpr int LineWidth = 1;

    std::function<void(QPainter& painter, const QRect& rect, int row, int col)> cellPainter;

Q_SIGNALS:
    // The current cell was set by a click, by the keyboard's Enter or by SetCurrentCell.
    void CellClicked();
    // The left button went down on a cell (before the grid changes its current cell).
    void CellPressed(int col, int row, Qt::KeyboardModifiers modifiers);
    // The pointer moved over another cell with the left button held after a press.
    void CellDragged(int col, int row);
    void TopLeftChanged();
    void FocusEntered();
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    int bodyTop() const { return m_rowHeights[0] + LineWidth; }
    int rowY(int row) const; // pixels from row 1's top to the row's top
    int scrollY() const { return rowY(m_topRow) + m_topOffset; }
    int maxScrollY() const;
    void scrollTo(int row, int offset);
    void scrollToY(int y);
    int maxLeftCol() const;
    int rowTop(int row) const; // viewport y of a row's top (above the body when cut there)
    bool rowVisible(int row) const;
    int colLeft(int col) const;
    void moveCurrent(int col, int row);
    void makeRowVisible(int row);
    void paintCell(QPainter& painter, const QRect& rect, int col, int row);

    QVector<int> m_colWidths;
    QVector<int> m_rowHeights;
    int m_defaultRowHeight = 16;
    int m_topRow = 1;
    int m_topOffset = 0;
    int m_leftCol = 1;
    int m_col = 1;
    int m_row = 1;
    Selection m_selection;
    bool m_dragging = false;
    int m_dragRow = -1;
    bool m_syncingScrollBars = false;
    QPixmap m_frozen;
};
