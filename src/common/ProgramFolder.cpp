#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& Override()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!Override().isEmpty())
        return Override();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder)
{
    Override() = folder;
}

QString ShippedFile(const QString& name)
{
    return ShippedFileFrom(ProgramFolder(), name);
}

QString ShippedFileFrom(const QString& programFolder, const QString& name)
{
    // The install rules give both paths relative to the program's folder.
    const QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    for (const char* relative : {TAVOLIN_DATA_FROM_PROGRAM, TAVOLIN_LIBRARY_FROM_PROGRAM}) {
        const QString candidate = QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(relative)
                                                  + QLatin1Char('/') + name);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return beside;
}
