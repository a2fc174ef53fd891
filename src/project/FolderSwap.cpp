#include "project/FolderSwap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "common/TavolinError.h"
#include "project/RecycleBin.h"

namespace {

QString Beside(const QString& target, const QString& suffix)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + suffix;
}

// The reason in the system's words, empty on success.
QString Rename(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

[[noreturn]] void Fail(const QString& folder, const QString& reason)
{
    throw TavolinError(
        QCoreApplication::translate("FolderSwap", "Das Projekt kann nicht nach \"%1\" gespeichert werden:\r%2")
            .arg(QDir::toNativeSeparators(folder), reason));
}

} // namespace

QString MakeStagingFolder(const QString& target)
{
    const QString staging = Beside(target, QStringLiteral(".tavolin-neu"));
    if (QFileInfo::exists(staging))
        QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging))
        Fail(target,
             QCoreApplication::translate("FolderSwap", "Der Ordner \"%1\" lässt sich nicht anlegen.")
                 .arg(QDir::toNativeSeparators(staging)));
    return staging;
}

QString ReplaceFolder(const QString& staging, const QString& target)
{
    if (!QFileInfo::exists(target)) {
        const QString reason = Rename(staging, target);
        if (!reason.isEmpty())
            Fail(target, reason);
        return {};
    }
    QString trashed;
    if (DeleteToRecycleBin(target, nullptr, &trashed)) {
        const QString reason = Rename(staging, target);
        if (!reason.isEmpty()) {
            TakeBackFromRecycleBin(trashed, target);
            Fail(target, reason);
        }
        return {};
    }
    // An old content kept there by an earlier save stays too.
    QString aside = Beside(target, QStringLiteral(".tavolin-alt"));
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = Beside(target, QStringLiteral(".tavolin-alt%1").arg(n));
    QString reason = Rename(target, aside);
    if (!reason.isEmpty())
        Fail(target, reason);
    reason = Rename(staging, target);
    if (!reason.isEmpty()) {
        Rename(aside, target);
        Fail(target, reason);
    }
    // Without a trash nothing is removed for good: the old content stays beside the target.
    return QCoreApplication::translate("FolderSwap",
                                       "Der alte Inhalt von \"%1\" liegt noch in \"%2\"; er ließ sich nicht in den "
                                       "Papierkorb verschieben.")
        .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(aside));
}
