#pragma once

#include <memory>

#include "transfer/LinkTransport.h"

class QSerialPort;

// A local serial port on QtSerialPort. Queue sizes count Qt's buffer and the driver's.
class TSerialPortTransport : public TLinkTransport
{
public:
    TSerialPortTransport();
    ~TSerialPortTransport() override;

    QString Open(const QString& name, const LineSettings& line, const TransferTiming& timing) override;
    void Close(bool discardOutput) override;
    bool IsOpen() const override;
    qint64 Waiting() override;
    qint64 ToSend() override;
    void PushOutput(int ms) override;
    void WaitForInput(int ms) override;
    qint64 Read(char* buffer, qint64 max) override;
    qint64 Write(const char* data, qint64 count) override;
    void Discard(Queue which) override;
    QString Gone() override;
    quint32 TakeError() override;
    bool Cts(quint32& statusFlags) override;

private:
    int driverQueue(Queue which) const;

    std::unique_ptr<QSerialPort> port;
};
