#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <vector>

#include "transfer/SerialLink.h"
#include "transfer/TransferProtocol.h"

class QThread;

// Where one display of a run stands.
struct PortProgress
{
    enum class State { Waiting, Running, Done, Failed, Aborted };
    QString port;
    State state = State::Waiting;
    QString status;       // the item being sent
    int progress = 0;
    int maximum = 100;
    QString error;        // why it failed
    quint64 bytes = 0;    // handed to the line
    double seconds = 0;

    bool Finished() const { return state == State::Done || state == State::Failed || state == State::Aborted; }
    // "fertig", "abgebrochen" or "Fehler: ..." on one line.
    QString Result() const;
};

// One download to several displays at once: each port has its own thread, link and
// protocol state; the caller looks at Snapshot() as often as it likes.
class TMultiTransfer
{
public:
    TMultiTransfer(const TransferJob& job, const QStringList& ports, TransferTiming timing = {});
    ~TMultiTransfer();
    TMultiTransfer(const TMultiTransfer&) = delete;
    TMultiTransfer& operator=(const TMultiTransfer&) = delete;

    // The port list as typed: one port per line, blanks around it dropped, empty lines
    // skipped; a name may hold blanks ("Simulierte Anzeige"). Raises a German error for a
    // list without ports or a port named twice.
    static QStringList ParsePorts(const QString& text);
    // Raises the same error when two names of `ports` reach one port: a link and the
    // device it names, or one device server's host and port.
    static void RefuseDoublePorts(const QStringList& ports);
    // The list as "Anzeigenliste" keeps it: every port ends with a line break, so any name
    // survives. A stored value without a line break comes from earlier versions, which
    // separated the ports by blanks; there the simulated display's name stays one port.
    static QString StoredPortList(const QStringList& ports);
    static QStringList ReadStoredPortList(const QString& value);

    void Start();
    // Waits up to ms for every display; true when all have finished.
    bool Wait(int ms);
    // Every link ends at its next wait.
    void Abort();
    QList<PortProgress> Snapshot() const;
    bool AllSucceeded() const;

    // The table at the end: port, result, bytes, seconds.
    static QString Summary(const QList<PortProgress>& ports);

private:
    class Observer;
    void serve(int index);

    TransferJob job;
    mutable std::mutex lock;
    QList<PortProgress> states;
    std::vector<TSerialLink*> links;
    std::vector<std::unique_ptr<TSerialLink>> ownLinks;
    std::vector<std::unique_ptr<QThread>> threads;
};
