#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <atomic>
#include <memory>

class TLinkTransport;

// The texts a transfer raises or shows; the display and the users know them as they are.
namespace TransferText {
inline QString PortError()
{
    return QCoreApplication::translate("TransferText", "Schnittstellen Fehler !");
}
inline QString Aborted()
{
    return QCoreApplication::translate("TransferText", "Übertragung durch Anwender abgebrochen !");
}
inline QString BufferTooSmall()
{
    return QCoreApplication::translate("TransferText", "Buffer zur klein !!");
}
inline QString NotConnected()
{
    return QCoreApplication::translate("TransferText", "Anzeige nicht angeschloßen !");
}
inline QString TransferFailed()
{
    return QCoreApplication::translate("TransferText", "Fehler bei der Übertragung !");
}
inline QString ErrorCaption()
{
    return QCoreApplication::translate("TransferText", "Fehler bei der Übertragung");
}
inline QString Timeout()
{
    return QCoreApplication::translate("TransferText", "Timeout Fehler");
}
inline QString NoReply()
{
    return QCoreApplication::translate("TransferText", "Übertragungsfehler");
}
inline QString NoInfo()
{
    return QCoreApplication::translate("TransferText", "Kein Info !");
}
} // namespace TransferText

// Every time-out and pause of a transfer, in milliseconds. The defaults are the ones the
// displays are built for; tests shorten them so that no test waits for nothing.
struct TransferTiming
{
    int infoByteMs = 3000;         // each byte of the identification answer
    int infoRetryMs = 2000;        // pause before a repeated identification request
    int infoAttemptsPerItem = 60;  // identification attempts before each download item
    int charSetCommandDelayMs = 100;
    int charSetAnswerMs = 20000;   // the display's answer to the character set block
    int itemPauseMs = 4000;        // before the next item once a command went out
    int ctsItemPauseMs = 8000;     // the same after the character set with CTS handshake
    int streamDelayMs = 600;       // after "(1407)" before the first text byte
    int xonMs = 20000;             // XOFF without XON; also CTS held low, or a line that takes no byte
    int completionMs = 15000;      // the final answer after the end mark
    int readBackByteMs = 2000;     // each byte of the character set read back
    int readBackBlockMs = 2000;    // silence that ends a text read back
    int readIntervalMs = 10;       // one read call returns within this with what has arrived
    int writeTimeoutBaseMs = 10;   // a write may return early, after base + per byte
    int writeTimeoutPerByteMs = 10;
    int connectMs = 5000;          // a device server: connecting, and setting its port
};

// The byte pipe to the display: one serial port, 9600 baud 8N1, local or on a device server
// (see TLinkTransport), used from one thread. Every wait keeps the user interface alive and
// ends at once when the abort flag is set. Queue sizes of the port driver are emulated on
// top of the platform's buffers.
class TSerialLink
{
public:
    static constexpr int BaudRate = 9600;
    static constexpr int QueueSize = 4096;     // input and output queue of the port
    static constexpr int ReadLimit = 2000;     // more waiting than this when a read starts is an error

    explicit TSerialLink(TransferTiming timing = {});
    virtual ~TSerialLink();
    TSerialLink(const TSerialLink&) = delete;
    TSerialLink& operator=(const TSerialLink&) = delete;

    // Opens and configures the port ("COM3", "/dev/ttyUSB0", a pseudo-terminal path,
    // "tcp://HOST:PORT", "rfc2217://HOST:PORT"). Raises "Schnittstellen Fehler !" when that
    // fails, with the port and the reason on a second line.
    void Open(const QString& name);
    // Lets queued output leave (unless aborted), then closes. Safe to call when closed.
    void Close();
    bool IsOpen() const;

    // Refreshes the queue counts and the error state. A vanished device raises
    // "Schnittstellen Fehler !".
    void ClearErrors();

    // Pauses t ms, keeping the user interface alive.
    void Delay(int t);
    // Waits up to t ms until the output has left; returns the bytes still to send.
    int WaitSent(int t);
    // One byte within t ms, or -1.
    int ReadByte(int t);
    // Waits like ReadByte, then reads what arrives within one read interval (up to max bytes).
    int ReadBlock(int t, char* buffer, int max);
    // Sends a command as it is: 0 = sent, 1 = the port took nothing.
    int WriteText(const QByteArray& text);
    // One raw byte; false when the output queue had no room within the write time-out.
    bool WriteByte(char byte);
    // Bytes the display must still get although the run ends, also after an abort: written
    // and waited for within the time the line needs for them; a line that takes nothing
    // is not waited for longer.
    void SendFinally(const QByteArray& bytes);
    // Reads one byte that is already waiting (no wait); -1 when none.
    int TakeByte();
    // Throws away whatever has arrived and not been read.
    void DiscardInput();
    // The CTS line of the port.
    virtual bool CtsOn();

    // Lets pending window messages run and waits at most maxWaitMs for input.
    void Pump(int maxWaitMs = 0);
    // Raises the abort text when the user asked to abort.
    void CheckAbort() const;

    void RequestAbort() { abortRequested.store(true); }
    void ClearAbort() { abortRequested.store(false); }
    bool AbortRequested() const { return abortRequested.load(); }
    // For signal handlers: the flag itself (lock-free, so setting it is async-signal-safe).
    std::atomic<bool>& AbortFlag() { return abortRequested; }

    const TransferTiming& Timing() const { return timing; }
    void SetTiming(const TransferTiming& value) { timing = value; }

    quint32 statusFlags = 0;   // modem lines as last read
    quint32 bytesWaiting = 0;  // arrived and not read: our buffer plus the driver's input queue
    quint32 bytesToSend = 0;   // not yet on the line: our buffer plus the driver's output queue
    quint32 errors = 0;        // port error as last reported
    quint64 bytesSent = 0;     // handed to the port since Open
    bool ctsHandshake = false; // set before Open
    bool noInfoRequest = false;

private:
    // Waits up to t ms for input; raises "Buffer zur klein !!" when too much is waiting.
    void waitForInput(int t);
    void drainBeforeCommand();
    // Lets queued output leave, within a bound; the bytes still queued.
    quint32 drain(bool evenWhenAborted);
    void waitForRoom(int limitMs);
    [[noreturn]] void fail(const QString& reason) const;

    std::unique_ptr<TLinkTransport> port;
    QString portName;
    TransferTiming timing;
    std::atomic<bool> abortRequested{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
};

// Milliseconds from a monotonic clock, for the protocol's own waits.
class TStopwatch
{
public:
    TStopwatch() { timer.start(); }
    qint64 Elapsed() const { return timer.elapsed(); }
    bool Passed(qint64 ms) const { return timer.elapsed() >= ms; }

private:
    QElapsedTimer timer;
};
