#include "support/SimulatedDisplay.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace tavolin::test {

namespace {

constexpr char Xoff = 0x13;
constexpr char Xon = 0x11;
constexpr char EndMark = 0x19;
constexpr char EndOfFile = 0x1A;
constexpr int CharSetSize = 1568;

const QByteArray StreamHeader = QByteArrayLiteral("\n\r\n\r     #$temp.txt\n\r\n\r");

qint64 NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SleepUntilUs(qint64 when)
{
    const qint64 now = NowUs();
    if (when > now)
        std::this_thread::sleep_for(std::chrono::microseconds(when - now));
}

void MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        throw std::runtime_error("tcgetattr");
    // No byte of the protocol may be translated or swallowed (XON/XOFF, CR, 0x19, 0x1A).
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        throw std::runtime_error("tcsetattr");
}

bool IsCommand(const QByteArray& bytes)
{
    if (bytes.size() != 6 || !bytes.startsWith("(14") || bytes[5] != ')')
        return false;
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return hex(bytes[3]) && hex(bytes[4]);
}

// The text file a display keeps: the stream without its header and end mark.
QByteArray StoredText(QByteArray stream)
{
    if (stream.startsWith(StreamHeader))
        stream.remove(0, StreamHeader.size());
    if (stream.endsWith("     \x19"))
        stream.chop(6);
    else if (stream.endsWith(EndMark))
        stream.chop(1);
    return stream;
}

} // namespace

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

