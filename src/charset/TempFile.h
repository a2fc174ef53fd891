#pragma once

#include <QString>

// A new, empty, unique temporary file whose name starts with "_E" and the letter
// (just "_E" for letter 0), in the program's own temporary folder. The name (without
// folder) is usable as a font face name. Files made here are removed when the program
// ends normally; stale ones of an earlier, crashed run are removed at the next start.
QString MakeTempFileName(char letter);

// Removes this run's remaining temporary files (called at normal program end).
void RemoveOwnTempFiles();
