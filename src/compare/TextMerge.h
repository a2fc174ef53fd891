#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class TMessageTable;

// A three-way merge of one language of a display text file by message number: the base
// and two sides that both started from it ("ours", "theirs"). The header lines count as
// one block.
struct MergeConflict
{
    static constexpr int HeaderBlock = -1;

    int number = HeaderBlock; // message number, or HeaderBlock
    QByteArray base;          // display codes; header lines joined by CR
    QByteArray ours;
    QByteArray theirs;

    bool operator==(const MergeConflict&) const = default;
};

// Fills the empty `result`: a change on one side only is taken, the same change on both
// sides once; where the sides changed one message differently (also: one deleted, the
// other changed; both added one number with different texts) `result` keeps "ours" and
// the conflict is returned, in number order, the header block first.
QList<MergeConflict> MergeTexts(const TMessageTable& base, const TMessageTable& ours, const TMessageTable& theirs,
                                int language, TMessageTable& result);

// The conflicts in German for the user (git shows it beside the merge), texts in the
// export notation.
QString ConflictReport(const QList<MergeConflict>& conflicts);
