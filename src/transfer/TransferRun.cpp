#include "transfer/TransferRun.h"

#include <exception>

#include "common/TavolinError.h"
#include "common/SettingsStore.h"
#include "transfer/SimulatedDisplay.h"
#include "transfer/TransferObserver.h"

TTransferRun::TTransferRun(TransferObserver& runObserver, TransferTiming timing)
    : observer(runObserver), link(std::make_unique<TSerialLink>(timing))
{
}

TTransferRun::TTransferRun(TransferObserver& runObserver, std::unique_ptr<TSerialLink> ownLink)
    : observer(runObserver), link(std::move(ownLink))
{
}

QString TTransferRun::PortOf(const TransferJob& job)
{
    const QString port = job.port.isEmpty() ? SettingsStore::Read(SettingsStore::Key::Port) : job.port;
    if (TSimulatedDisplay::IsPort(port))
        return TSimulatedDisplay::Shared().PortName(); // raises where there is none
    return port;
}

bool TTransferRun::Run(const TransferJob& job)
{
    errorText.clear();
    QStringList warnings;
    link->ctsHandshake = job.displayType.Has(dtCtsHandshake);
    link->noInfoRequest = job.displayType.Has(dtNoInfoQuery);
    try {
        link->Open(PortOf(job));
        TTransferProtocol protocol(*link, observer);
        if (job.download)
            protocol.Download(job);
        else
            protocol.ReadBack(job);
        warnings = protocol.Warnings();
    } catch (const TavolinError& error) {
        errorText = error.message();
    } catch (const std::exception& error) {
        errorText = QString::fromLocal8Bit(error.what());
    }
    link->Close();
    // Shown once the port is closed: a message box during the run would leave the
    // display's bytes unread.
    for (const QString& warning : warnings)
        observer.ShowMessage(TransferText::ErrorCaption(), warning);
    return errorText.isEmpty();
}
