#include "transfer/SerialPortTransport.h"

#include <QSerialPort>
#include <chrono>
#include <thread>

#include "common/SystemReason.h"
#include "transfer/SerialLink.h"

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <termios.h>
#endif

TSerialPortTransport::TSerialPortTransport() = default;

TSerialPortTransport::~TSerialPortTransport()
{
    Close(true);
}

QString TSerialPortTransport::Open(const QString& name, const LineSettings& line, const TransferTiming&)
{
    port = std::make_unique<QSerialPort>();
    port->setPortName(name);
    const auto fail = [&] {
        const QString reason = SystemReason::FromText(port->errorString());
        port.reset();
        return reason;
    };
    if (!port->open(QIODevice::ReadWrite))
        return fail();
    const QSerialPort::Parity parity = line.parity == LineSettings::Parity::Odd    ? QSerialPort::OddParity
                                       : line.parity == LineSettings::Parity::Even ? QSerialPort::EvenParity
                                                                                   : QSerialPort::NoParity;
    // The protocol reads XOFF/XON and the answer digits itself: never software flow control.
    const bool configured = port->setBaudRate(line.baudRate)
                            && port->setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits))
                            && port->setParity(parity)
                            && port->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
                            && port->setFlowControl(line.ctsHandshake ? QSerialPort::HardwareControl
                                                                      : QSerialPort::NoFlowControl);
    if (!configured) {
        port->close();
        return fail();
    }
    // Our side of the input queue holds no more than the driver's would; the rest waits
    // in the operating system until it is read.
    port->setReadBufferSize(TSerialLink::QueueSize);
    port->clearError();
    return QString();
}

void TSerialPortTransport::Close(bool discardOutput)
{
    if (!port)
        return;
    if (port->isOpen()) {
        if (discardOutput)
            port->clear(QSerialPort::Output);
        port->close();
    }
    port.reset();
}

bool TSerialPortTransport::IsOpen() const
{
    return port && port->isOpen();
}

int TSerialPortTransport::driverQueue(Queue which) const
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

qint64 TSerialPortTransport::Waiting()
{
    return IsOpen() ? port->bytesAvailable() + driverQueue(Queue::Input) : 0;
}

qint64 TSerialPortTransport::ToSend()
{
    return IsOpen() ? port->bytesToWrite() + driverQueue(Queue::Output) : 0;
}

void TSerialPortTransport::PushOutput(int ms)
{
    if (!IsOpen())
        return;
    // A plain flush would try to write into a full driver queue, which Qt reports as a
    // resource error; while only the driver holds output, a short sleep is all there is.
    if (ms == 0 || port->bytesToWrite() > 0)
        port->waitForBytesWritten(ms);
    else
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void TSerialPortTransport::WaitForInput(int ms)
{
    if (IsOpen() && port->bytesAvailable() < TSerialLink::QueueSize)
        port->waitForReadyRead(ms);
    else if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 TSerialPortTransport::Read(char* buffer, qint64 max)
{
    return IsOpen() ? port->read(buffer, max) : -1;
}

qint64 TSerialPortTransport::Write(const char* data, qint64 count)
{
    return IsOpen() ? port->write(data, count) : -1;
}

void TSerialPortTransport::Discard(Queue which)
{
    if (IsOpen())
        port->clear(which == Queue::Input ? QSerialPort::Input : QSerialPort::Output);
}

QString TSerialPortTransport::Gone()
{
    // An adapter pulled out mid-run. Qt also calls a momentarily full driver queue a
    // resource error, so ask the device itself.
    if (!IsOpen() || port->error() != QSerialPort::ResourceError)
        return QString();
#if defined(Q_OS_WIN)
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    const bool gone = !GetCommState(reinterpret_cast<HANDLE>(port->handle()), &dcb);
#else
    termios settings{};
    const bool gone = ::tcgetattr(port->handle(), &settings) != 0;
#endif
    return gone ? SystemReason::FromText(port->errorString()) : QString();
}

quint32 TSerialPortTransport::TakeError()
{
    if (!IsOpen())
        return 0;
    const auto error = static_cast<quint32>(port->error());
    port->clearError();
    return error;
}

bool TSerialPortTransport::Cts(quint32& statusFlags)
{
    if (!IsOpen())
        return false;
    const QSerialPort::PinoutSignals lines = port->pinoutSignals();
    statusFlags = static_cast<quint32>(lines);
    return lines.testFlag(QSerialPort::ClearToSendSignal);
}
