#pragma once

#include <QString>

// The folder of the running program. Tests and tools may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// Where a file that comes with the program lies (the help document, the standard
// character sets, the glyph editor library): beside the program, as in the build folder,
// or in the installed tree's data or library folder, found from the program's own place
// so that the installed tree may be moved as a whole. A file found nowhere is named
// beside the program, so that a message about it names a sensible path.
QString ShippedFile(const QString& name);
QString ShippedFileFrom(const QString& programFolder, const QString& name);
