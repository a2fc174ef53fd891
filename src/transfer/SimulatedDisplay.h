#pragma once

#include <QString>
#include <atomic>
#include <memory>

#include "transfer/DisplaySimulator.h"

// A text display on the far end of a pseudo-terminal: the editor opens PortName() as its
// serial port, and a thread of this object answers as TDisplaySimulator says. Pseudo-
// terminals exist only on POSIX systems; elsewhere the constructor raises the German
// "not available" text (Available() tells beforehand).
class TSimulatedDisplay : public TDisplaySimulator
{
public:
    static bool Available();
    static QString NotAvailableText();

    // `start` false: a subclass that overrides the display's answers calls Start() at the
    // end of its constructor and Stop() in its destructor, so that the thread never sees a
    // half-built or half-destroyed object.
    explicit TSimulatedDisplay(bool start = true);
    ~TSimulatedDisplay() override;

    // The path the editor opens as its port.
    QString PortName() const;

    void Start();
    void Stop();

    // The settings value "Schnittstelle" that names the display of this process, the same
    // whatever the window's language.
    static QString PortSetting();
    // The name the port list shows for it, in the window's language.
    static QString PortLabel();
    // Whether a port as typed or stored names it: the settings value, or its label in any
    // of the program's languages (earlier versions stored the label).
    static bool IsPort(const QString& port);
    // The one simulated display of this process, started on first use, so that what a
    // download left in it is there for the next read-back.
    static TSimulatedDisplay& Shared();

protected:
    // True while the display does not read from the line (a test display that is busy).
    virtual bool readingPaused() { return false; }

private:
    struct Line;
    void run();
    void send(const QByteArray& bytes);

    std::unique_ptr<Line> line;
    std::atomic<bool> stop{false};
    qint64 nextSlotUs = 0; // line-rate pacing: when the next byte may pass
};

// Ctrl+C and SIGTERM as the way to end a program that serves the line until then: while
// this object lives they no longer end the process but let Wait() return.
class TStopSignal
{
public:
    TStopSignal();
    ~TStopSignal();
    TStopSignal(const TStopSignal&) = delete;
    TStopSignal& operator=(const TStopSignal&) = delete;

    // Blocks until one of the signals arrives; returns its number.
    int Wait();
};
