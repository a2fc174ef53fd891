#pragma once

#include <QList>
#include <QString>

// Something a reader left out, or took from the defaults, while it still accepted a file.
// Reading keeps its rules (stored files and the display rely on them); these notes let
// the user see what did not come through before a save makes it final.
struct TReadWarning
{
    QString file;  // the path as the reader was given it
    int line = 0;  // line of the file, from 1; 0 when the note concerns the whole file
    QString text;  // German: what was dropped or taken instead

    // "<file>, Zeile <line>: <text>" (without the line part for line 0).
    QString Message() const;
};

using ReadWarnings = QList<TReadWarning>;

// The notes, `separator` between them; beyond `limit` notes a last one says how many more
// there are.
QString FormatReadWarnings(const ReadWarnings& warnings, int limit = 1000,
                           const QString& separator = QStringLiteral("\n"));
