#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "common/TavolinError.h"
#include "project/DisplayType.h"
#include "project/ProjectConfig.h"
#include "texts/MessageTable.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("ProjectCommand",
    "Aufruf:\n"
    "  tavolin-cli project info ORDNER [--json]\n"
    "\n"
    "info  zeigt die Konfiguration eines Projektordners (tavolin.cfg) mit dem Anzeigetyp\n"
    "      und für jede Textdatei, die der Anzeigetyp hat, die Zahl der Meldungen und\n"
    "      die Zeilen, die länger sind als eine Zeile der Anzeige (Blink- und\n"
    "      Grafikschalter zählen nicht mit). --json gibt dasselbe als JSON aus.\n");

struct LongLine
{
    int number;
    int line;
    int length;
    QString text;
};

struct LanguageInfo
{
    QString title;      // German in the JSON output, whatever the language
    QString shownTitle; // the same in the language of the text output
    QString file;
    bool exists = false;
    int messages = 0;
    int headerLines = 0;
    bool truncated = false;
    ReadWarnings warnings;
    QString error;
    QList<LongLine> longLines;
};

const char* const FieldNames[] = {"language1File", "language2File", "diagLanguage1File",
                                  "diagLanguage2File", "charSetName", "displayTypeName"};

QList<QString> Fields(const TProjectConfig& config)
{
    return {TProjectConfig::Get(config.language1File), TProjectConfig::Get(config.language2File),
            TProjectConfig::Get(config.diagLanguage1File), TProjectConfig::Get(config.diagLanguage2File),
            TProjectConfig::Get(config.charSetName), TProjectConfig::Get(config.displayTypeName)};
}

QString FlagNames(quint8 flags)
{
    static const std::pair<quint8, const char*> names[] = {
        {dtSecondLanguage, QT_TRANSLATE_NOOP("ProjectCommand", "zweite Sprache")},
        {dtDiagnosticTexts, QT_TRANSLATE_NOOP("ProjectCommand", "Diagnosetexte")},
        {dtPlcAddresses, QT_TRANSLATE_NOOP("ProjectCommand", "SPS-Adressen")},
        {dtNoTransferReply, QT_TRANSLATE_NOOP("ProjectCommand", "keine Übertragungsantwort")},
        {dtCtsHandshake, QT_TRANSLATE_NOOP("ProjectCommand", "CTS-Handshake")},
        {dtNoInfoQuery, QT_TRANSLATE_NOOP("ProjectCommand", "keine Infoabfrage")}};
    QStringList list;
    for (const auto& [bit, name] : names)
        if (flags & bit)
            list << QCoreApplication::translate("ProjectCommand", name);
    return list.join(QStringLiteral(", "));
}

LanguageInfo InspectLanguage(const TProjectState& state, int table, int language, int lineLength)
{
    LanguageInfo info;
    info.title = QStringLiteral("%1 Sprache%2").arg(table == 0 ? QStringLiteral("Betriebstexte")
                                                               : QStringLiteral("Diagnosetexte"))
                     .arg(language + 1);
    info.shownTitle = (table == 0 ? QCoreApplication::translate("ProjectCommand", "Betriebstexte Sprache%1")
                                  : QCoreApplication::translate("ProjectCommand", "Diagnosetexte Sprache%1"))
                          .arg(language + 1);
    info.file = state.config.TextFileName(table, language);
    const QString path = state.TextFilePath(table, language);
    info.exists = QFileInfo(path).isFile();
    if (info.file.isEmpty()) {
        info.error = QCoreApplication::translate("ProjectCommand", "kein Dateiname in tavolin.cfg");
        return info;
    }
    TMessageTable texts;
    try {
        info.warnings = ReadTextFile(texts, path, language, &info.truncated);
    } catch (const TavolinError& error) {
        info.error = error.message();
        return info;
    }
    info.messages = texts.Count();
    info.headerLines = static_cast<int>(texts.headerLines[static_cast<size_t>(language)].size());
    if (lineLength <= 0)
        return info;
    for (int slot = 0; slot < texts.Count(); ++slot) {
        const TMessage& message = texts.At(slot);
        const QList<QByteArray> lines = message.text[static_cast<size_t>(language)].split(Attr::LineBreak);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            int visible = 0;
            for (const char c : lines[k])
                visible += Attr::IsAttribute(c) ? 0 : 1;
            if (visible > lineLength)
                info.longLines.append({message.number, static_cast<int>(k + 1), visible,
                                       TextNotation::Encode(lines[k])});
        }
    }
    return info;
}

