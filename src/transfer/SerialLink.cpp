#include "transfer/SerialLink.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <algorithm>
#include <chrono>
#include <thread>

#include "common/SystemReason.h"
#include "common/TavolinError.h"

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

// How long the protocol lets a busy loop sleep while only the driver still holds output:
// short against the 1.04 ms a byte takes at 9600 baud, so the line never idles long.
constexpr auto DrainPoll = std::chrono::microseconds(200);

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

void TSerialLink::Open(const QString& portName)
{
    Close();
    // The display's users know the first line; the second says which port and why.
    const auto fail = [&](const QString& reason) {
        const QString text = port ? SystemReason::FromText(port->errorString()) : reason;
        port.reset();
        throw TavolinError(TransferText::PortError() + QLatin1Char('\n')
                           + (portName.trimmed().isEmpty() ? text : portName.trimmed() + QStringLiteral(": ") + text));
    };
    if (portName.trimmed().isEmpty())
        fail(QCoreApplication::translate("SerialLink",
                                         "Es ist keine Schnittstelle eingestellt (Optionen, \"Schnittstelle\")."));

    port = std::make_unique<QSerialPort>();
    port->setPortName(portName.trimmed());
    if (!port->open(QIODevice::ReadWrite))
        fail(QString());
    // The protocol reads XOFF/XON and the answer digits itself: never software flow control.
    const bool configured = port->setBaudRate(BaudRate) && port->setDataBits(QSerialPort::Data8)
                            && port->setParity(QSerialPort::NoParity)
                            && port->setStopBits(QSerialPort::OneStop)
                            && port->setFlowControl(ctsHandshake ? QSerialPort::HardwareControl
                                                                 : QSerialPort::NoFlowControl);
    if (!configured) {
        port->close();
        fail(QString());
    }
    // Our side of the input queue holds no more than the driver's would; the rest waits
    // in the operating system until it is read.
    port->setReadBufferSize(QueueSize);
    port->clearError();
    statusFlags = bytesWaiting = bytesToSend = errors = 0;
}

void TSerialLink::Close()
{
    if (!port)
        return;
    if (port->isOpen()) {
        // The last bytes of a run (an end mark) must reach the display; an aborted run
        // does not wait, and a line that takes nothing is not waited for forever.
        TStopwatch watch;
        quint32 pending = static_cast<quint32>(port->bytesToWrite() + driverQueue(Queue::Output));
        const int bound = DrainBound(pending, timing);
        while (pending > 0 && !AbortRequested() && !watch.Passed(bound)) {
            if (port->bytesToWrite() > 0)
                port->waitForBytesWritten(1);
            else
                std::this_thread::sleep_for(DrainPoll);
            pending = static_cast<quint32>(port->bytesToWrite() + driverQueue(Queue::Output));
        }
        if (pending > 0)
            port->clear(QSerialPort::Output);
        port->close();
    }
    port.reset();
}

bool TSerialLink::IsOpen() const
{
    return port && port->isOpen();
}

int TSerialLink::driverQueue(Queue which) const
{
    if (!IsOpen())
        return 0;
#if defined(Q_OS_WIN)
    COMSTAT stat{};
    DWORD mask = 0;
    if (ClearCommError(reinterpret_cast<HANDLE>(port->handle()), &mask, &stat))
        return static_cast<int>(which == Queue::Input ? stat.cbInQue : stat.cbOutQue);
    return 0;
#else
    // Qt's buffer empties into the driver at once; without this the waits would see an
    // empty queue while the bytes are still in front of the UART.
    int count = 0;
    return ::ioctl(port->handle(), which == Queue::Input ? FIONREAD : TIOCOUTQ, &count) == 0 ? count : 0;
#endif
}

void TSerialLink::ClearErrors()
{
    if (!IsOpen()) {
        bytesWaiting = bytesToSend = 0;
        return;
    }
    bytesWaiting = static_cast<quint32>(port->bytesAvailable() + driverQueue(Queue::Input));
    bytesToSend = static_cast<quint32>(port->bytesToWrite() + driverQueue(Queue::Output));
    errors = static_cast<quint32>(port->error());
    // An adapter pulled out mid-run: no wait would ever end with sense. Qt also calls a
    // momentarily full driver queue a resource error, so ask the device itself.
    if (port->error() == QSerialPort::ResourceError && deviceGone())
        throw TavolinError(TransferText::PortError());
    port->clearError();
}

bool TSerialLink::deviceGone() const
{
#if defined(Q_OS_WIN)
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    return !GetCommState(reinterpret_cast<HANDLE>(port->handle()), &dcb);
#else
    termios settings{};
    return ::tcgetattr(port->handle(), &settings) != 0;
#endif
}

void TSerialLink::Pump(int maxWaitMs)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (IsOpen() && port->bytesAvailable() < QueueSize) {
        port->waitForReadyRead(std::max(0, maxWaitMs));
    } else if (maxWaitMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(maxWaitMs));
    }
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
        if (port->bytesToWrite() > 0) {
            port->waitForBytesWritten(1);
        } else {
            std::this_thread::sleep_for(DrainPoll);
        }
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
        const qint64 n = port->read(buffer + count, max - count);
        if (n > 0)
            count += static_cast<int>(n);
        if (count >= max || interval.Passed(timing.readIntervalMs))
            break;
        port->waitForReadyRead(static_cast<int>(
            std::clamp<qint64>(timing.readIntervalMs - interval.Elapsed(), 0, timing.readIntervalMs)));
    }
    return count;
}

int TSerialLink::TakeByte()
{
    if (!IsOpen())
        return -1;
    if (port->bytesAvailable() == 0)
        port->waitForReadyRead(timing.readIntervalMs);
    char c = 0;
    if (!port->getChar(&c))
        return -1;
    return static_cast<unsigned char>(c);
}

void TSerialLink::DiscardInput()
{
    if (IsOpen())
        port->clear(QSerialPort::Input);
}

bool TSerialLink::CtsOn()
{
    if (!IsOpen())
        return false;
    const QSerialPort::PinoutSignals lines = port->pinoutSignals();
    statusFlags = static_cast<quint32>(lines);
    return lines.testFlag(QSerialPort::ClearToSendSignal);
}

void TSerialLink::drainBeforeCommand()
{
    // Bytes of the previous command may still be in front of the UART; discarding the
    // output queue here would lose them. Let them leave; never throw unsent bytes away.
    ClearErrors();
    if (bytesToSend > 0)
        WaitSent(DrainBound(bytesToSend, timing));
}

void TSerialLink::pushOutput()
{
    // Hands our buffer to the driver as far as it takes it now. A plain flush would try
    // to write into a full driver queue, which Qt reports as a resource error.
    port->waitForBytesWritten(0);
}

void TSerialLink::waitForRoom(int limitMs)
{
    // A full output queue: the write call gives up after its time-out.
    ClearErrors();
    TStopwatch watch;
    while (bytesToSend >= static_cast<quint32>(QueueSize) && !watch.Passed(limitMs)) {
        port->waitForBytesWritten(1);
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
    if (port->write(&byte, 1) != 1)
        return false;
    pushOutput();
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
            written = port->write(text.constData() + done, std::min(room, wanted));
            pushOutput();
        }
        if (written <= 0)
            return 1;
        WaitSent(2 * static_cast<int>(written));
        done += written;
    }
    return 0;
}
