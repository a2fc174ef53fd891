#pragma once

#include <atomic>

namespace cli {

// Ctrl+C and SIGTERM set `flag` while this object lives, instead of ending the process.
class InterruptGuard
{
public:
    explicit InterruptGuard(std::atomic<bool>& flag);
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct Saved;
    Saved* saved;
};

// As for any program ended by a signal: 130 after Ctrl+C, 143 after SIGTERM.
int AbortExitCode();

} // namespace cli
