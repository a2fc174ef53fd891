#include "transfer/DisplayCompare.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "charset/CharSet.h"
#include "charset/TempFile.h"
#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace {

constexpr int GlyphRows = 7;
constexpr int FirstCode = 32;
constexpr char RowBits = 0x1F; // five dots a row; the line bit 0x20 is no part of a glyph

// Number -> text of one language, as a table parsed from formatted bytes holds them.
QMap<int, QByteArray> TextsOf(const TMessageTable& table, int language)
{
    QMap<int, QByteArray> texts;
    for (int slot = 0; slot < table.Count(); ++slot) {
        const QByteArray& text = table.At(slot).text[static_cast<size_t>(language)];
        if (!text.isEmpty())
            texts.insert(table.At(slot).number, text);
    }
    return texts;
}

// What the display makes of a download: the formatted bytes read back as a display sends them.
void ParseSent(TMessageTable& into, int language, QByteArray bytes)
{
    bytes.append('\0');
    ParseText(into, language, bytes.data(), static_cast<int>(bytes.size() - 1), QString());
}

QByteArray ProjectCharSet(TCharSet& graphics)
{
    // The same bytes a download sends: the set as its ".pix" file, written to a scratch file.
    const QString path = MakeTempFileName(0);
    const bool wasModified = graphics.modified;
    QByteArray bytes;
    try {
        graphics.Save(path);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(TCharSet::PixSize + 1);
    } catch (...) {
        graphics.modified = wasModified;
        QFile::remove(path);
        throw;
    }
    graphics.modified = wasModified;
    QFile::remove(path);
    return bytes;
}

QString Encoded(const QByteArray& text, const QString& indent)
{
    QString notation = TextNotation::Encode(text);
    notation.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    return notation;
}

QString NumberList(const QList<int>& numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts.append(QString::number(n));
    return parts.join(QStringLiteral(", "));
}

QJsonArray JsonNumbers(const QList<int>& numbers)
{
    QJsonArray array;
    for (const int n : numbers)
        array.append(n);
    return array;
}

QJsonArray JsonLines(const QList<QByteArray>& lines)
{
    QJsonArray array;
    for (const QByteArray& line : lines)
        array.append(TextNotation::Encode(line));
    return array;
}

} // namespace

QString TableComparison::Title() const
{
    return (table == 0 ? QCoreApplication::translate("DisplayCompare", "Betriebstexte Sprache %1")
                       : QCoreApplication::translate("DisplayCompare", "Diagnosetexte Sprache %1"))
        .arg(language + 1);
}

bool DisplayComparison::Equal() const
{
    for (const TableComparison& t : tables)
        if (!t.Equal())
            return false;
    return projectSettings == displaySettings && charSetCodes.isEmpty();
}

QString DisplayComparison::Report() const
{
    QString text;
    if (settingsCompared) {
        if (projectSettings == displaySettings) {
            text += QCoreApplication::translate("DisplayCompare", "Systemeinstellungen: gleich\n");
        } else {
            text += QCoreApplication::translate("DisplayCompare", "Systemeinstellungen: verschieden\n  Projekt:\n");
            for (const QByteArray& line : projectSettings)
                text += QStringLiteral("    ") + TextNotation::Encode(line) + QLatin1Char('\n');
            text += QCoreApplication::translate("DisplayCompare", "  Anzeige:\n");
            for (const QByteArray& line : displaySettings)
                text += QStringLiteral("    ") + TextNotation::Encode(line) + QLatin1Char('\n');
        }
    }
    for (const TableComparison& t : tables) {
        if (t.Equal()) {
            text += t.Title() + QCoreApplication::translate("DisplayCompare", ": gleich\n");
            continue;
        }
        text += t.Title() + QCoreApplication::translate("DisplayCompare", ": verschieden\n");
        if (!t.onlyProject.isEmpty())
            text += QCoreApplication::translate("DisplayCompare", "  nur im Projekt: ") + NumberList(t.onlyProject)
                + QLatin1Char('\n');
        if (!t.onlyDisplay.isEmpty())
            text += QCoreApplication::translate("DisplayCompare", "  nur in der Anzeige: ") + NumberList(t.onlyDisplay)
                + QLatin1Char('\n');
        for (const MessageDifference& d : t.different) {
            const QString indent = QStringLiteral("             ");
            text += QCoreApplication::translate("DisplayCompare", "  Meldung %1 verschieden\n").arg(d.number);
            text += QCoreApplication::translate("DisplayCompare", "    Projekt: ") + Encoded(d.project, indent)
                + QLatin1Char('\n');
            text += QCoreApplication::translate("DisplayCompare", "    Anzeige: ") + Encoded(d.display, indent)
                + QLatin1Char('\n');
        }
    }
    if (charSetCompared) {
        if (charSetCodes.isEmpty()) {
            text += QCoreApplication::translate("DisplayCompare", "Zeichensatz: gleich\n");
        } else {
            QStringList codes;
            for (const int code : charSetCodes)
                codes.append(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());
            text += QCoreApplication::translate("DisplayCompare", "Zeichensatz: verschieden bei den Codes (hex) ")
                + codes.join(QStringLiteral(", ")) + QLatin1Char('\n');
        }
    }
    if (diagnosticSkipped)
        text += QCoreApplication::translate("DisplayCompare",
                                            "Diagnosetexte: nicht verglichen (eine Anzeige sendet sie nicht zurück)\n");
    text += Equal() ? QCoreApplication::translate("DisplayCompare", "Projekt und Anzeige stimmen überein.\n")
                    : QCoreApplication::translate("DisplayCompare", "Projekt und Anzeige sind verschieden.\n");
    return text;
}

