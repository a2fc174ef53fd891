#include "app/ModuleList.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "common/ProgramFolder.h"

#if defined(Q_OS_LINUX)
#include <link.h>
#endif

namespace {

QStringList LoadedQtLibraries()
{
    QStringList libraries;
#if defined(Q_OS_LINUX)
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            const QString path = QString::fromLocal8Bit(info->dlpi_name);
            if (QFileInfo(path).fileName().startsWith(QStringLiteral("libQt6")))
                static_cast<QStringList*>(data)->append(path);
            return 0;
        },
        &libraries);
#endif
    libraries.removeDuplicates();
    return libraries;
}

} // namespace

QStringList ProgramModules()
{
    QStringList modules{QCoreApplication::applicationFilePath()};
#if defined(Q_OS_WIN)
    modules.append(ProgramFolder() + QStringLiteral("/fontedit.dll"));
#else
    modules.append(ProgramFolder() + QStringLiteral("/libfontedit.so"));
#endif
    modules.append(LoadedQtLibraries());
    return modules;
}
