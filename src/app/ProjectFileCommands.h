#pragma once

#include <QObject>
#include <QString>

class MainActions;
class MainWindow;

// "Speichern unter..." and "Löschen..." of the project menu.
class ProjectFileCommands : public QObject
{
    Q_OBJECT

public:
    explicit ProjectFileCommands(MainWindow& window);

    void Connect(MainActions& actions);

    // Saves the open project into another folder and continues there. A folder that
    // exists is replaced only after the user agreed, and then holds exactly the project.
    void SaveAs();
    // Moves a project folder to the trash (deletes it for good where there is none). The
    // open project is closed, without the save question, once its folder is gone.
    void Delete();

private:
    // Writes the project beside `target` and swaps it in; the project continues in `target`.
    void saveInto(const QString& target);

    MainWindow& m_window;
};
