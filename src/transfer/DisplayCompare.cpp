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

bool DisplayComparison::Equal() const
{
    for (const TableDifference& t : tables)
        if (!t.messages.isEmpty())
            return false;
    return projectSettings == displaySettings && glyphs.isEmpty();
}

QList<int> DisplayComparison::CharSetCodes() const
{
    QList<int> codes;
    for (const GlyphDifference& g : glyphs)
        codes.append(g.code);
    return codes;
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
    for (const TableDifference& t : tables) {
        if (t.messages.isEmpty()) {
            text += t.Title() + QCoreApplication::translate("DisplayCompare", ": gleich\n");
            continue;
        }
        text += t.Title() + QCoreApplication::translate("DisplayCompare", ": verschieden\n");
        if (!t.OnlyLeft().isEmpty())
            text += QCoreApplication::translate("DisplayCompare", "  nur im Projekt: ") + NumberList(t.OnlyLeft())
                + QLatin1Char('\n');
        if (!t.OnlyRight().isEmpty())
            text += QCoreApplication::translate("DisplayCompare", "  nur in der Anzeige: ") + NumberList(t.OnlyRight())
                + QLatin1Char('\n');
        for (const MessageDifference& d : t.Changed()) {
            const QString indent = QStringLiteral("             ");
            text += QCoreApplication::translate("DisplayCompare", "  Meldung %1 verschieden\n").arg(d.number);
            text += QCoreApplication::translate("DisplayCompare", "    Projekt: ") + Encoded(d.left, indent)
                + QLatin1Char('\n');
            text += QCoreApplication::translate("DisplayCompare", "    Anzeige: ") + Encoded(d.right, indent)
                + QLatin1Char('\n');
        }
    }
    if (charSetCompared) {
        if (glyphs.isEmpty()) {
            text += QCoreApplication::translate("DisplayCompare", "Zeichensatz: gleich\n");
        } else {
            QStringList codes;
            for (const int code : CharSetCodes())
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
    for (const TableDifference& t : tables) {
        QJsonArray different;
        for (const MessageDifference& d : t.Changed())
            different.append(QJsonObject{{QStringLiteral("number"), d.number},
                                         {QStringLiteral("project"), TextNotation::Encode(d.left)},
                                         {QStringLiteral("display"), TextNotation::Encode(d.right)}});
        tableArray.append(QJsonObject{{QStringLiteral("table"), t.table == 0 ? QStringLiteral("operating")
                                                                             : QStringLiteral("diagnostic")},
                                      {QStringLiteral("language"), t.language + 1},
                                      {QStringLiteral("equal"), t.messages.isEmpty()},
                                      {QStringLiteral("onlyProject"), JsonNumbers(t.OnlyLeft())},
                                      {QStringLiteral("onlyDisplay"), JsonNumbers(t.OnlyRight())},
                                      {QStringLiteral("different"), different}});
    }
    root.insert(QStringLiteral("tables"), tableArray);
    if (settingsCompared)
        root.insert(QStringLiteral("settings"),
                    QJsonObject{{QStringLiteral("equal"), projectSettings == displaySettings},
                                {QStringLiteral("project"), JsonLines(projectSettings)},
                                {QStringLiteral("display"), JsonLines(displaySettings)}});
    if (charSetCompared)
        root.insert(QStringLiteral("charSet"), QJsonObject{{QStringLiteral("equal"), glyphs.isEmpty()},
                                                           {QStringLiteral("codes"), JsonNumbers(CharSetCodes())}});
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
        // Header lines are the settings, compared above only when selected.
        TableDifference t = TableDifference::Of(&sent, displayTexts.get(), 0, language);
        t.leftHeader = t.rightHeader = {};
        result.tables.append(t);
    }
    result.diagnosticSkipped = (selection & (Selection::DiagLanguage1 | Selection::DiagLanguage2)) != 0;

    if ((selection & Selection::CharSet) && project.graphics) {
        result.charSetCompared = true;
        result.glyphs = CompareGlyphs(ProjectCharSet(*project.graphics), displayCharSet);
    }
    return result;
}
