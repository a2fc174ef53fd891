#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Replaces the content of the file at `path` in one step: `write` fills a temporary file
// beside it, which is renamed over the old file only when everything was written. A crash,
// a full disk or a refused rename leaves the old file whole and no temporary file behind.
// `write` raises TavolinError when its device fails. Every failure is raised as
// TavolinError with `errorHead` (the German message), the path and the reason.
void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead);
