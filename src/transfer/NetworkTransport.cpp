#include "transfer/NetworkTransport.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QUrl>
#include <chrono>
#include <thread>

#include "common/SystemReason.h"
#include "transfer/Rfc2217Transport.h"
#include "transfer/SerialLink.h"
#include "transfer/SerialPortTransport.h"

#if defined(Q_OS_LINUX)
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

bool TLinkTransport::IsNetworkName(const QString& name)
{
    const QString n = name.trimmed();
    return n.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive)
           || n.startsWith(QLatin1String("rfc2217://"), Qt::CaseInsensitive);
}

std::unique_ptr<TLinkTransport> TLinkTransport::For(const QString& name)
{
    if (name.trimmed().startsWith(QLatin1String("rfc2217://"), Qt::CaseInsensitive))
        return std::make_unique<TRfc2217Transport>();
    if (IsNetworkName(name))
        return std::make_unique<TTcpTransport>();
    return std::make_unique<TSerialPortTransport>();
}

TTcpTransport::TTcpTransport() = default;

TTcpTransport::~TTcpTransport()
{
    Close(true);
}

bool TTcpTransport::SplitAddress(const QString& name, QString& host, quint16& port)
{
    const QUrl url(name.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.port() <= 0 || !url.userInfo().isEmpty()
        || !(url.path().isEmpty() || url.path() == QLatin1String("/")) || url.hasQuery() || url.hasFragment())
        return false;
    host = url.host();
    port = static_cast<quint16>(url.port());
    return true;
}

QString TTcpTransport::Open(const QString& name, const LineSettings& line, const TransferTiming& timing)
{
    QString host;
    quint16 portNumber = 0;
    if (!SplitAddress(name, host, portNumber))
        return QCoreApplication::translate("Transfer", "keine gültige Netzwerkadresse (tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT)");

    socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(host, portNumber);
    if (!socket->waitForConnected(timing.connectMs)) {
        QString reason;
        switch (socket->error()) {
        case QAbstractSocket::ConnectionRefusedError:
            reason = QCoreApplication::translate("Transfer", "Verbindung abgelehnt");
            break;
        case QAbstractSocket::HostNotFoundError:
            reason = QCoreApplication::translate("Transfer", "Rechner \"%1\" nicht gefunden").arg(host);
            break;
        case QAbstractSocket::SocketTimeoutError:
            reason = QCoreApplication::translate("Transfer", "keine Antwort innerhalb von %1 s").arg(timing.connectMs / 1000.0);
            break;
        default:
            reason = SystemReason::FromText(socket->errorString());
        }
        socket.reset();
        return reason;
    }
    // The protocol sends byte by byte and waits for each answer: nothing may be held back.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    input.clear();
    const QString reason = start(line, timing);
    if (!reason.isEmpty())
        socket.reset();
    return reason;
}

void TTcpTransport::Close(bool discardOutput)
{
    if (!socket)
        return;
    if (discardOutput)
        socket->abort();
    else
        socket->disconnectFromHost();
    socket.reset();
    input.clear();
}

bool TTcpTransport::IsOpen() const
{
    return socket != nullptr;
}

void TTcpTransport::fill()
{
    if (!socket)
        return;
    while (input.size() < TSerialLink::QueueSize && socket->bytesAvailable() > 0)
        decode(socket->read(TSerialLink::QueueSize - input.size()), input);
}

void TTcpTransport::send(const QByteArray& bytes)
{
    if (socket)
        socket->write(bytes);
}

qint64 TTcpTransport::Waiting()
{
    fill();
    return socket ? input.size() + socket->bytesAvailable() : 0;
}

qint64 TTcpTransport::ToSend()
{
    if (!socket)
        return 0;
    qint64 pending = socket->bytesToWrite();
#if defined(Q_OS_LINUX)
    // Bytes the kernel has not yet sent (those on the way count as sent, as on a UART).
    int unsent = 0;
    if (::ioctl(static_cast<int>(socket->socketDescriptor()), SIOCOUTQNSD, &unsent) == 0)
        pending += unsent;
#endif
    return pending;
}

void TTcpTransport::PushOutput(int ms)
{
    if (!socket)
        return;
    if (ms == 0 || socket->bytesToWrite() > 0)
        socket->waitForBytesWritten(ms);
    else
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void TTcpTransport::WaitForInput(int ms)
{
    if (!socket)
        return;
    fill();
    if (input.isEmpty() && socket->state() == QAbstractSocket::ConnectedState)
        socket->waitForReadyRead(ms);
    else if (input.isEmpty() && ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    fill();
}

qint64 TTcpTransport::Read(char* buffer, qint64 max)
{
    if (!socket)
        return -1;
    fill();
    const qint64 n = std::min<qint64>(max, input.size());
    std::copy_n(input.constData(), n, buffer);
    input.remove(0, n);
    return n;
}

qint64 TTcpTransport::Write(const char* data, qint64 count)
{
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return -1;
    const QByteArray bytes = encode(data, count);
    return socket->write(bytes) == bytes.size() ? count : -1;
}

void TTcpTransport::Discard(Queue which)
{
    // What went into the socket cannot be called back; the input is thrown away.
    if (which != Queue::Input || !socket)
        return;
    socket->waitForReadyRead(0);
    do {
        input.clear();
        fill();
    } while (!input.isEmpty());
}

QString TTcpTransport::Gone()
{
    // What the server sent before it closed is still read first.
    if (!socket || socket->state() == QAbstractSocket::ConnectedState || !input.isEmpty()
        || socket->bytesAvailable() > 0)
        return QString();
    return QCoreApplication::translate("Transfer", "Verbindung vom Server beendet");
}

bool TTcpTransport::Cts(quint32&)
{
    // The server's own port holds the line; here that shows as a socket that takes nothing.
    return socket != nullptr;
}
