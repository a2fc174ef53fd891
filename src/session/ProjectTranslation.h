#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "texts/Translation.h"
#include "texts/TranslationFile.h"

class ProjectSession;

// The translation round trip of an open project, shared by the editor and tavolin-cli:
// which tables and languages, which file form, reading a returned file.
namespace ProjectTranslation {

enum class Format { Xliff, Csv };

// The project's texts from language `source` to `target` (0, 1). Raises TavolinError
// when the display type has a single language or the two are the same.
Translation::Project View(const ProjectSession& session, int source, int target);

// "operating", "diagnostic" or "all" (the tables the display type has).
QList<int> Tables(const ProjectSession& session, const QString& which);

// The form by the option ("xliff", "csv") or else by the file's extension (".csv": CSV).
Format FormatOf(const QString& path, const QString& option = QString());

// A language code as XLIFF takes it ("de", "en-GB"); raises TavolinError otherwise.
QString CheckLanguageCode(const QString& code);

// The export's bytes; the record gets the baseline of translated lines it had none for.
QByteArray Export(const Translation::Project& project, const QList<int>& tables, Format format,
                  const TranslationFile::Languages& languages, Translation::Record& record);

// A returned file read whole; failures name the file.
TranslationFile::Content Read(const QString& path, Format format);

} // namespace ProjectTranslation
