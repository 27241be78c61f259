#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace capture {

// What the program's live pattern sources wait on between buffers: the time of the next one, cut
// short when the pipeline flushes or stops (the base source's unlock) until it runs again
// (unlock_stop).
class SourceWake {
public:
    // Waits until `time`; false when the wait was cut short, as the buffer is no longer wanted.
    bool WaitUntil(std::chrono::steady_clock::time_point time) {
        std::unique_lock lock(mutex_);
        return !wake_.wait_until(lock, time, [this] { return unlocked_; });
    }
    void Unlock() {
        std::lock_guard lock(mutex_);
        unlocked_ = true;
        wake_.notify_all();
    }
    void UnlockStop() {
        std::lock_guard lock(mutex_);
        unlocked_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool unlocked_ = false;
};

}  // namespace capture
