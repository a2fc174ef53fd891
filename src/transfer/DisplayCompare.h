#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "compare/ProjectDiff.h"
#include "transfer/TransferProtocol.h"

// A project next to what a display holds: the display is read back into memory only
// (nothing is written, the project stays as it is) and compared with what a download of
// the project would send, display filter applied.
struct DisplayComparison
{
    QList<TableDifference> tables; // left: the project, right: the display; header lines not compared
    bool settingsCompared = false;
    QList<QByteArray> projectSettings;
    QList<QByteArray> displaySettings;
    bool charSetCompared = false;
    QList<GlyphDifference> glyphs;
    bool diagnosticSkipped = false; // selected, but a display does not send them back

    bool Equal() const;
    QList<int> CharSetCodes() const; // display codes whose glyphs differ
    // The differences in German, texts in the export notation.
    QString Report() const;
    QByteArray Json() const;
};

class TDisplayCompare
{
public:
    // `project`: the job a download of the project would run (its selection included).
    explicit TDisplayCompare(const TransferJob& project);
    ~TDisplayCompare();

    // The read-back that fills this object's memory (run it with TTransferRun).
    TransferJob ReadJob();
    // After the read-back: what differs. Raises when the project cannot be formatted.
    DisplayComparison Result() const;

private:
    TransferJob project;
    std::unique_ptr<TMessageTable> displayTexts;
    QByteArray displayCharSet;
};
