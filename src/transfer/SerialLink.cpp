#include "transfer/SerialLink.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

#include "common/TavolinError.h"
#include "transfer/LinkTransport.h"

namespace {

// Upper bound for letting queued output leave: two milliseconds a byte, as the waits of
// the protocol count, plus the write time-out of an empty queue.
int DrainBound(quint32 pending, const TransferTiming& timing)
{
    return static_cast<int>(pending) * 2 + timing.writeTimeoutBaseMs + 100;
}

} // namespace

TSerialLink::TSerialLink(TransferTiming timingValues) : timing(timingValues) {}

TSerialLink::~TSerialLink()
{
    Close();
}

void TSerialLink::fail(const QString& reason) const
{
    // The display's users know the first line; the second says which port and why.
    throw TavolinError(TransferText::PortError() + QLatin1Char('\n')
                       + (portName.isEmpty() ? reason : portName + QStringLiteral(": ") + reason));
}

void TSerialLink::Open(const QString& name)
{
    Close();
    portName = name.trimmed();
    if (portName.isEmpty())
        fail(QCoreApplication::translate("SerialLink",
                                         "Es ist keine Schnittstelle eingestellt (Optionen, \"Schnittstelle\")."));

    auto transport = TLinkTransport::For(portName);
    LineSettings line;
    line.baudRate = BaudRate;
    line.ctsHandshake = ctsHandshake;
    const QString reason = transport->Open(portName, line, timing);
    if (!reason.isEmpty())
        fail(reason);
    port = std::move(transport);
    statusFlags = bytesWaiting = bytesToSend = errors = 0;
    bytesSent = 0;
}

void TSerialLink::Close()
{
    if (!port)
        return;
    if (port->IsOpen()) {
        // The last bytes of a run (an end mark) must reach the display; an aborted run
        // does not wait (what it must still send went out with SendFinally).
        const quint32 pending = drain(false);
        port->Close(pending > 0);
    }
    port.reset();
}

quint32 TSerialLink::drain(bool evenWhenAborted)
{
    // A line that takes nothing is not waited for forever.
    TStopwatch watch;
    quint32 pending = static_cast<quint32>(port->ToSend());
    const int bound = DrainBound(pending, timing);
    while (pending > 0 && (evenWhenAborted || !AbortRequested()) && !watch.Passed(bound) && port->Gone().isEmpty()) {
        port->PushOutput(1);
        pending = static_cast<quint32>(port->ToSend());
    }
    return pending;
}

void TSerialLink::SendFinally(const QByteArray& bytes)
{
    TStopwatch watch;
    const int bound = DrainBound(static_cast<quint32>(bytes.size()), timing);
    for (qsizetype i = 0; i < bytes.size() && IsOpen() && port->Gone().isEmpty() && !watch.Passed(bound);)
        i += WriteByte(bytes[i]) ? 1 : 0;
    if (IsOpen())
        drain(true);
}

bool TSerialLink::IsOpen() const
{
    return port && port->IsOpen();
}

void TSerialLink::ClearErrors()
{
    if (!IsOpen()) {
        bytesWaiting = bytesToSend = 0;
        return;
    }
    bytesWaiting = static_cast<quint32>(port->Waiting());
    bytesToSend = static_cast<quint32>(port->ToSend());
    // An adapter pulled out or a server gone mid-run: no wait would ever end with sense.
    const QString gone = port->Gone();
    if (!gone.isEmpty())
        fail(gone);
    errors = port->TakeError();
}

void TSerialLink::Pump(int maxWaitMs)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (IsOpen())
        port->WaitForInput(std::max(0, maxWaitMs));
    else if (maxWaitMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(maxWaitMs));
}

void TSerialLink::CheckAbort() const
{
    if (AbortRequested())
        throw TavolinError(TransferText::Aborted());
}

void TSerialLink::Delay(int t)
{
    TStopwatch watch;
    CheckAbort();
    while (!watch.Passed(t)) {
        Pump(static_cast<int>(std::min<qint64>(5, t - watch.Elapsed())));
        CheckAbort();
    }
}

