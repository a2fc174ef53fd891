#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "common/AtomicFile.h"
#include "common/TavolinError.h"
#include "session/ProjectSession.h"
#include "session/ProjectTranslation.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("TranslateCommand",
    "Aufruf:\n"
    "  tavolin-cli translate export PROJEKT -o DATEI.xlf|DATEI.csv [--table operating|diagnostic|all]\n"
    "                               [--source 1 --target 2] [--source-lang de --target-lang en]\n"
    "                               [--format xliff|csv]\n"
    "  tavolin-cli translate import PROJEKT DATEI.xlf|DATEI.csv [--source 1 --target 2]\n"
    "                               [--format xliff|csv] [--force]\n"
    "  tavolin-cli translate status PROJEKT [--source 1 --target 2] [--json]\n"
    "\n"
    "export  schreibt die Meldungen für einen Übersetzer: XLIFF 1.2 (Vorgabe) oder CSV\n"
    "        (UTF-8, für Tabellenkalkulationen), eine Einheit je Zeile der Anzeige mit\n"
    "        der Zeilenlänge der Anzeige. Die Kopfzeilen (Systemeinstellungen) bleiben\n"
    "        draußen. Die Sprachcodes merkt sich das Projekt in \"Uebersetzung.json\";\n"
    "        beim ersten Export müssen sie angegeben werden. -o - schreibt auf stdout.\n"
    "import  prüft die zurückgegebene Datei zuerst ganz: unbekannte Kennungen, zu lange\n"
    "        Zeilen, Zeichen, die die Anzeige nicht hat, und Ausgangstexte, die sich seit\n"
    "        dem Export geändert haben. Enthält der Bericht einen Fehler, wird nichts\n"
    "        geschrieben; mit --force wird übernommen, was passt (Zeichen, die die\n"
    "        Anzeige nicht hat, werden durch das nächstliegende ersetzt).\n"
    "status  zählt je Tabelle die Meldungen mit fehlender, veralteter oder zu langer\n"
    "        Übersetzung.\n"
    "\n"
    "--source und --target sind die Sprachnummern (Sprache1, Sprache2); Vorgabe 1 nach 2.\n");

using cli::Native;

int LanguageOption(const cli::ArgList& args, const QString& option, int fallback)
{
    const QString value = args.Value(option);
    if (value.isEmpty())
        return fallback;
    if (value != QLatin1String("1") && value != QLatin1String("2"))
        throw cli::UsageError(
            QCoreApplication::translate("TranslateCommand", "%1 muss 1 oder 2 sein, nicht \"%2\".").arg(option, value));
    return value.toInt() - 1;
}

void ExpectCount(const cli::ArgList& args, int count)
{
    if (args.positional.size() != count)
        throw cli::UsageError(QCoreApplication::translate("TranslateCommand", "%1 Namen erwartet, %2 angegeben.\n\n%3")
                                  .arg(count)
                                  .arg(args.positional.size())
                                  .arg(QCoreApplication::translate("TranslateCommand", Usage)));
}

void Open(ProjectSession& session, const QString& folder)
{
    session.Load(folder);
    cli::PrintReadWarnings(session.warnings);
}

int Export(const cli::ArgList& args)
{
    ExpectCount(args, 1);
    const QString out = args.Value(QStringLiteral("-o"));
    if (out.isEmpty())
        throw cli::UsageError(QCoreApplication::translate("TranslateCommand", "-o DATEI fehlt."));
    ProjectSession session;
    Open(session, args.positional[0]);
    const Translation::Project project = ProjectTranslation::View(
        session, LanguageOption(args, QStringLiteral("--source"), 0), LanguageOption(args, QStringLiteral("--target"), 1));
    const QList<int> tables = ProjectTranslation::Tables(session, args.Value(QStringLiteral("--table")));
    const ProjectTranslation::Format format = ProjectTranslation::FormatOf(out, args.Value(QStringLiteral("--format")));

    const Translation::Record before = Translation::Record::Read(session.project.folder);
    Translation::Record record = before;
    // The codes name the languages of the file; the project keeps them once given.
    TranslationFile::Languages languages;
    const bool forward = project.source == 0;
    languages.source = args.Value(QStringLiteral("--source-lang"), forward ? record.sourceLanguage : record.targetLanguage);
    languages.target = args.Value(QStringLiteral("--target-lang"), forward ? record.targetLanguage : record.sourceLanguage);
    if (format == ProjectTranslation::Format::Xliff && (languages.source.isEmpty() || languages.target.isEmpty()))
        throw cli::UsageError(QCoreApplication::translate("TranslateCommand",
                                                          "Das Projekt nennt seine Sprachen noch nicht: bitte mit "
                                                          "--source-lang und --target-lang angeben (z. B. de und en)."));
    if (!languages.source.isEmpty())
        (forward ? record.sourceLanguage : record.targetLanguage) = ProjectTranslation::CheckLanguageCode(languages.source);
    if (!languages.target.isEmpty())
        (forward ? record.targetLanguage : record.sourceLanguage) = ProjectTranslation::CheckLanguageCode(languages.target);

    const QByteArray bytes = ProjectTranslation::Export(project, tables, format, languages, record);
    if (out == QLatin1String("-"))
        cli::OutBytes(bytes);
    else
        ReplaceFileBytes(out, bytes,
                         QCoreApplication::translate("TranslateCommand", "Die Übersetzungsdatei kann nicht geschrieben werden."));
    if (!(record == before))
        record.Write(session.project.folder);
    return 0;
}

