#include "texts/RichTextBridge.h"

#include "charset/DisplayCodeMap.h"
#include "texts/MessageTable.h"

namespace {

constexpr qsizetype MaxControlWordLength = 127;
constexpr qsizetype MaxFontNameLength = 63;
constexpr int LastRecognisedEntry = 9; // table references are a single digit

void AppendHeader(QByteArray& out, const QByteArray& standardFace, const QByteArray& graphicsFace)
{
    out += "{\\rtf1\\ansi\\ansicpg850\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    out += standardFace;
    out += ";}{\\f1\\fnil\\fcharset0 ";
    out += graphicsFace;
    out += ";}}{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\\plain\\cf0 ";
}

void AppendAttributes(QByteArray& out, bool graphics, bool blink)
{
    out += "\\plain ";
    if (graphics)
        out += "\\f1 ";
    if (blink)
        out += "\\cf1 ";
}

// Backslash and braces are escaped by the caller; everything else goes through here.
void AppendWindowsCode(QByteArray& out, quint8 w)
{
    static const char digits[] = "0123456789abcdef";
    if (w > 0x7F) {
        out += "\\'";
        out += digits[w >> 4];
        out += digits[w & 0x0F];
    } else {
        out += static_cast<char>(w);
    }
}

bool IsEscaped(quint8 c)
{
    return c == '\\' || c == '{' || c == '}';
}

bool IsDelimiter(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == ' ' || c == '\'' || c == ';';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The decimal digits from `from` on, up to the first non-digit; 0 when there are none.
// Saturates instead of overflowing, so a runaway number can never wrap onto a real value.
qint64 NumberAt(const QByteArray& word, qsizetype from)
{
    constexpr qint64 Limit = 0x7FFFFFFF;
    qint64 value = 0;
    for (qsizetype i = from; i < word.size() && IsDigit(word[i]); ++i)
        value = std::min(Limit, value * 10 + (word[i] - '0'));
    return value;
}

bool SameWord(const QByteArray& word, const QByteArray& other)
{
    return word.compare(other, Qt::CaseInsensitive) == 0;
}

bool StartsWith(const QByteArray& word, const char* prefix)
{
    return word.startsWith(prefix) || word.toLower().startsWith(prefix);
}

// One pass over a document with the reader's state: group depth, control word,
// hexadecimal escape, attribute states and what the colour and font tables say about
// which control words mean red (blink) and the graphics font.
class RtfReader
{
public:
    QList<RichTextLine> Read(const QByteArray& rtf)
    {
        for (const char c : rtf) {
            if (static_cast<quint8>(c) < 0x20)
                continue;
            if (inWord) {
                if (!IsDelimiter(c)) {
                    if (word.size() < MaxControlWordLength)
                        word += c;
                    continue;
                }
                inWord = false;
                if (word.isEmpty()) {
                    controlSymbol(c);
                    continue;
                }
                controlWord();
                if (c == ' ')
                    continue;
            }
            delimiterOrText(c);
        }
        return lines;
    }

private:
    void controlSymbol(char c)
    {
        // An escape inside a table would otherwise swallow the first two body characters.
        if (c == '\'') {
            if (depth == 1) {
                hexDigitsLeft = 2;
                hexValue = 0;
                hexValid = true;
            }
            return;
        }
        text(static_cast<quint8>(c));
    }

    void delimiterOrText(char c)
    {
        switch (c) {
        case '\\':
            inWord = true;
            word.clear();
            return;
        case '{':
            ++depth;
            return;
        case '}':
            --depth;
            fontEntryOpen = false;
            colourEntry = 0;
            return;
        case ';':
            if (fontEntryOpen)
                closeFontEntry();
            else if (colourEntry > 0)
                closeColourEntry();
            else
                text(';');
            return;
        default:
            text(static_cast<quint8>(c));
        }
    }

    void controlWord()
    {
        if (depth == 1)
            bodyWord();
        else if (depth == 2)
            colourTableWord();
        else if (depth == 3 && word.size() == 2 && (word[0] == 'f' || word[0] == 'F') && IsDigit(word[1])) {
            fontEntryOpen = true;
            fontDigit = word[1];
            fontName.clear();
        }
    }

    void bodyWord()
    {
        if (SameWord(word, "par")) {
            lines.append(RichTextLine());
        } else if (SameWord(word, "plain")) {
            blink = false;
            graphics = false;
        } else if (SameWord(word, redWord)) {
            blink = true;
        } else if (SameWord(word, graphicsWord)) {
            graphics = true;
        } else if (word.size() > 2 && StartsWith(word, "cf") && IsDigit(word[2])) {
            blink = false;
        } else if (word.size() > 1 && word[0] == 'f' && IsDigit(word[1])) {
            graphics = false;
        } else if (word.size() > 2 && word[0] == 'u' && IsDigit(word[1]) && word.endsWith('?')) {
            // Whatever delimiter ends the word, the character is kept.
            const int ansi = CodePoint::UnicodeToAnsi(static_cast<char32_t>(NumberAt(word, 1)));
            text(ansi < 0 ? '?' : static_cast<quint8>(ansi));
        }
    }

    void colourTableWord()
    {
        if (SameWord(word, "colortbl")) {
            colourEntry = 1;
        } else if (colourEntry > 0) {
            if (StartsWith(word, "red"))
                red = NumberAt(word, 3);
            else if (StartsWith(word, "gre"))
                green = NumberAt(word, 5);
            else if (StartsWith(word, "blu"))
                blue = NumberAt(word, 4);
        }
    }

    void closeColourEntry()
    {
        const int entry = colourEntry - 1;
        if (red == 255 && green == 0 && blue == 0 && entry <= LastRecognisedEntry)
            redWord = QByteArray("cf") + static_cast<char>('0' + entry);
        if (entry <= LastRecognisedEntry)
            ++colourEntry;
        else
            colourEntry = LastRecognisedEntry + 2; // stays open, never recognised again
    }

    void closeFontEntry()
    {
        const QByteArray name = fontName.toUpper();
        if (name.startsWith("_EG") && name.indexOf(".TMP", 4) >= 0)
            graphicsWord = QByteArray("f") + fontDigit;
    }

    void text(quint8 c)
    {
        if (depth != 1) {
            if (fontEntryOpen && fontName.size() < MaxFontNameLength)
                fontName += static_cast<char>(c);
            return;
        }
        if (hexDigitsLeft > 0) {
            const int digit = HexDigit(static_cast<char>(c));
            if (digit < 0)
                hexValid = false;
            else if (hexValid)
                hexValue = hexValue * 16 + digit;
            if (--hexDigitsLeft > 0)
                return;
            c = static_cast<quint8>(hexValue);
        }
        RichTextLine& line = lines.last();
        if (line.isEmpty() || line.last().blink != blink || line.last().graphics != graphics)
            line.append(RichTextRun{blink, graphics, {}});
        line.last().windowsCodes += static_cast<char>(c);
    }

    QList<RichTextLine> lines{RichTextLine()};
    qint64 depth = 0;
    bool inWord = false;
    QByteArray word;
    int hexDigitsLeft = 0;
    int hexValue = 0;
    bool hexValid = true;
    bool blink = false;
    bool graphics = false;
    QByteArray redWord = "cf9";
    QByteArray graphicsWord = "f9";
    int colourEntry = 0; // 0: no colour table open, else the entry being read + 1
    qint64 red = 0;
    qint64 green = 0;
    qint64 blue = 0;
    bool fontEntryOpen = false;
    char fontDigit = '0';
    QByteArray fontName;
};

} // namespace

QByteArray MessageToRtf(const QByteArray& text, const QByteArray& standardFace, const QByteArray& graphicsFace)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QByteArray out;
    out.reserve(160 + standardFace.size() + graphicsFace.size() + text.size() * 2);
    AppendHeader(out, standardFace, graphicsFace);

