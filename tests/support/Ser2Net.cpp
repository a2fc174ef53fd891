#include "support/Ser2Net.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <stdexcept>

namespace tavolin::test {

namespace {

// Whether something listens on the loopback port, asked without connecting (a
// connection would make ser2net open the line).
bool Listening(quint16 port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray local = "0100007F:" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[1] == local && fields[3] == "0A")
            return true;
    }
    return false;
}

QString Program()
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
    return !found.isEmpty() ? found
                            : QStandardPaths::findExecutable(QStringLiteral("ser2net"),
                                                             {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

} // namespace

QString Ser2Net::Missing()
{
    return Program().isEmpty() ? QStringLiteral("ser2net is not installed (scripts/bootstrap.sh installs it)")
                               : QString();
}

quint16 Ser2Net::FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

Ser2Net::Ser2Net(const QString& device, Mode connectionMode, const QString& line)
    : process(std::make_unique<QProcess>()), mode(connectionMode)
{
    port = FreePort();
    configPath = QDir::tempPath() + QStringLiteral("/tavolin-ser2net-%1.yaml").arg(port);
    QFile config(configPath);
    const QString accepter = mode == Mode::Raw       ? QStringLiteral("tcp")
                             : mode == Mode::Telnet ? QStringLiteral("telnet,tcp")
                                                    : QStringLiteral("telnet(rfc2217),tcp");
    const QString text = QStringLiteral("connection: &display\n"
                                        "  accepter: %1,127.0.0.1,%2\n"
                                        "  connector: serialdev,%3,%4 local nobreak\n"
                                        "  options:\n"
                                        "    kickolduser: true\n")
                             .arg(accepter)
                             .arg(port)
                             .arg(device, line);
    if (!config.open(QIODevice::WriteOnly) || config.write(text.toUtf8()) < 0)
        throw std::runtime_error("cannot write the ser2net configuration");
    config.close();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(Program(), {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-u"), QStringLiteral("-c"),
                               configPath, QStringLiteral("-P"), configPath + QStringLiteral(".pid")});
    if (!process->waitForStarted(5000))
        throw std::runtime_error("ser2net does not start");
    // Ready once the port listens.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (Listening(port))
            return;
        if (process->state() != QProcess::Running)
            break;
        QThread::msleep(20);
    }
    throw std::runtime_error("ser2net does not listen: " + process->readAll().toStdString());
}

Ser2Net::~Ser2Net()
{
    Stop();
    QFile::remove(configPath);
    QFile::remove(configPath + QStringLiteral(".pid"));
}

QString Ser2Net::Address() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(mode == Mode::Raw ? QStringLiteral("tcp") : QStringLiteral("rfc2217")).arg(port);
}

qint64 Ser2Net::Pid() const
{
    return process->processId();
}

void Ser2Net::Stop()
{
    if (process->state() == QProcess::NotRunning)
        return;
    process->terminate(); // SIGTERM to its pid
    if (!process->waitForFinished(5000)) {
        process->kill();
        process->waitForFinished(2000);
    }
}

} // namespace tavolin::test
