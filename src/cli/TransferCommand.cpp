#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "cli/CliCommand.h"
#include "cli/ReadWarningOutput.h"
#include "project/SettingsStore.h"
#include "transfer/SerialLink.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferProject.h"
#include "transfer/TransferRun.h"

namespace {

constexpr int AbortExitCode = 130; // as for any program ended by Ctrl+C

std::atomic<bool>* g_abortFlag = nullptr;

extern "C" void OnInterrupt(int)
{
    // Only the lock-free flag is touched here; the next wait of the link ends the run.
    if (g_abortFlag)
        g_abortFlag->store(true);
}

// Ctrl+C counts as "Abbruch" while it is installed.
class InterruptGuard
{
public:
    explicit InterruptGuard(std::atomic<bool>& flag)
    {
        g_abortFlag = &flag;
        struct sigaction action{};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInt);
        sigaction(SIGTERM, &action, &previousTerm);
    }
    ~InterruptGuard()
    {
        sigaction(SIGINT, &previousInt, nullptr);
        sigaction(SIGTERM, &previousTerm, nullptr);
        g_abortFlag = nullptr;
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction previousInt{};
    struct sigaction previousTerm{};
};

// Progress on stderr: one line redrawn in place on a terminal, plain lines otherwise.
class ConsoleObserver : public TransferObserver
{
public:
    ConsoleObserver() : terminal(::isatty(STDERR_FILENO) != 0) { redraw.start(); }
    ~ConsoleObserver() override { endLine(); }

    void SetCaption(const QString& text) override { caption = text; }
    void SetInfo(const QString& text) override { line(QStringLiteral("Angeschlossen an: %1").arg(text)); }
    void SetStatus(const QString& text) override
    {
        if (text == status)
            return;
        status = text;
        if (terminal)
            draw(true);
        else if (!text.isEmpty())
            line(text);
    }
    void SetStatusVisible(bool) override {}
    void SetProgressRange(int value) override { maximum = value; }
    void SetProgress(int value) override
    {
        progress = value;
        if (terminal)
            draw(false);
    }
    void ShowMessage(const QString& messageCaption, const QString& text) override
    {
        ++messages;
        line(QStringLiteral("%1: %2").arg(messageCaption, text));
    }

    void endLine()
    {
        if (open)
            cli::Err(QStringLiteral("\n"));
        open = false;
    }

    int messages = 0;

private:
    void line(const QString& text)
    {
        endLine();
        cli::Err(text + QLatin1Char('\n'));
    }

    void draw(bool now)
    {
        if (!now && redraw.elapsed() < 100)
            return;
        redraw.restart();
        constexpr int Width = 30;
        const int percent = maximum > 0 ? std::clamp(progress * 100 / maximum, 0, 100) : 0;
        const int filled = percent * Width / 100;
        const QString bar = QString(filled, QLatin1Char('#')) + QString(Width - filled, QLatin1Char('.'));
        cli::Err(QStringLiteral("\r%1 [%2] %3%  %4\x1b[K").arg(caption, bar).arg(percent, 3).arg(status));
        open = true;
    }

