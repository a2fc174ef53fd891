#include "session/ProjectHistory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUndoCommand>

#include "common/TavolinError.h"
#include "session/ProjectSession.h"

namespace {

SessionSnapshot::TableContent TakeTable(const TMessageTable* table)
{
    SessionSnapshot::TableContent content;
    if (!table)
        return content;
    content.numbers.reserve(table->Count());
    content.texts.reserve(table->Count());
    for (int slot = 0; slot < table->Count(); ++slot) {
        content.numbers.append(table->At(slot).number);
        content.texts.append(table->At(slot).text);
    }
    content.headerLines = table->headerLines;
    return content;
}

void ApplyTable(TMessageTable& table, const SessionSnapshot::TableContent& content)
{
    bool sameNumbers = table.Count() == content.numbers.size();
    for (int slot = 0; sameNumbers && slot < table.Count(); ++slot)
        sameNumbers = table.At(slot).number == content.numbers[slot];
    if (sameNumbers) {
        for (int slot = 0; slot < table.Count(); ++slot)
            for (size_t language = 0; language < 2; ++language)
                if (table.At(slot).text[language] != content.texts[slot][language]) {
                    table.At(slot).text[language] = content.texts[slot][language];
                    table.At(slot).layoutStale |= static_cast<quint16>(1u << language);
                }
    } else {
        for (int slot = 0; slot < content.numbers.size(); ++slot) {
            auto message = std::make_unique<TMessage>();
            message->number = content.numbers[slot];
            message->text = content.texts[slot];
            table.messages[static_cast<size_t>(slot)] = std::move(message);
        }
        for (int slot = static_cast<int>(content.numbers.size()); slot < table.Count(); ++slot)
            table.messages[static_cast<size_t>(slot)].reset();
        table.count = static_cast<int>(content.numbers.size());
        table.MarkAllStale();
    }
    table.headerLines = content.headerLines;
    table.modified = {true, true};
}

// The cell's text in a table snapshot, or an empty one where the message is missing.
QByteArray CellText(const SessionSnapshot& snapshot, const HistoryPlace& place)
{
    const SessionSnapshot::TableContent& content = snapshot.tables[static_cast<size_t>(place.table)];
    const qsizetype slot = content.numbers.indexOf(static_cast<qint16>(place.number));
    return slot < 0 ? QByteArray() : content.texts[slot][static_cast<size_t>(place.language)];
}

// Where the caret stands in the editor after the bytes up to `end`: attributes take no place.
int EditorPosition(const QByteArray& text, qsizetype end)
{
    int position = 0;
    for (qsizetype i = 0; i < end; ++i)
        position += Attr::IsAttribute(text[i]) ? 0 : 1;
    return position;
}

// The bytes `after` has where `before` differs, with the length of the unchanged end.
QByteArray Inserted(const QByteArray& before, const QByteArray& after, qsizetype* unchangedEnd = nullptr)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix
           && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (unchangedEnd)
        *unchangedEnd = suffix;
    return after.mid(prefix, after.size() - prefix - suffix);
}

bool EndsWord(char c)
{
    return c == ' ' || c == Attr::LineBreak;
}

class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(ProjectHistory& history, const QString& text, SessionSnapshot before, SessionSnapshot after,
                    const HistoryPlace& place, int typingRun)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_place(place), m_typingRun(typingRun)
    {
        if (typingRun >= 0) {
            m_time = history.clock();
            m_inserted = Inserted(CellText(m_before, place), CellText(m_after, place));
            for (const char c : m_inserted)
                m_typedWord = m_typedWord || !EndsWord(c);
        }
    }

    int id() const override { return m_typingRun >= 0 ? 1 : -1; }

    void undo() override { restore(m_before, m_after, m_before); }

    void redo() override
    {
        // Pushed after its change was made already.
        if (m_done) {
            m_done = false;
            return;
        }
        restore(m_after, m_before, m_after);
    }

    bool mergeWith(const QUndoCommand* command) override
    {
        const auto* other = static_cast<const SnapshotCommand*>(command);
        if (other->m_typingRun != m_typingRun || other->m_place.table != m_place.table
            || other->m_place.number != m_place.number || other->m_place.language != m_place.language
            || other->m_time - m_time > ProjectHistory::TypingPause)
            return false;
        // A word and the space after it are one step; the next word starts another.
        if (m_typedWord && !m_inserted.isEmpty() && EndsWord(m_inserted.back()) && !other->m_inserted.isEmpty()
            && !EndsWord(other->m_inserted.front()))
            return false;
        m_after = other->m_after;
        m_time = other->m_time;
        m_inserted = other->m_inserted;
        m_typedWord = m_typedWord || other->m_typedWord;
        setObsolete(m_before == m_after);
        return true;
    }

private:
    void restore(const SessionSnapshot& to, const SessionSnapshot& from, const SessionSnapshot& glyphsKept)
    {
        ProjectSession& session = m_history.Session();
        m_history.BreakTyping();
        // Undo runs inside the stack, which must not be left by an exception: a glyph
        // file that cannot be written is reported and the set counts as changed.
        try {
            to.Apply(session);
        } catch (const TavolinError& error) {
            m_history.AnnounceFailure(error.message());
        }
        if (to.parts & SessionSnapshot::Glyphs)
            m_history.NoteGlyphs(glyphsKept.glyphs);
        HistoryPlace place = m_place;
        if (place.number >= 0) {
            qsizetype unchangedEnd = 0;
            const QByteArray text = CellText(to, place);
            Inserted(CellText(from, place), text, &unchangedEnd);
            place.caret = EditorPosition(text, text.size() - unchangedEnd);
        }
        m_history.AnnounceRestored(place);
    }

    ProjectHistory& m_history;
    SessionSnapshot m_before;
    SessionSnapshot m_after;
    HistoryPlace m_place;
    int m_typingRun;
    qint64 m_time = 0;
    QByteArray m_inserted;
    bool m_typedWord = false;
    bool m_done = true;
};

} // namespace

