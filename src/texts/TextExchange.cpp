#include "texts/TextExchange.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace TextExchange {

namespace {

const QString FormatName = QStringLiteral("tavolin-texts");

QByteArray JsonString(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<quint8>(c) < 0x20)
                out += "\\u00" + QByteArray::number(static_cast<quint8>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

} // namespace

QByteArray CsvField(const QString& text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quote)
        return text.toUtf8();
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

namespace {

class TableFiller
{
public:
    TableFiller(TMessageTable& table, int language) : m_table(table), m_language(language) {}

    void Header(const QString& text, const QString& place)
    {
        QByteArray line;
        try {
            line = TextNotation::Decode(text, false);
        } catch (const TavolinError& error) {
            throw TavolinError(place + QStringLiteral(": ") + error.message());
        }
        // The reader takes only such lines as header lines; anything else would be lost.
        const QString refusal = UnstorableHeaderReason(line);
        if (!refusal.isEmpty())
            throw TavolinError(place + QStringLiteral(": ") + refusal);
        m_table.headerLines[static_cast<size_t>(m_language)].append(line);
    }

    // `given` is the number as the input wrote it, so that a number out of range is
    // reported as it stands.
    void Message(qint64 number, const QString& given, const QString& text, const QString& place)
    {
        if (number < 0 || number > TMessageTable::MaxNumber)
            throw TavolinError(
                place
                + QCoreApplication::translate("TextExchange", ": Die Meldungsnummer %1 liegt nicht zwischen 0 und %2.")
                      .arg(given)
                      .arg(TMessageTable::MaxNumber));
        if (m_numbers.contains(static_cast<int>(number)))
            throw TavolinError(
                place + QCoreApplication::translate("TextExchange", ": Meldung %1 kommt doppelt vor.").arg(number));
        m_numbers.insert(static_cast<int>(number));
        QByteArray bytes;
        try {
            bytes = TextNotation::Decode(text);
        } catch (const TavolinError& error) {
            throw TavolinError(place + QCoreApplication::translate("TextExchange", ", Meldung %1: ").arg(number)
                               + error.message());
        }
        // Line breaks at the end hold nothing and the file cannot keep them; the editor
        // drops them the same way.
        while (bytes.endsWith(Attr::LineBreak))
            bytes.chop(1);
        const QString refusal = UnstorableTextReason(static_cast<int>(number), bytes);
        if (!refusal.isEmpty())
            throw TavolinError(place + QCoreApplication::translate("TextExchange", ", Meldung %1: ").arg(number)
                               + refusal);
        m_table.SetText(static_cast<int>(number), m_language, bytes);
        m_anyText = m_anyText || !bytes.isEmpty();
    }

