#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "cli/Interrupt.h"
#include "cli/MultiDownload.h"
#include "cli/ReadWarningOutput.h"
#include "common/AtomicFile.h"
#include "common/Messages.h"
#include "common/SettingsStore.h"
#include "common/SystemReason.h"
#include "project/DisplayType.h"
#include "transfer/MultiTransfer.h"
#include "transfer/SerialLink.h"
#include "transfer/TransferObserver.h"
#include "session/ProjectSession.h"
#include "transfer/TransferRun.h"

namespace {

using cli::AbortExitCode;
using cli::InterruptGuard;

// Progress on stderr: one line redrawn in place on a terminal, plain lines otherwise.
class ConsoleObserver : public TransferObserver
{
public:
    ConsoleObserver() : terminal(::isatty(STDERR_FILENO) != 0) { redraw.start(); }
    ~ConsoleObserver() override { endLine(); }

    void SetCaption(const QString& text) override { caption = text; }
    void SetInfo(const QString& text) override
    {
        line(QCoreApplication::translate("TransferCommand", "Angeschlossen an: %1").arg(text));
    }
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

cli::ArgList Parse(const QStringList& args)
{
    return cli::ArgList::Parse(args, {QStringLiteral("--port"), QStringLiteral("--select"), QStringLiteral("--type")}, {},
                               {QStringLiteral("--port")});
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
    return run.ErrorText() == TransferText::Aborted() ? AbortExitCode() : 1;
}

const char* const DownloadHelp = QT_TRANSLATE_NOOP("TransferCommand",
    "Aufruf: tavolin-cli download PROJEKTORDNER [--port SCHNITTSTELLE]... [--select MASKE]\n"
    "\n"
    "Überträgt Systemeinstellungen, Zeichensatz und Texte eines Projekts zur Anzeige.\n"
    "  --port    Schnittstelle (\"COM3\", \"/dev/ttyUSB0\"), oder eine Anzeige an einem\n"
    "            Geräteserver: \"tcp://RECHNER:PORT\" (TCP, Bytes unverändert) oder\n"
    "            \"rfc2217://RECHNER:PORT\" (Telnet, stellt 9600 8N1 am Server ein);\n"
    "            ohne: der Wert \"Schnittstelle\". Mehrmals angegeben: alle Anzeigen\n"
    "            gleichzeitig, je Schnittstelle eine Fortschrittszeile, am Ende eine\n"
    "            Tabelle; Exit-Code 0 nur, wenn jede Anzeige alles erhalten hat.\n"
    "  --select  Auswahl wie im Dialog \"Übertragen\": 1 Systemeinstellungen, 2 Zeichensatz,\n"
    "            4 Sprache 1, 8 Sprache 2, 16/32 Diagnosesprache 1/2 (Summe);\n"
    "            ohne: der gespeicherte Wert \"Übertragen\", leer 1023 (alles).\n"
    "            Sprache 1 bringt die Systemeinstellungen mit; was der Anzeigetyp nicht\n"
    "            hat, entfällt. Bleibt nichts übrig, endet der Aufruf mit Exit-Code 2.\n"
    "Vor dem ersten Byte wird die Pixeldatei des Projekts geprüft, wenn der Zeichensatz\n"
    "übertragen wird: fehlt sie oder ist sie nicht 1568 Bytes groß, wird nichts gesendet.\n"
    "Ctrl+C bricht die Übertragung ab (Exit-Code 130, nach SIGTERM 143), bei mehreren\n"
    "Anzeigen alle; die Meldung nennt die, die schon fertig waren.\n");

const char* const ReadbackHelp = QT_TRANSLATE_NOOP("TransferCommand",
    "Aufruf: tavolin-cli readback NEUER_PROJEKTORDNER --type ANZEIGETYP [--port SCHNITTSTELLE]\n"
    "\n"
    "Liest Zeichensatz und Betriebstexte einer Anzeige in ein neues Projekt.\n"
    "Der Ordner darf noch nicht existieren (oder muss leer sein); er wird erst angelegt,\n"
    "wenn alles gelesen und gespeichert ist.\n"
    "Ctrl+C bricht ab (Exit-Code 130, nach SIGTERM 143); dann bleibt nichts zurück.\n"
    "Ein Zeichensatz, der nicht vollständig oder mit falscher Prüfsumme ankommt, bleibt\n"
    "leer; das Projekt wird trotzdem gespeichert, der Aufruf endet mit Exit-Code 1.\n");

int Download(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("TransferCommand", DownloadHelp));
        return 0;
    }
    const cli::ArgList options = Parse(args);
    if (options.positional.size() != 1)
        throw cli::UsageError(QCoreApplication::translate("TransferCommand", "Ein Projektordner erwartet.\n\n%1")
                                  .arg(QCoreApplication::translate("TransferCommand", DownloadHelp)));

