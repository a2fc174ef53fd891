#include "common/SourceFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "common/SystemReason.h"
#include "common/TavolinError.h"

QByteArray ReadSourceFile(const QString& path, const QString& what, qint64 maxSize)
{
    const auto fail = [&](const QString& reason) {
        throw TavolinError(QCoreApplication::translate("SourceFile", "%1 \"%2\" kann nicht gelesen werden: %3")
                               .arg(what, QDir::toNativeSeparators(path), reason));
    };
    const QFileInfo info(path);
    if (!info.exists())
        fail(SystemReason::FromCode(ENOENT));
    if (info.isDir())
        fail(SystemReason::FromCode(EISDIR));
    if (!info.isFile())
        fail(QCoreApplication::translate("SourceFile", "ist keine gewöhnliche Datei"));
    if (info.size() > maxSize)
        fail(QCoreApplication::translate("SourceFile", "mit %1 Bytes zu groß (höchstens %2)")
                 .arg(info.size())
                 .arg(maxSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(SystemReason::FromText(file.errorString()));
    QByteArray data = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        fail(SystemReason::FromText(file.errorString()));
    if (data.size() > maxSize)
        fail(QCoreApplication::translate("SourceFile", "mit mehr als %1 Bytes zu groß").arg(maxSize));
    return data;
}
