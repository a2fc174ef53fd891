#pragma once

#include <QWidget>

class GlyphSet;

// All 224 glyphs, 16 to a row in display-code order; one is the current glyph.
// Arrow keys, Home/End and the mouse move the selection; Enter or a double click choose it.
class GlyphGrid : public QWidget
{
    Q_OBJECT

public:
    GlyphGrid(GlyphSet& glyphs, QWidget* parent = nullptr);

    int Current() const { return m_current; }
    void SetCurrent(int index);
    QSize sizeHint() const override;

Q_SIGNALS:
    void CurrentChanged(int index);
    void Chosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int indexAt(QPoint pos) const;
    QRect cellRect(int index) const;

    GlyphSet& m_glyphs;
    int m_current = 'A' - 32;
};
