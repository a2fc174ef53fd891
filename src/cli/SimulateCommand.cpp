#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "cli/ArgList.h"
#include "cli/CliCommand.h"
#include "common/Messages.h"
#include "common/TavolinError.h"
#include "project/DisplayType.h"
#include "transfer/SimulatedDisplay.h"

namespace {

constexpr int UsageExitCode = 2;

const char* const SimulateHelp = QT_TRANSLATE_NOOP("SimulateCommand",
    "Aufruf: tavolin-cli simulate [--link PFAD] [--type ANZEIGETYP] [--store ORDNER]\n"
    "                             [--load ORDNER] [--realtime]\n"
    "\n"
    "Eine simulierte Anzeige an einer Pseudo-Schnittstelle: Download und Auslesen lassen\n"
    "sich damit ohne Gerät ausprobieren. Die erste Ausgabezeile nennt die Schnittstelle,\n"
    "jeder empfangene Befehl erscheint auf stderr. Ende mit Ctrl+C (oder SIGTERM).\n"
    "  --link      legt zusätzlich einen symbolischen Link PFAD auf die Schnittstelle an\n"
    "  --type      Anzeigetyp, nach dem sie sich meldet (ohne: \"Quon 3\")\n"
    "  --store     schreibt beim Beenden, was sie hält, in ORDNER: E0.txt .. E3.txt\n"
    "              (Texte wie empfangen) und glyphs.pix (Zeichensatz)\n"
    "  --load      hält von Anfang an die Dateien aus ORDNER (wie --store sie schreibt)\n"
    "  --realtime  überträgt mit 9600 Baud wie ein Gerät; ohne: viermal so schnell\n");

int Usage(const QString& message)
{
    cli::Err(message + QStringLiteral("\n\n") + QCoreApplication::translate("SimulateCommand", SimulateHelp));
    return UsageExitCode;
}

// The link is ours only while it points at our port; anything else there stays.
void RemoveLink(const QString& link, const QString& port)
{
    if (!link.isEmpty() && QFileInfo(link).symLinkTarget() == port)
        QFile::remove(link);
}

int Simulate(const QStringList& args)
{
    if (cli::WantsHelp(args)) {
        cli::Out(QCoreApplication::translate("SimulateCommand", SimulateHelp));
        return 0;
    }
    cli::ArgList parsed;
    try {
        parsed = cli::ArgList::Parse(args, {QStringLiteral("--link"), QStringLiteral("--type"),
                                            QStringLiteral("--store"), QStringLiteral("--load")},
                                     {QStringLiteral("--realtime")});
    } catch (const TavolinError& error) {
        return Usage(error.message());
    }
    if (!parsed.positional.isEmpty())
        return Usage(
            QCoreApplication::translate("SimulateCommand", "Unerwartete Angabe: %1").arg(parsed.positional.first()));
    TDisplayType type;
    const QString typeName = parsed.Value(QStringLiteral("--type"), QStringLiteral("Quon 3"));
    if (!FindDisplayType(typeName, type) || type.name.isEmpty())
        return Usage(Messages::UnknownDisplayType(typeName));
    if (!TSimulatedDisplay::Available())
        return cli::Fail(TSimulatedDisplay::NotAvailableText());

    const QString link = parsed.Value(QStringLiteral("--link"));
    const QString store = parsed.Value(QStringLiteral("--store"));
    // Checked now, not after an hour of use when the display is stopped.
    if (!store.isEmpty() && QFileInfo(store).exists() && !QFileInfo(store).isDir())
        return cli::Fail(Messages::WithFile(Messages::SaveError(), store,
                                            QCoreApplication::translate("SimulateCommand", "Das ist kein Ordner.")));

    TStopSignal stopSignal;
    TSimulatedDisplay display;
    TDisplaySimulator::Options options;
    options.info = type.name.toLatin1() + "  SIMULATION";
    options.xoffEvery = TDisplaySimulator::XoffEvery;
    options.bytesPerSecond = TDisplaySimulator::FastRate;
    if (parsed.Has(QStringLiteral("--realtime"))) {
        options.bytesPerSecond = TDisplaySimulator::LineRate;
        options.xonPauseMs = 50;
    }
    display.SetOptions(options);
    if (parsed.Has(QStringLiteral("--load")))
        display.Load(parsed.Value(QStringLiteral("--load")));

    const QString port = display.PortName();
    if (!link.isEmpty()) {
        const QFileInfo existing(link);
        if (existing.isSymLink())
            QFile::remove(link);
        else if (existing.exists())
            return cli::Fail(
                QCoreApplication::translate("SimulateCommand",
                                            "Der Link kann nicht angelegt werden, dort liegt schon eine Datei: %1")
                    .arg(QDir::toNativeSeparators(link)));
        if (!QFile::link(port, link))
            return cli::Fail(QCoreApplication::translate("SimulateCommand", "Der Link kann nicht angelegt werden: %1")
                                 .arg(QDir::toNativeSeparators(link)));
    }

    cli::Out(port + QLatin1Char('\n'));
    cli::Err(QCoreApplication::translate("SimulateCommand", "Simulierte Anzeige \"%1\" an %2%3 (Ende mit Ctrl+C)\n")
                 .arg(type.name, port, link.isEmpty() ? QString() : QStringLiteral(" und ") + link));
    display.SetLog([](const QString& text) { cli::Err(text + QLatin1Char('\n')); });

    stopSignal.Wait();
    display.Stop();
    RemoveLink(link, port);
    if (store.isEmpty()) {
        cli::Err(QCoreApplication::translate("SimulateCommand", "Simulierte Anzeige beendet.\n"));
        return 0;
    }
    display.Store(store);
    cli::Err(QCoreApplication::translate("SimulateCommand", "Simulierte Anzeige beendet, Inhalt gespeichert in %1\n")
                 .arg(QDir::toNativeSeparators(store)));
    return 0;
}

const CliCommand simulateCommand{
    "simulate", QT_TRANSLATE_NOOP("CliCommand", "simulierte Anzeige an einer Pseudo-Schnittstelle"), Simulate};

} // namespace
