#pragma once

#include <QString>
#include <functional>

class QWidget;

// Lets the user pick a folder: the platform's folder dialog with no title and no
// preselected folder. Returns the folder with '/' separators, or an empty string when
// the user cancels.
QString BrowseForFolder(QWidget* owner);

// Tests put a picker of their own in place of the dialog; an empty function restores it.
using FolderPickerFunction = std::function<QString(QWidget* owner)>;
void SetFolderPickerForTesting(FolderPickerFunction picker);
