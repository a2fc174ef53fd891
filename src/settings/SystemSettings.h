#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "settings/SettingsLines.h"

struct TDisplayType;

// What the settings dialog holds while it is open: the values read from the settings lines
// (defaults where no line says otherwise), the key flags and the lines no keyword knows.
struct TSystemSettings
{
    static const QStringList Brightnesses; // "20%" ... "100%", the only values offered
    static constexpr int AddressLength = 10;

    bool bcd = false;                        // message selection: BCD, else binary
    bool cpmCharSet = false;                 // internal character set: CP/M, else IBM
    bool printer = false;
    QString brightness = QStringLiteral("80%");
    QString scrollTime = QStringLiteral("3,2"); // seconds, digit comma digit
    QString blinkOnTime = QStringLiteral("0,3");
    QString blinkOffTime = QStringLiteral("0,2");
    QString keyAddress = QStringLiteral("0");   // PLC addresses, at most AddressLength characters
    QString ledAddress = QStringLiteral("0");
    QString station;                            // empty: no station number
    TKeyFlags keys{};
    QList<QByteArray> otherLines;               // unrecognised lines, in their order

    friend bool operator==(const TSystemSettings&, const TSystemSettings&) = default;
};

// The form of a PLC address or station number: what reads back as one number field, at
// most AddressLength characters from "0123456789,:." beginning with a digit (or empty).
const QRegularExpression& AddressForm();

// A time as the dialog's field (digit, comma, digit) takes it: "3,2", "3.2", "3" and "3,"
// fit ("3,2", "3,2", "3,0", "3,0"); anything else gives `fallback`.
QString FitTime(const QString& value, const QString& fallback);

// Activation of the dialog: defaults, then every line in order (the last line of a kind
// wins; a brightness or time the dialog cannot show leaves the value as it was).
TSystemSettings ReadSystemSettings(const QList<QByteArray>& lines);

// The lines of the key list for the display type's keys.
QStringList KeyList(const TSystemSettings& settings, int keyCount);

// Raises the German refusal for a line that cannot stand in the header of a text file:
// one not beginning with an ASCII letter or digit would end the header when the file is
// read again, turning the settings after it into message text; line-end, end-of-file and
// NUL bytes would break the file's lines.
void CheckOtherLine(const QByteArray& line);

// "OK": the settings lines for the display type, generated ones first, then every non-empty
// unrecognised line. Raises CheckOtherLine's refusal; nothing is returned then.
QList<QByteArray> WriteSystemSettings(const TSystemSettings& settings, const TDisplayType& type);
