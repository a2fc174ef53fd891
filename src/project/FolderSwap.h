#pragma once

#include <QString>

// Replacing a project folder in one step, so that a failure half-way leaves the old
// folder as it was and a success leaves only the new content.

// An empty hidden folder beside `target` for the new content (project lists skip hidden
// folders). A leftover of an earlier attempt is removed first. Raises the German error.
QString MakeStagingFolder(const QString& target);

// Puts `staging` in the place of `target`. An existing target is first moved aside and
// removed only after the new folder is in place; if the move fails, the old target is put
// back. Raises the German error naming the folder and the reason. Returns a note (empty
// when none) when the old folder could not be removed afterwards.
QString ReplaceFolder(const QString& staging, const QString& target);
