#include "charset/PixImage.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPainter>

#include "charset/DisplayCodeMap.h"
#include "common/TavolinError.h"

namespace PixImage {

namespace {

constexpr int CellDotsX = 6;
constexpr int CellDotsY = 8;
const QColor Lit(0, 0, 0);
const QColor Dark(224, 224, 224);

void DrawGlyph(QPainter& painter, const QByteArray& pix, int displayCode, QPoint topLeft, int dot)
{
    for (int row = 0; row < 7; ++row) {
        const qsizetype index = static_cast<qsizetype>(displayCode - 32) * 7 + row;
        const quint8 bits = index < pix.size() ? static_cast<quint8>(pix[index]) : 0;
        for (int column = 0; column < 5; ++column)
            painter.fillRect(topLeft.x() + column * dot, topLeft.y() + row * dot, dot, dot,
                             (bits >> (4 - column) & 1) ? Lit : Dark);
    }
}

// A blank picture of the given size, refused above the bound, so that a long text or a
// large dot never takes minutes and gigabytes before failing.
QImage Blank(qint64 width, qint64 height)
{
    if (width > MaxSide || height > MaxSide || width * height > MaxPixels)
        throw TavolinError(
            QCoreApplication::translate("PixImage",
                                        "Das Bild wäre %1 × %2 Bildpunkte groß; erlaubt sind höchstens %3 "
                                        "Bildpunkte Breite und Höhe und %4 Millionen Bildpunkte. Bitte den Text "
                                        "kürzen oder --dot verkleinern.")
                .arg(width)
                .arg(height)
                .arg(MaxSide)
                .arg(MaxPixels / 1'000'000));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw TavolinError(QCoreApplication::translate(
                               "PixImage", "Für ein Bild von %1 × %2 Bildpunkten reicht der Arbeitsspeicher nicht.")
                               .arg(width)
                               .arg(height));
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage RenderText(const QByteArray& pix, const QByteArray& windowsText, int dot)
{
    QList<QByteArray> lines = windowsText.split('\n');
    for (QByteArray& line : lines)
        line.replace('\r', "");
    qsizetype columns = 1;
    for (const QByteArray& line : lines)
        columns = std::max(columns, line.size());

    const int margin = dot * 2;
    QImage image = Blank(static_cast<qint64>(columns) * CellDotsX * dot + 2 * margin - dot,
                         static_cast<qint64>(lines.size()) * CellDotsY * dot + 2 * margin - dot);
    QPainter painter(&image);
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    for (qsizetype y = 0; y < lines.size(); ++y)
        for (qsizetype x = 0; x < lines[y].size(); ++x) {
            const int display = map.ToDisplay(static_cast<quint8>(lines[y][x]));
            if (display >= 32)
                DrawGlyph(painter, pix, display,
                          QPoint(margin + static_cast<int>(x) * CellDotsX * dot,
                                 margin + static_cast<int>(y) * CellDotsY * dot),
                          dot);
        }
    return image;
}

QImage RenderSheet(const QByteArray& pix, int dot)
{
    QFont labelFont(QStringLiteral("DejaVu Sans Mono"));
    labelFont.setStyleHint(QFont::Monospace);
    labelFont.setPixelSize(std::max(9, dot * 3));
    const QFontMetrics metrics(labelFont);
    const int labelHeight = metrics.height();
    const int cellWidth = std::max(7 * dot, metrics.horizontalAdvance(QStringLiteral("FF")) + 2 * dot);
    const int cellHeight = labelHeight + 9 * dot;

    QImage image = Blank(16 * static_cast<qint64>(cellWidth) + 2 * dot, 14 * static_cast<qint64>(cellHeight) + 2 * dot);
    QPainter painter(&image);
    painter.setFont(labelFont);
    for (int n = 0; n < 224; ++n) {
        const int x = dot + n % 16 * cellWidth;
        const int y = dot + n / 16 * cellHeight;
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRect(x, y, cellWidth, labelHeight), Qt::AlignCenter,
                         QStringLiteral("%1").arg(n + 32, 2, 16, QLatin1Char('0')).toUpper());
        DrawGlyph(painter, pix, n + 32, QPoint(x + (cellWidth - 5 * dot) / 2, y + labelHeight), dot);
    }
    return image;
}

} // namespace PixImage
