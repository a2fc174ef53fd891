#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;
class CharSetBox;
class MessageView;
class ProjectSession;

// The main window's menus, tool bar and their commands, with the one place that decides
// which of them are enabled and shown.
class MainActions : public QObject
{
    Q_OBJECT

public:
    // Follows the session and the view from the start.
    MainActions(QMainWindow* window, const ProjectSession& session, const MessageView& view);

    // Project menu
    QAction* open;
    QAction* recent;
    QAction* save;
    QAction* saveAs;
    QAction* close;
    QAction* deleteProject;
    QAction* transfer;
    QAction* transferSeveral;
    QAction* compare;
    QAction* exportTranslation;
    QAction* importTranslation;
    QAction* translationStatus;
    QAction* compareProject;
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
    QAction* redo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* remove;
    QAction* blinkOn;
    QAction* blinkOff;
    QAction* graphicsOn;
    QAction* graphicsOff;
    QAction* find;
    QAction* findNext;
    QAction* findPrevious;
    QAction* replace;
    QAction* editCharSet;
    QAction* importCharSet;
    QAction* systemSettings;
    // "&Ansicht" menu; the preview dock adds its own entry
    QAction* goToMessage;
    // "?" menu
    QAction* help;
    QAction* about;
    // Tool bar
    QAction* toolOpen;
    QAction* toolSave;
    QAction* toolEditCharSet;
    QAction* toolPrint;
    // "Sprache1" and "Sprache2" each: print, preview, PDF; the tool button shows printMenu.
    QMenu* printMenu;
    QMenu* previewMenu;
    QMenu* pdfMenu;

    QMenu* projectMenu;
    QMenu* editMenu;
    QMenu* viewMenu;
    QMenu* helpMenu;
    QToolBar* toolBar;
    QLabel* charSetLabel;
    CharSetBox* charSetBox;

    // The editor's popup menu: undo, redo, cut, copy, paste, delete.
    QMenu* editorPopup;

    // The one place that sets what is enabled, shown and ticked, and the window caption:
    // project commands need an open project, editing commands the open editor, "&Löschen",
    // cut and copy the editor or a message, paste an open project, "Sprache wechseln" a second language; the table entries
    // are shown only for a display type with diagnostic texts, the table shown ticked.
    void Update();

    // The find bar is shown: "Blink" and "Grafik" work in its fields too.
    bool searchFieldsShown = false;

private:
    // "Rückgängig" and "Wiederherstellen" name the step they take back or do again.
    void updateHistory();

    QMainWindow* m_window;
    const ProjectSession& m_session;
    const MessageView& m_view;
};
