#pragma once

#include <QList>
#include <QObject>

struct AppDialogs;
class MessageView;
class CellEditor;
class ProjectSession;
class QWidget;
struct HistoryPlace;

// The commands of the menu "&Bearbeiten", the editor's popup menu and the editing tool
// buttons. MainActions disables those that need the editor while it is closed and all of
// them while no project is open.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(ProjectSession& session, MessageView& view, AppDialogs& dialogs, QWidget& parent);

    void NewMessage();
    void Delete();
    void PreviousMessage();
    void NextMessage();
    void SwitchLanguage();
    // The project's history: the editor is closed and reopened at the changed cell.
    void Undo();
    void Redo();
    // In the editor: its selection. Otherwise whole messages: copy puts the selected rows'
    // messages on the clipboard, cut also removes them, paste inserts copied messages at
    // their numbers (asking before it replaces existing ones).
    void Cut();
    void Copy();
    void Paste();
    void SetBlink(bool on);
    void SetGraphics(bool on);
    // 0: operating texts, 1: diagnostic texts.
    void ShowTable(int index);
    // Selects a message of the operating texts in the grid.
    void ShowMessage(int number, int language);
    void EditCharSet();
    void ImportCharSet();
    void ShowAbout();
    // The glyph editor chose a character (Windows code): typed in as a graphics character.
    void InsertGraphicsCharacter(int windowsCode);

private:
    bool editorOpen() const;
    CellEditor* typingTarget() const;
    // Slots of the messages in the grid's selected rows (the empty last row aside).
    QList<int> selectedSlots() const;
    void afterMessagesChanged(int row);
    void step(bool back);
    // After an undo or redo: the grid shows the changed message, in the editor if one was open.
    void showRestored(const HistoryPlace& place);

    ProjectSession& m_session;
    MessageView& m_view;
    AppDialogs& m_dialogs;
    QWidget& m_parent;
    bool m_reopen = false;
};