SimulatedDisplay::SimulatedDisplay()
{
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    MakeRaw(master);
    MakeRaw(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    portName = QString::fromLocal8Bit(name);
    charSet = QByteArray(CharSetSize, '\0');
    worker = std::thread([this] { run(); });
}

SimulatedDisplay::~SimulatedDisplay()
{
    stop = true;
    if (worker.joinable())
        worker.join();
    ::close(master);
    ::close(slave);
}

void SimulatedDisplay::SetBehaviour(const Behaviour& value)
{
    std::lock_guard lock(mutex);
    behaviour = value;
    silentLeft = value.silentInfoRequests;
    answeredLeft = value.silentAfter;
}

SimulatedDisplay::Behaviour SimulatedDisplay::GetBehaviour() const
{
    std::lock_guard lock(mutex);
    return behaviour;
}

void SimulatedDisplay::SetCharSet(const QByteArray& pix)
{
    std::lock_guard lock(mutex);
    charSet = pix;
}

void SimulatedDisplay::SetTextFile(const QByteArray& targetCommand, const QByteArray& bytes)
{
    std::lock_guard lock(mutex);
    textFiles[targetCommand] = bytes;
}

QByteArray SimulatedDisplay::CharSet() const
{
    std::lock_guard lock(mutex);
    return charSet;
}

QByteArray SimulatedDisplay::TextFile(const QByteArray& targetCommand) const
{
    std::lock_guard lock(mutex);
    return textFiles.value(targetCommand);
}

bool SimulatedDisplay::CharSetChecksumOk() const
{
    std::lock_guard lock(mutex);
    return charSetOk;
}

QList<QByteArray> SimulatedDisplay::Commands() const
{
    std::lock_guard lock(mutex);
    QList<QByteArray> commands;
    for (const Item& item : items)
        commands.append(item.command);
    return commands;
}

QList<SimulatedDisplay::Item> SimulatedDisplay::Items() const
{
    std::lock_guard lock(mutex);
    return items;
}

QByteArray SimulatedDisplay::Received() const
{
    std::lock_guard lock(mutex);
    return received;
}

int SimulatedDisplay::CountOf(const QByteArray& command) const
{
    std::lock_guard lock(mutex);
    int n = 0;
    for (const Item& item : items)
        n += item.command == command ? 1 : 0;
    return n;
}

bool SimulatedDisplay::WaitForCommands(int n, int timeoutMs) const
{
    const qint64 end = NowUs() + qint64(timeoutMs) * 1000;
    for (;;) {
        {
            std::lock_guard lock(mutex);
            if (items.size() >= n)
                return true;
        }
        if (NowUs() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void SimulatedDisplay::ClearRecord()
{
    std::lock_guard lock(mutex);
    items.clear();
    received.clear();
}

void SimulatedDisplay::StallReading(int ms)
{
    stallUntilUs = NowUs() + qint64(ms) * 1000;
}

void SimulatedDisplay::paceLine(int bytesPerSecond)
{
    // A fixed schedule while bytes are queued, as a UART clocks them, so that a late
    // wake-up of this thread does not slow the line down.
    SleepUntilUs(nextSlotUs);
    nextSlotUs += 1000000 / bytesPerSecond;
}

void SimulatedDisplay::record(char c)
{
    // A test may clear the record while a block is still arriving.
    if (items.isEmpty())
        return;
    Item& item = items.last();
    const qint64 now = NowUs();
    if (item.data.isEmpty())
        item.firstUs = now;
    item.lastUs = now;
    item.data += c;
}

void SimulatedDisplay::send(const QByteArray& bytes)
{
    int rate = 0;
    {
        std::lock_guard lock(mutex);
        rate = behaviour.bytesPerSecond;
    }
    qint64 slot = NowUs();
    qsizetype done = 0;
    while (done < bytes.size() && !stop) {
        const qsizetype chunk = rate > 0 ? 1 : bytes.size() - done;
        if (rate > 0) {
            SleepUntilUs(slot);
            slot += 1000000 / rate;
        }
        const ssize_t n = ::write(master, bytes.constData() + done, static_cast<size_t>(chunk));
        if (n > 0) {
            done += n;
            continue;
        }
        // The editor's input is full: wait until it reads, or until we are stopped.
        pollfd fd{master, POLLOUT, 0};
        ::poll(&fd, 1, 5);
    }
}

void SimulatedDisplay::run()
{
    char buffer[4096];
    while (!stop) {
        if (NowUs() < stallUntilUs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        pollfd fd{master, POLLIN, 0};
        const qint64 before = NowUs();
        if (::poll(&fd, 1, 5) <= 0)
            continue;
        // Data that had to be waited for starts a new schedule; data already queued
        // keeps the line busy.
        const qint64 arrived = NowUs();
        if (arrived - before > 200)
            nextSlotUs = std::max(nextSlotUs, arrived);
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            // No one has the port open yet (or it was just closed).
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        int rate = 0;
        {
            std::lock_guard lock(mutex);
            rate = behaviour.bytesPerSecond;
        }
        for (ssize_t i = 0; i < n && !stop; ++i) {
            if (rate > 0)
                paceLine(rate);
            handleByte(buffer[i]);
        }
    }
}

void SimulatedDisplay::handleByte(char c)
{
    QByteArray answer;
    int pauseMs = 0;
    QByteArray afterPause;
    {
        std::lock_guard lock(mutex);
        received += c;

        switch (state) {
        case State::Dead:
            return;
        case State::Idle:
            if (c == '(')
                pending = QByteArray(1, c);
            else if (!pending.isEmpty())
                pending += c;
            if (pending.size() == 6) {
                const QByteArray command = pending;
                pending.clear();
                if (IsCommand(command)) {
                    items.append({command, {}});
                    if (command == "(1418)") {
                        if (answeredLeft > 0) {
                            --answeredLeft;
                            answer = behaviour.info + '$';
                        } else if (silentLeft != 0) {
                            if (silentLeft > 0)
                                --silentLeft;
                        } else if (behaviour.floodInfo) {
                            answer = QByteArray(5000, 'x');
                        } else {
                            answer = behaviour.info + '$';
                        }
                    } else if (command == "(1412)") {
                        state = State::CharSet;
                        block.clear();
                    } else if (command == "(1407)") {
                        state = State::Stream;
                        block.clear();
                        streamCount = 0;
                        xoffSent = false;
                    } else if (command == "(1413)") {
                        QByteArray out;
                        char sum = 0;
                        for (int k = 0; k < CharSetSize && k < charSet.size(); ++k) {
                            const char value = static_cast<char>(charSet[k] & 0x1F);
                            sum ^= value;
                            out += static_cast<char>(value | 0x20);
                        }
                        if (behaviour.wrongReadBackChecksum)
                            sum ^= 0x01;
                        out.truncate(std::min<qsizetype>(out.size(), behaviour.readBackCharSetBytes));
                        if (behaviour.readBackCharSetBytes >= CharSetSize)
                            out += static_cast<char>(sum | 0x20);
                        answer = out;
                    } else if (command == "(140C)") {
                        answer = textFiles.value(target) + EndOfFile;
                    } else if (command.startsWith("(14E")) {
                        target = command;
                    }
                }
            }
            break;
        case State::CharSet:
            record(c);
            block += c;
            if (block.size() == CharSetSize + 1) {
                char sum = 0;
                QByteArray glyphs;
                for (int k = 0; k < CharSetSize; ++k) {
                    const char value = static_cast<char>(block[k] & ~0x20);
                    glyphs += value;
                    sum ^= value;
                }
                charSetOk = static_cast<char>(block[CharSetSize] & ~0x20) == sum;
                if (charSetOk)
                    charSet = glyphs;
                const char reply = charSetOk ? behaviour.charSetAnswer : '1';
                if (reply)
                    answer = QByteArray(1, reply);
                state = State::Idle;
            }
            break;
        case State::Stream:
            record(c);
            block += c;
            ++streamCount;
            if (c == EndMark) {
                textFiles[target] = StoredText(block);
                state = State::Idle;
                if (behaviour.streamAnswer)
                    answer = QByteArray(1, Xoff) + behaviour.streamAnswer;
            } else if (streamCount == behaviour.deadAfter) {
                state = State::Dead;
            } else if (streamCount == behaviour.errorAfter) {
                answer = QByteArray(1, Xoff) + behaviour.errorCode;
                state = State::Idle;
            } else if (streamCount == behaviour.xoffForeverAfter) {
                answer = QByteArray(1, Xoff);
            } else if (behaviour.xoffEvery > 0 && streamCount % behaviour.xoffEvery == 0) {
                answer = QByteArray(1, Xoff);
                pauseMs = behaviour.xonPauseMs;
                afterPause = QByteArray(1, Xon);
            }
            break;
        }
    }
    if (!answer.isEmpty())
        send(answer);
    if (pauseMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        nextSlotUs = NowUs();
    }
    if (!afterPause.isEmpty())
        send(afterPause);
}

} // namespace tavolin::test
