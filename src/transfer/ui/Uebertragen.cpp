#include "transfer/ui/Uebertragen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "common/SettingsStore.h"
#include "transfer/TransferProtocol.h"

namespace {

const char* const BoxCaptions[6] = {
    QT_TRANSLATE_NOOP("Uebertragen", "Systemeinstellungen"), QT_TRANSLATE_NOOP("Uebertragen", "Zeichensatz"),
    QT_TRANSLATE_NOOP("Uebertragen", "Sprache 1"),           QT_TRANSLATE_NOOP("Uebertragen", "Sprache 2"),
    QT_TRANSLATE_NOOP("Uebertragen", "Diagnosespache 1"),    QT_TRANSLATE_NOOP("Uebertragen", "Diagnosesprache 2")};
constexpr int SystemSettingsBox = 0;
constexpr int Language1Box = 2;

} // namespace

Uebertragen::Uebertragen(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Übertragen"));
    auto* group = new QGroupBox(tr("Zur Anzeige übertragen"), this);
    auto* groupLayout = new QVBoxLayout(group);
    for (int i = 0; i < 6; ++i) {
        boxes[static_cast<size_t>(i)] = new QCheckBox(tr(BoxCaptions[i]), group);
        boxes[static_cast<size_t>(i)]->setChecked(true);
        groupLayout->addWidget(boxes[static_cast<size_t>(i)]);
        connect(boxes[static_cast<size_t>(i)], &QCheckBox::clicked, this, &Uebertragen::boxClicked);
        connect(boxes[static_cast<size_t>(i)], &QCheckBox::toggled, this, &Uebertragen::updateOk);
    }

    auto* buttons = new QDialogButtonBox(this);
    ok = buttons->addButton(tr("Übertragen"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbruch"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    InstallHelpKey(this, HelpContext::TransferSelection);
}

void Uebertragen::SetDisplayType(const TDisplayType& type)
{
    displayType = type;
}

bool Uebertragen::shown(int index) const
{
    return (Selection::Allowed(displayType) & (1 << index)) != 0;
}

void Uebertragen::showEvent(QShowEvent* event)
{
    for (int i = 0; i < 6; ++i)
        boxes[static_cast<size_t>(i)]->setVisible(shown(i));
    const QString stored = SettingsStore::Read(SettingsStore::Key::TransferSelection).trimmed();
    bool ok = false;
    const int mask = stored.toInt(&ok, 10);
    // Text that is no number leaves the boxes as they were rather than failing to open.
    if (ok) {
        for (int i = 0; i < 6; ++i)
            boxes[static_cast<size_t>(i)]->setChecked((mask & (1 << i)) != 0);
    }
    updateOk();
    QDialog::showEvent(event);
}

void Uebertragen::boxClicked()
{
    // Language 1 always travels with the system settings.
    if (boxes[Language1Box]->isChecked())
        boxes[SystemSettingsBox]->setChecked(true);
}

void Uebertragen::updateOk()
{
    // With nothing to send there is nothing to open the port for.
    bool any = false;
    for (int i = 0; i < 6; ++i)
        any = any || (shown(i) && boxes[static_cast<size_t>(i)]->isChecked());
    ok->setEnabled(any);
}

void Uebertragen::accept()
{
    if (!ok->isEnabled())
        return;
    selection = 0;
    for (int i = 0; i < 6; ++i) {
        if (shown(i) && boxes[static_cast<size_t>(i)]->isChecked())
            selection |= 1 << i;
    }
    SettingsStore::Write(SettingsStore::Key::TransferSelection, QString::number(selection));
    QDialog::accept();
}