    ProjectSession project;
    project.Load(options.positional.first());
    cli::PrintReadWarnings(project.warnings);
    TransferJob job = project.Job(true);
    job.port = options.Value(QStringLiteral("--port"));
    const QString given = options.Value(QStringLiteral("--select"));
    if (options.Has(QStringLiteral("--select"))) {
        bool ok = false;
        job.selection = given.toInt(&ok, 10);
        if (!ok || job.selection < 0 || job.selection > Selection::All)
            throw cli::UsageError(
                QCoreApplication::translate("TransferCommand", "Ungültige Auswahl: %1 (0 bis 1023)").arg(given));
    } else {
        job.selection = SettingsStore::ReadInteger(SettingsStore::Key::TransferSelection);
    }
    const int sent = Selection::Effective(job);
    if (sent == 0) {
        const QString missing = Selection::Describe(job.selection & ~Selection::Allowed(job.displayType));
        throw cli::UsageError(
            QCoreApplication::translate("TransferCommand",
                                        "Die Auswahl %1%2 überträgt beim Anzeigetyp \"%3\" nichts%4.")
                .arg(job.selection)
                .arg(options.Has(QStringLiteral("--select"))
                         ? QString()
                         : QCoreApplication::translate("TransferCommand", " (gespeicherter Wert \"Übertragen\")"))
                .arg(job.displayType.name)
                .arg(job.selection == 0 ? QString()
                         : missing.isEmpty()
                         ? QCoreApplication::translate("TransferCommand",
                                                       ": sie enthält keines der Bits 1, 2, 4, 8, 16, 32")
                         : QCoreApplication::translate("TransferCommand", ": %1 hat dieser Anzeigetyp nicht")
                               .arg(missing)));
    }

    project.CheckTransferable(sent);
    const QStringList ports = options.repeated.value(QStringLiteral("--port"));
    if (ports.size() > 1) {
        try {
            TMultiTransfer::RefuseDoublePorts(ports);
        } catch (const TavolinError& error) {
            throw cli::UsageError(error.message());
        }
        return cli::MultiDownload(job, ports, Selection::Describe(sent));
    }

    ConsoleObserver observer;
    TTransferRun run(observer);
    const int code = RunTransfer(job, observer, run);
    if (code != 0)
        return code;
    // The display reported a problem: no success, although the run went to its end.
    if (observer.messages > 0)
        return cli::Fail(QCoreApplication::translate("TransferCommand", "Übertragung mit Fehlern beendet."));
    cli::Out(
        QCoreApplication::translate("TransferCommand", "Übertragung beendet: %1.\n").arg(Selection::Describe(sent)));
    return 0;
}

// Folders made for a new project; they go again unless the project was saved.
class MadeFolders
{
public:
    explicit MadeFolders(QStringList folders) : made(std::move(folders)) {}
    ~MadeFolders()
    {
        for (auto it = made.crbegin(); it != made.crend(); ++it)
            QDir().rmdir(*it);
    }
    MadeFolders(const MadeFolders&) = delete;
    MadeFolders& operator=(const MadeFolders&) = delete;
    void Keep() { made.clear(); }

private:
    QStringList made;
};

// A project folder gets the permissions any new folder gets (the scratch folder it
// started as is private to its owner).
void GiveUsualPermissions(const QString& folder)
{
#ifdef Q_OS_UNIX
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(folder).constData(), 0777 & ~mask);
#else
    Q_UNUSED(folder);
#endif
}

