#include "settings/SystemSettings.h"

#include <QCoreApplication>

#include "common/TavolinError.h"
#include "project/DisplayType.h"
#include "texts/TextNotation.h"

using namespace SettingsLines;

const QStringList TSystemSettings::Brightnesses = {
    QStringLiteral("20%"), QStringLiteral("30%"), QStringLiteral("40%"),
    QStringLiteral("50%"), QStringLiteral("80%"), QStringLiteral("100%")};

const QRegularExpression& AddressForm()
{
    static const QRegularExpression form(QStringLiteral("^([0-9][0-9,:.]{0,%1})?$").arg(TSystemSettings::AddressLength - 1));
    return form;
}

QString FitTime(const QString& value, const QString& fallback)
{
    // A single whole digit (leading zeros aside); the first decimal counts, as the field
    // keeps only one.
    static const QRegularExpression form(QStringLiteral("^0*([0-9])?(?:[,.]([0-9])?[0-9]*)?$"));
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch() || !value.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return fallback;
    const QString whole = match.captured(1);
    const QString tenth = match.captured(2);
    return (whole.isEmpty() ? QStringLiteral("0") : whole) + QLatin1Char(',')
         + (tenth.isEmpty() ? QStringLiteral("0") : tenth);
}

namespace {

QString Field(const QByteArray& line, int n)
{
    return QString::fromLatin1(NumberField(line, n).left(TSystemSettings::AddressLength));
}

} // namespace

TSystemSettings ReadSystemSettings(const QList<QByteArray>& lines)
{
    TSystemSettings s; // the defaults, the station number among them
    for (const QByteArray& line : lines) {
        const int row = Lookup(line);
        switch (row) {
        case BlinkOnRow: s.blinkOnTime = FitTime(QString::fromLatin1(NumberField(line, 1)), s.blinkOnTime); break;
        case BlinkOffRow: s.blinkOffTime = FitTime(QString::fromLatin1(NumberField(line, 1)), s.blinkOffTime); break;
        case ScrollRow: s.scrollTime = FitTime(QString::fromLatin1(NumberField(line, 1)), s.scrollTime); break;
        case PrinterRow: s.printer = true; break;
        case BrightnessRow: {
            const QString text = QString::fromLatin1(NumberField(line, 1)) + QLatin1Char('%');
            if (TSystemSettings::Brightnesses.contains(text))
                s.brightness = text;
            break;
        }
        case KeyModeRow:
        case KeyLedRow:
        case KeyColourRow:
        case KeyBlinkRow: ReadKeyLine(line, row, s.keys); break;
        case CpmRow: s.cpmCharSet = true; break;
        case IbmRow: s.cpmCharSet = false; break;
        case BcdRow: s.bcd = true; break;
        case BinaryRow: s.bcd = false; break;
        case AddressRow:
            s.keyAddress = Field(line, 1);
            s.ledAddress = Field(line, 2);
            break;
        case StationRow:
            s.station = Field(line, 1);
            s.keyAddress = Field(line, 2);
            s.ledAddress = Field(line, 3);
            break;
        default: s.otherLines.append(line); break;
        }
    }
    return s;
}

QStringList KeyList(const TSystemSettings& settings, int keyCount)
{
    QStringList list;
    for (int key = 1; key <= qMin(keyCount, MaxKeys); ++key)
        list.append(KeyListLine(key, settings.keys[static_cast<size_t>(key - 1)]));
    return list;
}

void CheckOtherLine(const QByteArray& line)
{
    const char first = line.isEmpty() ? 0 : line[0];
    const bool alnum = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || (first >= '0' && first <= '9');
    const QString shown = TextNotation::Encode(line);
    if (!alnum)
        throw TavolinError(
            QCoreApplication::translate("SystemSettings",
                                        "Die Zeile \"%1\" muss mit einem Buchstaben oder einer Ziffer (A-Z, a-z, 0-9) "
                                        "beginnen. Sonst liest die Anzeige sie und alle Einstellungen danach als "
                                        "Meldungstext.")
                .arg(shown));
    for (const char c : line)
        if (c == 0x00 || c == 0x0A || c == 0x0D || c == 0x1A)
            throw TavolinError(
                QCoreApplication::translate("SystemSettings",
                                            "Die Zeile \"%1\" enthält ein Steuerzeichen (%2), das in einer Textdatei "
                                            "nicht stehen kann.")
                    .arg(shown, QString::asprintf("{x%02X}", static_cast<quint8>(c))));
}

QList<QByteArray> WriteSystemSettings(const TSystemSettings& s, const TDisplayType& type)
{
    const TSystemSettings defaults;
    QList<QByteArray> lines;
    for (const QByteArray& line : s.otherLines)
        if (!line.isEmpty())
            CheckOtherLine(line);
    lines.append(s.bcd ? "BCD" : "Binaer");
    if (s.printer)
        lines.append("Drucker");
    lines.append(s.cpmCharSet ? "CPM Zeichensatz" : "IBM Zeichensatz");
    lines.append("Helligkeit: " + s.brightness.toLatin1());
    lines.append("Scrollzeit: " + FitTime(s.scrollTime, defaults.scrollTime).toLatin1() + 's');
    lines.append("Blink-Ein: " + FitTime(s.blinkOnTime, defaults.blinkOnTime).toLatin1() + 's');
    lines.append("Blink-Aus: " + FitTime(s.blinkOffTime, defaults.blinkOffTime).toLatin1() + 's');
    if (type.Has(dtPlcAddresses)) {
        // An empty address would let the next number slide into its field when read back.
        const QByteArray key = s.keyAddress.isEmpty() ? "0" : s.keyAddress.toLatin1();
        const QByteArray led = s.ledAddress.isEmpty() ? "0" : s.ledAddress.toLatin1();
        const QByteArray head = s.station.isEmpty() ? QByteArray("Ko-M") : "TN" + s.station.toLatin1();
        lines.append(head + " Tast: " + key + " LED: " + led);
    }
    lines.append(KeyLines(s.keys, type.keyCount));
    for (const QByteArray& line : s.otherLines)
        if (!line.isEmpty())
            lines.append(line);
    return lines;
}
