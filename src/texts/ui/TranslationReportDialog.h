#pragma once

#include <QDialog>

#include "texts/Translation.h"

class QPushButton;

// What an import of a translation would do, before it is done: what it takes, what it
// refuses and why. With errors the user may still take what fits.
class TranslationReportDialog : public QDialog
{
    Q_OBJECT

public:
    TranslationReportDialog(const Translation::Plan& plan, const QString& fileName, QWidget* parent = nullptr);

    // The user chose to take what fits although the report holds errors.
    bool TakeWhatFits() const { return m_force; }

private:
    bool m_force = false;
};
