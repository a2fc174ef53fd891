#include "dialogs/Optionen.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSerialPortInfo>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "dialogs/StartScreenSetting.h"
#include "common/SettingsStore.h"
#include "transfer/NetworkPorts.h"
#include "transfer/SimulatedDisplay.h"

Optionen::Optionen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(tr("Optionen"));

    auto* portGroup = new QGroupBox(tr("Schnittstelle"), this);
    portBox = new QComboBox(portGroup);
    portBox->setEditable(true);
    portBox->setInsertPolicy(QComboBox::NoInsert);
    portBox->setMinimumContentsLength(18);
    auto* portLayout = new QVBoxLayout(portGroup);
    portLayout->addWidget(portBox);

    startScreenBox = new QCheckBox(tr("Startbild anzeigen"), this);

    QDialogButtonBox* buttons = MessageBox::OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(portGroup);
    layout->addWidget(startScreenBox);
    layout->addStretch(1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    InstallHelpKey(this, HelpContext::Options);
}

QStringList Optionen::AvailablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        names << info.portName();
#else
        names << info.systemLocation();
#endif
    }
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    names.removeDuplicates();
    return names;
}

QString Optionen::DefaultPortName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyS0");
#endif
}

void Optionen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    // Adapters come and go; list what is there each time rather than once at start-up.
    const QStringList ports = AvailablePortNames();
    portBox->clear();
    portBox->addItems(ports);
    // Download and read-back can be tried without a device; never proposed by itself.
    if (TSimulatedDisplay::Available())
        portBox->addItem(TSimulatedDisplay::PortLabel());
    // Displays behind device servers: the addresses used last, typed in once.
    portBox->addItems(NetworkPorts::Remembered());
    const QString stored = SettingsStore::Read(SettingsStore::Key::Port);
    if (TSimulatedDisplay::IsPort(stored))
        portBox->setEditText(TSimulatedDisplay::PortLabel());
    else if (!stored.isEmpty())
        portBox->setEditText(stored);
    else
        portBox->setEditText(ports.isEmpty() ? DefaultPortName() : ports.first());
    startScreenBox->setChecked(StartScreenSetting());
    portBox->setFocus();
    portBox->lineEdit()->selectAll();
}

void Optionen::accept()
{
    // The list shows the simulated display in the window's language; stored is one name.
    const QString port = portBox->currentText();
    SettingsStore::Write(SettingsStore::Key::Port, TSimulatedDisplay::IsPort(port) ? TSimulatedDisplay::PortSetting() : port);
    NetworkPorts::Remember({portBox->currentText()});
    WriteStartScreenSetting(startScreenBox->isChecked());
    QDialog::accept();
}
