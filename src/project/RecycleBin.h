#pragma once

#include <QString>

// Moves a file, or a folder with everything in it, to the user's trash, without asking.
// Returns false when the platform has no trash for that place or the move failed; then
// nothing at all has been deleted, since removing data for good must never happen
// behind the user's back.
// `reason`, when given, receives why it failed.
bool DeleteToRecycleBin(const QString& path, QString* reason = nullptr);

// Whether this platform keeps a trash the program can move folders to.
bool HasRecycleBin();

// Removes a folder with everything in it for good, where there is no trash. Returns false
// with the reason when something could not be removed.
bool DeleteForGood(const QString& path, QString* reason = nullptr);
