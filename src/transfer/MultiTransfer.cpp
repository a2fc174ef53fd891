#include "transfer/MultiTransfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include "common/TavolinError.h"
#include "transfer/SimulatedDisplay.h"
#include "transfer/TransferObserver.h"
#include "transfer/TransferRun.h"

QString PortProgress::Result() const
{
    switch (state) {
    case State::Done:
        return QCoreApplication::translate("Transfer", "fertig");
    case State::Aborted:
        return QCoreApplication::translate("Transfer", "abgebrochen");
    case State::Failed:
        // The port stands in its own column; the error text names it a second time.
        return QCoreApplication::translate("Transfer", "Fehler: %1")
            .arg(QString(error).replace(QLatin1Char('\n') + port + QStringLiteral(": "), QStringLiteral("\n"))
                     .replace(QLatin1Char('\n'), QStringLiteral(" - ")));
    case State::Running:
        return QCoreApplication::translate("Transfer", "läuft");
    case State::Waiting:
        break;
    }
    return QCoreApplication::translate("Transfer", "wartet");
}

// Keeps what the run of one port reports in its row of the shared table.
class TMultiTransfer::Observer : public TransferObserver
{
public:
    Observer(TMultiTransfer& owner, int row) : multi(owner), index(row) {}

    void SetCaption(const QString&) override {}
    void SetInfo(const QString&) override {}
    void SetStatus(const QString& text) override
    {
        if (!text.isEmpty())
            update([&](PortProgress& p) { p.status = text; });
    }
    void SetStatusVisible(bool) override {}
    void SetProgressRange(int value) override { update([&](PortProgress& p) { p.maximum = value; }); }
    void SetProgress(int value) override { update([&](PortProgress& p) { p.progress = value; }); }
    void ShowMessage(const QString&, const QString& text) override
    {
        // What the display reported makes this display's run a failure.
        if (firstMessage.isEmpty())
            firstMessage = text;
    }

    QString firstMessage;

private:
    template <typename F>
    void update(F change)
    {
        const std::lock_guard guard(multi.lock);
        change(multi.states[index]);
    }

    TMultiTransfer& multi;
    int index;
};

TMultiTransfer::TMultiTransfer(const TransferJob& transferJob, const QStringList& ports, TransferTiming timing)
    : job(transferJob)
{
    job.download = true;
    for (const QString& port : ports) {
        PortProgress row;
        row.port = port;
        states.append(row);
        // The link is made here but opens its port in the thread that serves it.
        ownLinks.push_back(std::make_unique<TSerialLink>(timing));
        links.push_back(ownLinks.back().get());
    }
}

TMultiTransfer::~TMultiTransfer()
{
    Abort();
    for (auto& thread : threads)
        thread->wait();
}

QStringList TMultiTransfer::ParsePorts(const QString& text)
{
    QStringList ports;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString part = line.trimmed();
        if (part.isEmpty())
            continue;
        ports << part;
    }
    if (ports.isEmpty())
        throw TavolinError(QCoreApplication::translate("Transfer", "Es ist keine Schnittstelle angegeben."));
    RefuseDoublePorts(ports);
    return ports;
}

namespace {

// What a port name reaches: a device with every link resolved, or a device server's
// "host:port" (raw TCP and RFC 2217 alike use the one server port).
QString PortIdentity(const QString& port)
{
    const qsizetype scheme = port.indexOf(QStringLiteral("://"));
    if (scheme > 0)
        return port.mid(scheme + 3).toLower().remove(QRegularExpression(QStringLiteral("/+$")));
    for (const QString& path : QStringList{port, QStringLiteral("/dev/") + port}) {
        const QString device = QFileInfo(path).canonicalFilePath();
        if (!device.isEmpty())
            return device;
    }
    return port;
}

} // namespace

void TMultiTransfer::RefuseDoublePorts(const QStringList& ports)
{
    QStringList reached;
    for (const QString& port : ports) {
        const QString identity = PortIdentity(port);
        if (reached.contains(identity))
            throw TavolinError(
                QCoreApplication::translate("Transfer", "Die Schnittstelle %1 ist doppelt angegeben.").arg(port));
        reached << identity;
    }
}

