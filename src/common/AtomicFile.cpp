#include "common/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/SystemReason.h"
#include "common/TavolinError.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

[[noreturn]] void Fail(const QString& path, const QString& errorHead, const QString& reason)
{
    throw TavolinError(errorHead + QStringLiteral("\n") + QDir::toNativeSeparators(path) + QStringLiteral(": ")
                       + reason);
}

#ifdef Q_OS_UNIX
// Qt buffers small writes and, on commit, does not report a final flush that failed, so a
// full disk would put an empty file in place of the old one. Writing the descriptor
// directly sees every error; fsync catches the file systems that report only then.
int WriteThrough(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

// An existing node that is neither a regular file nor a folder: a device, a FIFO, a socket
// (also behind a link such as /dev/stdout or /proc/self/fd/1).
bool IsSpecialNode(const QString& path)
{
    struct stat status{};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)
        && !S_ISDIR(status.st_mode);
}

void WriteToNode(const QString& path, const QByteArray& bytes, const QString& errorHead)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        Fail(path, errorHead, SystemReason::FromCode(errno));
    const int error = WriteThrough(fd, bytes);
    ::close(fd);
    if (error)
        Fail(path, errorHead, SystemReason::FromCode(error));
}
#endif

// The file a link names, through any further links; the path itself when it is no link.
QString LinkTarget(const QString& path)
{
    QString resolved = path;
    for (int hop = 0; hop < 40 && QFileInfo(resolved).isSymLink(); ++hop)
        resolved = QFileInfo(resolved).symLinkTarget();
    return resolved;
}

// The old file becomes the backup under a second name, moved over the older backup in one
// rename: no copy that a full disk could cut short. Where the file system has no hard
// links the content is copied instead.
void KeepOldAsBackup(const QString& target, const QString& errorHead)
{
    if (!QFileInfo(target).isFile())
        return;
    const QString backup = BackupFileName(target);
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(target);
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QByteArray temp = QFile::encodeName(
            backup + QStringLiteral(".%1~").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (::link(from.constData(), temp.constData()) == 0) {
            if (::rename(temp.constData(), QFile::encodeName(backup).constData()) == 0)
                return;
            const int error = errno;
            ::unlink(temp.constData());
            Fail(backup, errorHead, SystemReason::FromCode(error));
        }
        if (errno != EEXIST)
            break;
    }
#endif
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly))
        Fail(target, errorHead, SystemReason::FromText(old.errorString()));
    const QByteArray content = old.readAll();
    if (old.error() != QFileDevice::NoError)
        Fail(target, errorHead, SystemReason::FromText(old.errorString()));
    ReplaceFileBytes(backup, content, errorHead);
}

} // namespace

QString BackupFileName(const QString& path)
{
    // Only a dot in the file's own name counts; a dot in a folder name is not an extension.
    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return path.left(dot) + QStringLiteral(".bak");
    return path + QStringLiteral(".bak");
}

void ReplaceFileBytes(const QString& path, const QByteArray& bytes, const QString& errorHead, KeepBackup backup)
{
#ifdef Q_OS_UNIX
    // A renamed file in place of a device or a pipe would cut off whoever reads there
    // (as root: replace /dev/null); such a node takes the bytes as they come.
    if (IsSpecialNode(path)) {
        WriteToNode(path, bytes, errorHead);
        return;
    }
#endif
    const QString targetPath = LinkTarget(path);
    const QFileInfo target(targetPath);
    if (target.isDir())
        Fail(path, errorHead, SystemReason::FromCode(EISDIR));
    if (target.exists() && !target.isWritable())
        Fail(path, errorHead, SystemReason::FromCode(EACCES));

    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly))
        Fail(path, errorHead, SystemReason::FromText(file.errorString()));
#ifdef Q_OS_UNIX
    if (const int error = WriteThrough(file.handle(), bytes)) {
        file.cancelWriting();
        Fail(path, errorHead, SystemReason::FromCode(error));
    }
#else
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = SystemReason::FromText(file.errorString());
        file.cancelWriting();
        Fail(path, errorHead, reason);
    }
#endif
    if (backup == KeepBackup::Yes) {
        try {
            KeepOldAsBackup(targetPath, errorHead);
        } catch (...) {
            file.cancelWriting();
            throw;
        }
    }
    if (!file.commit())
        Fail(path, errorHead, SystemReason::FromText(file.errorString()));
}

void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead, KeepBackup backup)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        write(buffer);
    } catch (const TavolinError& error) {
        QString reason = error.message();
        if (reason.startsWith(errorHead + QStringLiteral("\n")))
            reason.remove(0, errorHead.size() + 1);
        Fail(path, errorHead, reason);
    }
    ReplaceFileBytes(path, buffer.data(), errorHead, backup);
}

QStringList MakeFolders(const QString& path, const QString& errorHead)
{
    QStringList missing;
    for (QFileInfo folder(QDir::cleanPath(QFileInfo(path).absoluteFilePath())); !folder.exists();
         folder = QFileInfo(folder.absolutePath())) {
        missing.prepend(folder.absoluteFilePath());
        if (folder.isRoot())
            break;
    }
    QStringList created;
    for (const QString& folder : missing) {
        std::error_code error;
        std::filesystem::create_directory(std::filesystem::path(folder.toStdU16String()), error);
        if (error)
            Fail(folder, errorHead, SystemReason::FromCode(error.value()));
        created.append(folder);
    }
    if (!QFileInfo(path).isDir())
        Fail(path, errorHead, SystemReason::FromCode(ENOTDIR));
    return created;
}
