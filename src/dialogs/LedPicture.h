#pragma once

#include <QPixmap>
#include <QStringList>

class QPainter;
class QRectF;

// The program's picture: a display housing whose LED matrix shows lines of text in the
// display's 5 x 7 dots, drawn by hand so it needs no image file. Letters without a dot
// pattern here stay dark.
namespace LedPicture {

// Paints the display panel, lines centred, scaled to fit `area`.
void PaintPanel(QPainter& painter, const QRectF& area, const QStringList& lines);

// The panel alone as a pixmap of the given size, for labels.
QPixmap Panel(const QSize& size, const QStringList& lines);

} // namespace LedPicture
