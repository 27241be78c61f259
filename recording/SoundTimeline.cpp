#include "recording/SoundTimeline.h"

#include <algorithm>
#include <cstdlib>

namespace recording {

SoundTimeline::SoundTimeline(int sampleRate, int channels)
    : sampleRate_(sampleRate), channels_(channels) {
    // A few seconds of room, so laying sound does not allocate while a recording runs.
    pending_.reserve(static_cast<std::size_t>(4 * sampleRate_ * channels_));
}

int64_t SoundTimeline::FrameAt(Duration at) const {
    // Rounded to the nearest sample; the product fits in 64 bits for recordings of centuries.
    const int64_t ns = at.count();
    const int64_t half = ns >= 0 ? 500'000'000 : -500'000'000;
    return (ns * sampleRate_ + half) / 1'000'000'000;
}

void SoundTimeline::Add(Duration at, std::span<const int16_t> interleaved) {
    const int64_t frames = static_cast<int64_t>(interleaved.size()) / channels_;
    if (frames == 0) return;
    int64_t position = FrameAt(at);
    const int64_t threshold = FrameAt(kResyncThreshold);
    if (continuation_ >= 0 && std::llabs(position - continuation_) <= threshold) {
        position = continuation_;
    }
    const int64_t end = taken_ + static_cast<int64_t>(pending_.size()) / channels_;
    if (position > std::max(end, taken_ + FrameAt(kLongestLead))) position = end;
    continuation_ = position + frames;

    // What is already laid or handed out stays as it is.
    const int64_t skip = std::min(std::max<int64_t>(end - position, 0), frames);
    if (position > end) {
        pending_.insert(pending_.end(), static_cast<std::size_t>((position - end) * channels_), 0);
    }
    pending_.insert(pending_.end(), interleaved.begin() + skip * channels_,
                    interleaved.begin() + frames * channels_);
}

int64_t SoundTimeline::Take(Duration until, std::vector<int16_t>& out) {
    const int64_t target = std::max<int64_t>(FrameAt(until), 0);
    if (target <= taken_) return 0;
    const int64_t count = target - taken_;
    const int64_t laid =
        std::min<int64_t>(count, static_cast<int64_t>(pending_.size()) / channels_);
    out.insert(out.end(), pending_.begin(), pending_.begin() + laid * channels_);
    out.insert(out.end(), static_cast<std::size_t>((count - laid) * channels_), 0);
    pending_.erase(pending_.begin(), pending_.begin() + laid * channels_);
    taken_ = target;
    return count;
}

}  // namespace recording
