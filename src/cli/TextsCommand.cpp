#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "common/SystemReason.h"
#include "common/TavolinError.h"
#include "compare/TextMerge.h"
#include "session/ProjectLock.h"
#include "texts/MessageTable.h"
#include "texts/TextExchange.h"
#include "texts/TextFile.h"
#include "texts/TextNotation.h"

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("TextsCommand",
    "Aufruf:\n"
    "  tavolin-cli texts normalize EIN.txt AUS.txt [--force]\n"
    "  tavolin-cli texts export EIN.txt [--format json|csv]\n"
    "  tavolin-cli texts import EIN.json|EIN.csv AUS.txt [--format json|csv]\n"
    "  tavolin-cli texts textconv EIN.txt\n"
    "  tavolin-cli texts merge BASIS.txt UNSERE.txt IHRE.txt [-o AUS.txt]\n"
    "\n"
    "normalize  liest eine Textdatei der Anzeige und schreibt sie so, wie das Speichern\n"
    "           im Editor sie schreibt (Kopfzeilen und Meldungen, Zeilenende LF CR).\n"
    "           Was beim Lesen verloren geht, steht als Warnung auf stderr; über die\n"
    "           Eingabe selbst schreibt normalize dann nur mit --force.\n"
    "export     gibt die Kopfzeilen und Meldungen einer Textdatei als JSON (Vorgabe)\n"
    "           oder CSV in UTF-8 aus, zum Übersetzen und für die Versionsverwaltung.\n"
    "           Markierungen im Text: {blink}...{/blink} Blinken, {gfx}...{/gfx}\n"
    "           Grafikzeichen, {{ ein \"{\", {xHH} ein Byte ohne druckbares Zeichen;\n"
    "           ein Zeilenumbruch beginnt eine neue Zeile der Meldung.\n"
    "import     macht aus einem solchen Export wieder eine Textdatei der Anzeige.\n"
    "           Das Format ergibt sich aus der Dateiendung, sonst aus --format.\n"
    "textconv   gibt eine Textdatei in UTF-8 aus, eine Meldung je Zeile mit ihrer\n"
    "           Nummer (Zeilenumbrüche als ↵), Kopfzeilen mit \"*\": für git diff.\n"
    "merge      führt zwei Fassungen (UNSERE, IHRE) einer Textdatei mit ihrer\n"
    "           gemeinsamen BASIS je Meldung zusammen, als Merge-Treiber für git (%O %A %B).\n"
    "           Das Ergebnis ersetzt UNSERE.txt (oder geht nach AUS.txt). Bei Meldungen,\n"
    "           die beide Seiten verschieden geändert haben, bleibt unsere Fassung; sie\n"
    "           stehen mit Basis, unserer und ihrer Fassung auf stderr, Exit-Code 1.\n"
    "           Exit-Code 2: Fehler (Aufruf, Datei, Ergebnis zu groß für die Anzeige).\n"
    "\n"
    "AUS.txt wird nur ersetzt, wenn alles geschrieben werden konnte.\n");

using cli::Native;

void ExpectFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw TavolinError(
            QCoreApplication::translate("TextsCommand", "Die Datei \"%1\" gibt es nicht.").arg(Native(path)));
    if (!info.isFile())
        throw TavolinError(QCoreApplication::translate("TextsCommand", "\"%1\" ist keine Datei.").arg(Native(path)));
}

void ExpectCount(const cli::ArgList& args, int count)
{
    if (args.positional.size() != count)
        throw cli::UsageError(QCoreApplication::translate("TextsCommand", "%1 Dateinamen erwartet, %2 angegeben.\n\n%3")
                                  .arg(count)
                                  .arg(args.positional.size())
                                  .arg(QCoreApplication::translate("TextsCommand", Usage)));
}

// Reads one language of a display text file as the editor does; what the reading rules
// leave out is shown on stderr and returned.
ReadWarnings ReadDisplayFile(TMessageTable& table, const QString& path)
{
    ExpectFile(path);
    const ReadWarnings warnings = ReadTextFile(table, path, 0);
    cli::PrintReadWarnings(warnings);
    return warnings;
}

QString FormatOption(const cli::ArgList& args, const QString& path)
{
    QString format = args.Value(QStringLiteral("--format"));
    if (format.isEmpty()) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        format = suffix == QLatin1String("csv") ? suffix : QStringLiteral("json");
    }
    if (format != QLatin1String("json") && format != QLatin1String("csv"))
        throw cli::UsageError(
            QCoreApplication::translate("TextsCommand", "Unbekanntes Format \"%1\" (json oder csv).").arg(format));
    return format;
}

int Normalize(const cli::ArgList& args)
{
    ExpectCount(args, 2);
    TMessageTable table;
    const QString& in = args.positional[0];
    const QString& out = args.positional[1];
    const auto lock = ProjectLock::ForWritingFile(out);
    const ReadWarnings dropped = ReadDisplayFile(table, in);
    if (QFileInfo(out).exists() && QFileInfo(out).canonicalFilePath() == QFileInfo(in).canonicalFilePath())
        cli::RefuseToDropContent(dropped, out, args.Has(QStringLiteral("--force")));
    WriteTextFile(table, out, 0);
    return 0;
}

