#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "transfer/LinkTransport.h"

class QTcpSocket;

// A raw TCP connection to a device server ("tcp://HOST:PORT"): the bytes of the line travel
// unchanged, so XOFF/XON and the display's answer digits arrive in-band as on a local port.
// "Still to send" is what the socket has not yet put on the network.
class TTcpTransport : public TLinkTransport
{
public:
    TTcpTransport();
    ~TTcpTransport() override;

    QString Open(const QString& name, const LineSettings& line, const TransferTiming& timing) override;
    void Close(bool discardOutput) override;
    bool IsOpen() const override;
    qint64 Waiting() override;
    qint64 ToSend() override;
    void PushOutput(int ms) override;
    void WaitForInput(int ms) override;
    qint64 Read(char* buffer, qint64 max) override;
    qint64 Write(const char* data, qint64 count) override;
    void Discard(Queue which) override;
    QString Gone() override;
    bool Cts(quint32& statusFlags) override;

    // Splits "SCHEME://HOST:PORT"; false when it is no such address.
    static bool SplitAddress(const QString& name, QString& host, quint16& port);

protected:
    // The line's bytes out of what arrived (Telnet takes its commands out) and into what
    // goes out (Telnet doubles 0xFF).
    virtual void decode(const QByteArray& received, QByteArray& data) { data += received; }
    virtual QByteArray encode(const char* data, qint64 count) { return QByteArray(data, count); }
    // Runs once connected, before the first byte of the line; returns the reason of a
    // failure.
    virtual QString start(const LineSettings&, const TransferTiming&) { return QString(); }

    // Takes what the socket holds into `input`, as far as the input queue has room.
    void fill();
    void send(const QByteArray& bytes);

    std::unique_ptr<QTcpSocket> socket;
    QByteArray input; // the line's bytes arrived and not yet read
};
