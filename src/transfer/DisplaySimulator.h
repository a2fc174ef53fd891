#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>
#include <mutex>

// The display's side of the transfer protocol, byte by byte: identification, the character
// set in both directions, paced text streams with XOFF/XON and the answer digit, text files
// on request. It keeps what it received and records every command. No port here: the
// simulated display (SimulatedDisplay.h) feeds it from a pseudo-terminal. Thread-safe: the
// line is served from its own thread while callers look at the record.
class TDisplaySimulator
{
public:
    static constexpr int LineRate = 960; // 10 bits a byte at 9600 baud
    // Four times a device's line: quick to try things with, yet the editor never finds more
    // waiting than it allows for one read (2000 bytes), even after a half-second stall.
    static constexpr int FastRate = 4000;
    static constexpr int XoffEvery = 128; // a display takes a text stream in portions
    static constexpr int CharSetSize = 1568;

    struct Options
    {
        QByteArray info = "QUON 3  V2.10  40x4"; // identification, in display codes
        int bytesPerSecond = 0;                   // pace both directions (LineRate: 9600 baud); 0: at once
        int xoffEvery = 0;                        // XOFF after every N bytes of a text stream (0: never)
        int xonPauseMs = 2;                       // how long the display stays busy after an XOFF
    };

    struct Item
    {
        QByteArray command; // "(1412)", "(14E0)", ...
        QByteArray data;    // raw bytes that followed it up to the next command
        qint64 firstUs = 0; // steady-clock time of the first and the last data byte
        qint64 lastUs = 0;
    };

    // What the display does after a byte: answer, stay busy for a while, answer again.
    struct Reaction
    {
        QByteArray answer;
        int pauseMs = 0;
        QByteArray afterPause;
    };

    // The targets a text file can go to, in the order of their file names E0 .. E3.
    static const QList<QByteArray>& Targets();

    TDisplaySimulator();
    virtual ~TDisplaySimulator();
    TDisplaySimulator(const TDisplaySimulator&) = delete;
    TDisplaySimulator& operator=(const TDisplaySimulator&) = delete;

    void SetOptions(const Options& value);
    Options GetOptions() const;
    // Each command received, in plain German (called from the line's thread).
    void SetLog(std::function<void(const QString&)> log);

    // What the display holds: its character set (1568 bytes, ".pix" order) and the text
    // file per target ("(14E0)", ...), stored without stream header and end mark.
    void SetCharSet(const QByteArray& pix);
    void SetTextFile(const QByteArray& target, const QByteArray& bytes);
    QByteArray CharSet() const;
    QByteArray TextFile(const QByteArray& target) const;
    // Whether the last character set block arrived with a correct checksum.
    bool CharSetChecksumOk() const;

    // Writes what the display holds into `folder` ("E0.txt" .. "E3.txt" for the targets that
    // hold a text, "glyphs.pix"), each file replaced whole or not at all.
    void Store(const QString& folder) const;
    // Takes over the files Store writes (those that exist) for the read-back.
    void Load(const QString& folder);

    QList<QByteArray> Commands() const;
    QList<Item> Items() const;
    QByteArray Received() const; // every byte, in order
    int CountOf(const QByteArray& command) const;
    // Waits (up to timeoutMs) until at least n commands have arrived.
    bool WaitForCommands(int n, int timeoutMs) const;
    void ClearRecord();

    // One byte from the line.
    Reaction Feed(char c);

    static qint64 NowUs();

protected:
    // What a well-behaved display does; a test display overrides these to misbehave.
    // All are called with the state locked.
    virtual QByteArray infoAnswer();
    virtual char charSetReply(bool checksumOk);
    // What follows a byte of a text stream: more of it, the display back at its commands
    // (after an error digit), or nothing at all any more.
    enum class After { Continue, Idle, Dead };
    // After byte `count` of a text stream (not the end mark).
    virtual Reaction streamByte(int count, After& after);
    // The digit after the end mark (0: none).
    virtual char streamReply();
    // The bytes sent on "(1413)": every glyph byte with bit 5 set, then the checksum.
    virtual QByteArray charSetAnswer(const QByteArray& glyphs);

    mutable std::mutex mutex;
    Options options;

private:
    enum class State { Idle, CharSet, Stream, Dead };

    Reaction command(const QByteArray& command);
    void record(char c);
    void log(const QString& text);

    State state = State::Idle;
    QByteArray pending; // a command being collected
    QByteArray block;   // the character set block or text stream being received
    QByteArray target = "(14E0)";
    int streamCount = 0;
    QByteArray charSet;
    bool charSetOk = false;
    QMap<QByteArray, QByteArray> textFiles;
    QList<Item> items;
    QByteArray received;
    std::function<void(const QString&)> logger;
};
