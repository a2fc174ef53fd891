#include "common/SystemReason.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

const std::pair<int, const char*> Reasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("SystemReason", "kein Platz mehr auf dem Datenträger")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("SystemReason", "Speicherkontingent überschritten")},
#endif
    {EFBIG, QT_TRANSLATE_NOOP("SystemReason", "Datei zu groß für das Dateisystem")},
    {EACCES, QT_TRANSLATE_NOOP("SystemReason", "keine Berechtigung")},
    {EPERM, QT_TRANSLATE_NOOP("SystemReason", "keine Berechtigung")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemReason", "nicht vorhanden")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemReason", "ein Teil des Pfads ist kein Ordner")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemReason", "ist ein Ordner")},
    {EROFS, QT_TRANSLATE_NOOP("SystemReason", "Datenträger ist schreibgeschützt")},
    {EIO, QT_TRANSLATE_NOOP("SystemReason", "Ein-/Ausgabefehler des Geräts")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemReason", "ist schon vorhanden")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemReason", "Name zu lang")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemReason", "Ordner ist nicht leer")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemReason", "Gerät oder Datei ist belegt")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemReason", "Gerät nicht vorhanden")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemReason", "Gerät nicht vorhanden")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemReason", "zu viele offene Dateien")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemReason", "zu viele offene Dateien")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemReason", "zu viele symbolische Verknüpfungen")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemReason", "liegt auf einem anderen Datenträger")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemReason", "ungültige Angabe")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemReason", "Datei ist in Benutzung")},
    {ENOTTY, QT_TRANSLATE_NOOP("SystemReason", "kein passendes Gerät (keine serielle Schnittstelle)")},
    {EPIPE, QT_TRANSLATE_NOOP("SystemReason", "der Empfänger hat die Verbindung beendet")},
    {EBADF, QT_TRANSLATE_NOOP("SystemReason", "ungültiger Dateizugriff")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemReason", "nicht genug Arbeitsspeicher")},
};

} // namespace

namespace SystemReason {

QString FromCode(int code)
{
    for (const auto& [known, text] : Reasons)
        if (known == code)
            return QCoreApplication::translate("SystemReason", text);
    return QCoreApplication::translate("SystemReason", "Systemfehler %1").arg(code);
}

QString FromText(const QString& qtReason)
{
    const QString reason = qtReason.trimmed();
    for (const auto& [known, text] : Reasons)
        if (reason.compare(QString::fromLocal8Bit(std::strerror(known)), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("SystemReason", text);
    if (reason.isEmpty() || reason.compare(QLatin1String("Unknown error"), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("SystemReason", "unbekannter Fehler des Systems");
    return reason;
}

} // namespace SystemReason
