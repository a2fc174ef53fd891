#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

class TMessageTable;

// One language of a text table as JSON or CSV for translators and version control:
// the header lines and one entry per message (number and text in TextNotation), in
// table order, so that the same table always gives the same bytes.
//
// JSON: {"format": "tavolin-texts", "version": 1, "header": [...],
//        "messages": [{"number": 1, "text": "..."}, ...]}, one message per line.
// CSV:  a first row "number,text"; header lines as rows "header,<text>"; then one row
//       per message; fields quoted as RFC 4180 describes when they need it.
namespace TextExchange {

QByteArray ToJson(const TMessageTable& table, int language);
QByteArray ToCsv(const TMessageTable& table, int language);

// Fill one language of an empty table. Raise TavolinError with a German message that
// names the place of the first fault; the table is then incomplete and must be dropped.
void FromJson(const QByteArray& json, TMessageTable& table, int language);
void FromCsv(const QByteArray& csv, TMessageTable& table, int language);

// A field as RFC 4180 writes it: quoted when it holds a comma, a quote, a line end or
// spaces at its ends.
QByteArray CsvField(const QString& text);
// RFC 4180 records; a CR LF or a lone LF ends a record outside quotes. `lines` gets the
// line each record begins on. Raises TavolinError for an unclosed quote.
QList<QStringList> CsvRecords(const QString& text, QList<int>& lines);
// UTF-8 with or without byte order mark; raises TavolinError for anything else.
QString DecodeUtf8(const QByteArray& bytes);

} // namespace TextExchange
