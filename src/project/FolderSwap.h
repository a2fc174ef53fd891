#pragma once

#include <QString>

// Replacing a project folder in one step, so that a failure half-way leaves the old
// folder as it was and a success leaves only the new content.

// An empty hidden folder beside `target` for the new content (project lists skip hidden
// folders). A leftover of an earlier attempt is removed first. Raises the German error.
QString MakeStagingFolder(const QString& target);

// Puts `staging` in the place of `target`. An existing target is first moved aside and,
// only after the new folder is in place, to the trash; if the move fails, the old target
// is put back. Raises the German error naming the folder and the reason. Returns a note
// (empty when none) when the old content could not go to the trash and stays aside.
QString ReplaceFolder(const QString& staging, const QString& target);
