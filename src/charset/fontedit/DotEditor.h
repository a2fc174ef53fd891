#pragma once

#include <QWidget>

#include "GlyphSet.h"

// The current glyph's 5 × 7 dots, enlarged. A click toggles a dot, dragging paints the
// dots passed over with the same value; arrow keys move the dot cursor, Space toggles.
// Every click-and-drag or key press ends in one Edited(before, after) for the undo stack.
class DotEditor : public QWidget
{
    Q_OBJECT

public:
    DotEditor(GlyphSet& glyphs, QWidget* parent = nullptr);

    void SetIndex(int index);
    QSize sizeHint() const override;

Q_SIGNALS:
    void Edited(int index, const Glyph& before, const Glyph& after);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool dotAt(QPoint pos, int& column, int& row) const;
    void paintDot(int column, int row);

    GlyphSet& m_glyphs;
    int m_index = 0;
    int m_cursorColumn = 0;
    int m_cursorRow = 0;
    bool m_stroking = false;
    bool m_strokeValue = false;
    Glyph m_strokeStart{};
};
