#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QVector>
#include <algorithm>
#include <functional>

class QPainter;

// A drawn grid with one fixed header row and one fixed number column, row heights set
// per row, scrolling by whole rows and columns, a current cell and a rectangular
// selection. It knows nothing about messages: the owner draws every cell through
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
    // Returns whether the height changed; the grid repaints only on Repaint().
    bool SetRowHeight(int row, int height);
    void SetDefaultRowHeight(int height) { m_defaultRowHeight = height; }

    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
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

    // The cell's rectangle in viewport coordinates; empty when the cell is not visible.
    QRect CellRect(int col, int row) const;
    // The cell under a viewport point; false outside every cell.
    bool MouseToCell(const QPoint& point, int& col, int& row) const;
    int ClientHeight() const;
    // The last row that is at least partly visible.
    int LastVisibleRow() const;
    // Scrolls until the row is fully visible (or at the top).
    void ShowRow(int row) { makeRowVisible(row); }

    void Repaint() { viewport()->update(); }

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
    int maxTopRow() const;
    int maxLeftCol() const;
    int rowTop(int row) const; // viewport y of a visible row, -1 when not visible
    int colLeft(int col) const;
    void moveCurrent(int col, int row);
    void makeRowVisible(int row);
    void paintCell(QPainter& painter, const QRect& rect, int col, int row);

    QVector<int> m_colWidths;
    QVector<int> m_rowHeights;
    int m_defaultRowHeight = 16;
    int m_topRow = 1;
    int m_leftCol = 1;
    int m_col = 1;
    int m_row = 1;
    Selection m_selection;
    bool m_dragging = false;
    int m_dragRow = -1;
    bool m_syncingScrollBars = false;
    QPixmap m_frozen;
};
