#pragma once

#include <QString>
#include <memory>

#include "transfer/SerialLink.h"
#include "transfer/TransferProtocol.h"

class TransferObserver;

// One exchange with the display: opens the port, runs a download or a read-back, turns an
// error that ended it into the error text, and closes the port whatever happened.
class TTransferRun
{
public:
    explicit TTransferRun(TransferObserver& observer, TransferTiming timing = {});
    // With a link of the caller's (tests drive the CTS line through their own).
    TTransferRun(TransferObserver& observer, std::unique_ptr<TSerialLink> link);

    // True when the run ended without an error text.
    bool Run(const TransferJob& job);
    const QString& ErrorText() const { return errorText; }

    // Sets the abort flag; the next wait of the link ends the run.
    void Abort() { link->RequestAbort(); }
    TSerialLink& Link() { return *link; }

    // The port a job names, or the settings value "Schnittstelle"; "Simulierte Anzeige" (in
    // any of the program's languages) is the simulated display of this process.
    static QString PortOf(const TransferJob& job);

private:
    TransferObserver& observer;
    std::unique_ptr<TSerialLink> link;
    QString errorText;
};
