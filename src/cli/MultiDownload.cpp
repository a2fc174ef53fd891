#include "cli/MultiDownload.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <unistd.h>

#include "cli/CliCommand.h"
#include "cli/Interrupt.h"
#include "transfer/MultiTransfer.h"

namespace cli {

namespace {

QString Line(const PortProgress& p)
{
    constexpr int Width = 20;
    const int percent = p.maximum > 0 ? std::clamp(p.progress * 100 / p.maximum, 0, 100) : 0;
    const int filled = percent * Width / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(Width - filled, QLatin1Char('.'));
    return QStringLiteral("%1 [%2] %3%  %4").arg(p.port, bar).arg(percent, 3).arg(p.Finished() ? p.Result() : p.status);
}

// On a terminal one line per port, redrawn in place; otherwise a plain line whenever a
// port's status or result changes.
class Progress
{
public:
    explicit Progress(int ports) : terminal(::isatty(STDERR_FILENO) != 0), lines(ports) {}

    void Show(const QList<PortProgress>& ports)
    {
        if (terminal) {
            QString text = drawn ? QStringLiteral("\x1b[%1A").arg(lines) : QString();
            for (const PortProgress& p : ports)
                text += QStringLiteral("\r%1\x1b[K\n").arg(Line(p));
            Err(text);
            drawn = true;
            return;
        }
        for (const PortProgress& p : ports) {
            const QString said = p.Finished() ? p.Result() : p.status;
            if (!said.isEmpty() && last.value(p.port) != said) {
                last.insert(p.port, said);
                Err(QStringLiteral("%1: %2\n").arg(p.port, said));
            }
        }
    }

private:
    const bool terminal;
    const int lines;
    bool drawn = false;
    QHash<QString, QString> last;
};

} // namespace

int MultiDownload(const TransferJob& job, const QStringList& ports, const QString& sentItems)
{
    TMultiTransfer multi(job, ports);
    Progress progress(static_cast<int>(ports.size()));
    std::atomic<bool> interrupted{false};
    {
        InterruptGuard guard(interrupted);
        multi.Start();
        bool aborting = false;
        while (!multi.Wait(100)) {
            if (interrupted.load() && !aborting) {
                multi.Abort();
                aborting = true;
            }
            progress.Show(multi.Snapshot());
        }
    }
    const QList<PortProgress> result = multi.Snapshot();
    progress.Show(result);
    Out(TMultiTransfer::Summary(result));
    if (interrupted.load()) {
        QStringList finished;
        for (const PortProgress& p : result)
            if (p.state == PortProgress::State::Done)
                finished << p.port;
        Err(finished.isEmpty()
                ? QCoreApplication::translate("Cli", "Abgebrochen; keine Anzeige war fertig.\n")
                : QCoreApplication::translate("Cli", "Abgebrochen; fertig waren: %1\n").arg(finished.join(QStringLiteral(", "))));
        return AbortExitCode();
    }
    if (!multi.AllSucceeded()) {
        int failed = 0;
        for (const PortProgress& p : result)
            failed += p.state != PortProgress::State::Done ? 1 : 0;
        return Fail(QCoreApplication::translate("Cli", "Übertragung zu %1 von %2 Anzeigen fehlgeschlagen.")
                        .arg(failed)
                        .arg(result.size()));
    }
    Out(QCoreApplication::translate("Cli", "Übertragung beendet: %1.\n").arg(sentItems));
    return 0;
}

} // namespace cli
