#pragma once

#include <QByteArray>
#include <QImage>

// Pictures of a character set's glyphs as the display shows them, straight from the
// ".pix" bytes (display-code order): lit dots black, dark dots light grey, every dot
// `dot` × `dot` pixels, a character cell of 6 × 8 dots (one dot of space right and below).
namespace PixImage {

// The largest picture drawn: a side of at most MaxSide and at most MaxPixels in all
// (about 160 MB in memory). Larger requests raise TavolinError before anything is drawn.
constexpr qint64 MaxSide = 16384;
constexpr qint64 MaxPixels = 40'000'000;

// A text in Windows codes; 0x0A or 0x0D start a new line.
QImage RenderText(const QByteArray& pix, const QByteArray& windowsText, int dot);

// All 224 glyphs, 16 to a row, each with its display code in hex above it.
QImage RenderSheet(const QByteArray& pix, int dot);

} // namespace PixImage
