#pragma once

#include <QString>

// Replacing a project folder in one step, so that a failure half-way leaves the old
// folder as it was and a success leaves only the new content.

// An empty hidden folder beside `target` for the new content (project lists skip hidden
// folders). A leftover of an earlier attempt is removed first. Raises the German error.
QString MakeStagingFolder(const QString& target);

// Puts `staging` in the place of `target`. An existing target goes to the trash first,
// under its own name and place, so that a restore brings it back where the project lists
// find it; if the new folder cannot take its place, the old target is put back. Where
// there is no trash the old target is moved aside instead. Raises the German error naming
// the folder and the reason. Returns a note (empty when none) when the old content could
// not go to the trash and stays aside.
QString ReplaceFolder(const QString& staging, const QString& target);
