#pragma once

#include <QString>
#include <memory>

struct TransferTiming;

// How the display's line is set: the port's own settings on a local port, the server's
// port settings on a device server that takes them.
struct LineSettings
{
    qint32 baudRate = 9600;
    int dataBits = 8;
    enum class Parity { None, Odd, Even } parity = Parity::None;
    int stopBits = 1;
    bool ctsHandshake = false;
};

// The bytes under `TSerialLink`: a local serial port, a raw TCP connection to a device
// server, or a Telnet connection that sets the server's port (RFC 2217). The link and the
// protocol above it never know which one they talk to.
class TLinkTransport
{
public:
    enum class Queue { Input, Output };

    virtual ~TLinkTransport() = default;

    // Opens the named port; on failure returns the reason (German) for the error text.
    virtual QString Open(const QString& name, const LineSettings& line, const TransferTiming& timing) = 0;
    virtual void Close(bool discardOutput) = 0;
    virtual bool IsOpen() const = 0;

    // Bytes arrived and not read / not yet on the line, as far as the transport can tell.
    virtual qint64 Waiting() = 0;
    virtual qint64 ToSend() = 0;
    // Lets output move on for about a millisecond.
    virtual void PushOutput(int ms) = 0;
    // Waits at most ms for more input (returns at once when enough is buffered).
    virtual void WaitForInput(int ms) = 0;
    virtual qint64 Read(char* buffer, qint64 max) = 0;
    virtual qint64 Write(const char* data, qint64 count) = 0;
    virtual void Discard(Queue which) = 0;
    // The reason why the line is gone for good (German), empty while it is there.
    virtual QString Gone() = 0;
    // The port error as a number, cleared when read (0 when none).
    virtual quint32 TakeError() { return 0; }
    // CTS and the other modem lines as last known.
    virtual bool Cts(quint32& statusFlags) = 0;

    // "tcp://HOST:PORT" and "rfc2217://HOST:PORT" are device servers; anything else is a
    // local port.
    static bool IsNetworkName(const QString& name);
    static std::unique_ptr<TLinkTransport> For(const QString& name);
};