QByteArray DisplayComparison::Json() const
{
    QJsonObject root;
    root.insert(QStringLiteral("equal"), Equal());
    QJsonArray tableArray;
    for (const TableComparison& t : tables) {
        QJsonArray different;
        for (const MessageDifference& d : t.different)
            different.append(QJsonObject{{QStringLiteral("number"), d.number},
                                         {QStringLiteral("project"), TextNotation::Encode(d.project)},
                                         {QStringLiteral("display"), TextNotation::Encode(d.display)}});
        tableArray.append(QJsonObject{{QStringLiteral("table"), t.table == 0 ? QStringLiteral("operating")
                                                                             : QStringLiteral("diagnostic")},
                                      {QStringLiteral("language"), t.language + 1},
                                      {QStringLiteral("equal"), t.Equal()},
                                      {QStringLiteral("onlyProject"), JsonNumbers(t.onlyProject)},
                                      {QStringLiteral("onlyDisplay"), JsonNumbers(t.onlyDisplay)},
                                      {QStringLiteral("different"), different}});
    }
    root.insert(QStringLiteral("tables"), tableArray);
    if (settingsCompared)
        root.insert(QStringLiteral("settings"),
                    QJsonObject{{QStringLiteral("equal"), projectSettings == displaySettings},
                                {QStringLiteral("project"), JsonLines(projectSettings)},
                                {QStringLiteral("display"), JsonLines(displaySettings)}});
    if (charSetCompared)
        root.insert(QStringLiteral("charSet"), QJsonObject{{QStringLiteral("equal"), charSetCodes.isEmpty()},
                                                           {QStringLiteral("codes"), JsonNumbers(charSetCodes)}});
    root.insert(QStringLiteral("diagnosticSkipped"), diagnosticSkipped);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TDisplayCompare::TDisplayCompare(const TransferJob& projectJob)
    : project(projectJob), displayTexts(std::make_unique<TMessageTable>())
{
}

TDisplayCompare::~TDisplayCompare() = default;

TransferJob TDisplayCompare::ReadJob()
{
    TransferJob job = project;
    job.download = false;
    job.operating = displayTexts.get();
    job.diagnostic = nullptr;
    job.graphics = nullptr;
    job.receivedCharSet = &displayCharSet;
    return job;
}

DisplayComparison TDisplayCompare::Result() const
{
    DisplayComparison result;
    const int selection = Selection::Effective(project);
    const int lineLength = project.displayType.lineLength;

    // Both sides through the same reader: what the display would hold after a download
    // (the first language with its header block, as the display keeps it) and what it holds.
    TMessageTable sent;
    ParseSent(sent, 0, TTransferProtocol::FormatItem(project.operating, 0,
                                                      TextFile::HeaderBlock | TextFile::MessageTexts, lineLength));
    if (project.displayType.LanguageCount() > 1)
        ParseSent(sent, 1, TTransferProtocol::FormatItem(project.operating, 1, TextFile::MessageTexts, lineLength));

    if (selection & Selection::SystemSettings) {
        result.settingsCompared = true;
        result.projectSettings = sent.headerLines[0];
        result.displaySettings = displayTexts->headerLines[0];
    }

    const int languageBits[2] = {Selection::Language1, Selection::Language2};
    for (int language = 0; language < project.displayType.LanguageCount(); ++language) {
        if (!(selection & languageBits[language]))
            continue;
        const QMap<int, QByteArray> mine = TextsOf(sent, language);
        const QMap<int, QByteArray> theirs = TextsOf(*displayTexts, language);
        TableComparison t;
        t.table = 0;
        t.language = language;
        for (auto it = mine.cbegin(); it != mine.cend(); ++it) {
            if (!theirs.contains(it.key()))
                t.onlyProject.append(it.key());
            else if (theirs.value(it.key()) != it.value())
                t.different.append({it.key(), it.value(), theirs.value(it.key())});
        }
        for (auto it = theirs.cbegin(); it != theirs.cend(); ++it)
            if (!mine.contains(it.key()))
                t.onlyDisplay.append(it.key());
        result.tables.append(t);
    }
    result.diagnosticSkipped = (selection & (Selection::DiagLanguage1 | Selection::DiagLanguage2)) != 0;

    if ((selection & Selection::CharSet) && project.graphics) {
        result.charSetCompared = true;
        const QByteArray mine = ProjectCharSet(*project.graphics);
        for (int glyph = 0; glyph < TCharSet::PixSize / GlyphRows; ++glyph) {
            bool same = true;
            for (int row = 0; row < GlyphRows; ++row) {
                const int k = glyph * GlyphRows + row;
                const char a = k < mine.size() ? mine[k] : 0;
                const char b = k < displayCharSet.size() ? displayCharSet[k] : 0;
                same = same && (a & RowBits) == (b & RowBits);
            }
            if (!same)
                result.charSetCodes.append(glyph + FirstCode);
        }
    }
    return result;
}
