#pragma once

#include <QDialog>
#include <array>

#include "project/DisplayType.h"

class QCheckBox;
class QPushButton;

// The transfer selection dialog: what a download sends. The choice persists in the
// settings value "Übertragen" as the sum of the bits of the ticked, shown boxes.
class Uebertragen : public QDialog
{
    Q_OBJECT

public:
    explicit Uebertragen(QWidget* parent = nullptr);

    // Decides which of the conditional boxes are shown; call before exec().
    void SetDisplayType(const TDisplayType& type);
    // The selection of the last OK (also written to "Übertragen").
    int SelectionMask() const { return selection; }

    // The boxes in bit order (0x01 … 0x20), for tests.
    QCheckBox* Box(int index) const { return boxes[static_cast<size_t>(index)]; }
    QPushButton* OkButton() const { return ok; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void boxClicked();
    void updateOk();
    bool shown(int index) const;

    std::array<QCheckBox*, 6> boxes{};
    QPushButton* ok = nullptr;
    TDisplayType displayType;
    int selection = 0;
};
