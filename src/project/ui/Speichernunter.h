#pragma once

#include <QDialog>
#include <QString>

class PathBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Projekt Speichern unter": picks the folder the open project is saved into, a name
// below a base folder. The main window puts the open project's folder into `target`
// before showing; after OK `target` is the chosen folder.
class Speichernunter : public QDialog
{
    Q_OBJECT

public:
    explicit Speichernunter(QWidget* parent = nullptr);

    QString target;

    QListWidget* ProjectList() const { return list; }
    QLineEdit* NameBox() const { return nameBox; }
    PathBox* Path() const { return pathBox; }
    QPushButton* OkButton() const { return okButton; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void selectName(const QString& name);

    QString baseFolder;
    QListWidget* list = nullptr;
    QLineEdit* nameBox = nullptr;
    PathBox* pathBox = nullptr;
    QPushButton* okButton = nullptr;
};
