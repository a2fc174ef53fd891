#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <functional>
#include <stdexcept>

#include "common/TavolinError.h"

namespace tavolin::test {

// The whole file; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file, making its folder first. Throws when that fails, so the test fails
// where the setup went wrong instead of later.
inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Copies the files of folder `from` (not its subfolders) into `to`, making it first.
inline void CopyFiles(const QString& from, const QString& to)
{
    for (const QString& name : QDir(from).entryList(QDir::Files))
        WriteAll(to + QLatin1Char('/') + name, ReadAll(from + QLatin1Char('/') + name));
}

// The message of the TavolinError that `action` raises; empty when it raises none.
inline QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TavolinError& error) {
        return error.message();
    }
    return {};
}

} // namespace tavolin::test
