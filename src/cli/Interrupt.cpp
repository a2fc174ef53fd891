#include "cli/Interrupt.h"

#include <csignal>

namespace {

std::atomic<bool>* g_abortFlag = nullptr;
volatile std::sig_atomic_t g_signal = SIGINT;

extern "C" void OnInterrupt(int signal)
{
    // Only lock-free values are touched here; the next wait of the link ends the run.
    g_signal = signal;
    if (g_abortFlag)
        g_abortFlag->store(true);
}

} // namespace

namespace cli {

struct InterruptGuard::Saved
{
    struct sigaction previousInt{};
    struct sigaction previousTerm{};
};

InterruptGuard::InterruptGuard(std::atomic<bool>& flag) : saved(new Saved)
{
    g_abortFlag = &flag;
    struct sigaction action{};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &saved->previousInt);
    sigaction(SIGTERM, &action, &saved->previousTerm);
}

InterruptGuard::~InterruptGuard()
{
    sigaction(SIGINT, &saved->previousInt, nullptr);
    sigaction(SIGTERM, &saved->previousTerm, nullptr);
    g_abortFlag = nullptr;
    delete saved;
}

int AbortExitCode()
{
    return 128 + static_cast<int>(g_signal);
}

} // namespace cli
