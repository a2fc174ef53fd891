#pragma once

#include <QDialog>
#include <QString>

class PathBox;
class QListWidget;
class QPushButton;

// "Projekt Löschen": picks the project folder to delete below a base folder. The main
// window puts the open project's folder into `target` before showing; it stays the
// target when the user selects no other project.
class Loeschen : public QDialog
{
    Q_OBJECT

public:
    explicit Loeschen(QWidget* parent = nullptr);

    QString target;

    QListWidget* ProjectList() const { return list; }
    PathBox* Path() const { return pathBox; }
    QPushButton* DeleteButton() const { return deleteButton; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();

    QString baseFolder;
    QListWidget* list = nullptr;
    PathBox* pathBox = nullptr;
    QPushButton* deleteButton = nullptr;
};
