#include "project/RecycleBin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define TAVOLIN_FREEDESKTOP_TRASH 1
#endif

namespace {

#ifdef TAVOLIN_FREEDESKTOP_TRASH
// The user's own trash ($XDG_DATA_HOME/Trash). Qt's move to the trash does not create it
// when its parent is missing; it then moves the file into "files" below the working folder
// and reports success. So the trash is made sure of first.
bool EnsureHomeTrash()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return false;
    const QString trash = data + QStringLiteral("/Trash");
    QDir dir;
    if (!dir.mkpath(trash + QStringLiteral("/files")) || !dir.mkpath(trash + QStringLiteral("/info")))
        return false;
    QFile::setPermissions(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

// Whether a path lies in the files folder of a trash: $XDG_DATA_HOME/Trash/files,
// $topdir/.Trash-$uid/files or $topdir/.Trash/$uid/files.
bool IsInTrash(const QString& path)
{
    if (!QDir::isAbsolutePath(path))
        return false;
    QDir files = QFileInfo(path).absoluteDir();
    if (files.dirName() != QLatin1String("files"))
        return false;
    QDir trash = files;
    if (!trash.cdUp())
        return false;
    const QString name = trash.dirName();
    if (name == QLatin1String("Trash") || name.startsWith(QLatin1String(".Trash-")))
        return true;
    return trash.cdUp() && trash.dirName() == QLatin1String(".Trash");
}
#endif

} // namespace

bool DeleteToRecycleBin(const QString& path, QString* reason, QString* trashed)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QCoreApplication::translate("RecycleBin", "Kein Ordner angegeben."));
    const QString clean = QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath());
    const QFileInfo info(clean);
    if (!info.exists() && !info.isSymLink())
        return fail(QCoreApplication::translate("RecycleBin", "Der Ordner existiert nicht."));
#ifdef TAVOLIN_FREEDESKTOP_TRASH
    if (!EnsureHomeTrash())
        return fail(QCoreApplication::translate("RecycleBin", "Der Papierkorb lässt sich nicht anlegen."));
#endif
    QFile file(clean);
    if (!file.moveToTrash())
        return fail(file.errorString());
#ifdef TAVOLIN_FREEDESKTOP_TRASH
    // Should the file have landed anywhere but in a trash, it goes back where it was.
    if (!IsInTrash(file.fileName())) {
        QFile::rename(file.fileName(), clean);
        return fail(QCoreApplication::translate("RecycleBin", "Der Papierkorb liegt auf einem anderen Laufwerk."));
    }
#endif
    if (trashed)
        *trashed = file.fileName();
    return true;
}

bool TakeBackFromRecycleBin(const QString& trashed, const QString& original)
{
    if (trashed.isEmpty() || !QFile::rename(trashed, original))
        return false;
#ifdef TAVOLIN_FREEDESKTOP_TRASH
    // Without its note the trash no longer lists the entry.
    const QFileInfo entry(trashed);
    QFile::remove(entry.absolutePath() + QStringLiteral("/../info/") + entry.fileName() + QStringLiteral(".trashinfo"));
#endif
    return true;
}

bool HasRecycleBin()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN) || defined(TAVOLIN_FREEDESKTOP_TRASH)
    return true;
#else
    return false;
#endif
}

bool DeleteForGood(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) {
        if (reason)
            *reason = QCoreApplication::translate("RecycleBin", "Der Ordner existiert nicht.");
        return false;
    }
    if (QDir(path).removeRecursively())
        return true;
    if (reason)
        *reason = QCoreApplication::translate("RecycleBin", "Einige Dateien ließen sich nicht entfernen.");
    return false;
}
