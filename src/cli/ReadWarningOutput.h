#pragma once

#include <QCoreApplication>

#include "cli/CliCommand.h"
#include "common/ReadWarnings.h"
#include "common/TavolinError.h"

namespace cli {

// What reading left out, one "Warnung:" line each on stderr.
inline void PrintReadWarnings(const ReadWarnings& warnings)
{
    for (const TReadWarning& warning : warnings)
        Err(QCoreApplication::translate("cli", "Warnung: ") + warning.Message() + QLatin1Char('\n'));
}

// A command that rewrites a file it read would make what reading left out lost for good:
// it refuses unless --force says otherwise; the warnings before name each place.
inline void RefuseToDropContent(const ReadWarnings& warnings, const QString& path, bool force)
{
    if (warnings.isEmpty() || force)
        return;
    throw TavolinError(QCoreApplication::translate("cli",
                                                   "\"%1\" wird nicht überschrieben: beim Lesen ging Inhalt verloren "
                                                   "(siehe Warnungen). Mit --force wird die Datei trotzdem so "
                                                   "geschrieben.")
                           .arg(Native(path)));
}

} // namespace cli
