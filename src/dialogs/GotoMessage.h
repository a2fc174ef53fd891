#pragma once

#include <QDialog>

class QLabel;
class MessageNumberBox;
class TMessageTable;

// "Gehe zu Meldung": asks for a message number of the shown table. For a number the
// table does not have it says which message OK goes to instead: the next one after it,
// or the last one when none follows.
class GotoMessage : public QDialog
{
    Q_OBJECT

public:
    explicit GotoMessage(QWidget* parent = nullptr);

    // The table to go to a message of, and the number offered first; not owned.
    void SetTable(const TMessageTable* table, int number);
    // After OK: the slot of the message to go to.
    int slot = -1;

    // The slot of `number`, else of the next message after it, else of the last; -1 for
    // an empty table.
    static int TargetSlot(const TMessageTable& table, int number);

    MessageNumberBox* NumberBox() const { return m_numberBox; }
    QLabel* Hint() const { return m_hint; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int typedNumber() const;
    void updateHint();

    const TMessageTable* m_table = nullptr;
    int m_number = 0;
    MessageNumberBox* m_numberBox;
    QLabel* m_hint;
};
