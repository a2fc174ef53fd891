#include "app/CharSetBox.h"

#include <QLineEdit>

CharSetBox::CharSetBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setMaxLength(MaxLength);
    setMinimumContentsLength(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &CharSetBox::Settled);
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] {
        m_timer.stop();
        Q_EMIT Confirmed();
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!m_quiet)
            m_timer.start();
    });
}

void CharSetBox::SetTextQuietly(const QString& text)
{
    m_quiet = true;
    setEditText(text);
    m_quiet = false;
}

void CharSetBox::SetNames(const QStringList& names)
{
    m_quiet = true;
    const QString text = currentText();
    clear();
    addItems(names);
    setEditText(text);
    m_quiet = false;
}
