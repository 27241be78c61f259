#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

namespace recording {

// Lays a microphone's sound on a recording's timeline by the capture times of its buffers, and
// hands it out as one gapless stream of interleaved 16-bit samples that starts at the recording's
// start.
//
// A buffer that follows on from the one before (its capture time within kResyncThreshold of
// where the previous one ended) is placed right after it: the sample count follows the
// microphone's own clock, so the small jitter of capture times never tears the sound. A buffer
// that comes later than that (the device stalled, or went away and came back) is placed at its
// capture time, the hole before it becoming silence; one that claims an earlier time (the
// microphone's clock ran ahead of the system's) is placed at its capture time too, its part that
// overlaps what is already laid being dropped. Either way the sound never drifts from the
// picture by more than kResyncThreshold, however long the recording. Sound captured before the
// start, or for a time already handed out, is dropped; time for which no sound came is handed out
// as silence. A capture time more than kLongestLead beyond what has been handed out (a clock that
// jumped) is not believed: the buffer goes on right after the sound already laid, so nothing is
// filled with silence up to a time the frames may never reach.
class SoundTimeline {
public:
    using Duration = std::chrono::nanoseconds;
    static constexpr Duration kResyncThreshold = std::chrono::milliseconds(20);
    static constexpr Duration kLongestLead = std::chrono::seconds(5);

    SoundTimeline(int sampleRate, int channels);

    // A buffer of interleaved samples whose first sample was captured `at` after the start.
    void Add(Duration at, std::span<const int16_t> interleaved);
    // Appends the timeline's samples from where the last Take ended up to `until` after the start
    // to `out`, silence where no sound was added. Returns the number of sample frames appended.
    int64_t Take(Duration until, std::vector<int16_t>& out);

    // Sample frames handed out so far.
    int64_t Taken() const { return taken_; }

private:
    int64_t FrameAt(Duration at) const;

    int sampleRate_;
    int channels_;
    int64_t taken_ = 0;               // frames handed out: pending_ starts at this frame
    std::vector<int16_t> pending_;    // laid, not yet handed out
    int64_t continuation_ = -1;       // where the next buffer of the same run lands; -1: none yet
};

}  // namespace recording
