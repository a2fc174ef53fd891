#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

// "Versioninfo": one row per module of the program with its product and file name,
// its version and its maker.
class Versioninfo : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 16;

    explicit Versioninfo(QWidget* parent = nullptr);

    // The module files to list, the program first; without a list the dialog asks the
    // running process for its modules.
    void SetModules(const QStringList& paths) { modules = paths; }

    QTableWidget* Table() const { return table; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();

    QStringList modules;
    QTableWidget* table = nullptr;
};
