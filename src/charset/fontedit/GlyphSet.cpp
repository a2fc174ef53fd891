#include "GlyphSet.h"

#include <QDir>
#include <QStringList>

#include "charset/EditableFont.h"
#include "common/AtomicFile.h"
#include "common/TavolinError.h"

void GlyphSet::Load(const QString& path)
{
    const QByteArray font = EditableFont::ReadFile(path);
    QByteArray pix = EditableFont::ToPix(font, path);
    m_face = EditableFont::FaceName(font, path);
    m_path = path;
    m_pix = pix;
    for (int i = 0; i < Count; ++i)
        Q_EMIT Changed(i);
}

void GlyphSet::Save()
{
    const QByteArray font = EditableFont::FromPix(m_pix, m_face);
    ReplaceFileBytes(m_path, font, tr("Die Zeichensatzdatei kann nicht geschrieben werden."));
}

Glyph GlyphSet::At(int index) const
{
    Glyph glyph{};
    if (index < 0 || index >= Count || m_pix.size() < (index + 1) * 7)
        return glyph;
    for (int row = 0; row < 7; ++row)
        glyph[row] = static_cast<quint8>(m_pix[index * 7 + row] & 0x1F);
    return glyph;
}

void GlyphSet::Set(int index, const Glyph& glyph)
{
    if (index < 0 || index >= Count || m_pix.size() < (index + 1) * 7)
        return;
    for (int row = 0; row < 7; ++row)
        m_pix[index * 7 + row] = static_cast<char>(glyph[row] & 0x1F);
    Q_EMIT Changed(index);
}

void GlyphSet::SetDot(Glyph& glyph, int column, int row, bool lit)
{
    const quint8 bit = static_cast<quint8>(0x10 >> column);
    glyph[row] = lit ? (glyph[row] | bit) : (glyph[row] & static_cast<quint8>(~bit));
}

QString GlyphSet::ToText(const Glyph& glyph)
{
    QString text;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column)
            text += Dot(glyph, column, row) ? QLatin1Char('#') : QLatin1Char('.');
        text += QLatin1Char('\n');
    }
    return text;
}

std::optional<Glyph> GlyphSet::FromText(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList rows;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            rows.append(line.trimmed());
    if (rows.size() != 7)
        return std::nullopt;
    Glyph glyph{};
    for (int row = 0; row < 7; ++row) {
        if (rows[row].size() != 5)
            return std::nullopt;
        for (int column = 0; column < 5; ++column) {
            const QChar c = rows[row][column];
            if (c != QLatin1Char('#') && c != QLatin1Char('.'))
                return std::nullopt;
            SetDot(glyph, column, row, c == QLatin1Char('#'));
        }
    }
    return glyph;
}
