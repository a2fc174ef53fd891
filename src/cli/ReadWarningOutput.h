#pragma once

#include <QCoreApplication>

#include "cli/CliCommand.h"
#include "common/ReadWarnings.h"

namespace cli {

// What reading left out, one "Warnung:" line each on stderr.
inline void PrintReadWarnings(const ReadWarnings& warnings)
{
    for (const TReadWarning& warning : warnings)
        Err(QCoreApplication::translate("cli", "Warnung: ") + warning.Message() + QLatin1Char('\n'));
}

} // namespace cli
