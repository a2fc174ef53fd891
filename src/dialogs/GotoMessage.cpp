#include "dialogs/GotoMessage.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "dialogs/Neuemld.h"
#include "texts/MessageTable.h"

GotoMessage::GotoMessage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GotoMessage"));
    setWindowTitle(tr("Gehe zu Meldung"));

    auto* label = new QLabel(tr("Meldungsnummer:"), this);
    m_numberBox = new MessageNumberBox(this);
    m_numberBox->setMinimumWidth(80);
    label->setBuddy(m_numberBox);
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);
    m_hint->setMinimumWidth(320);
    connect(m_numberBox->Editor(), &QLineEdit::textChanged, this, &GotoMessage::updateHint);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_numberBox);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_hint);
    layout->addWidget(MessageBox::OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    InstallHelpKey(this, HelpContext::GoToMessage);
}

void GotoMessage::SetTable(const TMessageTable* table, int number)
{
    m_table = table;
    m_number = number;
}

int GotoMessage::TargetSlot(const TMessageTable& table, int number)
{
    if (table.Count() == 0)
        return -1;
    for (int slot = 0; slot < table.Count(); ++slot)
        if (table.At(slot).number >= number)
            return slot;
    return table.Count() - 1;
}

int GotoMessage::typedNumber() const
{
    // An empty field counts as 0, as in "Neue Meldung ".
    return m_numberBox->Editor()->text().toInt();
}

void GotoMessage::updateHint()
{
    const int number = typedNumber();
    const int target = m_table ? TargetSlot(*m_table, number) : -1;
    if (target < 0) {
        m_hint->setText(tr("Die Tabelle enthält keine Meldung."));
        return;
    }
    const int found = m_table->At(target).number;
    if (found == number)
        m_hint->clear();
    else if (found > number)
        m_hint->setText(tr("Meldung %1 gibt es nicht. OK geht zur nächsten, Meldung %2.").arg(number).arg(found));
    else
        m_hint->setText(tr("Meldung %1 gibt es nicht. OK geht zur letzten, Meldung %2.").arg(number).arg(found));
}

void GotoMessage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_numberBox->setValue(qBound(0, m_number, TMessageTable::MaxNumber));
    updateHint();
    m_numberBox->setFocus();
    m_numberBox->selectAll();
}

void GotoMessage::accept()
{
    slot = m_table ? TargetSlot(*m_table, typedNumber()) : -1;
    if (slot < 0) {
        reject();
        return;
    }
    QDialog::accept();
}
