#pragma once

#include <QByteArray>
#include <QString>

// Reads the whole regular file at `path`, at most `maxSize` bytes. A missing file, a
// folder, a device, an unreadable or a larger file raises TavolinError
// "<what> \"<path>\" kann nicht gelesen werden: <reason>" with the true reason in German.
QByteArray ReadSourceFile(const QString& path, const QString& what, qint64 maxSize);
