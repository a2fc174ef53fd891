#include "session/ProjectFind.h"

#include <QCoreApplication>
#include <climits>

#include "session/ProjectSession.h"

namespace ProjectFind {

namespace {

struct Cell
{
    int table;
    int slot;
    int language;
};

QList<Cell> Cells(const ProjectSession& session, const Scope& scope)
{
    QList<Cell> cells;
    const int languages = session.project.displayType.LanguageCount();
    for (int table = 0; table < 2; ++table) {
        const TMessageTable* messages = session.Table(table);
        if (!messages || (!scope.allTables && table != session.currentTable))
            continue;
        for (int slot = 0; slot < messages->Count(); ++slot)
            for (int language = 0; language < languages; ++language)
                if (scope.language < 0 || scope.language == language)
                    cells.append({table, slot, language});
    }
    return cells;
}

const QByteArray& Text(const ProjectSession& session, const Cell& cell)
{
    return session.Table(cell.table)->At(cell.slot).text[static_cast<size_t>(cell.language)];
}

int Parts(const Scope& scope, const ProjectSession& session)
{
    if (scope.allTables)
        return SessionSnapshot::OperatingTexts | SessionSnapshot::DiagnosticTexts;
    return session.currentTable == 0 ? SessionSnapshot::OperatingTexts : SessionSnapshot::DiagnosticTexts;
}

} // namespace

std::optional<Place> FindNext(const ProjectSession& session, const TextSearch& search, const Scope& scope,
                              const Place& from, bool backward)
{
    if (!session.IsOpen() || search.IsEmpty())
        return std::nullopt;
    const QList<Cell> cells = Cells(session, scope);
    const qsizetype n = cells.size();
    qsizetype first = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (cells[i].table == from.table && cells[i].slot == from.slot && cells[i].language == from.language)
            first = i;
    const bool fromFound = n > 0 && cells[first].table == from.table && cells[first].slot == from.slot
                        && cells[first].language == from.language;
    const int fromStart = fromFound ? from.hit.start : (backward ? INT_MAX : -1);
    for (qsizetype k = 0; k <= n && n > 0; ++k) {
        const qsizetype index = backward ? (first - k % n + n) % n : (first + k) % n;
        const Cell& cell = cells[index];
        const QList<TextHit> hits = search.FindAll(Text(session, cell));
        const auto take = [&](const TextHit& hit) { return Place{cell.table, cell.slot, cell.language, hit}; };
        if (!backward) {
            for (const TextHit& hit : hits)
                if ((k == 0 && hit.start > fromStart) || (k > 0 && k < n) || (k == n && hit.start <= fromStart))
                    return take(hit);
        } else {
            for (qsizetype h = hits.size() - 1; h >= 0; --h)
                if ((k == 0 && hits[h].start < fromStart) || (k > 0 && k < n) || (k == n && hits[h].start >= fromStart))
                    return take(hits[h]);
        }
    }
    return std::nullopt;
}

bool ReplaceOne(ProjectSession& session, const TextSearch& search, const Place& place, const QByteArray& replacement)
{
    TMessageTable* table = session.Table(place.table);
    if (!table || place.slot < 0 || place.slot >= table->Count())
        return false;
    const Cell cell{place.table, place.slot, place.language};
    bool still = false;
    for (const TextHit& hit : search.FindAll(Text(session, cell)))
        still = still || (hit.start == place.hit.start && hit.end == place.hit.end);
    if (!still)
        return false;
    const int number = table->At(place.slot).number;
    session.history.Record(
        QCoreApplication::translate("ProjectFind", "In Meldung %1 ersetzen").arg(number),
        place.table == 0 ? SessionSnapshot::OperatingTexts : SessionSnapshot::DiagnosticTexts,
        [&] {
            QByteArray& text = table->At(place.slot).text[static_cast<size_t>(place.language)];
            text = TextSearch::Replace(text, place.hit, replacement);
            table->At(place.slot).layoutStale |= static_cast<quint16>(1u << place.language);
            table->modified[static_cast<size_t>(place.language)] = true;
        },
        {place.table, number, place.language});
    return true;
}

int ReplaceAll(ProjectSession& session, const TextSearch& search, const Scope& scope, const QByteArray& replacement)
{
    if (!session.IsOpen() || search.IsEmpty())
        return 0;
    int count = 0;
    session.history.Record(QCoreApplication::translate("ProjectFind", "Alle ersetzen"), Parts(scope, session), [&] {
        for (const Cell& cell : Cells(session, scope)) {
            const QList<TextHit> hits = search.FindAll(Text(session, cell));
            if (hits.isEmpty())
                continue;
            TMessage& message = session.Table(cell.table)->At(cell.slot);
            QByteArray& text = message.text[static_cast<size_t>(cell.language)];
            // From the back, so that the earlier hits keep their places.
            for (qsizetype h = hits.size() - 1; h >= 0; --h)
                text = TextSearch::Replace(text, hits[h], replacement);
            message.layoutStale |= static_cast<quint16>(1u << cell.language);
            session.Table(cell.table)->modified[static_cast<size_t>(cell.language)] = true;
            count += static_cast<int>(hits.size());
        }
    });
    return count;
}

} // namespace ProjectFind
