#pragma once

#include <QObject>

class MainWindow;

// The commands of the menu "&Bearbeiten", the editor's popup menu and the editing tool
// buttons. Commands that need the editor do nothing while it is closed; commands that
// need a table do nothing while no project is open.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    explicit EditCommands(MainWindow& window);

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

    MainWindow& m_window;
};
