#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

// Replaces the content of the file at `path` in one step: the bytes go to a temporary file
// beside it, which is written through, synced and renamed over the old file only when
// everything was written. A crash, a full disk or a refused rename leaves the old file whole
// and no temporary file behind. Every failure is raised as TavolinError with `errorHead`
// (the German message), the path and the system's reason in German.
void ReplaceFileBytes(const QString& path, const QByteArray& bytes, const QString& errorHead);

// The same, with `write` filling an in-memory device first; `write` raises TavolinError
// when what it produces is not right, and then nothing is written.
void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead);

// Creates `path` and any missing parent folders with the usual permissions (those the
// umask leaves). Raises TavolinError with `errorHead`, the path and the reason. Returns
// the folders it created, the outermost first, so that a caller can take them back.
QStringList MakeFolders(const QString& path, const QString& errorHead);
