#pragma once

#include <QString>

// The folder of the running program: it holds the standard character sets, the glyph
// editor library and the help document. Tests and tools may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
