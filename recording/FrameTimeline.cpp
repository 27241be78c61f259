#include "recording/FrameTimeline.h"

#include <algorithm>

namespace recording {
namespace {
constexpr int64_t kNanosecondsPerSecond = 1'000'000'000;
}

FrameTimeline::FrameTimeline(int framesPerSecond) : framesPerSecond_(framesPerSecond) {}

int64_t FrameTimeline::SlotsStarted(Duration elapsed) const {
    const int64_t nanoseconds = std::max<int64_t>(elapsed.count(), 0);
    return nanoseconds * framesPerSecond_ / kNanosecondsPerSecond + 1;
}

FrameTimeline::FramePlan FrameTimeline::OnFrame(Duration elapsed) {
    const int64_t due = SlotsStarted(elapsed) - written_;
    if (due <= 0) return {0, false};
    written_ += due;
    return {due - 1, true};
}

int64_t FrameTimeline::OnIdle(Duration elapsed) {
    const int64_t repeats = std::max<int64_t>(SlotsStarted(elapsed) - 1 - written_, 0);
    written_ += repeats;
    return repeats;
}

int64_t FrameTimeline::OnStop(Duration elapsed) {
    const int64_t nanoseconds = std::max<int64_t>(elapsed.count(), 0);
    const int64_t total = std::max<int64_t>(
        (nanoseconds * framesPerSecond_ + kNanosecondsPerSecond / 2) / kNanosecondsPerSecond, 1);
    const int64_t repeats = std::max<int64_t>(total - written_, 0);
    written_ += repeats;
    return repeats;
}

}  // namespace recording
