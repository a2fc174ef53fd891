#pragma once

#include <QDialog>
#include <QString>

class PathBox;
class QListWidget;
class QPushButton;

// "Import": picks a file of one extension from any project below any base folder.
// Text file mode copies the chosen file to `targetFile` (an existing one goes to the
// trash first, after asking); character set mode only asks and hands `sourceFile` back.
class Import1 : public QDialog
{
    Q_OBJECT

public:
    explicit Import1(QWidget* parent = nullptr);

    // Set by the caller before showing.
    QString targetPath; // without extension
    QString extension;  // without the dot
    bool charSetMode = false; // lasts for one showing

    // Kept from one showing to the next; the main window clears baseFolder when a project closes.
    QString baseFolder;
    QString projectName;

    // Results.
    QString sourcePath; // without extension
    QString sourceFile;
    QString targetFile;

    QListWidget* ProjectList() const { return projectList; }
    QListWidget* FileList() const { return fileList; }
    QPushButton* ImportButton() const { return importButton; }
    PathBox* Path() const { return pathBox; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillProjects();
    void projectChosen();
    void fileChosen();
    void importFile();
    bool copyTextFile();
    void baseFolderApplied(const QString& folder);
    // A file typed into the path box: its project and, if it has the extension, the file.
    void selectFile(const QString& file);

    QListWidget* projectList = nullptr;
    QListWidget* fileList = nullptr;
    PathBox* pathBox = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
