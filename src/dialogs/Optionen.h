#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;

// "Optionen": the serial port for transfers and whether the start screen is shown.
// Every showing lists the ports present now and the device server addresses used last,
// and reads the settings; OK writes "Schnittstelle" and "Startbild" and remembers a
// typed network address.
class Optionen : public QDialog
{
    Q_OBJECT

public:
    explicit Optionen(QWidget* parent = nullptr);

    // The names the link can open, as the port list offers them: "COM3" on Windows,
    // the device path such as "/dev/ttyUSB0" elsewhere.
    static QStringList AvailablePortNames();
    // Proposed when "Schnittstelle" has no value and no port is present.
    static QString DefaultPortName();

    QComboBox* PortBox() const { return portBox; }
    QCheckBox* StartScreenBox() const { return startScreenBox; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* portBox = nullptr;
    QCheckBox* startScreenBox = nullptr;
};
