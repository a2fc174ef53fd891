#include <QCoreApplication>
#include <exception>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "common/TavolinError.h"
#include "compare/ProjectDiff.h"
#include "session/ProjectSession.h"

namespace {

// As diff(1): 0 equal, 1 different, 2 nothing compared (usage or a project that cannot be
// read; cli::UsageFail).
constexpr int DifferentExitCode = 1;

const char* const DiffHelp = QT_TRANSLATE_NOOP("DiffCommand",
    "Aufruf: tavolin-cli diff PROJEKT_A PROJEKT_B [--json] [--bak]\n"
    "\n"
    "Zeigt, was sich zwischen zwei Projektordnern unterscheidet: den Anzeigetyp und die\n"
    "übrigen Angaben in tavolin.cfg, die Systemeinstellungen (entschlüsselt, etwa\n"
    "\"Helligkeit: 80% -> 50%\"), je Texttabelle und Sprache die neuen, entfernten und\n"
    "geänderten Meldungen in der Export-Schreibweise und jedes geänderte Zeichen des\n"
    "Zeichensatzes als 5 x 7 Punktebild (alt, neu).\n"
    "  --json  das Ergebnis als JSON\n"
    "  --bak   PROJEKT_B mit den Texten seiner .bak-Dateien (dem Stand vor dem letzten\n"
    "          Speichern); \"diff P P --bak\" zeigt, was das letzte Speichern geändert hat\n"
    "Exit-Code 0: gleich, 1: verschieden, 2: Fehler (Aufruf, Projekt).\n");

int Diff(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("DiffCommand", DiffHelp));
        return 0;
    }
    try {
        const cli::ArgList parsed =
            cli::ArgList::Parse(args, {}, {QStringLiteral("--json"), QStringLiteral("--bak")});
        if (parsed.positional.size() != 2)
            return cli::UsageFail(QCoreApplication::translate("DiffCommand", DiffHelp));
        ProjectSession left;
        left.Load(parsed.positional[0]);
        cli::PrintReadWarnings(left.warnings);
        ProjectSession right;
        right.Load(parsed.positional[1]);
        cli::PrintReadWarnings(right.warnings);
        if (parsed.Has(QStringLiteral("--bak")))
            LoadBackupGeneration(right);
        const ProjectDifference result = CompareProjects(ProjectSide::Of(left), ProjectSide::Of(right));
        if (parsed.Has(QStringLiteral("--json")))
            cli::OutBytes(result.Json());
        else
            cli::Out(result.Report());
        return result.Equal() ? 0 : DifferentExitCode;
    } catch (const TavolinError& error) {
        return cli::UsageFail(error.message());
    } catch (const std::exception& error) {
        return cli::UsageFail(QString::fromLocal8Bit(error.what()));
    }
}

const CliCommand diffCommand{"diff", QT_TRANSLATE_NOOP("CliCommand", "Zwei Projekte vergleichen"), Diff};

} // namespace