    // An input without any message text or header line is almost always an empty or wrong
    // file; written out it would wipe the target.
    void Finish() const
    {
        if (!m_anyText && m_table.headerLines[static_cast<size_t>(m_language)].isEmpty())
            throw TavolinError(
                QCoreApplication::translate("TextExchange", "Die Datei enthält keine Meldung und keine Kopfzeile."));
    }

private:
    TMessageTable& m_table;
    int m_language;
    QSet<int> m_numbers;
    bool m_anyText = false;
};

} // namespace

QList<QStringList> CsvRecords(const QString& text, QList<int>& lines)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int recordLine = 1;
    const qsizetype n = text.size();
    const auto endRecord = [&]() {
        record.append(field);
        if (!(record.size() == 1 && record[0].isEmpty() && !fieldStarted)) {
            records.append(record);
            lines.append(recordLine);
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                    // RFC 4180: a quoted field ends at its closing quote; taking what follows
                    // as more text would guess at what the writer meant.
                    if (i + 1 < n && text[i + 1] != QLatin1Char(',') && text[i + 1] != QLatin1Char('\n')
                        && text[i + 1] != QLatin1Char('\r'))
                        throw TavolinError(QCoreApplication::translate(
                                               "TextExchange",
                                               "CSV Zeile %1: Nach dem schließenden Anführungszeichen muss ein Komma "
                                               "oder das Zeilenende folgen (ein Anführungszeichen im Text wird "
                                               "verdoppelt: \"\").")
                                               .arg(line));
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char('"')) {
            throw TavolinError(QCoreApplication::translate(
                                   "TextExchange",
                                   "CSV Zeile %1: Anführungszeichen in einem Feld, das nicht in Anführungszeichen "
                                   "steht (ein solches Feld steht ganz in Anführungszeichen, jedes Anführungszeichen "
                                   "darin verdoppelt: \"\").")
                                   .arg(line));
        } else if (c == QLatin1Char(',')) {
            record.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw TavolinError(
            QCoreApplication::translate("TextExchange", "CSV Zeile %1: Anführungszeichen nicht geschlossen.")
                .arg(recordLine));
    if (!field.isEmpty() || !record.isEmpty() || fieldStarted)
        endRecord();
    return records;
}

QString DecodeUtf8(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = QString::fromUtf8(body);
    if (text.toUtf8() != body)
        throw TavolinError(QCoreApplication::translate("TextExchange", "Die Datei ist nicht in UTF-8 geschrieben."));
    return text;
}

QByteArray ToJson(const TMessageTable& table, int language)
{
    const size_t lang = static_cast<size_t>(language);
    QByteArray out = "{\n  \"format\": " + JsonString(FormatName) + ",\n  \"version\": 1,\n  \"header\": [";
    const QList<QByteArray>& header = table.headerLines[lang];
    for (qsizetype k = 0; k < header.size(); ++k)
        out += (k ? ",\n    " : "\n    ") + JsonString(TextNotation::Encode(header[k]));
    out += header.isEmpty() ? "],\n" : "\n  ],\n";
    out += "  \"messages\": [";
    for (int slot = 0; slot < table.Count(); ++slot) {
        const TMessage& message = table.At(slot);
        out += (slot ? ",\n    " : "\n    ");
        out += "{\"number\": " + QByteArray::number(message.number) + ", \"text\": "
            + JsonString(TextNotation::Encode(message.text[lang])) + "}";
    }
    out += table.Count() ? "\n  ]\n}\n" : "]\n}\n";
    return out;
}

QByteArray ToCsv(const TMessageTable& table, int language)
{
    const size_t lang = static_cast<size_t>(language);
    QByteArray out = "number,text\n";
    for (const QByteArray& line : table.headerLines[lang])
        out += "header," + CsvField(TextNotation::Encode(line)) + '\n';
    for (int slot = 0; slot < table.Count(); ++slot) {
        const TMessage& message = table.At(slot);
        out += QByteArray::number(message.number) + ',' + CsvField(TextNotation::Encode(message.text[lang])) + '\n';
    }
    return out;
}

void FromJson(const QByteArray& json, TMessageTable& table, int language)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw TavolinError(QCoreApplication::translate("TextExchange", "Kein gültiges JSON (Stelle %1: %2).")
                               .arg(parseError.offset + 1)
                               .arg(parseError.errorString()));
    if (!document.isObject())
        throw TavolinError(
            QCoreApplication::translate("TextExchange", "Die JSON-Datei enthält kein Objekt mit \"messages\"."));
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("format")) && root.value(QLatin1String("format")).toString() != FormatName)
        throw TavolinError(
            QCoreApplication::translate("TextExchange", "Die JSON-Datei hat nicht das Format \"%1\".").arg(FormatName));
    const QJsonValue messages = root.value(QLatin1String("messages"));
    if (!messages.isArray())
        throw TavolinError(
            QCoreApplication::translate("TextExchange", "Die JSON-Datei enthält keine Liste \"messages\"."));
    const QJsonValue header = root.value(QLatin1String("header"));
    if (!header.isUndefined() && !header.isArray())
        throw TavolinError(QCoreApplication::translate("TextExchange", "\"header\" muss eine Liste von Texten sein."));

    TableFiller filler(table, language);
    const QJsonArray headerLines = header.toArray();
    for (qsizetype k = 0; k < headerLines.size(); ++k) {
        const QString place = QCoreApplication::translate("TextExchange", "Kopfzeile %1").arg(k + 1);
        if (!headerLines[k].isString())
            throw TavolinError(place + QCoreApplication::translate("TextExchange", ": kein Text."));
        filler.Header(headerLines[k].toString(), place);
    }
    const QJsonArray entries = messages.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString place = QCoreApplication::translate("TextExchange", "Eintrag %1 von \"messages\"").arg(i + 1);
        const QJsonObject entry = entries[i].toObject();
        const QJsonValue number = entry.value(QLatin1String("number"));
        const QJsonValue text = entry.value(QLatin1String("text"));
        const double value = number.toDouble(-1);
        if (!entries[i].isObject() || !number.isDouble() || std::floor(value) != value || !text.isString())
            throw TavolinError(
                place
                + QCoreApplication::translate("TextExchange", ": erwartet wird {\"number\": Zahl, \"text\": Text}."));
        filler.Message(value < 0 || value > 1e6 ? -1 : static_cast<qint64>(value), QString::number(value, 'g', 17),
                       text.toString(), place);
    }
    filler.Finish();
}

void FromCsv(const QByteArray& csv, TMessageTable& table, int language)
{
    QList<int> lines;
    const QList<QStringList> records = CsvRecords(DecodeUtf8(csv), lines);
    TableFiller filler(table, language);
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QStringList& record = records[r];
        const QString place = QCoreApplication::translate("TextExchange", "CSV Zeile %1").arg(lines[r]);
        const QString key = record[0].trimmed();
        if (r == 0 && key.compare(QLatin1String("number"), Qt::CaseInsensitive) == 0)
            continue;
        if (record.size() != 2)
            throw TavolinError(
                place
                + QCoreApplication::translate("TextExchange", ": zwei Spalten erwartet (Nummer und Text), %1 gefunden.")
                      .arg(record.size()));
        if (key.compare(QLatin1String("header"), Qt::CaseInsensitive) == 0) {
            filler.Header(record[1], place);
            continue;
        }
        bool ok = false;
        qint64 number = key.toLongLong(&ok, 10);
        static const QRegularExpression digits(QStringLiteral("^[-+]?[0-9]+$"));
        if (!ok && digits.match(key).hasMatch())
            number = -1; // a number too large for any range
        else if (!ok)
            throw TavolinError(
                place + QCoreApplication::translate("TextExchange", ": \"%1\" ist keine Meldungsnummer.").arg(key));
        filler.Message(number, key, record[1], place);
    }
    filler.Finish();
}

} // namespace TextExchange
