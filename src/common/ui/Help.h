#pragma once

#include <QString>

class QWidget;

// Help context numbers of the windows; each is an anchor "ctx<number>" in the help document.
namespace HelpContext {
enum : int {
    Contents = 0,
    MainWindow = 100,
    CellEditor = 101,
    OpenProject = 102,
    Import = 103,
    TransferSelection = 104,
    Print = 105,
    SystemSettings = 106,
    Options = 107,
    NewMessage = 109,
    GoToMessage = 110,
    CompareProject = 120,
};
}

// The help document shipped in the program folder.
QString HelpFilePath();

// Opens the help window (one, reused, not modal) at the section of the context; 0 shows
// the contents. It stays usable while a modal dialog is open, since it is attached to the
// window of `parent`. A missing help document is reported in a German message box.
void ShowHelp(QWidget* parent, int context);

// F1 anywhere in the window of `widget` opens the help at the context.
void InstallHelpKey(QWidget* widget, int context);
