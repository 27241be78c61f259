#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

// An event that holds at most one pending signal and releases one waiter per signal.
// Signals that arrive while nobody waits are merged into one.
class AutoResetEvent {
public:
    explicit AutoResetEvent(bool initiallySignalled = false) : signalled_(initiallySignalled) {}
    AutoResetEvent(const AutoResetEvent&) = delete;
    AutoResetEvent& operator=(const AutoResetEvent&) = delete;

    void Set();
    // Blocks until the event is signalled, then clears it.
    void Wait();
    // As Wait, but gives up after `timeout`; returns whether the signal was taken.
    bool WaitFor(std::chrono::milliseconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable condition_;
    bool signalled_;
};

}  // namespace platform
