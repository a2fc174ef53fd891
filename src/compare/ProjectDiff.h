#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "project/ProjectConfig.h"

class ProjectSession;
class TMessageTable;

// What differs between two sides, "left" and "right": two projects, a project and its
// ".bak" generation, a project and what a display holds, or the base of a merge and one
// branch. Every comparison of the program builds on these types.

// One message number whose text differs; an empty side: the message is not there.
struct MessageDifference
{
    int number = 0;
    QByteArray left; // display codes
    QByteArray right;

    bool operator==(const MessageDifference&) const = default;
};

// One language of one text table.
struct TableDifference
{
    int table = 0;    // 0 operating, 1 diagnostic texts
    int language = 0; // 0, 1
    QList<QByteArray> leftHeader;
    QList<QByteArray> rightHeader;
    QList<MessageDifference> messages; // by number

    bool HeaderChanged() const { return leftHeader != rightHeader; }
    bool Equal() const { return messages.isEmpty() && !HeaderChanged(); }
    QList<int> OnlyLeft() const;
    QList<int> OnlyRight() const;
    QList<MessageDifference> Changed() const; // on both sides, but different
    QString Title() const;                    // "Betriebstexte Sprache 1"

    // An empty text and a missing message are the same: neither is in the file. A missing
    // table (a display type without diagnostic texts) counts as empty.
    static TableDifference Of(const TMessageTable* left, const TMessageTable* right, int table, int language);
};

// One glyph of the graphics character set; rows of five dots, the leftmost in bit 4.
struct GlyphDifference
{
    int code = 0; // display code, 32..255
    std::array<quint8, 7> left{};
    std::array<quint8, 7> right{};

    // The glyph as seven rows of "#" (lit) and "." (dark).
    static QStringList Picture(const std::array<quint8, 7>& rows);
    // The glyph of `code` in the bytes of a ".pix" file (missing bytes are dark).
    static std::array<quint8, 7> Rows(const QByteArray& pix, int code);
};

// The codes whose glyphs differ; the line bit above the five dots is no part of a glyph.
QList<GlyphDifference> CompareGlyphs(const QByteArray& leftPix, const QByteArray& rightPix);

// A value of a named thing on both sides: a field of "tavolin.cfg" or a system setting.
// `key` names it in JSON and never changes with the language; the values are the display's
// own words ("Rastend", "80%") or file names.
struct ValueDifference
{
    QString key; // "displayType", "brightness", "key:3", "other", ...
    QString left;
    QString right;

    QString Name() const; // the German name shown to the user
    bool operator==(const ValueDifference&) const = default;
};

// The system settings lines decoded: one entry per setting, per key attribute and per
// further line that is on one side only. Lines that differ only where no setting changes
// (order, spelling) give one entry "lines".
QList<ValueDifference> CompareSettings(const QList<QByteArray>& left, const QList<QByteArray>& right, int keyCount,
                                       bool plcAddresses);

// One side of a project comparison: a loaded project, not owned.
struct ProjectSide
{
    TProjectState state;
    std::array<const TMessageTable*, 2> tables{};
    QByteArray glyphs; // the graphics character set as a ".pix" file's bytes

    static ProjectSide Of(const ProjectSession& session);
};

struct ProjectDifference
{
    QList<ValueDifference> config;   // display type and the other fields of "tavolin.cfg"
    QList<ValueDifference> settings; // the first language's header lines, decoded
    QList<TableDifference> tables;   // each table language either side has, in saving order
    QList<GlyphDifference> glyphs;

    bool Equal() const;
    // German, "alt" the left side and "neu" the right; texts in the export notation.
    QString Report() const;
    // The same in JSON (keys and texts never change with the language).
    QByteArray Json() const;
};

ProjectDifference CompareProjects(const ProjectSide& left, const ProjectSide& right);

// Replaces the session's texts by those of its ".bak" files (the generation before the
// last save). Raises a German error when the project has no ".bak" file at all.
void LoadBackupGeneration(ProjectSession& session);
