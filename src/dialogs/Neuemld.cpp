#include "dialogs/Neuemld.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "texts/MessageTable.h"

MessageNumberBox::MessageNumberBox(QWidget* parent)
    : QSpinBox(parent)
{
    setRange(0, Neuemld::MaxNumber);
    setWrapping(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setMaxLength(4);
}

QValidator::State MessageNumberBox::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (input.size() > 4)
        return QValidator::Invalid;
    for (const QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    if (input.isEmpty())
        return QValidator::Acceptable;
    return input.toInt() <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
}

int MessageNumberBox::valueFromText(const QString& text) const
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

Neuemld::Neuemld(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Neuemld"));
    setWindowTitle(tr("Neue Meldung "));

    auto* label = new QLabel(tr("Meldungsnummer:"), this);
    numberBox = new MessageNumberBox(this);
    numberBox->setMinimumWidth(80);
    label->setBuddy(numberBox);
    connect(numberBox, &QSpinBox::valueChanged, this, [this](int value) { number = value; });

    QDialogButtonBox* buttons = MessageBox::OkCancelButtons(this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(numberBox);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The window manager shows the caption with the program's name and its own buttons;
    // the fixed size must leave room for all of it, or the caption is cut.
    QString caption = windowTitle().trimmed();
    if (!QApplication::applicationDisplayName().isEmpty())
        caption += QStringLiteral(" — ") + QApplication::applicationDisplayName();
    QFont titleFont = font();
    titleFont.setBold(true);
    layout->addStrut(QFontMetrics(titleFont).horizontalAdvance(caption) * 5 / 4 + 140);

    InstallHelpKey(this, HelpContext::NewMessage);
}

void Neuemld::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    number = qBound(0, number, MaxNumber);
    numberBox->setValue(number);
    numberBox->setFocus();
    numberBox->selectAll();
}

void Neuemld::accept()
{
    // The typed text counts even if the field still has the focus.
    number = numberBox->Editor()->text().isEmpty() ? 0 : numberBox->value();
    if (table && table->IndexOf(number) >= 0) {
        MessageBox::Error(this, tr("Diese Meldung existiert schon !"));
        numberBox->setFocus();
        numberBox->selectAll();
        return;
    }
    QDialog::accept();
}
