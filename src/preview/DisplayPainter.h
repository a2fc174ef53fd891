#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QSize>

#include "preview/DisplayFrame.h"

class QPainter;

// Paints a display frame dot by dot: round dots for the LED looks, square ones for the
// LCD look, every dot `pitch` logical pixels from the next, characters one dot apart as
// on the display's modules. Each character cell is drawn once per glyph and look and
// then only copied, so that a whole frame costs little more than the copies.
class DisplayPainter
{
public:
    void SetLook(DotLook look);
    DotLook Look() const { return m_look; }
    void SetPitch(int pitch);
    int Pitch() const { return m_pitch; }

    QColor Background() const;
    // The size of a frame of `columns` × `rows` characters with its margin.
    QSize FrameSize(int columns, int rows) const;
    // Paints the frame with its margin, its top left at `origin`.
    void Paint(QPainter& painter, QPoint origin, const TPreviewFrame& frame);

private:
    const QImage& cellImage(const GlyphRows& rows, qreal ratio);

    DotLook m_look = DotLook::LedRed;
    int m_pitch = 4;
    qreal m_ratio = 1;
    QHash<quint64, QImage> m_cells;
};
