#include "support/FullDisk.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/SystemReason.h"
#include "common/TavolinError.h"

namespace tavolin::test {

FullDisk::FullDisk()
{
    mounted = qEnvironmentVariableIsEmpty("TAVOLIN_TEST_NO_MOUNT") && ::geteuid() == 0
              && ::mount("tavolin-test", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, "size=64k") == 0;
}

FullDisk::~FullDisk()
{
    if (mounted)
        ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
}

QString FullDisk::Reason() const
{
    return SystemReason::FromCode(mounted ? ENOSPC : EFBIG);
}

void FullDisk::WhileFull(const std::function<void()>& action)
{
    const QString filler = folder.filePath(QStringLiteral(".filler"));
    {
        QFile file(filler);
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size()) {
        }
    }
    try {
        action();
    } catch (...) {
        QFile::remove(filler);
        throw;
    }
    QFile::remove(filler);
}

QString FullDisk::ErrorOf(const std::function<void()>& action)
{
    const auto run = [&]() -> QString {
        try {
            action();
        } catch (const TavolinError& error) {
            return error.message();
        } catch (...) {
        }
        return {};
    };
    if (mounted) {
        QString message;
        WhileFull([&] { message = run(); });
        return message;
    }
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QByteArray message = run().toUtf8();
        [[maybe_unused]] const ssize_t written = ::write(fds[1], message.constData(), static_cast<size_t>(message.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray message;
    char chunk[4096];
    for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;)
        message.append(chunk, n);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(message);
}

} // namespace tavolin::test
