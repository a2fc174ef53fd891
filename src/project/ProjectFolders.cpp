#include "project/ProjectFolders.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/Messages.h"
#include "common/ProgramFolder.h"
#include "common/SettingsStore.h"
#include "common/TavolinError.h"

namespace {
bool IsDelimiter(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool IsRoot(const QString& path)
{
    if (path.size() == 1)
        return IsDelimiter(path[0]);
    return path.size() == 3 && path[0].isLetter() && path[1] == QLatin1Char(':') && IsDelimiter(path[2]);
}

QString GermanReason(const std::error_code& error)
{
    switch (error.value()) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Kein Speicherplatz mehr auf dem Datenträger");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("Ein Teil des Pfads ist eine Datei, kein Ordner");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    default:
        return QString::fromLocal8Bit(std::strerror(error.value()));
    }
}
} // namespace

QString StripTrailingDelimiter(const QString& path)
{
    if (path.isEmpty() || !IsDelimiter(path.back()) || IsRoot(path))
        return path;
    return path.left(path.size() - 1);
}

QString StripExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

void ListSubfolders(const QString& folder, QStringList& list)
{
    list.clear();
    if (folder.isEmpty())
        return;
    // The file system's own order differs between platforms; the dialogs want it sorted.
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                            QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        if (!name.startsWith(QLatin1Char('.')))
            list.append(name);
}

QStringList ListSubfolders(const QString& folder)
{
    QStringList list;
    ListSubfolders(folder, list);
    return list;
}

void ListFilesByExtension(QStringList& list, const QString& folder, const QString& extension)
{
    list.clear();
    const QString path = StripTrailingDelimiter(folder);
    if (path.isEmpty())
        return;
    QDir dir(path);
    dir.setNameFilters({QStringLiteral("*.") + extension});
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        list.append(StripExtension(name));
}

QStringList ListFilesByExtension(const QString& folder, const QString& extension)
{
    QStringList list;
    ListFilesByExtension(list, folder, extension);
    return list;
}

QString DefaultBaseFolder()
{
    return QDir::homePath() + QStringLiteral("/TavolinProjekte");
}

void InitBaseFolderSetting()
{
    const SettingsStore::Key key = SettingsStore::Key::ProjectBasePath;
    const QString stored = StripTrailingDelimiter(QDir::fromNativeSeparators(SettingsStore::Read(key)));
    // Earlier versions preset the program folder, where an ordinary user cannot save.
    if (stored.isEmpty() || (QFileInfo(stored) == QFileInfo(ProgramFolder()) && !QFileInfo(stored).isWritable()))
        SettingsStore::Write(key, DefaultBaseFolder());
}

void CreateFolder(const QString& folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    if (!error && !QFileInfo(folder).isDir())
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        throw TavolinError(Messages::WithFile(
            Messages::SaveError(), folder,
            QStringLiteral("Der Ordner kann nicht angelegt werden (%1).").arg(GermanReason(error))));
}
