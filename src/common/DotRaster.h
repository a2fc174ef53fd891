#pragma once

#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <cmath>

// Places the dots of a glyph on whole device pixels. At a fractional screen scale (1.5) a
// dot 3 logical pixels wide covers 4.5 device pixels and, depending on where it starts,
// comes out 4 or 5 wide. A DotRaster rounds the pitch and the gap to whole device pixels
// once and starts from a device pixel, so every dot it places has one size.
class DotRaster
{
public:
    // `origin`: logical top left of dot (0, 0); `pitch`: logical distance from one dot to
    // the next; `gap`: logical space left free on each side of a dot.
    DotRaster(const QPainter& painter, QPointF origin, qreal pitch, qreal gap = 0)
        : m_toDevice(painter.deviceTransform()), m_toLogical(m_toDevice.inverted())
    {
        const qreal scale = std::abs(m_toDevice.m11());
        const QPointF start = m_toDevice.map(origin);
        m_origin = QPointF(std::round(start.x()), std::round(start.y()));
        m_pitch = std::max<qreal>(1, std::round(pitch * scale));
        m_gap = std::min(std::round(gap * scale), std::floor((m_pitch - 1) / 2));
    }

    // The logical rectangle of the dot in `column` and `row`; its edges lie on device pixels.
    QRectF Dot(int column, int row) const
    {
        const QRectF device(m_origin.x() + column * m_pitch + m_gap, m_origin.y() + row * m_pitch + m_gap,
                            m_pitch - 2 * m_gap, m_pitch - 2 * m_gap);
        return m_toLogical.mapRect(device);
    }

private:
    QTransform m_toDevice;
    QTransform m_toLogical;
    QPointF m_origin;
    qreal m_pitch = 1;
    qreal m_gap = 0;
};
