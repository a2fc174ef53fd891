#include "preview/DisplayPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

struct Colours
{
    QColor background;
    QColor lit;
    QColor dark;
};

Colours ColoursOf(DotLook look)
{
    switch (look) {
    case DotLook::LedGreen: return {QColor(12, 14, 12), QColor(70, 255, 90), QColor(20, 52, 24)};
    case DotLook::LedAmber: return {QColor(14, 12, 10), QColor(255, 178, 0), QColor(58, 40, 8)};
    case DotLook::Lcd: return {QColor(160, 196, 70), QColor(28, 40, 22), QColor(146, 182, 62)};
    case DotLook::LedRed: break;
    }
    return {QColor(14, 10, 10), QColor(255, 48, 32), QColor(62, 16, 14)};
}

quint64 Key(const GlyphRows& rows)
{
    quint64 key = 0;
    for (const quint8 row : rows)
        key = key << 5 | (row & 0x1F);
    return key;
}

constexpr int MarginDots = 2;

} // namespace

void DisplayPainter::SetLook(DotLook look)
{
    if (look != m_look)
        m_cells.clear();
    m_look = look;
}

void DisplayPainter::SetPitch(int pitch)
{
    pitch = std::clamp(pitch, 2, 32);
    if (pitch != m_pitch)
        m_cells.clear();
    m_pitch = pitch;
}

QColor DisplayPainter::Background() const
{
    return ColoursOf(m_look).background;
}

QSize DisplayPainter::FrameSize(int columns, int rows) const
{
    return QSize((std::max(columns, 1) * 6 - 1 + 2 * MarginDots) * m_pitch,
                 (std::max(rows, 1) * 8 - 1 + 2 * MarginDots) * m_pitch);
}

const QImage& DisplayPainter::cellImage(const GlyphRows& rows, qreal ratio)
{
    const quint64 key = Key(rows);
    const auto found = m_cells.constFind(key);
    if (found != m_cells.constEnd())
        return *found;
    if (m_cells.size() > 4096)
        m_cells.clear();

    // Drawn in device pixels, so that every dot of a cell has the same shape.
    const int pitch = std::max(2, static_cast<int>(std::lround(m_pitch * ratio)));
    const Colours colours = ColoursOf(m_look);
    QImage image(5 * pitch, 7 * pitch, QImage::Format_RGB32);
    image.fill(colours.background);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const bool lcd = m_look == DotLook::Lcd;
    painter.setRenderHint(QPainter::Antialiasing, !lcd);
    const qreal gap = lcd ? std::max(1, pitch / 8) : pitch * 0.12;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x) {
            painter.setBrush((rows[y] >> (4 - x) & 1) ? colours.lit : colours.dark);
            const QRectF dot(x * pitch + gap, y * pitch + gap, pitch - 2 * gap, pitch - 2 * gap);
            if (lcd)
                painter.drawRect(dot);
            else
                painter.drawEllipse(dot);
        }
    painter.end();
    image.setDevicePixelRatio(ratio);
    return *m_cells.insert(key, image);
}

void DisplayPainter::Paint(QPainter& painter, QPoint origin, const TPreviewFrame& frame)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (ratio != m_ratio) {
        m_cells.clear();
        m_ratio = ratio;
    }
    painter.fillRect(QRect(origin, FrameSize(frame.columns, frame.rows)), Background());
    const int margin = MarginDots * m_pitch;
    for (int row = 0; row < frame.rows; ++row)
        for (int column = 0; column < frame.columns; ++column)
            painter.drawImage(QPoint(origin.x() + margin + column * 6 * m_pitch, origin.y() + margin + row * 8 * m_pitch),
                              cellImage(frame.Cell(column, row), ratio));
}
