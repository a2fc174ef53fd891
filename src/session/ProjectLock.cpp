#include "session/ProjectLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "common/TavolinError.h"
#include "project/ProjectConfig.h"

ProjectLock::ProjectLock(const QString& projectFolder)
    : folder(projectFolder),
      file(std::make_unique<QLockFile>(projectFolder + QLatin1Char('/') + QLatin1String(FileName)))
{
    // An editor keeps a project open for hours: only a holder that is gone makes a lock stale.
    file->setStaleLockTime(0);
    if (file->tryLock(0))
        state = State::Held;
    else
        state = file->error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::Impossible;
}

ProjectLock::~ProjectLock() = default;

QString ProjectLock::HolderMessage() const
{
    qint64 pid = 0;
    QString host;
    QString program;
    file->getLockInfo(&pid, &host, &program);
    return QCoreApplication::translate("ProjectLock", "Das Projekt \"%1\" ist in Tavolin auf %2 (Prozess %3) geöffnet.")
        .arg(QDir::toNativeSeparators(folder),
             host.isEmpty() ? QCoreApplication::translate("ProjectLock", "einem anderen Rechner") : host)
        .arg(pid);
}

std::unique_ptr<ProjectLock> ProjectLock::ForWriting(const QString& folder)
{
    auto lock = std::make_unique<ProjectLock>(folder);
    if (lock->Result() == State::HeldElsewhere)
        throw TavolinError(lock->HolderMessage());
    return lock;
}

std::unique_ptr<ProjectLock> ProjectLock::ForWritingFile(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(ProjectConfigFileName)))
        return nullptr;
    return ForWriting(folder);
}
