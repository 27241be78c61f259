// Recordings made in real time: the pattern camera through the whole frame road, and a recording
// whose process is killed.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "AviProbe.h"
#include "CrashWriter.h"
#include "RunningRoad.h"
#include "recording/RecorderWorker.h"

using capture::FrameRoad;
using recording::RecorderWorker;
using recording::testing::AviFacts;
using recording::testing::CommandOutput;
using recording::testing::FfprobeInstalled;
using recording::testing::ProbeAvi;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;
using SecondsD = std::chrono::duration<double>;

using recording::testing::RunningRoad;

// Beside the recorder, a consumer of the road's frames that takes one only every 300 ms: it loses
// frames of its own, and the recorder none.
TEST(Recording_LiveRecording, ThreeSecondsOfCameraPlayForThreeSecondsBesideASlowConsumer) {
    ScratchFolder folder;
    const std::string path = folder.File("live.avi");
    RunningRoad running;
    ASSERT_TRUE(running.frameRoad.HasDevice());
    const auto slowSlot = running.frameRoad.outputFrames.Attach();
    std::atomic<bool> stopSlow{false};
    std::thread slow([&] {
        capture::PublishedFrame frame;
        while (!stopSlow) {
            slowSlot->Take(frame, 100ms);
            std::this_thread::sleep_for(300ms);
        }
    });
    RecorderWorker recorder(path, running.frameRoad);
    std::string error;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(recorder.Start(error)) << error;
    std::this_thread::sleep_for(3s);
    recorder.RequestStop();
    const double recorded = SecondsD(std::chrono::steady_clock::now() - started).count();
    recorder.StopAndWait();
    stopSlow = true;
    slow.join();
    EXPECT_GT(slowSlot->Dropped(), 20u);
    EXPECT_EQ(recorder.FramesMissed(), 0u);

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_EQ(facts.streams, 2);
    EXPECT_NEAR(facts.videoPackets, recorded * 20, 1.5) << "recorded for " << recorded << " s";
    if (!FfprobeInstalled()) return;
    EXPECT_EQ(CommandOutput("ffprobe -v warning '" + path + "'"), "");
    const std::string duration = CommandOutput(
        "ffprobe -v error -select_streams v:0 -show_entries stream=duration -of csv=p=0 '" + path +
        "'");
    EXPECT_NEAR(std::atof(duration.c_str()), recorded, 0.08);
}

TEST(Recording_LiveRecording, KilledRecordingKeepsAllButItsLastSecond) {
    ScratchFolder folder;
    const std::string path = folder.File("killed.avi");
    const double recorded = recording::testing::RecordUntilKilled(path, 2600ms);
    ASSERT_GT(recorded, 0) << "the crash writer did not start recording";

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened) << "a cut-off recording still opens";
    EXPECT_EQ(facts.width, 320);
    EXPECT_GE(facts.videoPackets, std::floor((recorded - 1) * 20) - 1)
        << "killed after " << recorded << " s";
}
