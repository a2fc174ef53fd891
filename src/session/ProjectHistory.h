#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <array>
#include <functional>

#include "project/ProjectConfig.h"

class ProjectSession;

// What an undo or redo put back: the message to show (number -1: none) and, for a change
// of one cell, where the caret belongs in its editor (-1: no cell).
struct HistoryPlace
{
    int table = 0;
    int number = -1;
    int language = 0;
    int caret = -1;
};

// The parts of the open project one step keeps, before and after its change. Texts are
// implicitly shared, so keeping a whole table costs little more than keeping one cell.
struct SessionSnapshot
{
    enum Part { OperatingTexts = 0x1, DiagnosticTexts = 0x2, Configuration = 0x4, Glyphs = 0x8 };

    struct TableContent
    {
        QList<qint16> numbers;
        QList<std::array<QByteArray, 2>> texts;
        std::array<QList<QByteArray>, 2> headerLines;
        bool operator==(const TableContent&) const = default;
    };

    int parts = 0;
    std::array<TableContent, 2> tables;
    TProjectConfig config;
    QByteArray glyphs;
    QString pixName;
    QString importedFrom;

    static SessionSnapshot Take(const ProjectSession& session, int parts);
    // Puts the kept parts back; unchanged messages keep their cached layout.
    void Apply(ProjectSession& session) const;
    bool operator==(const SessionSnapshot&) const = default;
};

// The project's one undo history: every change of texts, settings or character set is a
// step, and the changed mark follows the step the project was last saved or opened at.
class ProjectHistory : public QObject
{
    Q_OBJECT

public:
    // Typing in one cell within this pause (milliseconds) and within one word is one step.
    static constexpr qint64 TypingPause = 1000;

    explicit ProjectHistory(ProjectSession& session);

    QUndoStack& Stack() { return m_stack; }
    const QUndoStack& Stack() const { return m_stack; }

    // Runs `change` and keeps `parts` before and after it as one step named `text`; a
    // change that changes nothing leaves no step. `place`: the message to show after an
    // undo or redo of it.
    void Record(const QString& text, int parts, const std::function<void()>& change,
                const HistoryPlace& place = {});
    // The text of a cell as the in-place editor holds it now. Typing in the same cell
    // merges into the previous step, unless a pause, a new word or BreakTyping() lies
    // between.
    void RecordTyping(int table, int number, int language, const QByteArray& text);
    // The next typing starts a step of its own (a paste or a cut in the editor).
    void BreakTyping() { ++m_typingRun; }
    // The graphics glyphs were changed outside (the glyph editor): the glyphs kept from
    // the last step are the state before.
    void RecordGlyphChange();

    // The project is as on disk (opened or saved): undoing back to here clears the changed
    // mark again.
    void MarkClean();
    void Clear();

    // The time typing is measured with; tests give their own.
    std::function<qint64()> clock;

    ProjectSession& Session() { return m_session; }
    void NoteGlyphs(const QByteArray& glyphs) { m_glyphs = glyphs; }
    void AnnounceRestored(const HistoryPlace& place) { Q_EMIT Restored(place); }
    // The project no longer matches any step: the changed mark stays until saved.
    void AnnounceFailure(const QString& message)
    {
        m_stack.resetClean();
        Q_EMIT Failed(message);
    }

Q_SIGNALS:
    // An undo or redo changed the project; the view shows `place`.
    void Restored(const HistoryPlace& place);
    // An undo or redo could not put everything back (the German reason).
    void Failed(const QString& message);

private:
    void followClean();

    struct Flags
    {
        bool project = false;
        bool graphics = false;
        std::array<std::array<bool, 2>, 2> tables{};
    };
    Flags flags() const;

    ProjectSession& m_session;
    QUndoStack m_stack;
    Flags m_cleanFlags;
    QByteArray m_glyphs;
    int m_typingRun = 0;
    bool m_clearing = false;
};
