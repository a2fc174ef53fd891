#include "common/SystemReason.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

const std::pair<int, const char*> Reasons[] = {
    {ENOSPC, "kein Platz mehr auf dem Datenträger"},
#ifdef EDQUOT
    {EDQUOT, "Speicherkontingent überschritten"},
#endif
    {EFBIG, "Datei zu groß für das Dateisystem"},
    {EACCES, "keine Berechtigung"},
    {EPERM, "keine Berechtigung"},
    {ENOENT, "nicht vorhanden"},
    {ENOTDIR, "ein Teil des Pfads ist kein Ordner"},
    {EISDIR, "ist ein Ordner"},
    {EROFS, "Datenträger ist schreibgeschützt"},
    {EIO, "Ein-/Ausgabefehler des Geräts"},
    {EEXIST, "ist schon vorhanden"},
    {ENAMETOOLONG, "Name zu lang"},
    {ENOTEMPTY, "Ordner ist nicht leer"},
    {EBUSY, "Gerät oder Datei ist belegt"},
    {ENXIO, "Gerät nicht vorhanden"},
    {ENODEV, "Gerät nicht vorhanden"},
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien"},
    {ELOOP, "zu viele symbolische Verknüpfungen"},
    {EXDEV, "liegt auf einem anderen Datenträger"},
    {EINVAL, "ungültige Angabe"},
    {ETXTBSY, "Datei ist in Benutzung"},
    {ENOTTY, "kein passendes Gerät (keine serielle Schnittstelle)"},
    {EPIPE, "der Empfänger hat die Verbindung beendet"},
    {EBADF, "ungültiger Dateizugriff"},
    {ENOMEM, "nicht genug Arbeitsspeicher"},
};

} // namespace

namespace SystemReason {

QString FromCode(int code)
{
    for (const auto& [known, text] : Reasons)
        if (known == code)
            return QString::fromUtf8(text);
    return QStringLiteral("Systemfehler %1").arg(code);
}

QString FromText(const QString& qtReason)
{
    const QString reason = qtReason.trimmed();
    for (const auto& [known, text] : Reasons)
        if (reason.compare(QString::fromLocal8Bit(std::strerror(known)), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(text);
    if (reason.isEmpty() || reason.compare(QLatin1String("Unknown error"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("unbekannter Fehler des Systems");
    return reason;
}

} // namespace SystemReason
