#include "transfer/SimulatedDisplay.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <thread>

#include "common/Language.h"
#include "common/TavolinError.h"

#if defined(Q_OS_UNIX)
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#if defined(Q_OS_MACOS)
#include <util.h>
#else
#include <pty.h>
#endif
#endif

namespace {

void SleepUntilUs(qint64 when)
{
    const qint64 now = TDisplaySimulator::NowUs();
    if (when > now)
        std::this_thread::sleep_for(std::chrono::microseconds(when - now));
}

} // namespace

QString TSimulatedDisplay::NotAvailableText()
{
    return QCoreApplication::translate("SimulatedDisplay",
                                       "Die simulierte Anzeige gibt es unter diesem Betriebssystem nicht.");
}

namespace {
const char* const SimulatedPortName = QT_TRANSLATE_NOOP("SimulatedDisplay", "Simulierte Anzeige");
}

QString TSimulatedDisplay::PortSetting()
{
    return QString::fromUtf8(SimulatedPortName);
}

QString TSimulatedDisplay::PortLabel()
{
    return QCoreApplication::translate("SimulatedDisplay", SimulatedPortName);
}

bool TSimulatedDisplay::IsPort(const QString& port)
{
    static const QStringList names = Language::InEveryLanguage("SimulatedDisplay", SimulatedPortName);
    return names.contains(port) || port == PortLabel();
}

TSimulatedDisplay& TSimulatedDisplay::Shared()
{
    static TSimulatedDisplay display;
    static const bool configured = [] {
        Options options = display.GetOptions();
        options.bytesPerSecond = FastRate;
        options.xoffEvery = XoffEvery;
        display.SetOptions(options);
        // Its thread ends with the application, before the program's statics go away.
        if (QCoreApplication::instance())
            qAddPostRoutine([] { display.Stop(); });
        return true;
    }();
    Q_UNUSED(configured);
    return display;
}

#if defined(Q_OS_UNIX)

struct TSimulatedDisplay::Line
{
    int master = -1;
    int slave = -1;
    QString name;
    std::thread worker;
};

namespace {

bool MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    // No byte of the protocol may be translated or swallowed (XON/XOFF, CR, 0x19, 0x1A).
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

bool TSimulatedDisplay::Available()
{
    return true;
}

TSimulatedDisplay::TSimulatedDisplay(bool start) : line(std::make_unique<Line>())
{
    char name[256] = {};
    // The slave side stays open here, so that the line keeps working between two runs of
    // the editor (a pseudo-terminal whose last slave closed reports hang-ups).
    if (openpty(&line->master, &line->slave, name, nullptr, nullptr) != 0 || !MakeRaw(line->master)
        || !MakeRaw(line->slave)) {
        if (line->master >= 0)
            ::close(line->master);
        if (line->slave >= 0)
            ::close(line->slave);
        throw TavolinError(QCoreApplication::translate("SimulatedDisplay",
                                                       "Die simulierte Anzeige kann keine Schnittstelle anlegen."));
    }
    fcntl(line->master, F_SETFL, fcntl(line->master, F_GETFL) | O_NONBLOCK);
    line->name = QString::fromLocal8Bit(name);
    if (start)
        Start();
}

TSimulatedDisplay::~TSimulatedDisplay()
{
    Stop();
    ::close(line->master);
    ::close(line->slave);
}

QString TSimulatedDisplay::PortName() const
{
    return line->name;
}

void TSimulatedDisplay::Start()
{
    if (line->worker.joinable())
        return;
    stop = false;
    line->worker = std::thread([this] { run(); });
}

void TSimulatedDisplay::Stop()
{
    stop = true;
    if (line->worker.joinable())
        line->worker.join();
}

void TSimulatedDisplay::send(const QByteArray& bytes)
{
    const int rate = GetOptions().bytesPerSecond;
    qint64 slot = NowUs();
    qsizetype done = 0;
    while (done < bytes.size() && !stop) {
        const qsizetype chunk = rate > 0 ? 1 : bytes.size() - done;
        if (rate > 0) {
            SleepUntilUs(slot);
            slot += 1000000 / rate;
        }
        const ssize_t n = ::write(line->master, bytes.constData() + done, static_cast<size_t>(chunk));
        if (n > 0) {
            done += n;
            continue;
        }
        // The editor's input is full: wait until it reads, or until we are stopped.
        pollfd fd{line->master, POLLOUT, 0};
        ::poll(&fd, 1, 5);
    }
}

void TSimulatedDisplay::run()
{
    char buffer[4096];
    while (!stop) {
        if (readingPaused()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        pollfd fd{line->master, POLLIN, 0};
        const qint64 before = NowUs();
        if (::poll(&fd, 1, 5) <= 0)
            continue;
        // Data that had to be waited for starts a new schedule; data already queued keeps
        // the line busy, as a UART clocks it, so a late wake-up does not slow the line.
        const qint64 arrived = NowUs();
        if (arrived - before > 200)
            nextSlotUs = std::max(nextSlotUs, arrived);
        const ssize_t n = ::read(line->master, buffer, sizeof buffer);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        const int rate = GetOptions().bytesPerSecond;
        for (ssize_t i = 0; i < n && !stop; ++i) {
            if (rate > 0) {
                SleepUntilUs(nextSlotUs);
                nextSlotUs += 1000000 / rate;
            }
            const Reaction reaction = Feed(buffer[i]);
            if (!reaction.answer.isEmpty())
                send(reaction.answer);
            if (reaction.pauseMs > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(reaction.pauseMs));
                nextSlotUs = NowUs();
            }
            if (!reaction.afterPause.isEmpty())
                send(reaction.afterPause);
        }
    }
}

namespace {

std::atomic<int> g_stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int number)
{
    g_stopSignal.store(number);
}

struct sigaction g_previousInt{};
struct sigaction g_previousTerm{};

} // namespace

TStopSignal::TStopSignal()
{
    g_stopSignal = 0;
    struct sigaction action{};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &g_previousInt);
    sigaction(SIGTERM, &action, &g_previousTerm);
}

TStopSignal::~TStopSignal()
{
    sigaction(SIGINT, &g_previousInt, nullptr);
    sigaction(SIGTERM, &g_previousTerm, nullptr);
}

int TStopSignal::Wait()
{
    // Whichever thread the signal hits only sets the flag; the caller sees it here.
    while (g_stopSignal.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return g_stopSignal.load();
}

#else // no pseudo-terminals

struct TSimulatedDisplay::Line
{
};

bool TSimulatedDisplay::Available()
{
    return false;
}

TSimulatedDisplay::TSimulatedDisplay(bool)
{
    throw TavolinError(NotAvailableText());
}

TSimulatedDisplay::~TSimulatedDisplay() = default;

QString TSimulatedDisplay::PortName() const
{
    return QString();
}

void TSimulatedDisplay::Start() {}
void TSimulatedDisplay::Stop() {}
void TSimulatedDisplay::send(const QByteArray&) {}
void TSimulatedDisplay::run() {}

TStopSignal::TStopSignal() {}
TStopSignal::~TStopSignal() {}

int TStopSignal::Wait()
{
    throw TavolinError(TSimulatedDisplay::NotAvailableText());
}

#endif