QString TMultiTransfer::StoredPortList(const QStringList& ports)
{
    QString value;
    for (const QString& port : ports)
        value += port + QLatin1Char('\n');
    return value;
}

QStringList TMultiTransfer::ReadStoredPortList(const QString& value)
{
    if (value.contains(QLatin1Char('\n')))
        return value.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList words = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString simulated = TSimulatedDisplay::PortLabel();
    QStringList ports;
    for (const QString& word : words) {
        if (!ports.isEmpty() && ports.back() + QLatin1Char(' ') + word == simulated)
            ports.back() += QLatin1Char(' ') + word;
        else
            ports << word;
    }
    return ports;
}

void TMultiTransfer::Start()
{
    for (int i = 0; i < static_cast<int>(links.size()); ++i) {
        threads.emplace_back(QThread::create([this, i] { serve(i); }));
        threads.back()->start();
    }
}

void TMultiTransfer::serve(int index)
{
    QElapsedTimer clock;
    clock.start();
    {
        const std::lock_guard guard(lock);
        states[index].state = PortProgress::State::Running;
    }
    Observer observer(*this, index);
    TSerialLink* link = links[index];
    TTransferRun run(observer, std::move(ownLinks[index]));
    TransferJob own = job;
    own.port = states.at(index).port; // the list is not changed while threads run
    const bool ok = run.Run(own);

    const std::lock_guard guard(lock);
    PortProgress& row = states[index];
    row.bytes = link->bytesSent;
    row.seconds = clock.elapsed() / 1000.0;
    if (ok && observer.firstMessage.isEmpty()) {
        row.state = PortProgress::State::Done;
        row.progress = row.maximum;
    } else if (run.ErrorText() == TransferText::Aborted()) {
        row.state = PortProgress::State::Aborted;
    } else {
        row.state = PortProgress::State::Failed;
        row.error = ok ? observer.firstMessage : run.ErrorText();
    }
    // The link goes with the run, in this thread: its socket or port belongs here.
    links[index] = nullptr;
}

bool TMultiTransfer::Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    for (auto& thread : threads) {
        // With no time left, a thread still counts when it has already ended.
        if (!thread->wait(QDeadlineTimer(std::max<qint64>(0, ms - clock.elapsed()))))
            return false;
    }
    return true;
}

void TMultiTransfer::Abort()
{
    const std::lock_guard guard(lock);
    for (TSerialLink* link : links)
        if (link)
            link->RequestAbort();
}

QList<PortProgress> TMultiTransfer::Snapshot() const
{
    const std::lock_guard guard(lock);
    return states;
}

bool TMultiTransfer::AllSucceeded() const
{
    const std::lock_guard guard(lock);
    return std::all_of(states.cbegin(), states.cend(),
                       [](const PortProgress& p) { return p.state == PortProgress::State::Done; });
}

QString TMultiTransfer::Summary(const QList<PortProgress>& ports)
{
    const QString portHeader = QCoreApplication::translate("Transfer", "Schnittstelle");
    const QString resultHeader = QCoreApplication::translate("Transfer", "Ergebnis");
    qsizetype portWidth = portHeader.size();
    qsizetype resultWidth = resultHeader.size();
    for (const PortProgress& p : ports) {
        portWidth = std::max(portWidth, p.port.size());
        resultWidth = std::max(resultWidth, p.Result().size());
    }
    const auto row = [&](const QString& port, const QString& result, const QString& bytes, const QString& seconds) {
        return QStringLiteral("%1  %2  %3  %4\n")
            .arg(port, -static_cast<int>(portWidth))
            .arg(result, -static_cast<int>(resultWidth))
            .arg(bytes, 8)
            .arg(seconds, 8);
    };
    QString text = row(portHeader, resultHeader, QCoreApplication::translate("Transfer", "Bytes"),
                       QCoreApplication::translate("Transfer", "Sekunden"));
    for (const PortProgress& p : ports)
        text += row(p.port, p.Result(), QString::number(p.bytes), QString::number(p.seconds, 'f', 1));
    return text;
}
