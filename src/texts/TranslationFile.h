#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "texts/Translation.h"

// The files a translator gets and returns: XLIFF 1.2 (one <file> per table, a <group> per
// message, a <trans-unit> per display line with the line width as maxwidth) and CSV
// (UTF-8 with byte order mark, RFC 4180, one row per display line). The same units always
// give the same bytes.
namespace TranslationFile {

struct Languages
{
    QString source; // language codes, "de", "en"
    QString target;
};

QByteArray ToXliff(const QList<Translation::Unit>& units, const Translation::Project& project,
                   const Languages& languages);
QByteArray ToCsv(const QList<Translation::Unit>& units, const Translation::Project& project);

// What a returned file holds. Units are found by their id; a file that went through
// other tools (PO and back) may have lost ids, hashes and inline codes, and is read by
// its location and plain text instead. `source` / `target`: the language numbers
// (1, 2) the file names, 0 where it does not say. Raises TavolinError with a German
// message for a file that is no such export at all.
struct Content
{
    QList<Translation::Entry> entries;
    int source = 0;
    int target = 0;
};
Content FromXliff(const QByteArray& xliff);
Content FromCsv(const QByteArray& csv);

} // namespace TranslationFile
