#include "common/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/SystemReason.h"
#include "common/TavolinError.h"

#ifdef Q_OS_UNIX
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
#endif

} // namespace

void ReplaceFileBytes(const QString& path, const QByteArray& bytes, const QString& errorHead)
{
    const QFileInfo target(path);
    if (target.isDir())
        Fail(path, errorHead, SystemReason::FromCode(EISDIR));
    if (target.exists() && !target.isWritable())
        Fail(path, errorHead, SystemReason::FromCode(EACCES));

    QSaveFile file(path);
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
    if (!file.commit())
        Fail(path, errorHead, SystemReason::FromText(file.errorString()));
}

void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead)
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
    ReplaceFileBytes(path, buffer.data(), errorHead);
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
