#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class CharSetBox;

// The main window's menus, tool bar and their commands, with the one place that decides
// which of them are enabled and shown.
class MainActions : public QObject
{
    Q_OBJECT

public:
    explicit MainActions(QMainWindow* window);

    // Project menu
    QAction* open;
    QAction* recent;
    QAction* save;
    QAction* close;
    QAction* transfer;
    QAction* options;
    QAction* quit;
    // Edit menu
    QAction* operatingTexts;
    QAction* diagnosticTexts;
    QAction* tableSeparator;
    QAction* newMessage;
    QAction* previousMessage;
    QAction* nextMessage;
    QAction* switchLanguage;
    QAction* undo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* remove;
    QAction* blinkOn;
    QAction* blinkOff;
    QAction* graphicsOn;
    QAction* graphicsOff;
    QAction* editCharSet;
    QAction* importCharSet;
    QAction* systemSettings;
    // "?" menu
    QAction* help;
    QAction* about;
    // Tool bar
    QAction* toolOpen;
    QAction* toolSave;
    QAction* toolEditCharSet;

    QMenu* projectMenu;
    QMenu* editMenu;
    QMenu* helpMenu;
    QToolBar* toolBar;
    QLabel* charSetLabel;
    CharSetBox* charSetBox;

    // The editor's popup menu: undo, cut, copy, paste, delete.
    QMenu* editorPopup;

    // Enables what needs an open project; shows the table entries only for a display
    // type with diagnostic texts and ticks the table shown.
    void SetProjectOpen(bool open);
    void SetTables(bool hasDiagnosticTexts, int currentTable);
};
