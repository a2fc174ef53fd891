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

QString BrowseForFolder(QWidget* owner)
{
    const QString folder = Replacement() ? Replacement()(owner)
                                         : QFileDialog::getExistingDirectory(owner, QString(), QString());
    if (folder.isEmpty())
        return QString();
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

void SetFolderPickerForTesting(FolderPickerFunction picker)
{
    Replacement() = std::move(picker);
}
