#include "dialogs/ModuleInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>

#include "charset/FontEditorLink.h"
#include "common/Version.h"

#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
#include <link.h>
#define TAVOLIN_HAVE_PHDR 1
#endif

namespace ModuleInfo {

namespace {

bool SameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && ca == cb)
        return true;
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

bool IsProgram(const QString& path)
{
    if (QCoreApplication::instance() && SameFile(path, QCoreApplication::applicationFilePath()))
        return true;
    const QString name = QFileInfo(path).fileName();
    return name == QLatin1String("tavolin") || name.compare(QLatin1String("tavolin.exe"), Qt::CaseInsensitive) == 0;
}

bool IsGlyphEditorLibrary(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(lib)?fontedit(\\.dll|\\.dylib|\\.so(\\..*)?)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
}

// "libQt6Core.so.6.4.2", "Qt6Core.dll": the module name and, on Unix, the version that the
// full file name carries.
struct QtLibraryName
{
    QString module;
    QString version;
};

bool ParseQtLibrary(const QString& fileName, QtLibraryName& result)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:lib)?(Qt\\d[A-Za-z0-9_]*?)(?:d)?(?:\\.so((?:\\.\\d+)*)|\\.dll|\\.dylib)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    result.module = match.captured(1);
    result.version = match.captured(2).mid(1);
    return true;
}

} // namespace

QString Copyright()
{
    return QStringLiteral("Copyright \u00a9 2026 ") + QLatin1String(CompanyName);
}

QString ProductVersion()
{
    const QString version = QStringLiteral(TAVOLIN_VERSION);
    const QString revision = QStringLiteral(TAVOLIN_GIT_DESCRIBE);
    return revision.isEmpty() ? version : version + QStringLiteral(" (") + revision + QLatin1Char(')');
}

QString GlyphEditorLibraryPath()
{
    return FontEditorLink::LibraryPath();
}

TModuleVersion Read(const QString& path)
{
    TModuleVersion info;
    info.fileName = QFileInfo(path).fileName();
    if (IsProgram(path)) {
        info.productName = QLatin1String(ProductName);
        info.fileVersion = QStringLiteral(TAVOLIN_VERSION);
        info.companyName = QLatin1String(CompanyName);
        info.legalCopyright = Copyright();
        info.productVersion = ProductVersion();
        return info;
    }
    if (IsGlyphEditorLibrary(info.fileName)) {
        info.productName = QCoreApplication::translate("ModuleInfo", "Zeichensatzeditor");
        info.fileVersion = QStringLiteral(TAVOLIN_VERSION);
        info.companyName = QLatin1String(CompanyName);
        info.legalCopyright = Copyright();
        info.productVersion = ProductVersion();
        return info;
    }
    QtLibraryName qt;
    if (ParseQtLibrary(info.fileName, qt)) {
        // The link name ("libQt6Core.so.6") points at the file that carries the full version.
        QtLibraryName target;
        const QString resolved = QFileInfo(path).canonicalFilePath();
        if (!resolved.isEmpty() && ParseQtLibrary(QFileInfo(resolved).fileName(), target)
            && target.version.count(QLatin1Char('.')) > qt.version.count(QLatin1Char('.')))
            qt.version = target.version;
        if (qt.version.count(QLatin1Char('.')) < 2)
            qt.version = QString::fromLatin1(qVersion());
        info.productName = qt.module;
        info.fileVersion = qt.version;
        info.companyName = QLatin1String(QtCompanyName);
        info.legalCopyright = QStringLiteral("Copyright (C) The Qt Company Ltd. and other contributors.");
        info.productVersion = qt.version;
    }
    return info;
}

#ifdef TAVOLIN_HAVE_PHDR
namespace {
int CollectQtLibrary(dl_phdr_info* info, size_t, void* data)
{
    auto* list = static_cast<QStringList*>(data);
    if (info->dlpi_name && *info->dlpi_name) {
        const QString path = QString::fromLocal8Bit(info->dlpi_name);
        QtLibraryName qt;
        if (ParseQtLibrary(QFileInfo(path).fileName(), qt) && !list->contains(path))
            list->append(path);
    }
    return 0;
}
} // namespace
#endif

QStringList LoadedModules()
{
    QStringList modules;
    if (QCoreApplication::instance())
        modules << QCoreApplication::applicationFilePath();
    const QString glyphEditor = GlyphEditorLibraryPath();
    if (QFileInfo::exists(glyphEditor))
        modules << glyphEditor;
#ifdef TAVOLIN_HAVE_PHDR
    QStringList qtLibraries;
    dl_iterate_phdr(CollectQtLibrary, &qtLibraries);
    modules << qtLibraries;
#endif
    return modules;
}

} // namespace ModuleInfo
