#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

enum class KeepBackup { No, Yes };

// The one way a user's file is written. The bytes go to a temporary file beside the old
// one, which is written through, synced and renamed over the old file only when everything
// was written; with KeepBackup::Yes the old file becomes its ".bak" (BackupFileName) just
// before, so that a failure anywhere leaves the old file or its backup whole, and no
// temporary file behind. A link is followed: the file it names is replaced, the link stays.
// An existing device, FIFO or socket is written through like a shell redirection, never
// replaced. Every failure is raised as TavolinError with `errorHead` (the German message),
// the path and the system's reason in German.
void ReplaceFileBytes(const QString& path, const QByteArray& bytes, const QString& errorHead,
                      KeepBackup backup = KeepBackup::No);

// The same, with `write` filling an in-memory device first; `write` raises TavolinError
// when what it produces is not right, and then nothing is written.
void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead, KeepBackup backup = KeepBackup::No);

// The backup of a file: its name with the extension replaced by ".bak"
// ("Sprache1.txt" -> "Sprache1.bak"; a name without extension gets ".bak" appended).
QString BackupFileName(const QString& path);

// Creates `path` and any missing parent folders with the usual permissions (those the
// umask leaves). Raises TavolinError with `errorHead`, the path and the reason. Returns
// the folders it created, the outermost first, so that a caller can take them back.
QStringList MakeFolders(const QString& path, const QString& errorHead);
