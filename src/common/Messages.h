#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The German error texts that more than one place raises, each written once.
namespace Messages {

inline QString SaveError()
{
    return QCoreApplication::translate("Messages", "Fehler bei Dateispeichern");
}
inline QString ReadError()
{
    return QCoreApplication::translate("Messages", "Fehler bei Datenlesen");
}

// "<head>\n<file>: <reason>": which file and why, below the fixed head.
inline QString WithFile(const QString& head, const QString& path, const QString& reason)
{
    QString text = head + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
    return text;
}

inline QString ProjectMissing(const QString& folder)
{
    return QCoreApplication::translate("Messages", "Das Projekt \"%1\" existiert nicht.")
        .arg(QDir::toNativeSeparators(folder));
}

inline QString UnknownDisplayType(const QString& name)
{
    return QCoreApplication::translate("Messages", "Der Anzeigentyp \"%1\" ist unbekannt.").arg(name);
}

} // namespace Messages
