#pragma once

#include <QByteArray>
#include <QFont>
#include <functional>

class QTextEdit;
class QWidget;
class TMessageTable;

// What an in-place edit needs from the view that shows the table.
class CellEditHost
{
public:
    virtual ~CellEditHost() = default;
    virtual QFont StandardFont() const = 0;
    virtual QFont GraphicsFont() const = 0;
    virtual void CheckLineLength(TMessageTable& table) = 0;
    virtual void PlaceEditor(TMessageTable& table) = 0;
    virtual void InvalidateGrid() = 0;
};

// The one in-place edit of a message cell: which editor, on which panel, edits which
// message slot and language. While `editor` is set, the message in `slot` exists.
class TCellEdit
{
public:
    explicit TCellEdit(CellEditHost& host) : m_host(host) {}

    bool IsOpen() const { return editor != nullptr; }

    // Loads the message's text into the editor, lays the editor over the cell and shows it.
    void BeginCellEdit(TMessageTable& table, QTextEdit* cellEditor, QWidget* cellPanel, int cellSlot,
                       int cellLanguage);
    // Takes the editor's text into the table when it differs; the edit stays open. A text
    // the text file cannot hold is refused with a message: it stays in the editor, the
    // table keeps the old one, and the result is false.
    bool StoreCellEdit(TMessageTable& table);
    // Stores, hides the editor and ends the edit; false (and still open) when refused.
    bool EndCellEdit(TMessageTable& table);
    // Ends the edit without storing, for a table that is going away unsaved.
    void Abandon();
    // Takes what was typed into the table at once (through `store`), so that every change
    // is an undo step; a text the file cannot hold waits for StoreCellEdit's refusal.
    void FollowTyping(TMessageTable& table);

    // Puts a changed text into the table; without it the text is written directly.
    std::function<void(TMessageTable& table, int slot, int language, const QByteArray& text)> store;

    QTextEdit* editor = nullptr;
    QWidget* panel = nullptr;
    qint16 slot = 0;
    qint16 language = 0;
    QFont savedFont;

private:
    QByteArray editorText() const;
    void put(TMessageTable& table, const QByteArray& text);

    CellEditHost& m_host;
    // The editor's text as loaded or last stored: a cell only opened is not changed.
    QByteArray m_stored;
    bool m_loading = false;
};
