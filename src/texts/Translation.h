#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <map>

class TMessageTable;

// The round trip of one language's texts to a translator and back: every display line of
// a message is one unit with its source line, its target line and the display's line
// width. The exchange files (XLIFF 1.2 and CSV) are TranslationFile's; this is what both
// share: the units, the checks of a returned file and the project's translation record.
namespace Translation {

constexpr int OperatingTexts = 0;
constexpr int DiagnosticTexts = 1;

// "operating" / "diagnostic", the names in unit ids, in CSV and on the command line.
QString TableId(int table);
int TableFromId(const QString& id); // -1 for an unknown name
// The id of a unit: "operating/12/1" (table, message number, line counted from 1).
QString UnitId(int table, int number, int line);
bool ParseUnitId(const QString& id, int& table, int& number, int& line);

// A short fingerprint of a source line, recorded in the export and in the project's
// record, so that a target made for an older source is recognised.
QString SourceHash(const QByteArray& line);

// Characters a line takes on the display: the attribute bytes take none.
int VisibleLength(const QByteArray& line);

// One line as translators see it: TextNotation's marks, with every byte the display does
// not show as the character typed ({xHH}), so that any other character is one the
// display cannot show.
QString LineNotation(const QByteArray& line);
// The line as the display shows it, for a note: graphics characters named by their code,
// blinking text in brackets. `graphics` / `blink`: the state at the start of the line.
QString DisplayForm(const QByteArray& line, bool graphics, bool blink);

// The display character the import puts in place of one the display cannot show.
QString NearestDisplayText(char32_t codePoint);
bool IsDisplayable(char32_t codePoint);

// The open project's texts as far as translation needs them.
struct Project
{
    std::array<const TMessageTable*, 2> tables{}; // null where the display type has none
    int lineLength = 0;
    int source = 0; // language index 0 or 1
    int target = 1;
};

// What the project keeps about earlier exports (the file "Uebersetzung.json" in the project
// folder): per direction and line the hash of the source line its target was made for,
// and the language codes last given.
struct Record
{
    QString sourceLanguage;
    QString targetLanguage;
    // "1>2" -> unit id -> source hash
    QMap<QString, QMap<QString, QString>> lines;

    static QString FileName() { return QStringLiteral("Uebersetzung.json"); }
    static QString Direction(int source, int target);
    // Missing file: empty record. A damaged one raises TavolinError.
    static Record Read(const QString& folder);
    QByteArray ToJson() const;
    void Write(const QString& folder) const;
    bool operator==(const Record&) const = default;
};

struct Unit
{
    int table = 0;
    int number = 0;
    int line = 1;
    QByteArray source;
    QByteArray target;
    bool graphicsAtStart = false;
    bool blinkAtStart = false;
    bool needsTranslation = true;
};

// The units of the tables in `tables` (operating, diagnostic), in table order. Message
// texts only: the header lines (the display's settings) are no text to translate.
// Adds to `record` a baseline for translated lines it has none for.
QList<Unit> Units(const Project& project, const QList<int>& tables, Record& record);

// A piece of a returned target: translator's text in TextNotation, or display codes the
// file kept in an attribute (inline codes the translator could not change).
struct Segment
{
    QString text;
    QByteArray codes;
};

// One unit as a returned file holds it.
struct Entry
{
    QString id;
    QString place;      // where in the file, for the report
    QString source;     // as LineNotation wrote it
    bool hasSource = false;
    QString sourceHash; // empty when the file lost it
    QList<Segment> target;
};

struct Finding
{
    enum Kind { UnknownId, TooLong, UnknownCharacter, SourceChanged, BadText };
    Kind kind;
    QString text; // German, with the place
};

// What an import would do, found before anything changes.
struct Plan
{
    QList<Finding> errors;
    QStringList taken;  // one line per message line taken
    QStringList left;   // what --force leaves out, with the reason
    // (table, number) -> the new target text of the message
    std::map<std::pair<int, int>, QByteArray> texts;
    QStringList takenIds;
    int unchanged = 0;
    int empty = 0;

    bool HasErrors() const { return !errors.isEmpty(); }
    // The report for the user: errors first, then what was taken.
    QString Report(bool force) const;
};

Plan Check(const Project& project, const QList<Entry>& entries);
// Puts the plan's texts into the tables (the target language); true when something changed.
bool Apply(const Plan& plan, const std::array<TMessageTable*, 2>& tables, int target);
// The taken lines now belong to their current source.
void NoteTaken(const Plan& plan, const Project& project, Record& record);

// Messages of a table with a missing, outdated (source changed since its target was taken
// or exported) or too long target line.
struct TableStatus
{
    int messages = 0;
    int missing = 0;
    int outdated = 0;
    int tooLong = 0;
    bool operator==(const TableStatus&) const = default;
};
TableStatus Status(const Project& project, int table, const Record& record);

} // namespace Translation
