#include "common/ProgramFolder.h"

#include <QCoreApplication>

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