int Info(const cli::ArgList& args)
{
    if (args.positional.size() != 1)
        throw cli::UsageError(QCoreApplication::translate("ProjectCommand", "Ein Projektordner erwartet.\n\n%1")
                                  .arg(QCoreApplication::translate("ProjectCommand", Usage)));
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(args.positional[0]));
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        throw TavolinError(QCoreApplication::translate("ProjectCommand", "Den Projektordner \"%1\" gibt es nicht.")
                               .arg(QDir::toNativeSeparators(folder)));
    if (!folderInfo.isDir())
        throw TavolinError(QCoreApplication::translate("ProjectCommand", "\"%1\" ist kein Ordner.")
                               .arg(QDir::toNativeSeparators(folder)));

    TProjectState state;
    state.folder = folder;
    state.config = DefaultProjectConfig();
    const QString cfgPath = folder + QLatin1Char('/') + QLatin1String(ProjectConfigFileName);
    ReadWarnings warnings;
    const bool cfgRead = ReadProjectConfig(folder, state.config, &warnings);
    const qint64 cfgSize = cfgRead ? QFileInfo(cfgPath).size() : -1;
    // An empty name would find the table's empty last row, which no display has.
    const QString typeName = TProjectConfig::Get(state.config.displayTypeName);
    const bool typeKnown = !typeName.isEmpty() && FindDisplayType(typeName, state.displayType);
    const TDisplayType& type = state.displayType;

    QList<LanguageInfo> languages;
    if (typeKnown) {
        for (int language = 0; language < type.LanguageCount(); ++language)
            languages.append(InspectLanguage(state, 0, language, type.lineLength));
        if (type.Has(dtDiagnosticTexts))
            for (int language = 0; language < type.LanguageCount(); ++language)
                languages.append(InspectLanguage(state, 1, language, type.lineLength));
    } else {
        languages.append(InspectLanguage(state, 0, 0, 0));
    }
    const QList<QString> fields = Fields(state.config);
    bool failed = false;
    for (const LanguageInfo& language : languages) {
        failed = failed || !language.error.isEmpty();
        warnings += language.warnings;
    }
    cli::PrintReadWarnings(warnings);

    if (args.Has(QStringLiteral("--json"))) {
        QJsonObject root;
        root.insert(QStringLiteral("folder"), folder);
        root.insert(QStringLiteral("configRead"), cfgRead);
        root.insert(QStringLiteral("configSize"), cfgSize);
        QJsonObject config;
        for (int i = 0; i < 6; ++i)
            config.insert(QString::fromLatin1(FieldNames[i]), fields[i]);
        root.insert(QStringLiteral("config"), config);
        if (typeKnown) {
            QJsonObject row;
            row.insert(QStringLiteral("name"), type.name);
            row.insert(QStringLiteral("kind"), type.kind);
            row.insert(QStringLiteral("lineLength"), type.lineLength);
            row.insert(QStringLiteral("flags"), type.flags);
            row.insert(QStringLiteral("keyCount"), type.keyCount);
            root.insert(QStringLiteral("displayType"), row);
        } else {
            root.insert(QStringLiteral("displayType"), QJsonValue::Null);
        }
        QJsonArray list;
        for (const LanguageInfo& language : languages) {
            QJsonObject entry;
            entry.insert(QStringLiteral("title"), language.title);
            entry.insert(QStringLiteral("file"), language.file);
            entry.insert(QStringLiteral("exists"), language.exists);
            entry.insert(QStringLiteral("messages"), language.messages);
            entry.insert(QStringLiteral("headerLines"), language.headerLines);
            entry.insert(QStringLiteral("truncated"), language.truncated);
            if (!language.error.isEmpty())
                entry.insert(QStringLiteral("error"), language.error);
            QJsonArray longLines;
            for (const LongLine& line : language.longLines)
                longLines.append(QJsonObject{{QStringLiteral("number"), line.number},
                                             {QStringLiteral("line"), line.line},
                                             {QStringLiteral("length"), line.length},
                                             {QStringLiteral("text"), line.text}});
            entry.insert(QStringLiteral("longLines"), longLines);
            list.append(entry);
        }
        root.insert(QStringLiteral("languages"), list);
        cli::Out(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return failed ? 1 : 0;
    }

    QString out =
        QCoreApplication::translate("ProjectCommand", "Projektordner: %1\n").arg(QDir::toNativeSeparators(folder));
    out += cfgRead
        ? QCoreApplication::translate("ProjectCommand", "Konfiguration: %1 (%2 Bytes)\n")
              .arg(QLatin1String(ProjectConfigFileName))
              .arg(cfgSize)
        : QCoreApplication::translate("ProjectCommand", "Konfiguration: %1 fehlt; es gilt die Standardkonfiguration\n")
              .arg(QLatin1String(ProjectConfigFileName));
    for (int i = 0; i < 6; ++i) {
        const QString label = QString::fromLatin1(FieldNames[i]) + QLatin1Char(':');
        out += fields[i].isEmpty() ? QStringLiteral("  %1\n").arg(label)
                                   : QStringLiteral("  %1 %2\n").arg(label, -19).arg(fields[i]);
    }
    if (typeKnown) {
        out += QCoreApplication::translate("ProjectCommand",
                                           "Anzeigetyp: %1 (%2, %3 Zeichen je Zeile, %4 Tasten, Flags 0x%5%6)\n")
                   .arg(type.name, type.kind)
                   .arg(type.lineLength)
                   .arg(type.keyCount)
                   .arg(type.flags, 2, 16, QLatin1Char('0'))
                   .arg(type.flags ? QStringLiteral(": ") + FlagNames(type.flags) : QString());
    } else {
        out += QCoreApplication::translate("ProjectCommand", "Anzeigetyp: \"%1\" – unbekannter Anzeigetyp\n")
                   .arg(fields[5]);
    }
    for (const LanguageInfo& language : languages) {
        out += QStringLiteral("%1: %2").arg(language.shownTitle, language.file);
        if (!language.error.isEmpty()) {
            out += QCoreApplication::translate("ProjectCommand", " – Fehler: %1\n")
                       .arg(QString(language.error).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            continue;
        }
        if (!language.exists) {
            out += QCoreApplication::translate("ProjectCommand", " (fehlt)\n");
            continue;
        }
        out += QCoreApplication::translate("ProjectCommand", ", %1 Meldungen, %2 Kopfzeilen\n")
                   .arg(language.messages)
                   .arg(language.headerLines);
        if (language.truncated)
            out += QCoreApplication::translate("ProjectCommand",
                                               "  Warnung: länger als %1 Bytes, nur der Anfang wurde gelesen\n")
                       .arg(TextFile::BufferSize);
        if (!language.longLines.isEmpty()) {
            out += QCoreApplication::translate("ProjectCommand", "  Zu lange Zeilen (mehr als %1 Zeichen):\n")
                       .arg(type.lineLength);
            for (const LongLine& line : language.longLines)
                out += QCoreApplication::translate("ProjectCommand", "    Meldung %1, Zeile %2: %3 Zeichen: %4\n")
                           .arg(line.number)
                           .arg(line.line)
                           .arg(line.length)
                           .arg(line.text);
        }
    }
    cli::Out(out);
    if (failed)
        cli::Err(QCoreApplication::translate("ProjectCommand", "Nicht alle Textdateien konnten gelesen werden.\n"));
    return failed ? 1 : 0;
}

int Run(const QStringList& all)
{
    if (all.isEmpty() || cli::WantsHelp(all)) {
        cli::Out(QCoreApplication::translate("ProjectCommand", Usage));
        return all.isEmpty() ? 2 : 0;
    }
    const QString verb = all.first();
    if (verb == QLatin1String("info"))
        return Info(cli::ArgList::Parse(all.mid(1), {}, {QStringLiteral("--json")}));
    return cli::UsageFail(QCoreApplication::translate("ProjectCommand", "Unbekannter Unterbefehl \"%1\".\n\n%2")
                              .arg(verb, QCoreApplication::translate("ProjectCommand", Usage)));
}

const CliCommand registration{
    "project", QT_TRANSLATE_NOOP("CliCommand", "Projektordner anzeigen (Konfiguration, Textdateien, zu lange Zeilen)"),
    Run};

} // namespace
