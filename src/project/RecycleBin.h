#pragma once

#include <QString>

// Moves a file, or a folder with everything in it, to the user's trash, without asking.
// Returns false when the platform has no trash for that place or the move failed; then
// nothing at all has been deleted, since removing data for good must never happen
// behind the user's back.
// `reason`, when given, receives why it failed; `trashed` where in the trash it went.
bool DeleteToRecycleBin(const QString& path, QString* reason = nullptr, QString* trashed = nullptr);

// Puts what DeleteToRecycleBin moved to `trashed` back to `original`, as if it had never
// been in the trash. Returns false when it could not be moved back.
bool TakeBackFromRecycleBin(const QString& trashed, const QString& original);

// Whether this platform keeps a trash the program can move folders to.
bool HasRecycleBin();

// Removes a folder with everything in it for good, where there is no trash. Returns false
// with the reason when something could not be removed.
bool DeleteForGood(const QString& path, QString* reason = nullptr);
