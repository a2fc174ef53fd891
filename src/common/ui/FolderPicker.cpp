#include "common/ui/FolderPicker.h"

#include <QDir>
#include <QFileDialog>

namespace {
FolderPickerFunction& Replacement()
{
    static FolderPickerFunction picker;
    return picker;
}
} // namespace

QString BrowseForFolder(QWidget* owner, const QString& startFolder)
{
    // An empty or missing start would open the program's working folder.
    const QString start = !startFolder.isEmpty() && QDir(startFolder).exists() ? startFolder : QDir::homePath();
    const QString folder = Replacement() ? Replacement()(owner)
                                         : QFileDialog::getExistingDirectory(owner, QString(), start);
    if (folder.isEmpty())
        return QString();
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

void SetFolderPickerForTesting(FolderPickerFunction picker)
{
    Replacement() = std::move(picker);
}
