#include "support/SimulatedDisplay.h"

namespace tavolin::test {

TransferTiming FastTiming(int answerMs)
{
    TransferTiming t;
    t.infoByteMs = 300;
    t.infoRetryMs = 10;
    t.charSetCommandDelayMs = 1;
    t.itemPauseMs = 1;
    t.ctsItemPauseMs = 1;
    t.streamDelayMs = 1;
    t.charSetAnswerMs = answerMs;
    t.xonMs = answerMs;
    t.completionMs = answerMs;
    t.readBackByteMs = answerMs;
    t.readBackBlockMs = answerMs;
    return t;
}

SimulatedDisplay::Behaviour SimulatedDisplay::Paced(int bytesPerSecond)
{
    Behaviour behaviour;
    behaviour.bytesPerSecond = bytesPerSecond;
    return behaviour;
}

SimulatedDisplay::Behaviour SimulatedDisplay::Silent()
{
    Behaviour behaviour;
    behaviour.silentInfoRequests = -1;
    return behaviour;
}

SimulatedDisplay::SimulatedDisplay() : TSimulatedDisplay(false)
{
    Start();
}

SimulatedDisplay::~SimulatedDisplay()
{
    Stop();
}

void SimulatedDisplay::SetBehaviour(const Behaviour& value)
{
    std::lock_guard lock(mutex);
    behaviour = value;
    options.info = value.info;
    options.bytesPerSecond = value.bytesPerSecond;
    options.xoffEvery = value.xoffEvery;
    options.xonPauseMs = value.xonPauseMs;
    silentLeft = value.silentInfoRequests;
    answeredLeft = value.silentAfter;
}

SimulatedDisplay::Behaviour SimulatedDisplay::GetBehaviour() const
{
    std::lock_guard lock(mutex);
    return behaviour;
}

void SimulatedDisplay::StallReading(int ms)
{
    stallUntilUs = NowUs() + qint64(ms) * 1000;
}

bool SimulatedDisplay::readingPaused()
{
    return NowUs() < stallUntilUs;
}

QByteArray SimulatedDisplay::infoAnswer()
{
    if (answeredLeft > 0) {
        --answeredLeft;
        return TSimulatedDisplay::infoAnswer();
    }
    if (silentLeft != 0) {
        if (silentLeft > 0)
            --silentLeft;
        return {};
    }
    return behaviour.floodInfo ? QByteArray(5000, 'x') : TSimulatedDisplay::infoAnswer();
}

char SimulatedDisplay::charSetReply(bool checksumOk)
{
    return checksumOk ? behaviour.charSetAnswer : '1';
}

SimulatedDisplay::Reaction SimulatedDisplay::streamByte(int count, After& after)
{
    constexpr char Xoff = 0x13;
    if (count == behaviour.deadAfter) {
        after = After::Dead;
        return {};
    }
    if (count == behaviour.errorAfter) {
        after = After::Idle;
        return {QByteArray(1, Xoff) + behaviour.errorCode};
    }
    if (count == behaviour.xoffForeverAfter)
        return {QByteArray(1, Xoff)};
    return TSimulatedDisplay::streamByte(count, after);
}

char SimulatedDisplay::streamReply()
{
    return behaviour.streamAnswer;
}

QByteArray SimulatedDisplay::charSetAnswer(const QByteArray& glyphs)
{
    QByteArray out = TSimulatedDisplay::charSetAnswer(glyphs);
    if (behaviour.wrongReadBackChecksum)
        out.back() = static_cast<char>(out.back() ^ 0x01);
    if (behaviour.readBackCharSetBytes < CharSetSize)
        out.truncate(behaviour.readBackCharSetBytes);
    return out;
}

} // namespace tavolin::test
