#pragma once

#include <QString>
#include <memory>

class QProcess;

namespace tavolin::test {

// A device server for the tests: ser2net in the foreground, bridging a pseudo-terminal
// to a loopback port: raw, as Telnet with the COM-PORT-OPTION, or as plain Telnet (which
// refuses that option). Its configuration is written at run time. Stopped by its process id.
class Ser2Net
{
public:
    enum class Mode { Raw, Rfc2217, Telnet };

    // Empty when the program is there; otherwise why the tests skip.
    static QString Missing();
    // A loopback port nobody listens on (just released by the system).
    static quint16 FreePort();

    // `line`: the port settings ser2net starts with ("9600n81").
    Ser2Net(const QString& device, Mode mode, const QString& line = QStringLiteral("9600n81"));
    ~Ser2Net();

    // "tcp://127.0.0.1:PORT" or "rfc2217://127.0.0.1:PORT".
    QString Address() const;
    qint64 Pid() const;
    void Stop();

private:
    std::unique_ptr<QProcess> process;
    Mode mode;
    quint16 port = 0;
    QString configPath;
};

} // namespace tavolin::test