int TSerialLink::WaitSent(int t)
{
    ClearErrors();
    TStopwatch watch;
    while (bytesToSend > 0 && !watch.Passed(t)) {
        port->PushOutput(1);
        ClearErrors();
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        CheckAbort();
    }
    return static_cast<int>(bytesToSend);
}

void TSerialLink::waitForInput(int t)
{
    ClearErrors();
    TStopwatch watch;
    while (bytesWaiting == 0 && !watch.Passed(t)) {
        Pump(static_cast<int>(std::clamp<qint64>(t - watch.Elapsed(), 0, 5)));
        ClearErrors();
        CheckAbort();
    }
    if (bytesWaiting > ReadLimit)
        throw TavolinError(TransferText::BufferTooSmall());
}

int TSerialLink::ReadByte(int t)
{
    waitForInput(t);
    return bytesWaiting > 0 ? TakeByte() : -1;
}

int TSerialLink::ReadBlock(int t, char* buffer, int max)
{
    waitForInput(t);
    if (bytesWaiting == 0 || max <= 0 || !IsOpen())
        return 0;

    // One read call: whatever arrives within the read interval, up to max bytes.
    int count = 0;
    TStopwatch interval;
    for (;;) {
        const qint64 n = port->Read(buffer + count, max - count);
        if (n > 0)
            count += static_cast<int>(n);
        if (count >= max || interval.Passed(timing.readIntervalMs))
            break;
        port->WaitForInput(static_cast<int>(
            std::clamp<qint64>(timing.readIntervalMs - interval.Elapsed(), 0, timing.readIntervalMs)));
    }
    return count;
}

int TSerialLink::TakeByte()
{
    if (!IsOpen())
        return -1;
    char c = 0;
    if (port->Read(&c, 1) != 1) {
        port->WaitForInput(timing.readIntervalMs);
        if (port->Read(&c, 1) != 1)
            return -1;
    }
    return static_cast<unsigned char>(c);
}

void TSerialLink::DiscardInput()
{
    if (IsOpen())
        port->Discard(TLinkTransport::Queue::Input);
}

bool TSerialLink::CtsOn()
{
    return IsOpen() && port->Cts(statusFlags);
}

void TSerialLink::drainBeforeCommand()
{
    // Bytes of the previous command may still be in front of the UART; discarding the
    // output queue here would lose them. Let them leave; never throw unsent bytes away.
    ClearErrors();
    if (bytesToSend > 0)
        WaitSent(DrainBound(bytesToSend, timing));
}

void TSerialLink::waitForRoom(int limitMs)
{
    // A full output queue: the write call gives up after its time-out.
    ClearErrors();
    TStopwatch watch;
    while (bytesToSend >= static_cast<quint32>(QueueSize) && !watch.Passed(limitMs)) {
        port->PushOutput(1);
        ClearErrors();
    }
}

bool TSerialLink::WriteByte(char byte)
{
    if (!IsOpen())
        return false;
    waitForRoom(timing.writeTimeoutBaseMs + timing.writeTimeoutPerByteMs);
    if (bytesToSend >= static_cast<quint32>(QueueSize))
        return false;
    if (port->Write(&byte, 1) != 1)
        return false;
    ++bytesSent;
    port->PushOutput(0);
    return true;
}

int TSerialLink::WriteText(const QByteArray& text)
{
    if (text.isEmpty())
        return 0;
    drainBeforeCommand();
    DiscardInput();

    qsizetype done = 0;
    while (done < text.size()) {
        const qsizetype wanted = text.size() - done;
        if (!IsOpen())
            return 1;
        waitForRoom(timing.writeTimeoutBaseMs + timing.writeTimeoutPerByteMs * static_cast<int>(wanted));
        const qsizetype room = QueueSize - static_cast<qsizetype>(bytesToSend);
        qsizetype written = 0;
        if (room > 0) {
            written = port->Write(text.constData() + done, std::min(room, wanted));
            port->PushOutput(0);
        }
        if (written <= 0)
            return 1;
        bytesSent += static_cast<quint64>(written);
        WaitSent(2 * static_cast<int>(written));
        done += written;
    }
    return 0;
}