    bool graphics = false;
    bool blink = false;
    bool pending = false;
    for (const char byte : text) {
        const auto c = static_cast<quint8>(byte);
        switch (byte) {
        case Attr::LineBreak:
            out += "\\par ";
            continue;
        case Attr::BlinkOff:
        case Attr::BlinkOn:
            blink = byte == Attr::BlinkOn;
            pending = true;
            continue;
        case Attr::GraphicsOn:
        case Attr::GraphicsOff:
            graphics = byte == Attr::GraphicsOn;
            pending = true;
            continue;
        default:
            break;
        }
        // Marks directly before an escaped character take effect from the next ordinary
        // character on; stored documents depend on this order.
        if (IsEscaped(c)) {
            out += '\\';
            out += byte;
            continue;
        }
        if (pending) {
            AppendAttributes(out, graphics, blink);
            pending = false;
        }
        AppendWindowsCode(out, map.ToWindows(c));
    }
    out += '}';
    return out;
}

QList<RichTextLine> RtfToLines(const QByteArray& rtf)
{
    return RtfReader().Read(rtf);
}

QByteArray RtfToMessage(const QByteArray& rtf)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    const QList<RichTextLine> lines = RtfToLines(rtf);
    QByteArray text;
    int pendingBreaks = 0;
    bool blink = false;
    bool graphics = false;
    for (const RichTextLine& line : lines) {
        if (&line != &lines.first())
            ++pendingBreaks;
        for (const RichTextRun& run : line) {
            text += QByteArray(pendingBreaks, Attr::LineBreak);
            pendingBreaks = 0;
            if (run.blink != blink)
                text += run.blink ? Attr::BlinkOn : Attr::BlinkOff;
            if (run.graphics != graphics)
                text += run.graphics ? Attr::GraphicsOn : Attr::GraphicsOff;
            blink = run.blink;
            graphics = run.graphics;
            for (const char w : run.windowsCodes)
                if (w != 0)
                    text += static_cast<char>(map.ToDisplay(static_cast<quint8>(w)));
        }
    }
    return text;
}

QByteArray LinesToRtf(const QList<RichTextLine>& lines, const QByteArray& standardFace,
                      const QByteArray& graphicsFace)
{
    QByteArray out;
    AppendHeader(out, standardFace, graphicsFace);
    bool blink = false;
    bool graphics = false;
    for (const RichTextLine& line : lines) {
        if (&line != &lines.first())
            out += "\\par ";
        for (const RichTextRun& run : line) {
            for (const char byte : run.windowsCodes) {
                const auto w = static_cast<quint8>(byte);
                if (w < 0x20)
                    continue;
                if (run.blink != blink || run.graphics != graphics) {
                    blink = run.blink;
                    graphics = run.graphics;
                    AppendAttributes(out, graphics, blink);
                }
                if (IsEscaped(w))
                    out += '\\';
                AppendWindowsCode(out, w);
            }
        }
    }
    out += '}';
    return out;
}