int Import(const cli::ArgList& args)
{
    ExpectCount(args, 2);
    const QString& in = args.positional[1];
    const bool force = args.Has(QStringLiteral("--force"));
    ProjectSession session;
    Open(session, args.positional[0]);
    const TranslationFile::Content content =
        ProjectTranslation::Read(in, ProjectTranslation::FormatOf(in, args.Value(QStringLiteral("--format"))));
    const int source = LanguageOption(args, QStringLiteral("--source"), content.source == 2 ? 1 : 0);
    const int target = LanguageOption(args, QStringLiteral("--target"), content.target == 1 ? 0 : 1);
    const Translation::Project project = ProjectTranslation::View(session, source, target);
    Translation::Record record = Translation::Record::Read(session.project.folder);

    const Translation::Plan plan = Translation::Check(project, content.entries);
    cli::Out(plan.Report(force));
    if (plan.HasErrors() && !force)
        return cli::Fail(QCoreApplication::translate("TranslateCommand",
                                                     "Nichts übernommen: \"%1\" enthält Fehler (siehe oben). Mit --force "
                                                     "wird übernommen, was passt.")
                             .arg(Native(in)));
    if (plan.texts.empty())
        return 0;
    // Saving would make final what reading the project left out.
    if (!session.warnings.isEmpty() && !force)
        return cli::Fail(QCoreApplication::translate("TranslateCommand",
                                                     "Nichts übernommen: beim Lesen des Projekts ging Inhalt verloren "
                                                     "(siehe Warnungen). Mit --force wird trotzdem gespeichert."));
    if (Translation::Apply(plan, {session.Table(0), session.Table(1)}, target)) {
        session.MarkModified();
        session.Save();
    }
    Translation::NoteTaken(plan, project, record);
    record.Write(session.project.folder);
    return 0;
}

int Status(const cli::ArgList& args)
{
    ExpectCount(args, 1);
    ProjectSession session;
    Open(session, args.positional[0]);
    const Translation::Project project = ProjectTranslation::View(
        session, LanguageOption(args, QStringLiteral("--source"), 0), LanguageOption(args, QStringLiteral("--target"), 1));
    const Translation::Record record = Translation::Record::Read(session.project.folder);
    QJsonArray json;
    QString text;
    for (const int table : ProjectTranslation::Tables(session, QStringLiteral("all"))) {
        const Translation::TableStatus status = Translation::Status(project, table, record);
        json.append(QJsonObject{{QStringLiteral("table"), Translation::TableId(table)},
                                {QStringLiteral("messages"), status.messages},
                                {QStringLiteral("missing"), status.missing},
                                {QStringLiteral("outdated"), status.outdated},
                                {QStringLiteral("tooLong"), status.tooLong}});
        text += QCoreApplication::translate("TranslateCommand",
                                            "%1: %2 Meldungen, %3 ohne Übersetzung, %4 veraltet, %5 zu lang\n")
                    .arg(table == Translation::OperatingTexts
                             ? QCoreApplication::translate("TranslateCommand", "Betriebstexte")
                             : QCoreApplication::translate("TranslateCommand", "Diagnosetexte"))
                    .arg(status.messages)
                    .arg(status.missing)
                    .arg(status.outdated)
                    .arg(status.tooLong);
    }
    if (args.Has(QStringLiteral("--json")))
        cli::OutBytes(QJsonDocument(json).toJson(QJsonDocument::Indented));
    else
        cli::Out(text);
    return 0;
}

int Run(const QStringList& all)
{
    if (all.isEmpty() || cli::WantsHelp(all)) {
        cli::Out(QCoreApplication::translate("TranslateCommand", Usage));
        return all.isEmpty() ? 2 : 0;
    }
    const QString verb = all.first();
    const QStringList rest = all.mid(1);
    const QStringList direction = {QStringLiteral("--source"), QStringLiteral("--target"), QStringLiteral("--format")};
    if (verb == QLatin1String("export"))
        return Export(cli::ArgList::Parse(rest,
                                          direction
                                              + QStringList{QStringLiteral("-o"), QStringLiteral("--table"),
                                                            QStringLiteral("--source-lang"), QStringLiteral("--target-lang")},
                                          {}));
    if (verb == QLatin1String("import"))
        return Import(cli::ArgList::Parse(rest, direction, {QStringLiteral("--force")}));
    if (verb == QLatin1String("status"))
        return Status(cli::ArgList::Parse(rest, {QStringLiteral("--source"), QStringLiteral("--target")},
                                          {QStringLiteral("--json")}));
    return cli::UsageFail(QCoreApplication::translate("TranslateCommand", "Unbekannter Unterbefehl \"%1\".\n\n%2")
                              .arg(verb, QCoreApplication::translate("TranslateCommand", Usage)));
}

const CliCommand registration{
    "translate", QT_TRANSLATE_NOOP("CliCommand", "Texte für Übersetzer: XLIFF und CSV exportieren, importieren, Stand"),
    Run};

} // namespace
