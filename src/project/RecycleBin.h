#pragma once

#include <QString>

// Moves a file, or a folder with everything in it, to the user's trash, without asking.
// Returns false when the platform has no trash for that place or the move failed; then
// nothing at all has been deleted, since removing data for good must never happen
// behind the user's back.
bool DeleteToRecycleBin(const QString& path);
