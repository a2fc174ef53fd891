#pragma once

#include <QByteArray>
#include <QList>

// Where a search text stands in a message text: the bytes from the first to the last
// character found (attributes before the first and after the last stay outside).
struct TextHit
{
    int start = -1;
    int end = -1;
};

// Finds a text in message texts by the characters the display shows: a character is its
// code with its blink and graphics state, so "A" finds only plain A and a blinking "A"
// only a blinking one, however the attributes are written. Without case, letters of the
// standard set match either case; graphics characters always match exactly. Whole words
// need a non-letter (or the text's end) on both sides.
class TextSearch
{
public:
    struct Options
    {
        bool caseSensitive = false;
        bool wholeWords = false;
    };

    // `pattern`: display codes with attributes, as a cell holds them; line breaks count.
    TextSearch(const QByteArray& pattern, Options options);

    bool IsEmpty() const { return m_pattern.isEmpty(); }
    // Every hit in `text`, in order, none overlapping the one before.
    QList<TextHit> FindAll(const QByteArray& text) const;

    // `text` with the hit replaced by `replacement` (display codes with attributes, read
    // from plain): the attributes before and after the hit keep their effect.
    static QByteArray Replace(const QByteArray& text, const TextHit& hit, const QByteArray& replacement);

private:
    struct Char
    {
        quint8 code;
        bool blink;
        bool graphics;
        int byte;
    };
    static QList<Char> Decode(const QByteArray& text);
    bool same(const Char& a, const Char& b) const;
    bool isWordChar(const Char& c) const;

    QList<Char> m_pattern;
    Options m_options;
};
