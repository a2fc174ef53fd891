#pragma once

#include <QDialog>
#include <QSpinBox>

class TMessageTable;

// The number field of "Neue Meldung ": at most four digits, nothing else, 0 to 1023.
// A keystroke that would leave that range is refused, so the field keeps its last valid
// number ("2000" stays "200"); an empty field counts as 0.
class MessageNumberBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit MessageNumberBox(QWidget* parent = nullptr);

    QLineEdit* Editor() const { return lineEdit(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

// "Neue Meldung ": asks for the number of a new message. The caller may set `number`
// before showing it and reads it afterwards; OK is refused for a number that the current
// table already has.
class Neuemld : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxNumber = 1023;

    explicit Neuemld(QWidget* parent = nullptr);

    int number = 0;

    // The text table whose numbers are taken (the one the main window shows); not owned.
    void SetTable(const TMessageTable* table) { this->table = table; }

    MessageNumberBox* NumberBox() const { return numberBox; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TMessageTable* table = nullptr;
    MessageNumberBox* numberBox = nullptr;
};
