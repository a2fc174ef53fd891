#include "transfer/Rfc2217Transport.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <initializer_list>

#include "transfer/SerialLink.h"

namespace {

constexpr quint8 Iac = 255, Dont = 254, Do = 253, Wont = 252, Will = 251, Sb = 250, Se = 240;
constexpr quint8 Binary = 0, SuppressGoAhead = 3, ComPort = 44;
// COM-PORT-OPTION commands; the server answers each with the code plus 100.
constexpr quint8 SetBaudRate = 1, SetDataSize = 2, SetParity = 3, SetStopSize = 4, SetControl = 5;
constexpr quint8 NotifyModemState = 107;
constexpr quint8 CtsBit = 0x10;
constexpr int PortCommands = 5;

QByteArray Bytes(std::initializer_list<quint8> bytes)
{
    QByteArray out;
    for (const quint8 b : bytes)
        out += static_cast<char>(b);
    return out;
}

QByteArray Doubled(const char* data, qint64 count)
{
    QByteArray out;
    out.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        out += data[i];
        if (static_cast<quint8>(data[i]) == Iac)
            out += static_cast<char>(Iac);
    }
    return out;
}

} // namespace

QByteArray TRfc2217Transport::encode(const char* data, qint64 count)
{
    return Doubled(data, count);
}

void TRfc2217Transport::decode(const QByteArray& received, QByteArray& data)
{
    for (const char ch : received) {
        const auto b = static_cast<quint8>(ch);
        switch (state) {
        case State::Data:
            if (b == Iac)
                state = State::Command;
            else
                data += ch;
            break;
        case State::Command:
            if (b == Iac) {
                data += ch;
                state = State::Data;
            } else if (b >= Will && b <= Dont) {
                verb = b;
                state = State::Option;
            } else if (b == Sb) {
                sub.clear();
                state = State::Sub;
            } else {
                state = State::Data; // NOP, GA and the like carry nothing for us
            }
            break;
        case State::Option:
            answer(verb, b);
            state = State::Data;
            break;
        case State::Sub:
            if (b == Iac)
                state = State::SubCommand;
            else
                sub += ch;
            break;
        case State::SubCommand:
            if (b == Se) {
                subnegotiation(sub);
                state = State::Data;
            } else {
                sub += ch; // a doubled 0xFF
                state = State::Sub;
            }
            break;
        }
    }
}

void TRfc2217Transport::answer(quint8 request, quint8 option)
{
    if (option == ComPort && (request == Do || request == Dont)) {
        comPortOption = request == Do ? 1 : -1;
        return;
    }
    // Binary in both directions, no go-ahead; every other option is declined.
    const bool wanted = option == Binary || option == SuppressGoAhead;
    quint8 reply = 0;
    if (request == Do)
        reply = wanted ? Will : Wont;
    else if (request == Will)
        reply = wanted ? Do : Dont;
    else
        return;
    if (answered.contains(reply * 256 + option))
        return;
    answered.insert(reply * 256 + option);
    send(Bytes({Iac, reply, option}));
}

void TRfc2217Transport::subnegotiation(const QByteArray& body)
{
    if (body.size() < 2 || static_cast<quint8>(body[0]) != ComPort)
        return;
    const auto command = static_cast<quint8>(body[1]);
    if (command >= SetBaudRate + 100 && command <= SetControl + 100)
        ++portReplies;
    else if (command == NotifyModemState && body.size() > 2)
        modemState = static_cast<quint8>(body[2]);
}

void TRfc2217Transport::setPort(quint8 command, const QByteArray& value)
{
    QByteArray message = Bytes({Iac, Sb, ComPort, command});
    message += Doubled(value.constData(), value.size());
    message += static_cast<char>(Iac);
    message += static_cast<char>(Se);
    send(message);
}

QString TRfc2217Transport::start(const LineSettings& line, const TransferTiming& timing)
{
    answered = {Will * 256 + ComPort, Will * 256 + Binary, Do * 256 + Binary};
    send(QByteArray("\xff\xfb\x2c\xff\xfb\x00\xff\xfd\x00", 9)); // WILL COM-PORT, WILL/DO BINARY

    const quint32 baud = static_cast<quint32>(line.baudRate);
    const char parity = line.parity == LineSettings::Parity::Odd ? 2 : line.parity == LineSettings::Parity::Even ? 3 : 1;
    bool settingsSent = false;
    TStopwatch watch;
    while (!watch.Passed(timing.connectMs)) {
        if (comPortOption < 0)
            break;
        if (comPortOption > 0 && !settingsSent) {
            setPort(SetBaudRate, Bytes({static_cast<quint8>(baud >> 24), static_cast<quint8>(baud >> 16),
                                        static_cast<quint8>(baud >> 8), static_cast<quint8>(baud)}));
            setPort(SetDataSize, QByteArray(1, static_cast<char>(line.dataBits)));
            setPort(SetParity, QByteArray(1, parity));
            setPort(SetStopSize, QByteArray(1, static_cast<char>(line.stopBits == 2 ? 2 : 1)));
            setPort(SetControl, QByteArray(1, static_cast<char>(line.ctsHandshake ? 3 : 1)));
            settingsSent = true;
        }
        if (portReplies >= PortCommands)
            return QString();
        if (socket->state() != QAbstractSocket::ConnectedState)
            return QCoreApplication::translate("Transfer", "Verbindung vom Server beendet");
        socket->waitForBytesWritten(0);
        socket->waitForReadyRead(static_cast<int>(std::min<qint64>(20, timing.connectMs - watch.Elapsed())));
        fill();
    }
    if (comPortOption < 0)
        return QCoreApplication::translate("Transfer", "der Server lehnt die COM-PORT-OPTION (RFC 2217) ab");
    return QCoreApplication::translate("Transfer",
                                       "der Server beantwortet die COM-PORT-OPTION (RFC 2217) nicht innerhalb von %1 s")
        .arg(timing.connectMs / 1000.0);
}

bool TRfc2217Transport::Cts(quint32& statusFlags)
{
    if (!IsOpen())
        return false;
    if (modemState < 0)
        return true; // the server did not say: its port holds the line itself
    statusFlags = static_cast<quint32>(modemState);
    return (modemState & CtsBit) != 0;
}
