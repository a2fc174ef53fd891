#include "texts/TextSearch.h"

#include <array>

#include "charset/DisplayCodeMap.h"
#include "texts/MessageTable.h"

namespace {

struct Folding
{
    std::array<char16_t, 256> folded{};
    std::array<bool, 256> letter{};
};

// Case folding and letters of the standard set, by display code.
const Folding& Fold()
{
    static const Folding table = [] {
        Folding f;
        const DisplayCodeMap& map = DisplayCodeMap::Instance();
        for (int code = 0; code < 256; ++code) {
            const quint8 w = map.ToWindows(static_cast<quint8>(code));
            const QChar c = w >= 0x20 ? CodePoint::FromWindows(w) : QChar();
            f.folded[static_cast<size_t>(code)] = w >= 0x20 ? c.toCaseFolded().unicode() : char16_t(0xF000 + code);
            f.letter[static_cast<size_t>(code)] = w >= 0x20 && c.isLetterOrNumber();
        }
        return f;
    }();
    return table;
}

void Switch(QByteArray& out, bool& blink, bool& graphics, bool toBlink, bool toGraphics)
{
    if (blink != toBlink)
        out.append((blink = toBlink) ? Attr::BlinkOn : Attr::BlinkOff);
    if (graphics != toGraphics)
        out.append((graphics = toGraphics) ? Attr::GraphicsOn : Attr::GraphicsOff);
}

// The blink and graphics state in effect before byte `end`.
void StateAt(const QByteArray& text, int end, bool& blink, bool& graphics)
{
    blink = graphics = false;
    for (int i = 0; i < end && i < text.size(); ++i)
        switch (text[i]) {
        case Attr::BlinkOn: blink = true; break;
        case Attr::BlinkOff: blink = false; break;
        case Attr::GraphicsOn: graphics = true; break;
        case Attr::GraphicsOff: graphics = false; break;
        default: break;
        }
}

} // namespace

TextSearch::TextSearch(const QByteArray& pattern, Options options) : m_pattern(Decode(pattern)), m_options(options) {}

QList<TextSearch::Char> TextSearch::Decode(const QByteArray& text)
{
    QList<Char> chars;
    chars.reserve(text.size());
    bool blink = false;
    bool graphics = false;
    for (int i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case Attr::BlinkOn: blink = true; break;
        case Attr::BlinkOff: blink = false; break;
        case Attr::GraphicsOn: graphics = true; break;
        case Attr::GraphicsOff: graphics = false; break;
        default: chars.append({static_cast<quint8>(text[i]), blink, graphics, i});
        }
    }
    return chars;
}

bool TextSearch::same(const Char& a, const Char& b) const
{
    if (a.blink != b.blink || a.graphics != b.graphics)
        return false;
    if (a.code == b.code)
        return true;
    return !m_options.caseSensitive && !a.graphics && Fold().folded[a.code] == Fold().folded[b.code];
}

bool TextSearch::isWordChar(const Char& c) const
{
    return !c.graphics && Fold().letter[c.code];
}

QList<TextHit> TextSearch::FindAll(const QByteArray& text) const
{
    QList<TextHit> hits;
    const qsizetype n = m_pattern.size();
    if (n == 0 || text.isEmpty())
        return hits;
    const QList<Char> chars = Decode(text);
    for (qsizetype at = 0; at + n <= chars.size(); ++at) {
        qsizetype k = 0;
        while (k < n && same(chars[at + k], m_pattern[k]))
            ++k;
        if (k < n)
            continue;
        if (m_options.wholeWords
            && ((at > 0 && isWordChar(chars[at - 1]) && isWordChar(chars[at]))
                || (at + n < chars.size() && isWordChar(chars[at + n]) && isWordChar(chars[at + n - 1]))))
            continue;
        hits.append({chars[at].byte, chars[at + n - 1].byte + 1});
        at += n - 1;
    }
    return hits;
}

QByteArray TextSearch::Replace(const QByteArray& text, const TextHit& hit, const QByteArray& replacement)
{
    // The switches next to the hit go with it and are written anew where needed, so a
    // replaced blinking word leaves no empty blink behind.
    int start = hit.start;
    int end = hit.end;
    while (start > 0 && Attr::IsAttribute(text[start - 1]))
        --start;
    while (end < text.size() && Attr::IsAttribute(text[end]))
        ++end;
    bool startBlink = false;
    bool startGraphics = false;
    bool endBlink = false;
    bool endGraphics = false;
    StateAt(text, start, startBlink, startGraphics);
    StateAt(text, end, endBlink, endGraphics);
    QByteArray out = text.left(start);
    bool blink = startBlink;
    bool graphics = startGraphics;
    for (const Char& c : Decode(replacement)) {
        Switch(out, blink, graphics, c.blink, c.graphics);
        out.append(static_cast<char>(c.code));
    }
    Switch(out, blink, graphics, endBlink, endGraphics);
    out.append(text.mid(end));
    return out;
}
