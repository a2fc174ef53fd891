#include "texts/TextNotation.h"

#include <QCoreApplication>

#include "charset/DisplayCodeMap.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"

namespace TextNotation {

namespace {

bool IsPrintableLatin1(quint8 code)
{
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA1 && code != 0xAD);
}

// Bytes that would break the line structure of a text file.
bool IsForbiddenInText(quint8 code)
{
    return code == 0x00 || code == 0x0A || code == 0x0D || code == 0x1A;
}

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

QString Encode(const QByteArray& displayText)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QString out;
    out.reserve(displayText.size());
    for (const char c : displayText) {
        switch (c) {
        case Attr::LineBreak: out += QLatin1Char('\n'); continue;
        case Attr::BlinkOn: out += QLatin1String("{blink}"); continue;
        case Attr::BlinkOff: out += QLatin1String("{/blink}"); continue;
        case Attr::GraphicsOn: out += QLatin1String("{gfx}"); continue;
        case Attr::GraphicsOff: out += QLatin1String("{/gfx}"); continue;
        default: break;
        }
        const quint8 display = static_cast<quint8>(c);
        const quint8 windows = map.ToWindows(display);
        if (windows == '{')
            out += QLatin1String("{{");
        else if (IsPrintableLatin1(windows))
            out += QChar(static_cast<char16_t>(windows));
        else
            out += QStringLiteral("{x%1}").arg(
                QString::number(display, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    }
    return out;
}

QByteArray Decode(const QString& notation, bool allowLineBreaks)
{
    const DisplayCodeMap& map = DisplayCodeMap::Instance();
    QByteArray out;
    out.reserve(notation.size());
    const qsizetype n = notation.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = notation[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (!allowLineBreaks)
                throw TavolinError(
                    QCoreApplication::translate("TextNotation", "Ein Zeilenumbruch ist hier nicht erlaubt."));
            if (c == QLatin1Char('\r') && i + 1 < n && notation[i + 1] == QLatin1Char('\n'))
                ++i;
            out.append(Attr::LineBreak);
            continue;
        }
        if (c == QLatin1Char('{')) {
            if (i + 1 < n && notation[i + 1] == QLatin1Char('{')) {
                out.append(static_cast<char>(map.ToDisplay('{')));
                ++i;
                continue;
            }
            const qsizetype close = notation.indexOf(QLatin1Char('}'), i + 1);
            if (close < 0)
                throw TavolinError(QCoreApplication::translate("TextNotation",
                                                               "\"{\" ohne \"}\" an Stelle %1 (ein \"{\" als Zeichen "
                                                               "wird \"{{\" geschrieben).")
                                       .arg(i + 1));
            const QString mark = notation.mid(i + 1, close - i - 1);
            if (mark == QLatin1String("blink")) {
                out.append(Attr::BlinkOn);
            } else if (mark == QLatin1String("/blink")) {
                out.append(Attr::BlinkOff);
            } else if (mark == QLatin1String("gfx")) {
                out.append(Attr::GraphicsOn);
            } else if (mark == QLatin1String("/gfx")) {
                out.append(Attr::GraphicsOff);
            } else if (mark.size() == 3 && (mark[0] == QLatin1Char('x') || mark[0] == QLatin1Char('X')) && HexValue(mark[1]) >= 0
                       && HexValue(mark[2]) >= 0) {
                const quint8 byte = static_cast<quint8>(HexValue(mark[1]) * 16 + HexValue(mark[2]));
                if (IsForbiddenInText(byte))
                    throw TavolinError(QCoreApplication::translate("TextNotation",
                                                                   "Das Byte {%1} kann in einer Textdatei nicht "
                                                                   "stehen.")
                                           .arg(mark));
                out.append(static_cast<char>(byte));
            } else {
                throw TavolinError(
                    QCoreApplication::translate("TextNotation", "Unbekannte Markierung {%1} an Stelle %2.")
                        .arg(mark)
                        .arg(i + 1));
            }
            i = close;
            continue;
        }
        const char16_t u = c.unicode();
        if (u > 0xFF || !IsPrintableLatin1(static_cast<quint8>(u))) {
            const char32_t cp = c.isHighSurrogate() && i + 1 < n
                ? QChar::surrogateToUcs4(c, notation[i + 1]) : char32_t(u);
            throw TavolinError(QCoreApplication::translate("TextNotation",
                                                           "Das Zeichen \"%1\" (U+%2) an Stelle %3 gibt es auf der "
                                                           "Anzeige nicht.")
                                   .arg(QString::fromUcs4(&cp, 1))
                                   .arg(static_cast<uint>(cp), 4, 16, QLatin1Char('0'))
                                   .arg(i + 1));
        }
        out.append(static_cast<char>(map.ToDisplay(static_cast<quint8>(u))));
    }
    return out;
}

} // namespace TextNotation
