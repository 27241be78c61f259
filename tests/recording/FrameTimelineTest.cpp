#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "recording/FrameTimeline.h"

using recording::FrameTimeline;
using namespace std::chrono_literals;

TEST(Recording_FrameTimeline, FramesOnTimeAreEachWrittenOnce) {
    FrameTimeline timeline(20);
    for (int frame = 0; frame < 100; ++frame) {
        const FrameTimeline::FramePlan plan = timeline.OnFrame(frame * 50ms + 10ms);
        ASSERT_EQ(plan.repeatsOfLast, 0) << frame;
        ASSERT_TRUE(plan.writeNew) << frame;
    }
    EXPECT_EQ(timeline.OnStop(5000ms), 0);
    EXPECT_EQ(timeline.FramesWritten(), 100);
}

TEST(Recording_FrameTimeline, SlowRoadRepeatsTheLastFrame) {
    FrameTimeline timeline(20);
    EXPECT_TRUE(timeline.OnFrame(0ms).writeNew);
    // The next frame comes 180 ms later: slots 1 to 2 passed without one, slot 3 gets it.
    const FrameTimeline::FramePlan plan = timeline.OnFrame(180ms);
    EXPECT_EQ(plan.repeatsOfLast, 2);
    EXPECT_TRUE(plan.writeNew);
    EXPECT_EQ(timeline.FramesWritten(), 4);
}

TEST(Recording_FrameTimeline, FastRoadSkipsFramesWhoseSlotIsWritten) {
    FrameTimeline timeline(20);
    EXPECT_TRUE(timeline.OnFrame(5ms).writeNew);
    const FrameTimeline::FramePlan early = timeline.OnFrame(30ms);
    EXPECT_EQ(early.repeatsOfLast, 0);
    EXPECT_FALSE(early.writeNew);
    EXPECT_TRUE(timeline.OnFrame(55ms).writeNew);
    EXPECT_EQ(timeline.FramesWritten(), 2);
}

TEST(Recording_FrameTimeline, IdleFillsPastSlotsButLeavesTheCurrentOneForTheNextFrame) {
    FrameTimeline timeline(20);
    timeline.OnFrame(0ms);
    EXPECT_EQ(timeline.OnIdle(40ms), 0);
    EXPECT_EQ(timeline.OnIdle(1010ms), 19) << "slots 1 to 19";
    EXPECT_EQ(timeline.OnIdle(1040ms), 0);
    const FrameTimeline::FramePlan plan = timeline.OnFrame(1045ms);
    EXPECT_EQ(plan.repeatsOfLast, 0);
    EXPECT_TRUE(plan.writeNew) << "slot 20 was kept for this frame";
}

TEST(Recording_FrameTimeline, StopMakesTheFileAsLongAsTheRecording) {
    FrameTimeline stoppedAtOnce(20);
    EXPECT_EQ(stoppedAtOnce.OnStop(0ms), 1) << "at least one frame";

    FrameTimeline stalled(20);
    stalled.OnFrame(0ms);
    EXPECT_EQ(stalled.OnStop(10s), 199) << "a camera that stopped delivering still gives 10 s";

    FrameTimeline rounded(20);
    rounded.OnFrame(0ms);
    EXPECT_EQ(rounded.OnStop(1024ms), 19);  // 20.48 frames
    EXPECT_EQ(rounded.FramesWritten(), 20);
    FrameTimeline roundedUp(20);
    roundedUp.OnFrame(0ms);
    EXPECT_EQ(roundedUp.OnStop(1026ms), 20);  // 20.52 frames
}

TEST(Recording_FrameTimeline, FileStaysInStepWithTheClockWhateverTheFrameRate) {
    std::mt19937 random(17);
    for (int mean : {20, 50, 70, 140, 400}) {
        std::uniform_int_distribution<int> gap(mean / 2, mean * 3 / 2);
        FrameTimeline timeline(20);
        std::chrono::milliseconds now{0};
        while (now < 60s) {
            const bool frameCame = gap(random) % 5 != 0;  // every fifth wake-up is a time-out
            if (frameCame) {
                timeline.OnFrame(now);
            } else {
                timeline.OnIdle(now);
            }
            // Never ahead of the clock, never more than one slot behind after a frame.
            const int64_t started = now.count() * 20 / 1000 + 1;
            ASSERT_LE(timeline.FramesWritten(), started);
            if (frameCame) {
                ASSERT_EQ(timeline.FramesWritten(), started);
            }
            now += std::chrono::milliseconds(gap(random));
        }
        timeline.OnStop(now);
        EXPECT_NEAR(static_cast<double>(timeline.FramesWritten()), now.count() * 20 / 1000.0, 1.0)
            << "mean gap " << mean << " ms";
    }
}
