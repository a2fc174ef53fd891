#include "common/AtomicFile.h"

#include <QDir>
#include <QSaveFile>

#include "common/TavolinError.h"

void ReplaceFileContent(const QString& path, const std::function<void(QIODevice&)>& write,
                        const QString& errorHead)
{
    const auto fail = [&](const QString& reason) {
        throw TavolinError(errorHead + QStringLiteral("\n") + QDir::toNativeSeparators(path)
                           + QStringLiteral(": ") + reason);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    try {
        write(file);
    } catch (const TavolinError& error) {
        QString reason = file.error() != QFileDevice::NoError ? file.errorString() : error.message();
        if (reason.startsWith(errorHead + QStringLiteral("\n")))
            reason.remove(0, errorHead.size() + 1);
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}