// Why a read-back cannot make its new project at `path`; empty when nothing or an empty
// folder is there.
QString OccupiedTarget(const QString& path)
{
    const QFileInfo target(path);
    if (!target.exists() && !target.isSymLink())
        return QString();
    if (target.isDir() && !target.isSymLink())
        return QDir(path).isEmpty()
            ? QString()
            : QCoreApplication::translate("TransferCommand", "Der Projektordner existiert bereits: %1").arg(cli::Native(path));
    QString what;
    struct stat status{};
    if (target.isSymLink())
        what = QCoreApplication::translate("TransferCommand", "eine Verknüpfung");
    else if (target.isFile())
        what = QCoreApplication::translate("TransferCommand", "eine Datei");
    else if (::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode))
        what = QCoreApplication::translate("TransferCommand", "eine benannte Pipe (FIFO)");
    else if (S_ISSOCK(status.st_mode))
        what = QCoreApplication::translate("TransferCommand", "ein Socket");
    else
        what = QCoreApplication::translate("TransferCommand", "eine Gerätedatei");
    return QCoreApplication::translate("TransferCommand", "%1 ist %2, kein Ordner; das neue Projekt braucht einen "
                                                          "neuen oder leeren Ordner.")
        .arg(cli::Native(path), what);
}

int Readback(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("TransferCommand", ReadbackHelp));
        return 0;
    }
    const cli::ArgList options = Parse(args);
    if (options.positional.size() != 1)
        throw cli::UsageError(QCoreApplication::translate("TransferCommand", "Ein neuer Projektordner erwartet.\n\n%1")
                                  .arg(QCoreApplication::translate("TransferCommand", ReadbackHelp)));
    if (options.Value(QStringLiteral("--type")).isEmpty())
        throw cli::UsageError(QCoreApplication::translate("TransferCommand", "Der Anzeigetyp fehlt (--type)."));
    TDisplayType type;
    if (!FindDisplayType(options.Value(QStringLiteral("--type")), type) || type.name.isEmpty())
        throw cli::UsageError(Messages::UnknownDisplayType(options.Value(QStringLiteral("--type"))));
    if (options.repeated.value(QStringLiteral("--port")).size() > 1)
        throw cli::UsageError(QCoreApplication::translate("Cli", "readback liest eine Anzeige: nur ein --port."));

    // "Projekt/" names the same folder as "Projekt".
    const QString targetPath = QDir::cleanPath(QFileInfo(options.positional.first()).absoluteFilePath());
    const QFileInfo target(targetPath);
    const QString occupied = OccupiedTarget(targetPath);
    if (!occupied.isEmpty())
        return cli::Fail(occupied);

    ProjectSession project;
    project.Create(targetPath, options.Value(QStringLiteral("--type")));
    TransferJob job = project.Job(false);
    job.port = options.Value(QStringLiteral("--port"));

    // The place to save is made before the display is asked, so that a target that cannot
    // be written ends the command at once. The project is written beside the target and
    // renamed at the end: a failed or interrupted run leaves nothing behind.
    const QString saveError = Messages::SaveError();
    const QString parent = target.absolutePath();
    MadeFolders made(MakeFolders(parent, saveError));
    QTemporaryDir scratch(parent + QStringLiteral("/.") + target.fileName() + QStringLiteral("-XXXXXX"));
    if (!scratch.isValid())
        return cli::Fail(Messages::WithFile(saveError, parent, SystemReason::FromText(scratch.errorString())));

    ConsoleObserver observer;
    TTransferRun run(observer);
    const int code = RunTransfer(job, observer, run);
    if (code != 0)
        return code;
    {
        InterruptGuard guard(run.Link().AbortFlag());
        project.SaveTo(scratch.path());
    }
    if (run.Link().AbortRequested()) {
        cli::Err(TransferText::Aborted() + QLatin1Char('\n'));
        return AbortExitCode();
    }
    GiveUsualPermissions(scratch.path());
    if (target.exists())
        QDir().rmdir(targetPath);
    if (::rename(QFile::encodeName(scratch.path()).constData(), QFile::encodeName(targetPath).constData()) != 0)
        return cli::Fail(Messages::WithFile(saveError, targetPath, SystemReason::FromCode(errno)));
    scratch.setAutoRemove(false);
    made.Keep();
    cli::Out(QCoreApplication::translate("TransferCommand", "Projekt gelesen: %1\n")
                 .arg(QDir::toNativeSeparators(targetPath)));
    // A character set that did not arrive whole: the project is kept, but this was no success.
    if (observer.messages > 0)
        return cli::Fail(QCoreApplication::translate("TransferCommand", "Auslesen mit Fehlern beendet."));
    return 0;
}

const CliCommand downloadCommand{"download", QT_TRANSLATE_NOOP("CliCommand", "Projekt zur Anzeige übertragen"),
                                 Download};
const CliCommand readbackCommand{"readback", QT_TRANSLATE_NOOP("CliCommand", "Anzeige in ein neues Projekt auslesen"),
                                 Readback};

} // namespace
