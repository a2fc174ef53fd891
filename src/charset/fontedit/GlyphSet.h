#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

using Glyph = std::array<quint8, 7>; // rows top to bottom, bits 4 … 0 = columns 0 … 4

// The 224 glyphs of the editable font file being edited, in display-code order.
class GlyphSet : public QObject
{
    Q_OBJECT

public:
    static constexpr int Count = 224;
    static constexpr int FirstCode = 32;

    // Reads the editable font file; throws TavolinError for an unreadable or damaged one.
    void Load(const QString& path);
    // Rewrites the file in place with the same layout and face name.
    void Save();

    const QString& Path() const { return m_path; }
    Glyph At(int index) const;
    void Set(int index, const Glyph& glyph);
    static bool Dot(const Glyph& glyph, int column, int row) { return (glyph[row] >> (4 - column) & 1) != 0; }
    static void SetDot(Glyph& glyph, int column, int row, bool lit);

    // A glyph as text, five '#'/'.' characters per row, and back (nullopt for other text).
    static QString ToText(const Glyph& glyph);
    static std::optional<Glyph> FromText(const QString& text);

Q_SIGNALS:
    void Changed(int index);

private:
    QString m_path;
    QString m_face;
    QByteArray m_pix;
};