int Export(const cli::ArgList& args)
{
    ExpectCount(args, 1);
    const QString format = args.Value(QStringLiteral("--format"), QStringLiteral("json"));
    if (format != QLatin1String("json") && format != QLatin1String("csv"))
        throw cli::UsageError(
            QCoreApplication::translate("TextsCommand", "Unbekanntes Format \"%1\" (json oder csv).").arg(format));
    TMessageTable table;
    ReadDisplayFile(table, args.positional[0]);
    const QByteArray out = format == QLatin1String("csv") ? TextExchange::ToCsv(table, 0)
                                                           : TextExchange::ToJson(table, 0);
    cli::Out(QString::fromUtf8(out));
    return 0;
}

int Import(const cli::ArgList& args)
{
    ExpectCount(args, 2);
    const QString& in = args.positional[0];
    ExpectFile(in);
    const auto lock = ProjectLock::ForWritingFile(args.positional[1]);
    const QString format = FormatOption(args, in);
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        throw TavolinError(QCoreApplication::translate("TextsCommand", "\"%1\" kann nicht gelesen werden: %2")
                               .arg(Native(in), SystemReason::FromText(file.errorString())));
    if (file.size() > cli::MaxInputSize)
        throw TavolinError(
            QCoreApplication::translate("TextsCommand", "\"%1\" ist zu groß für eine Textdatei der Anzeige.")
                .arg(Native(in)));
    const QByteArray bytes = file.readAll();

    TMessageTable table;
    try {
        if (format == QLatin1String("csv"))
            TextExchange::FromCsv(bytes, table, 0);
        else
            TextExchange::FromJson(bytes, table, 0);
    } catch (const TavolinError& error) {
        throw TavolinError(QStringLiteral("\"%1\": %2").arg(Native(in), error.message()));
    }
    WriteTextFile(table, args.positional[1], 0);
    return 0;
}

// One line per message, so that a changed message shows in a diff with its number.
int TextConv(const cli::ArgList& args)
{
    ExpectCount(args, 1);
    TMessageTable table;
    ExpectFile(args.positional[0]);
    ReadTextFile(table, args.positional[0], 0);
    QString out;
    for (const QByteArray& line : table.headerLines[0])
        out += QStringLiteral("*    ") + TextNotation::Encode(line) + QLatin1Char('\n');
    for (int slot = 0; slot < table.Count(); ++slot) {
        const TMessage& message = table.At(slot);
        if (message.text[0].isEmpty())
            continue;
        out += QString::number(message.number).leftJustified(5)
            + TextNotation::Encode(message.text[0]).replace(QLatin1Char('\n'), QChar(0x21B5)) + QLatin1Char('\n');
    }
    cli::Out(out);
    return 0;
}

// A merge driver's failures must not read as "conflicts" (exit 1).
constexpr int MergeErrorExitCode = 2;

int Merge(const cli::ArgList& args)
{
    try {
        ExpectCount(args, 3);
        std::array<TMessageTable, 3> inputs;
        for (size_t i = 0; i < inputs.size(); ++i)
            ReadDisplayFile(inputs[i], args.positional[static_cast<qsizetype>(i)]);
        TMessageTable result;
        const QList<MergeConflict> conflicts = MergeTexts(inputs[0], inputs[1], inputs[2], 0, result);
        WriteTextFile(result, args.Value(QStringLiteral("-o"), args.positional[1]), 0);
        cli::Err(ConflictReport(conflicts));
        return conflicts.isEmpty() ? 0 : 1;
    } catch (const TavolinError& error) {
        cli::Fail(error.message());
        return MergeErrorExitCode;
    }
}

int Run(const QStringList& all)
{
    if (all.isEmpty() || (cli::WantsHelp(all) && (all.size() == 1 || all.first().startsWith(QLatin1Char('-'))))) {
        cli::Out(QCoreApplication::translate("TextsCommand", Usage));
        return all.isEmpty() ? 2 : 0;
    }
    const QString verb = all.first();
    if (cli::WantsHelp(all)) {
        cli::Out(QCoreApplication::translate("TextsCommand", Usage));
        return 0;
    }
    const QStringList rest = all.mid(1);
    if (verb == QLatin1String("normalize"))
        return Normalize(cli::ArgList::Parse(rest, {}, {QStringLiteral("--force")}));
    if (verb == QLatin1String("export"))
        return Export(cli::ArgList::Parse(rest, {QStringLiteral("--format")}, {}));
    if (verb == QLatin1String("import"))
        return Import(cli::ArgList::Parse(rest, {QStringLiteral("--format")}, {}));
    if (verb == QLatin1String("textconv"))
        return TextConv(cli::ArgList::Parse(rest, {}, {}));
    if (verb == QLatin1String("merge"))
        return Merge(cli::ArgList::Parse(rest, {QStringLiteral("-o")}, {}));
    return cli::UsageFail(QCoreApplication::translate("TextsCommand", "Unbekannter Unterbefehl \"%1\".\n\n%2")
                              .arg(verb, QCoreApplication::translate("TextsCommand", Usage)));
}

const CliCommand registration{
    "texts", QT_TRANSLATE_NOOP("CliCommand", "Textdateien der Anzeige normalisieren, exportieren, importieren, zusammenführen"), Run};

} // namespace
