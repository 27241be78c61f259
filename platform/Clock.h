#pragma once

#include <cstdint>

namespace platform {

// The millisecond clock the effects run on. It wraps like the 32-bit tick counters it stands
// in for. Tests and the effect tool can pin it to a fixed time; everything else reads the
// monotonic system clock.
class Clock {
public:
    static uint32_t NowMs();
    // Pins the clock at `ms` until UseSystemTime is called.
    static void SetFixedTime(uint32_t ms);
    static void UseSystemTime();
};

}  // namespace platform
