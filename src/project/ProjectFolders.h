#pragma once

#include <QString>
#include <QStringList>

// Paths inside the program use '/'; a trailing '\' typed by a user counts as a delimiter too.

// Removes one trailing '/' or '\'. A root ("/", "C:/") keeps it, since without it the
// path would name something else.
QString StripTrailingDelimiter(const QString& path);

// The name cut before its last '.'; a name without '.' is returned whole.
QString StripExtension(const QString& name);

// Clears `list` and adds the names of the subfolders of `folder` that do not begin with
// '.', sorted without regard to case. A missing folder gives an empty list.
void ListSubfolders(const QString& folder, QStringList& list);
QStringList ListSubfolders(const QString& folder);

// Clears `list` and adds the base names (StripExtension) of the plain files in `folder`
// whose extension is `extension` (letter case ignored), sorted without regard to case.
// Hidden files and folders do not count.
void ListFilesByExtension(QStringList& list, const QString& folder, const QString& extension);
QStringList ListFilesByExtension(const QString& folder, const QString& extension);

// The German refusal of a project (folder) name: empty, beginning with '.', or holding a
// character no folder name may hold on any platform the projects travel to. Empty when
// the name is fine.
QString ProjectNameError(const QString& name);

// The German refusal of a project folder path longer than a project keeps; empty when fine.
QString ProjectPathError(const QString& folder);

// The base folder before the user has chosen one: "TavolinProjekte" in the home folder,
// where the demo project goes too. It is created when a project is first saved there.
QString DefaultBaseFolder();

// Start-up: an unset base folder, or the program folder that the user cannot write,
// becomes DefaultBaseFolder().
void InitBaseFolderSetting();

