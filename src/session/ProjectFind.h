#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "texts/TextSearch.h"

class ProjectSession;

// Find and replace over the open project's texts: the shown table or both, one language
// or both; cells in the order of the grid (table, message, language).
namespace ProjectFind {

struct Scope
{
    bool allTables = false;
    int language = -1; // -1: both languages
};

struct Place
{
    int table = 0;
    int slot = 0;
    int language = 0;
    TextHit hit; // start -1: before the cell's first character
};

// The next hit after `from` (or before it, backward), going round the scope once; the hit
// at `from` itself comes last.
std::optional<Place> FindNext(const ProjectSession& session, const TextSearch& search, const Scope& scope,
                              const Place& from, bool backward);

// Replaces the hit at `place` when it is still there; one undo step. False when not.
bool ReplaceOne(ProjectSession& session, const TextSearch& search, const Place& place,
                const QByteArray& replacement);

// Replaces every hit in the scope as one undo step; returns how many.
int ReplaceAll(ProjectSession& session, const TextSearch& search, const Scope& scope,
               const QByteArray& replacement);

} // namespace ProjectFind
