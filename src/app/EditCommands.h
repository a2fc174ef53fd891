#pragma once

#include <QObject>

struct AppDialogs;
class MessageView;
class ProjectSession;
class QWidget;

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
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void SetBlink(bool on);
    void SetGraphics(bool on);
    // 0: operating texts, 1: diagnostic texts.
    void ShowTable(int index);
    void EditCharSet();
    void ImportCharSet();
    void ShowAbout();
    // The glyph editor chose a character (Windows code): typed in as a graphics character.
    void InsertGraphicsCharacter(int windowsCode);

private:
    bool editorOpen() const;

    ProjectSession& m_session;
    MessageView& m_view;
    AppDialogs& m_dialogs;
    QWidget& m_parent;
};
