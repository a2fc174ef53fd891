#pragma once

#include <QDialog>

#include "project/ProjectConfig.h"

class QListWidget;
class QPushButton;

// "zuletzt bearbeitete Projekte": reopens a project from the recent-projects list. On
// "Ö&ffnen" `state` holds the chosen project with its configuration and display type.
class Letzteprjdialog : public QDialog
{
    Q_OBJECT

public:
    explicit Letzteprjdialog(QWidget* parent = nullptr);

    TProjectState state;

    QListWidget* ProjectList() const { return list; }
    QPushButton* OpenButton() const { return openButton; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* list = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
