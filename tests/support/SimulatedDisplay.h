#pragma once

#include <QByteArray>
#include <atomic>

#include "transfer/SerialLink.h"
#include "transfer/SimulatedDisplay.h"

namespace tavolin::test {

// The display's own pauses cut to a millisecond, so that no test waits for nothing. A wait
// for an answer that only a misbehaving display fails to give ends after answerMs: long
// enough for a loaded machine by default, short in tests of those failures.
TransferTiming FastTiming(int answerMs = 2000);

// The product's simulated display, which a test can also tell to misbehave.
class SimulatedDisplay : public TSimulatedDisplay
{
public:
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

    // A display that takes and sends bytesPerSecond and otherwise behaves.
    static Behaviour Paced(int bytesPerSecond);
    // A display that never answers the identification request.
    static Behaviour Silent();

    SimulatedDisplay();
    ~SimulatedDisplay() override;

    void SetBehaviour(const Behaviour& value);
    Behaviour GetBehaviour() const;

    // Stops reading from the line for a while, as a display that is busy elsewhere.
    void StallReading(int ms);

    // The CTS line the display drives (only links that ask for it can see it).
    std::atomic<bool> cts{true};

protected:
    QByteArray infoAnswer() override;
    char charSetReply(bool checksumOk) override;
    Reaction streamByte(int count, After& after) override;
    char streamReply() override;
    QByteArray charSetAnswer(const QByteArray& glyphs) override;
    bool readingPaused() override;

private:
    Behaviour behaviour;
    int silentLeft = 0;
    int answeredLeft = 0;
    std::atomic<qint64> stallUntilUs{0};
};

} // namespace tavolin::test
