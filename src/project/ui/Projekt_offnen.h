#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "project/ProjectConfig.h"

class Import1;
class PathBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Projekt Öffnen/Neu": opens a project below a base folder or sets up a new one, with its
// display type and text file names. Works on its own copy of the project state, which
// the main window puts in before showing and takes back after OK.
class Projekt_offnen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNameLength = 250;
    static constexpr int MaxFileNameLength = 251; // the name and ".txt" fit a configuration field
    static constexpr int FileRows = 4;

    explicit Projekt_offnen(QWidget* parent = nullptr);

    TProjectState state;
    bool isNewProject = false;
    bool readFromDisplay = false;

    // The dialog the four "Importieren..." buttons show; not owned.
    void SetImportDialog(Import1* dialog) { importDialog = dialog; }

    QString BaseFolder() const { return baseFolder; }
    // The folder the project named in the name box has (or will have).
    QString ProjectFolder() const;

    QListWidget* ProjectList() const { return projectList; }
    QLineEdit* NameBox() const { return nameBox; }
    QListWidget* TypeList() const { return typeList; }
    QComboBox* FileBox(int row) const { return fileRows[size_t(row)].box; }
    QPushButton* ImportButton(int row) const { return fileRows[size_t(row)].button; }
    bool FileRowShown(int row) const;
    QComboBox* ReferenceBox() const { return referenceBox; }
    PathBox* Path() const { return pathBox; }
    QPushButton* OkButton() const { return okButton; }
    QPushButton* ReadButton() const { return readButton; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct FileRow
    {
        QLabel* label = nullptr;
        QComboBox* box = nullptr;
        QPushButton* button = nullptr;
    };

    void fillProjects();
    void evaluateName();
    bool readConfig(const QString& folder);
    void selectProject(int row);
    void applyDisplayType();
    void showFileRows(quint8 flags);
    void refillFileBox(int row);
    void updateImportButtons();
    void importFile(int row);
    void baseFolderApplied(const QString& folder);
    bool confirm(bool fromDisplay);
    bool checkNames();

    Import1* importDialog = nullptr;
    QString baseFolder;
    QString projectFolder;
    bool filling = false;
    // The user picked a display type since the name last changed.
    bool typeChosen = false;

    QListWidget* projectList = nullptr;
    QLineEdit* nameBox = nullptr;
    QListWidget* typeList = nullptr;
    std::array<FileRow, FileRows> fileRows;
    QLabel* referenceLabel = nullptr;
    QComboBox* referenceBox = nullptr;
    PathBox* pathBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* readButton = nullptr;
};
