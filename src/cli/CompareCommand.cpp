#include <QCoreApplication>
#include <exception>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/Interrupt.h"
#include "common/TavolinError.h"
#include "session/ProjectSession.h"
#include "transfer/DisplayCompare.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferRun.h"

namespace {

// 0 equal, 1 different, 2 nothing to compare: usage, project or transfer error (cli::UsageFail).
constexpr int DifferentExitCode = 1;

const char* const CompareHelp = QT_TRANSLATE_NOOP("CompareCommand",
    "Aufruf: tavolin-cli compare PROJEKTORDNER --port SCHNITTSTELLE [--select MASKE] [--json]\n"
    "\n"
    "Liest die Anzeige in den Speicher (es wird nichts geschrieben, das Projekt bleibt,\n"
    "wie es ist) und vergleicht sie mit dem, was ein Download des Projekts senden würde:\n"
    "Systemeinstellungen, Meldungen je Sprache (nur im Projekt, nur in der Anzeige,\n"
    "verschieden, mit beiden Texten in der Export-Schreibweise) und den Zeichensatz.\n"
    "  --port    Schnittstelle (\"/dev/ttyUSB0\", \"COM3\" oder die von \"tavolin-cli simulate\")\n"
    "  --select  was verglichen wird, wie bei download (1 Systemeinstellungen, 2 Zeichensatz,\n"
    "            4 Sprache 1, 8 Sprache 2); ohne: der gespeicherte Wert \"Übertragen\"\n"
    "  --json    das Ergebnis als JSON\n"
    "Exit-Code 0: gleich, 1: verschieden, 2: Fehler (Aufruf, Projekt, Übertragung);\n"
    "Ctrl+C bricht ab (Exit-Code 130, nach SIGTERM 143).\n");

// Errors and the progress of the read-back go to stderr; stdout holds only the result.
class QuietObserver : public TransferObserver
{
public:
    void SetCaption(const QString&) override {}
    void SetInfo(const QString& text) override
    {
        cli::Err(QCoreApplication::translate("CompareCommand", "Angeschlossen an: %1\n").arg(text));
    }
    void SetStatus(const QString& text) override
    {
        if (!text.isEmpty() && text != status)
            cli::Err(text + QLatin1Char('\n'));
        status = text;
    }
    void SetStatusVisible(bool) override {}
    void SetProgressRange(int) override {}
    void SetProgress(int) override {}
    void ShowMessage(const QString& caption, const QString& text) override
    {
        cli::Err(QStringLiteral("%1: %2\n").arg(caption, text));
    }

private:
    QString status;
};

int Compare(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("CompareCommand", CompareHelp));
        return 0;
    }
    try {
        const cli::ArgList parsed = cli::ArgList::Parse(
            args, {QStringLiteral("--port"), QStringLiteral("--select")}, {QStringLiteral("--json")});
        if (parsed.positional.size() != 1)
            return cli::UsageFail(QCoreApplication::translate("CompareCommand", CompareHelp));
        if (parsed.Value(QStringLiteral("--port")).isEmpty())
            return cli::UsageFail(QCoreApplication::translate("CompareCommand", "Die Schnittstelle fehlt (--port)."));

        ProjectSession project;
        project.Load(parsed.positional.first());
        TransferJob job = project.Job(true);
        job.port = parsed.Value(QStringLiteral("--port"));
        if (parsed.Has(QStringLiteral("--select"))) {
            bool ok = false;
            job.selection = parsed.Value(QStringLiteral("--select")).toInt(&ok, 10);
            if (!ok || job.selection < 0 || job.selection > Selection::All)
                return cli::UsageFail(QCoreApplication::translate("CompareCommand", "Ungültige Auswahl: %1 (0 bis 1023)")
                                 .arg(parsed.Value(QStringLiteral("--select"))));
        }

        project.CheckTransferable(Selection::Effective(job));
        TDisplayCompare compare(job);
        QuietObserver observer;
        TTransferRun run(observer);
        bool ok = false;
        {
            // Ctrl+C is "Abbruch": the read-back ends with its message, nothing is left.
            cli::InterruptGuard guard(run.Link().AbortFlag());
            ok = run.Run(compare.ReadJob());
        }
        if (!ok && run.ErrorText() == TransferText::Aborted()) {
            cli::Err(run.ErrorText() + QLatin1Char('\n'));
            return cli::AbortExitCode();
        }
        if (!ok)
            return cli::UsageFail(run.ErrorText());

        const DisplayComparison result = compare.Result();
        if (parsed.Has(QStringLiteral("--json")))
            cli::Out(QString::fromUtf8(result.Json()));
        else
            cli::Out(result.Report());
        return result.Equal() ? 0 : DifferentExitCode;
    } catch (const TavolinError& error) {
        return cli::UsageFail(error.message());
    } catch (const std::exception& error) {
        return cli::UsageFail(QString::fromLocal8Bit(error.what()));
    }
}

const CliCommand compareCommand{"compare", QT_TRANSLATE_NOOP("CliCommand", "Projekt mit einer Anzeige vergleichen"),
                                Compare};

} // namespace
