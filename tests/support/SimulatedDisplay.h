#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

#include "transfer/SerialLink.h"

namespace tavolin::test {

// The display's own pauses cut to a millisecond, so that no test waits for nothing. A wait
// for an answer that only a misbehaving display fails to give ends after answerMs: long
// enough for a loaded machine by default, short in tests of those failures.
TransferTiming FastTiming(int answerMs = 2000);

// A text display on the far end of a pseudo-terminal, answering the transfer protocol
// from its own thread: identification, character set in both directions, paced text
// streams with XOFF/XON and answer digits, text files on request. It records everything
// it received and can be told to misbehave.
class SimulatedDisplay
{
public:
    static constexpr int LineRate = 960; // 10 bits a byte at 9600 baud
    // Fast for tests, yet slow enough that the editor may stall for half a second during a
    // read-back before more than the 2000 bytes it allows are waiting ("Buffer zur klein !!").
    static constexpr int ReadBackRate = 4000;

    struct Behaviour
    {
        QByteArray info = "QUON 3  V2.10  40x4";
        int bytesPerSecond = 0;      // pace both directions (LineRate: 9600 baud); 0: as fast as it goes
        int xoffEvery = 0;           // XOFF after every N bytes of a text stream (0: never)
        int xonPauseMs = 2;          // how long the display stays busy after an XOFF
        int silentInfoRequests = 0;  // leave this many identification requests unanswered (-1: all)
        int silentAfter = 0;         // ... after answering this many as usual
        bool floodInfo = false;      // answer the identification with 5000 bytes and no "$"
        char charSetAnswer = '0';    // answer to a correct character set block (0: none)
        char streamAnswer = '0';     // digit after the end mark (0: no answer at all)
        int errorAfter = -1;         // XOFF and errorCode after this many bytes of a stream
        char errorCode = '9';
        int xoffForeverAfter = -1;   // XOFF after this many bytes of a stream, never an XON
        int deadAfter = -1;          // after this many bytes of a stream the display goes dead
        bool wrongReadBackChecksum = false;
        int readBackCharSetBytes = 1568; // bytes of the set sent on "(1413)" (fewer: cut short)
    };

    struct Item
    {
        QByteArray command; // "(1412)", "(14E0)", ...
        QByteArray data;    // raw bytes that followed it up to the next command
        qint64 firstUs = 0; // steady-clock time of the first and the last data byte
        qint64 lastUs = 0;
    };

    // A display that takes and sends bytesPerSecond and otherwise behaves.
    static Behaviour Paced(int bytesPerSecond);

    SimulatedDisplay();
    ~SimulatedDisplay();
    SimulatedDisplay(const SimulatedDisplay&) = delete;
    SimulatedDisplay& operator=(const SimulatedDisplay&) = delete;

    // The path the editor opens as its port.
    QString PortName() const { return portName; }

    void SetBehaviour(const Behaviour& value);
    Behaviour GetBehaviour() const;

    // What the display holds and sends back: its character set (1568 bytes, ".pix" order)
    // and the text file per target command ("(14E0)", "(14E2)", ...).
    void SetCharSet(const QByteArray& pix);
    void SetTextFile(const QByteArray& target, const QByteArray& bytes);
    QByteArray CharSet() const;
    QByteArray TextFile(const QByteArray& target) const;
    // Whether the last character set block arrived with a correct checksum.
    bool CharSetChecksumOk() const;

    QList<QByteArray> Commands() const;
    QList<Item> Items() const;
    QByteArray Received() const; // every byte, in order
    int CountOf(const QByteArray& command) const;
    // Waits (up to timeoutMs) until at least n commands have arrived.
    bool WaitForCommands(int n, int timeoutMs) const;
    void ClearRecord();

    // Stops reading from the line for a while, as a display that is busy elsewhere.
    void StallReading(int ms);

    // The CTS line the display drives (only links that ask for it can see it).
    std::atomic<bool> cts{true};

private:
    enum class State { Idle, CharSet, Stream, Dead };

    void run();
    void handleByte(char c);
    void send(const QByteArray& bytes);
    void paceLine(int bytesPerSecond);
    void record(char c); // a data byte of the last command

    int master = -1;
    int slave = -1;
    QString portName;
    std::thread worker;
    std::atomic<bool> stop{false};
    std::atomic<qint64> stallUntilUs{0};

    mutable std::mutex mutex;
    Behaviour behaviour;
    State state = State::Idle;
    QByteArray pending;   // a command being collected
    QByteArray block;     // the character set block or text stream being received
    QByteArray target = "(14E0)";
    int streamCount = 0;
    bool xoffSent = false;
    int silentLeft = 0;
    int answeredLeft = 0;
    QByteArray charSet;
    bool charSetOk = false;
    QMap<QByteArray, QByteArray> textFiles;
    QList<Item> items;
    QByteArray received;
    qint64 nextSlotUs = 0; // line-rate pacing: when the next byte may pass
};

} // namespace tavolin::test
