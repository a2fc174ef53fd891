#pragma once

#include <QStringList>

// The program file, the glyph editor library beside it and the Qt libraries the process
// has loaded, in that order: the modules the version information dialog lists.
QStringList ProgramModules();
