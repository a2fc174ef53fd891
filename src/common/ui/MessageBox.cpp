#include "common/ui/MessageBox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

QString Displayed(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, Displayed(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("MessageBox", "OK")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBox", "&Ja")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("MessageBox", "&Nein")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("MessageBox", "Abbrechen")}};
    for (const auto& [button, name] : names)
        if (QAbstractButton* b = box.button(button))
            b->setText(QCoreApplication::translate("MessageBox", name));
    if (buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

namespace MessageBox {

void Error(QWidget* parent, const QString& text, const QString& caption)
{
    Run(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Warning(QWidget* parent, const QString& text, const QString& caption)
{
    Run(parent, QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton YesNoCancel(QWidget* parent, const QString& caption, const QString& text)
{
    return Run(parent, QMessageBox::Question, caption, text,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

QMessageBox::StandardButton YesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return Run(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes);
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(QCoreApplication::translate("MessageBox", "OK"));
    ok->setDefault(true);
    cancel->setText(QCoreApplication::translate("MessageBox", "Abbruch"));
    // Standard buttons bring the style's icons; the dialogs show text only.
    ok->setIcon(QIcon());
    cancel->setIcon(QIcon());
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace MessageBox
