#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

class QDialog;
class QDialogButtonBox;
class QWidget;

// Message boxes with German button texts, whatever translations are installed.
// Texts use "\r" as line break where the messages are quoted that way; it is shown as one.
namespace MessageBox {

// "Fehler" box with an OK button.
void Error(QWidget* parent, const QString& text,
           const QString& caption = QCoreApplication::translate("MessageBox", "Fehler"));

// "Warnung" box with an OK button: something worked, but not all of it.
void Warning(QWidget* parent, const QString& text,
             const QString& caption = QCoreApplication::translate("MessageBox", "Warnung"));

// Yes / No / Cancel question; returns QMessageBox::Yes, No or Cancel.
QMessageBox::StandardButton YesNoCancel(QWidget* parent, const QString& caption, const QString& text);

// Yes / No question; returns QMessageBox::Yes or No.
QMessageBox::StandardButton YesNo(QWidget* parent, const QString& caption, const QString& text);

// "OK" (the default) and "Abbruch" for a dialog, wired to its accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

} // namespace MessageBox
