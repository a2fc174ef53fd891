#include "project/RecycleBin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool DeleteToRecycleBin(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QFileInfo info(clean);
    if (!info.exists() && !info.isSymLink())
        return false;
    return QFile::moveToTrash(clean);
}
