#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "transfer/TransferProtocol.h"

// A project next to what a display holds: the display is read back into memory only
// (nothing is written, the project stays as it is) and compared with what a download of
// the project would send, display filter applied.
struct MessageDifference
{
    int number = 0;
    QByteArray project; // display codes
    QByteArray display;
};

struct TableComparison
{
    int table = 0;    // 0 operating, 1 diagnostic texts
    int language = 0; // 0, 1
    QList<int> onlyProject;
    QList<int> onlyDisplay;
    QList<MessageDifference> different;

    bool Equal() const { return onlyProject.isEmpty() && onlyDisplay.isEmpty() && different.isEmpty(); }
    QString Title() const; // "Betriebstexte Sprache 1"
};

struct DisplayComparison
{
    QList<TableComparison> tables;
    bool settingsCompared = false;
    QList<QByteArray> projectSettings;
    QList<QByteArray> displaySettings;
    bool charSetCompared = false;
    QList<int> charSetCodes; // display codes whose glyphs differ
    bool diagnosticSkipped = false; // selected, but a display does not send them back

    bool Equal() const;
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
