#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "recording/SoundTimeline.h"

using recording::SoundTimeline;
using namespace std::chrono_literals;

namespace {

constexpr int kRate = 48000;

// `frames` stereo sample frames, all of value `value`.
std::vector<int16_t> Block(int frames, int16_t value) {
    return std::vector<int16_t>(static_cast<std::size_t>(2 * frames), value);
}

// The first frame of `sound` (stereo) that holds `value`, or -1.
int64_t FirstFrameOf(const std::vector<int16_t>& sound, int16_t value) {
    for (std::size_t i = 0; i < sound.size(); i += 2)
        if (sound[i] == value) return static_cast<int64_t>(i / 2);
    return -1;
}

}  // namespace

TEST(Recording_SoundTimeline, JitteryCaptureTimesStillGiveOneGaplessStream) {
    SoundTimeline timeline(kRate, 2);
    // 10 ms buffers whose capture times wobble by up to 3 ms around where they belong.
    const int jitter[] = {0, 3, -2, 1, -3, 2, 0, -1, 3, -2};
    for (int i = 0; i < 100; ++i)
        timeline.Add(10ms * i + 1ms * jitter[i % 10], Block(480, static_cast<int16_t>(i + 1)));
    std::vector<int16_t> sound;
    EXPECT_EQ(timeline.Take(1s, sound), kRate);
    ASSERT_EQ(sound.size(), 2u * kRate);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(FirstFrameOf(sound, int16_t(i + 1)), 480 * i) << i;
}

TEST(Recording_SoundTimeline, MicrophoneClockDriftNeverOutgrowsTheResyncThreshold) {
    SoundTimeline timeline(kRate, 2);
    // Ten minutes of a microphone whose 480-frame buffers take 10.005 ms of the system's clock:
    // 300 ms of drift by the end if the sample count alone placed them.
    const int64_t threshold = kRate * 20 / 1000;
    std::vector<int16_t> sound;
    int64_t worst = 0;
    for (int i = 0; i < 60'000; ++i) {
        const auto at = std::chrono::nanoseconds(int64_t(i) * 10'005'000);
        const int16_t mark = static_cast<int16_t>(i % 30'000 + 1);
        timeline.Add(at, Block(480, mark));
        if (i % 100 == 99) {
            // Hand out what lies before this buffer and look where the buffer 99 back landed.
            const int64_t before = timeline.Taken();
            sound.clear();
            timeline.Take(at - 500ms, sound);
            const int back = i - 60;
            const int64_t landed = FirstFrameOf(sound, static_cast<int16_t>(back % 30'000 + 1));
            if (landed < 0) continue;
            const int64_t expected = int64_t(back) * 10'005'000 * kRate / 1'000'000'000;
            worst = std::max<int64_t>(worst, std::llabs(before + landed - expected));
        }
    }
    EXPECT_GT(worst, 0) << "buffers of a run follow the microphone's clock";
    EXPECT_LE(worst, threshold + 1);
}

TEST(Recording_SoundTimeline, AStallBecomesSilenceAndWhatFollowsKeepsItsTime) {
    SoundTimeline timeline(kRate, 2);
    timeline.Add(0ms, Block(4800, 7));    // 0 - 100 ms
    timeline.Add(400ms, Block(4800, 9));  // the device stalled for 300 ms
    std::vector<int16_t> sound;
    timeline.Take(600ms, sound);
    ASSERT_EQ(sound.size(), 2u * 28800);
    EXPECT_EQ(FirstFrameOf(sound, 9), 19200) << "at 400 ms, not right after the first block";
    for (int64_t frame = 4800; frame < 19200; ++frame) ASSERT_EQ(sound[2 * frame], 0) << frame;
    for (int64_t frame = 24000; frame < 28800; ++frame) ASSERT_EQ(sound[2 * frame], 0) << frame;
}

TEST(Recording_SoundTimeline, ACaptureTimeFarAheadIsNotFilledUpTo) {
    SoundTimeline timeline(kRate, 2);
    timeline.Add(0ms, Block(4800, 7));
    // A clock that jumped ten hours: the sound goes on after the first block, and a time within
    // the lead still opens a gap as a stall does.
    timeline.Add(10h, Block(4800, 9));
    timeline.Add(3s, Block(4800, 5));
    std::vector<int16_t> sound;
    EXPECT_EQ(timeline.Take(4s, sound), 4 * kRate);
    EXPECT_EQ(FirstFrameOf(sound, 9), 4800);
    EXPECT_EQ(FirstFrameOf(sound, 5), 3 * kRate);
}

TEST(Recording_SoundTimeline, SoundBeforeTheStartOrForTimeHandedOutIsDropped) {
    SoundTimeline timeline(kRate, 2);
    timeline.Add(-50ms, Block(4800, 3));  // captured 50 ms before the start: its second half stays
    std::vector<int16_t> sound;
    timeline.Take(200ms, sound);
    EXPECT_EQ(FirstFrameOf(sound, 3), 0);
    EXPECT_EQ(sound[2 * 2399], 3);
    EXPECT_EQ(sound[2 * 2400], 0);
    // A buffer arriving after its time was handed out as silence keeps only its late part.
    timeline.Add(150ms, Block(4800, 5));
    sound.clear();
    EXPECT_EQ(timeline.Take(300ms, sound), 4800);
    EXPECT_EQ(FirstFrameOf(sound, 5), 0);
    EXPECT_EQ(sound[2 * 2399], 5);
    EXPECT_EQ(sound[2 * 2400], 0);
}
