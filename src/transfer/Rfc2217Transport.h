#pragma once

#include <QSet>

#include "transfer/NetworkTransport.h"

// Telnet with the COM-PORT-OPTION to a device server ("rfc2217://HOST:PORT"): before the
// first byte of the line the server's port gets the display's baud rate, data bits,
// parity, stop bits and flow control; 0xFF in the line's data travels doubled.
class TRfc2217Transport : public TTcpTransport
{
public:
    bool Cts(quint32& statusFlags) override;

protected:
    void decode(const QByteArray& received, QByteArray& data) override;
    QByteArray encode(const char* data, qint64 count) override;
    QString start(const LineSettings& line, const TransferTiming& timing) override;

private:
    void answer(quint8 verb, quint8 option);
    void subnegotiation(const QByteArray& body);
    void setPort(quint8 command, const QByteArray& value);

    enum class State { Data, Command, Option, Sub, SubCommand } state = State::Data;
    quint8 verb = 0;
    QByteArray sub;
    QSet<int> answered;       // verb * 256 + option we replied to, so that no loop starts
    int comPortOption = 0;    // 1 accepted, -1 refused
    int portReplies = 0;      // the server's answers to our port settings
    int modemState = -1;      // last modem line state the server told, -1 none yet
};
