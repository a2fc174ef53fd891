#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "charset/EditableFont.h"

// An outline TrueType font with the same pixels as the generated raster font, for
// platforms whose font loaders do not take ".FON" files: every lit pixel of the
// 12 × 16 cell is a square of 64 units (1024 units per em, ascent 12 pixels, descent 4).
// Drawn at pixel size 16 without antialiasing and hinting it gives exactly the pixels.
// Glyph e (Windows code e + 32) is mapped to the code point CodePoint::FromWindows.
QByteArray BuildTrueTypeFont(const QString& family,
                             const std::array<EditableFont::PixelGlyph, EditableFont::GlyphCount>& glyphs);
