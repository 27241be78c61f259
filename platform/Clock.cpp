#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace platform {
namespace {
std::atomic<bool> clockIsFixed{false};
std::atomic<uint32_t> fixedTimeMs{0};
}  // namespace

uint32_t Clock::NowMs() {
    if (clockIsFixed.load(std::memory_order_acquire)) return fixedTimeMs.load();
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

void Clock::SetFixedTime(uint32_t ms) {
    fixedTimeMs.store(ms);
    clockIsFixed.store(true, std::memory_order_release);
}

void Clock::UseSystemTime() { clockIsFixed.store(false, std::memory_order_release); }

}  // namespace platform
