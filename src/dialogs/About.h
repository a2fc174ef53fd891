#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Versioninfo;

// "Info": what the program is, its version and copyright; "Versioninfo..." lists the modules.
class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget* parent = nullptr);

    // The dialog that "Versioninfo..." shows; not owned. Without one the button is disabled.
    void SetVersioninfo(Versioninfo* dialog);

    QLabel* VersionLabel() const { return version; }
    QPushButton* VersioninfoButton() const { return versioninfoButton; }

private:
    Versioninfo* versioninfo = nullptr;
    QLabel* version = nullptr;
    QPushButton* versioninfoButton = nullptr;
};
