#pragma once

#include <QFont>
#include <QTextCharFormat>
#include <QTextEdit>

// The rich-text editor laid over a grid cell: no frame, no wrapping, no input method,
// no scroll bars while the grid gives it the height its lines need (a message taller than
// the window gets a vertical one). It refuses what the
// display cannot show and reports what the grid must react to.
class CellEditor : public QTextEdit
{
    Q_OBJECT

public:
    explicit CellEditor(QWidget* parent = nullptr);

    void SetFonts(const QFont& standard, const QFont& graphics);
    void SetLineLength(int length) { m_lineLength = length; }
    // A search field: one line, Enter is ReturnPressed, and its own undo; a cell's undo
    // belongs to the project's history (the window's "Rückgängig").
    void SetSearchField();

    // The character format of plain, blink and graphics text as the rich-text bridge reads it.
    QTextCharFormat Format(bool graphics, bool blink) const;
    bool IsBlink(const QTextCharFormat& format) const;
    bool IsGraphics(const QTextCharFormat& format) const;

    // The attributes of the selection's first character, or those typing would use.
    QTextCharFormat SelectionFormat() const;

    int CaretColumn() const;
    int CaretLine() const;

Q_SIGNALS:
    void EscapePressed();
    // Enter in a search field.
    void ReturnPressed();
    // Tab (forward) or Shift+Tab (backward): the edit moves to the neighbouring cell.
    void TabPressed(bool forward);
    // The content's height changed (in pixels, whole lines).
    void HeightRequested(int height);
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    QByteArray selectedDisplayCodes() const;
    void insertDisplayCodes(const QByteArray& codes);

    QFont m_standard;
    QFont m_graphics;
    int m_lineLength = 0;
    bool m_searchField = false;
};
