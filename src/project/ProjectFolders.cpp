#include "project/ProjectFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/ProgramFolder.h"
#include "common/SettingsStore.h"

#include "project/ProjectConfig.h"

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

QString ProjectNameError(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    bool bad = name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.'));
    for (const QChar c : name)
        bad = bad || c.unicode() < 32 || forbidden.contains(c);
    if (!bad)
        return {};
    return QCoreApplication::translate(
               "ProjectFolders",
               "Der Projektname \"%1\" ist ungültig.\rEr darf nicht leer sein, nicht mit einem Punkt "
               "beginnen und keines der Zeichen \\ / : * ? \" < > | enthalten.")
        .arg(name);
}

QString ProjectPathError(const QString& folder)
{
    if (folder.size() <= TProjectState::MaxFolder)
        return {};
    return QCoreApplication::translate("ProjectFolders", "Der Projektpfad ist zu lang (höchstens %1 Zeichen):\r\"%2\"")
        .arg(TProjectState::MaxFolder)
        .arg(QDir::toNativeSeparators(folder));
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
