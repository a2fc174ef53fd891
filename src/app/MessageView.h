#pragma once

#include <QWidget>
#include <memory>

#include "app/CellEdit.h"
#include "print/MessageCellPainter.h"
#include "project/DisplayType.h"

class CellEditor;
class MessageGrid;
class TCharSet;
class TMessageTable;

// The main window's central view: the message grid of the shown table, the editor panel
// laid over the edited cell, and the one in-place edit. It keeps row heights, the
// clipped-row and long-line marks and the editor's place in step with each other.
class MessageView : public QWidget, public CellEditHost
{
    Q_OBJECT

public:
    MessageView(const TCharSet& standard, const TCharSet& graphics, QWidget* parent = nullptr);
    ~MessageView() override;

    MessageGrid* Grid() const { return m_grid; }
    CellEditor* Editor() const { return m_editor; }
    QWidget* Panel() const { return m_panel; }
    TCellEdit& CellEdit() { return m_cellEdit; }
    bool EditorShown() const;

    // The table the grid shows (none: nothing is shown) and the project's display type.
    TMessageTable* Table() const { return m_table; }
    void SetTable(TMessageTable* table, const TDisplayType& type);
    const TDisplayType& DisplayType() const { return m_type; }
    int LanguageCount() const { return m_type.LanguageCount(); }
    // Hides the grid; the next layout sets the columns up again and shows it.
    void HideGrid();

    int MeasureTextHeight(const TMessageTable& table, int slot, int language, bool withHeader) const;
    int TextColumnWidth() const;
    // The grid width that shows the lines of the widest display type, in all its
    // languages, without scrolling sideways.
    int WidestGridWidth() const;
    void RemeasureStaleRows(TMessageTable& table);
    void RefreshLayout(TMessageTable& table);
    void LayoutGrid(TMessageTable& table, int requested);
    void PlaceEditor(TMessageTable& table) override;
    void CheckLineLength(TMessageTable& table) override;

    QFont StandardFont() const override;
    QFont GraphicsFont() const override;
    void InvalidateGrid() override;

    // Opens the edit of a message cell as a click on it does (slot, language).
    void OpenCell(int slot, int language);
    // Ends the open edit and gives the grid the focus on the edited cell.
    void CloseEdit();
    // Moves the edit to the next cell (the other language, then the next message), as
    // Tab does in a table; backwards for Shift+Tab. At either end the edit stays.
    void MoveEdit(bool forward);

    // Tells the status bar to follow (after a command changed the edit).
    void NotifyStatus() { Q_EMIT StatusChanged(); }

    // The glyph font of `face` is about to be replaced / is back.
    void FontGoing(const QString& face);
    void FontBack(const QString& face);

    int cellSlot = 0;
    int cellLanguage = 0;
    bool gridScrolled = false;

Q_SIGNALS:
    // The empty last row was clicked: a new message is wanted.
    void NewMessageRequested();
    // Caret, selection or edit changed; the status bar follows.
    void StatusChanged();
    void EditorContextMenu(const QPoint& globalPos);
    // The editor panel was shown or hidden.
    void EditorShownChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCellClicked();
    void onCellPressed(int col, int row, Qt::KeyboardModifiers modifiers);
    void onCellDragged(int col, int row);
    void onTopLeftChanged();
    void onGridFocus();
    void onHeightRequested(int height);
    void onGridResized();
    void selectRows(int top, int bottom, int currentCol);
    int lineHeight() const;
    // The room beside a column's text for the editor's scroll bar.
    int editorBarWidth() const;
    CellDrawContext drawContext() const;

    const TCharSet& m_standard;
    const TCharSet& m_graphics;
    MessageGrid* m_grid;
    QWidget* m_panel;
    CellEditor* m_editor;
    TCellEdit m_cellEdit;
    TMessageTable* m_table = nullptr;
    TDisplayType m_type;
    int m_anchorRow = 1;
    QString m_rememberedFace;
};