SessionSnapshot SessionSnapshot::Take(const ProjectSession& session, int parts)
{
    SessionSnapshot snapshot;
    snapshot.parts = parts;
    if (parts & OperatingTexts)
        snapshot.tables[0] = TakeTable(session.Table(0));
    if (parts & DiagnosticTexts)
        snapshot.tables[1] = TakeTable(session.Table(1));
    if (parts & Configuration)
        snapshot.config = session.project.config;
    if (parts & Glyphs) {
        snapshot.glyphs = session.graphics.Glyphs();
        snapshot.pixName = session.graphics.pixName;
        snapshot.importedFrom = session.graphics.importedFrom;
    }
    return snapshot;
}

void SessionSnapshot::Apply(ProjectSession& session) const
{
    ProjectSession::Changes changes;
    for (int table = 0; table < 2; ++table)
        if ((parts & (table == 0 ? OperatingTexts : DiagnosticTexts)) && session.Table(table)) {
            ApplyTable(*session.Table(table), tables[static_cast<size_t>(table)]);
            changes |= ProjectSession::TablesChanged;
        }
    if (parts & Configuration) {
        session.project.config = config;
        session.project.modified = true;
        changes |= ProjectSession::CharSetChanged;
    }
    if (parts & Glyphs) {
        session.graphics.SetGlyphs(glyphs);
        session.graphics.pixName = pixName;
        session.graphics.importedFrom = importedFrom;
        session.graphics.modified = true;
        changes |= ProjectSession::CharSetChanged;
    }
    session.Notify(changes);
}

ProjectHistory::ProjectHistory(ProjectSession& session)
    : clock([] { return QDateTime::currentMSecsSinceEpoch(); }), m_session(session)
{
    connect(&m_stack, &QUndoStack::indexChanged, this, &ProjectHistory::followClean);
}

void ProjectHistory::Record(const QString& text, int parts, const std::function<void()>& change,
                            const HistoryPlace& place)
{
    SessionSnapshot before = SessionSnapshot::Take(m_session, parts);
    if (parts & SessionSnapshot::Glyphs)
        m_glyphs = before.glyphs;
    change();
    SessionSnapshot after = SessionSnapshot::Take(m_session, parts);
    if (after == before)
        return;
    if (parts & SessionSnapshot::Glyphs)
        m_glyphs = after.glyphs;
    m_stack.push(new SnapshotCommand(*this, text, std::move(before), std::move(after), place, -1));
}

void ProjectHistory::RecordTyping(int table, int number, int language, const QByteArray& text)
{
    TMessageTable* messages = m_session.Table(table);
    const int slot = messages ? messages->IndexOf(number) : -1;
    if (slot < 0 || messages->At(slot).text[static_cast<size_t>(language)] == text)
        return;
    const int part = table == 0 ? SessionSnapshot::OperatingTexts : SessionSnapshot::DiagnosticTexts;
    SessionSnapshot before = SessionSnapshot::Take(m_session, part);
    messages->At(slot).text[static_cast<size_t>(language)] = text;
    messages->At(slot).layoutStale |= static_cast<quint16>(1u << language);
    messages->modified[static_cast<size_t>(language)] = true;
    SessionSnapshot after = SessionSnapshot::Take(m_session, part);
    const QString name = QCoreApplication::translate("ProjectHistory", "Meldung %1 bearbeiten").arg(number);
    m_stack.push(new SnapshotCommand(*this, name, std::move(before), std::move(after), {table, number, language},
                                     m_typingRun));
}

void ProjectHistory::RecordGlyphChange()
{
    SessionSnapshot after = SessionSnapshot::Take(m_session, SessionSnapshot::Glyphs);
    SessionSnapshot before = after;
    before.glyphs = m_glyphs;
    if (before.glyphs.isEmpty() || before == after)
        return;
    m_glyphs = after.glyphs;
    m_stack.push(new SnapshotCommand(*this, QCoreApplication::translate("ProjectHistory", "Zeichen ändern"),
                                     std::move(before), std::move(after), {}, -1));
}

void ProjectHistory::MarkClean()
{
    m_cleanFlags = flags();
    m_stack.setClean();
    m_glyphs = m_session.graphics.Glyphs();
    BreakTyping();
}

void ProjectHistory::Clear()
{
    // A new or closed project: its flags are what they are, whatever the last one had.
    m_clearing = true;
    m_stack.clear();
    m_clearing = false;
    m_cleanFlags = flags();
    m_glyphs.clear();
}

ProjectHistory::Flags ProjectHistory::flags() const
{
    Flags result;
    result.project = m_session.project.modified;
    result.graphics = m_session.graphics.modified;
    for (int table = 0; table < 2; ++table)
        if (m_session.Table(table))
            result.tables[static_cast<size_t>(table)] = m_session.Table(table)->modified;
    return result;
}

void ProjectHistory::followClean()
{
    if (m_clearing || !m_session.IsOpen())
        return;
    if (m_stack.isClean()) {
        m_session.project.modified = m_cleanFlags.project;
        m_session.graphics.modified = m_cleanFlags.graphics;
        for (int table = 0; table < 2; ++table)
            if (m_session.Table(table))
                m_session.Table(table)->modified = m_cleanFlags.tables[static_cast<size_t>(table)];
    } else {
        m_session.project.modified = true;
    }
    m_session.Notify(ProjectSession::ModifiedChanged);
}
