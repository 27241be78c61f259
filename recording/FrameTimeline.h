#pragma once

#include <chrono>
#include <cstdint>

namespace recording {

// Keeps the timeline of a recording in step with the clock. Slot k of the file is shown from
// k / fps to (k + 1) / fps seconds after the start; a recording that lasts N seconds gets N x fps
// slots, whatever rate the frame road delivers frames at. When the frame road falls behind, the last
// frame fills the slots it missed; when it runs ahead, frames whose slot is already written are
// skipped. The recorder tells the timeline what happens and writes what it is told to.
class FrameTimeline {
public:
    using Duration = std::chrono::nanoseconds;

    struct FramePlan {
        int64_t repeatsOfLast;  // write the previous frame this many times first
        bool writeNew;          // then write the new frame once
    };

    explicit FrameTimeline(int framesPerSecond);

    // A new frame arrived `elapsed` after the start.
    FramePlan OnFrame(Duration elapsed);
    // No frame came for a while: the number of past slots to fill with the last frame. The slot
    // under way is left for the frame that is on its way.
    int64_t OnIdle(Duration elapsed);
    // The recording stops `elapsed` after the start: the number of times to write the last frame
    // so that the file lasts `elapsed` (rounded to a whole frame, at least one frame).
    int64_t OnStop(Duration elapsed);

    int64_t FramesWritten() const { return written_; }

private:
    // Slots whose start time has come by `elapsed`.
    int64_t SlotsStarted(Duration elapsed) const;

    int framesPerSecond_;
    int64_t written_ = 0;
};

}  // namespace recording