    const bool terminal;
    bool open = false;
    QString caption;
    QString status;
    int maximum = 100;
    int progress = 0;
    QElapsedTimer redraw;
};

struct Options
{
    QStringList positional;
    QString port;
    QString select;
    QString type;
    QString error;
};

Options Parse(const QStringList& args)
{
    Options options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString* value = arg == QLatin1String("--port")     ? &options.port
                         : arg == QLatin1String("--select") ? &options.select
                         : arg == QLatin1String("--type")   ? &options.type
                                                            : nullptr;
        if (value) {
            if (i + 1 >= args.size()) {
                options.error = QStringLiteral("%1 braucht einen Wert.").arg(arg);
                return options;
            }
            *value = args[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            options.error = QStringLiteral("Unbekannte Option: %1").arg(arg);
            return options;
        } else {
            options.positional.append(arg);
        }
    }
    return options;
}

// Runs a transfer with Ctrl+C as "Abbruch"; the exit code of the command.
int RunTransfer(const TransferJob& job, ConsoleObserver& observer, TTransferRun& run)
{
    bool ok = false;
    {
        InterruptGuard guard(run.Link().AbortFlag());
        ok = run.Run(job);
    }
    observer.endLine();
    if (ok)
        return 0;
    cli::Err(run.ErrorText() + QLatin1Char('\n'));
    return run.ErrorText() == TransferText::Aborted ? AbortExitCode : 1;
}

const char* const DownloadHelp =
    "Aufruf: tavolin-cli download PROJEKTORDNER [--port SCHNITTSTELLE] [--select MASKE]\n"
    "\n"
    "Überträgt Systemeinstellungen, Zeichensatz und Texte eines Projekts zur Anzeige.\n"
    "  --port    Schnittstelle (\"COM3\", \"/dev/ttyUSB0\"); ohne: der Wert \"Schnittstelle\"\n"
    "  --select  Auswahl wie im Dialog \"Übertragen\": 1 Systemeinstellungen, 2 Zeichensatz,\n"
    "            4 Sprache 1, 8 Sprache 2, 16/32 Diagnosesprache 1/2 (Summe);\n"
    "            ohne: der gespeicherte Wert \"Übertragen\", leer 1023 (alles)\n"
    "Ctrl+C bricht die Übertragung ab (Exit-Code 130).\n";

const char* const ReadbackHelp =
    "Aufruf: tavolin-cli readback NEUER_PROJEKTORDNER --type ANZEIGETYP [--port SCHNITTSTELLE]\n"
    "\n"
    "Liest Zeichensatz und Betriebstexte einer Anzeige in ein neues Projekt.\n"
    "Der Ordner darf noch nicht existieren (oder muss leer sein); er wird erst angelegt,\n"
    "wenn alles gelesen und gespeichert ist.\n"
    "Ctrl+C bricht ab (Exit-Code 130); dann bleibt nichts zurück.\n";

int Download(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QString::fromUtf8(DownloadHelp));
        return 0;
    }
    const Options options = Parse(args);
    if (!options.error.isEmpty())
        return cli::Fail(options.error);
    if (options.positional.size() != 1)
        return cli::Fail(QString::fromUtf8(DownloadHelp));

    TTransferProject project;
    project.Load(options.positional.first());
    cli::PrintReadWarnings(project.warnings);
    TransferJob job = project.Job(true);
    job.port = options.port;
    if (!options.select.isEmpty()) {
        bool ok = false;
        job.selection = options.select.toInt(&ok, 10);
        if (!ok || job.selection < 0 || job.selection > Selection::All)
            return cli::Fail(QStringLiteral("Ungültige Auswahl: %1 (0 bis 1023)").arg(options.select));
    } else {
        job.selection = SettingsStore::ReadInteger(QStringLiteral("Übertragen"), Selection::All);
    }

    ConsoleObserver observer;
    TTransferRun run(observer);
    const int code = RunTransfer(job, observer, run);
    if (code != 0)
        return code;
    // The display reported a problem: no success, although the run went to its end.
    if (observer.messages > 0)
        return cli::Fail(QStringLiteral("Übertragung mit Fehlern beendet."));
    cli::Out(QStringLiteral("Übertragung beendet.\n"));
    return 0;
}

int Readback(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QString::fromUtf8(ReadbackHelp));
        return 0;
    }
    const Options options = Parse(args);
    if (!options.error.isEmpty())
        return cli::Fail(options.error);
    if (options.positional.size() != 1)
        return cli::Fail(QString::fromUtf8(ReadbackHelp));
    if (options.type.isEmpty())
        return cli::Fail(QStringLiteral("Der Anzeigetyp fehlt (--type)."));

    const QFileInfo target(options.positional.first());
    const QString targetPath = target.absoluteFilePath();
    if (target.exists() && (!target.isDir() || !QDir(targetPath).isEmpty()))
        return cli::Fail(QStringLiteral("Der Projektordner existiert bereits: %1").arg(targetPath));
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent))
        return cli::Fail(QStringLiteral("Fehler bei Dateispeichern"));

    TTransferProject project;
    project.Create(targetPath, options.type);
    TransferJob job = project.Job(false);
    job.port = options.port;

    ConsoleObserver observer;
    TTransferRun run(observer);
    const int code = RunTransfer(job, observer, run);
    if (code != 0)
        return code;

    // Written beside the target and renamed at the end: an interrupted or failed save
    // leaves no half project behind.
    QTemporaryDir scratch(parent + QStringLiteral("/.") + target.fileName() + QStringLiteral("-XXXXXX"));
    if (!scratch.isValid())
        return cli::Fail(QStringLiteral("Fehler bei Dateispeichern"));
    {
        InterruptGuard guard(run.Link().AbortFlag());
        project.Save(scratch.path());
    }
    if (run.Link().AbortRequested()) {
        cli::Err(TransferText::Aborted + QLatin1Char('\n'));
        return AbortExitCode;
    }
    if (target.exists())
        QDir().rmdir(targetPath);
    if (!QDir().rename(scratch.path(), targetPath))
        return cli::Fail(QStringLiteral("Fehler bei Dateispeichern"));
    scratch.setAutoRemove(false);
    cli::Out(QStringLiteral("Projekt gelesen: %1\n").arg(targetPath));
    return 0;
}

const CliCommand downloadCommand{"download", "Projekt zur Anzeige übertragen", Download};
const CliCommand readbackCommand{"readback", "Anzeige in ein neues Projekt auslesen", Readback};

} // namespace
