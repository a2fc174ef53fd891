// Editable font files are rewritten by the glyph editor and may be damaged by anyone:
// reading one must end in the font or a TavolinError, never outside the data.
#include <cstddef>
#include <cstdint>

#include "charset/EditableFont.h"
#include "charset/FontFileBuilder.h"
#include "charset/TrueTypeBuilder.h"
#include "common/TavolinError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray font(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("fuzz.fnt");
    try {
        const QByteArray pix = EditableFont::ToPix(font, name);
        if (pix.size() != EditableFont::PixSize)
            __builtin_trap();
    } catch (const TavolinError&) {
    }
    try {
        QString face;
        const QByteArray fon = BuildFontFileData(font, name, &face);
        if (face.size() > 31 || fon.size() % 16 != 0)
            __builtin_trap();
        BuildTrueTypeFont(face, EditableFont::WindowsGlyphs(font, name));
    } catch (const TavolinError&) {
    }
    return 0;
}
