#include "charset/TempFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

#include "common/TavolinError.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Every run keeps its temporary files in a folder of its own, "run-XXXXXX", below a
// per-user folder. A lock file in it (held while the run lasts) tells other runs
// whether the folder's owner is still alive, so a run's start-up can clear away the
// folders of crashed runs without ever touching those of running ones.
namespace {

const QString LockName = QStringLiteral("run.lock");
constexpr qint64 OrphanAgeSecs = 24 * 60 * 60;

QString UserFolder()
{
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    QString user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QStringLiteral("user");
#endif
    return QDir::tempPath() + QStringLiteral("/tavolin-") + user;
}

struct RunFolder
{
    QString path;
    std::unique_ptr<QLockFile> lock;
    QSet<QString> issued; // names handed out in this run, never handed out twice
    quint16 next = 0;
};

QMutex& Guard()
{
    static QMutex mutex;
    return mutex;
}

std::unique_ptr<RunFolder>& Current()
{
    static std::unique_ptr<RunFolder> run;
    return run;
}

// Removes the folders of earlier runs whose process is gone. A folder without lock
// file (a run that crashed while starting) goes only once it is a day old.
void RemoveStaleRuns(const QString& userFolder, const QString& ownPath)
{
    const QFileInfoList runs = QDir(userFolder).entryInfoList(
        {QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& run : runs) {
        if (run.absoluteFilePath() == ownPath)
            continue;
        const QString lockPath = run.absoluteFilePath() + QLatin1Char('/') + LockName;
        bool stale = false;
        if (QFileInfo::exists(lockPath)) {
            QLockFile probe(lockPath);
            probe.setStaleLockTime(0); // a living owner is never stale, however old
            stale = probe.tryLock(0);
            if (stale)
                probe.unlock();
        } else {
            stale = run.lastModified().secsTo(QDateTime::currentDateTime()) > OrphanAgeSecs;
        }
        if (stale)
            QDir(run.absoluteFilePath()).removeRecursively();
    }
}

RunFolder& EnsureRunFolder()
{
    std::unique_ptr<RunFolder>& run = Current();
    if (run && QFileInfo(run->path).isDir())
        return *run;

    const QString userFolder = UserFolder();
    if (!QDir().mkpath(userFolder))
        throw TavolinError(
            QCoreApplication::translate("TempFile", "Der temporäre Ordner \"%1\" kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(userFolder)));
    QFile::setPermissions(userFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QTemporaryDir dir(userFolder + QStringLiteral("/run-XXXXXX"));
    if (!dir.isValid())
        throw TavolinError(
            QCoreApplication::translate("TempFile", "Im temporären Ordner \"%1\" kann nichts angelegt werden.")
                .arg(QDir::toNativeSeparators(userFolder)));
    dir.setAutoRemove(false);

    auto fresh = std::make_unique<RunFolder>();
    fresh->path = dir.path();
    fresh->lock = std::make_unique<QLockFile>(fresh->path + QLatin1Char('/') + LockName);
    fresh->lock->setStaleLockTime(0);
    fresh->lock->tryLock(0);
    fresh->next = static_cast<quint16>(QDateTime::currentMSecsSinceEpoch());
    if (run)
        fresh->issued = run->issued;
    RemoveStaleRuns(userFolder, fresh->path);
    run = std::move(fresh);
    return *run;
}

} // namespace

QString MakeTempFileName(char letter)
{
    QMutexLocker locker(&Guard());
    RunFolder& run = EnsureRunFolder();
    QString prefix = QStringLiteral("_E");
    if (letter != 0)
        prefix += QLatin1Char(letter);

    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        const quint16 unique = run.next++;
        if (unique == 0)
            continue; // the Windows form never uses 0000
        const QString name = prefix + QStringLiteral("%1.TMP").arg(unique, 4, 16, QLatin1Char('0')).toUpper();
        const QString path = run.path + QLatin1Char('/') + name;
        if (run.issued.contains(name))
            continue;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            run.issued.insert(name);
            return path;
        }
        if (!file.exists())
            break; // not a name clash: the folder itself refuses new files
    }
    throw TavolinError(
        QCoreApplication::translate("TempFile", "Im temporären Ordner \"%1\" kann keine Datei angelegt werden.")
            .arg(QDir::toNativeSeparators(run.path)));
}

void RemoveOwnTempFiles()
{
    QMutexLocker locker(&Guard());
    std::unique_ptr<RunFolder>& run = Current();
    if (!run || run->path.isEmpty())
        return;
    QDir dir(run->path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name != LockName)
            dir.remove(name);
    if (run->lock)
        run->lock->unlock();
    QDir().rmdir(run->path);
    run->path.clear();
    run->lock.reset();
}
