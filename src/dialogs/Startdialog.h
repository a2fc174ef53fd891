#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// The start screen "Tavolin Editor": a picture over the whole window, the choice of what
// to do first, and whether to show it at the next start ("Startbild", written whenever the
// screen is left).
class Startdialog : public QDialog
{
    Q_OBJECT

public:
    enum Choice : int { NoChoice = 0, NewProject = 1, RecentProjects = 2 };

    explicit Startdialog(QWidget* parent = nullptr);

    int choice = NoChoice;

    QCheckBox* ShowAtStartBox() const { return showAtStart; }
    QPushButton* NewProjectButton() const { return newProject; }
    QPushButton* RecentProjectsButton() const { return recentProjects; }
    QPushButton* CancelButton() const { return cancel; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QCheckBox* showAtStart = nullptr;
    QPushButton* newProject = nullptr;
    QPushButton* recentProjects = nullptr;
    QPushButton* cancel = nullptr;
};
