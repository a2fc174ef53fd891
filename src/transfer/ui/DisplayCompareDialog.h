#pragma once

#include <QDialog>

#include "transfer/DisplayCompare.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What a comparison of the project with the display found, as a list: per part the
// messages only in the project, only in the display or different (both texts below), the
// settings lines and the character codes. A message can be chosen ("Meldung zeigen",
// Enter or double click) to be selected in the grid.
class DisplayCompareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DisplayCompareDialog(const DisplayComparison& result, QWidget* parent = nullptr);

    // The message chosen when the dialog was accepted; number -1 when none.
    int ChosenNumber() const { return chosenNumber; }
    int ChosenLanguage() const { return chosenLanguage; }

    QTreeWidget* List() const { return list; }
    QPushButton* ShowButton() const { return showButton; }

private:
    void choose();
    void updateButton();
    static int NumberOf(const QTreeWidgetItem* item);

    QTreeWidget* list = nullptr;
    QPushButton* showButton = nullptr;
    int chosenNumber = -1;
    int chosenLanguage = 0;
};
