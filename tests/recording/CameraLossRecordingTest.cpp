#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "../capture/CameraTestSupport.h"
#include "AviProbe.h"
#include "capture/CameraSession.h"
#include "recording/RecorderWorker.h"

using capture::CameraState;
using capture_test::WaitUntil;

namespace {

struct IgnoredEvents : capture::CameraEvents {
    void CamerasChanged(const std::vector<capture::CameraDescription>&) override {}
    void CameraStateChanged(const std::string&, CameraState) override {}
    void CameraOpenFailed(const std::string&, capture::CameraFailure) override {}
};

}  // namespace

// The camera is unplugged and plugged in again while a recording runs: the recording goes on
// through the loss and the return, and its file is whole and as long as the time it ran.
TEST(Recording_CameraLoss, RecordingGoesOnThroughAnUnpluggedAndReturningCamera) {
    capture_test::PatternCameraPresence presence;
    capture_test::RunningRoad road;
    IgnoredEvents events;
    capture::CameraSession session(road.frameRoad, events, 320, 240);
    session.Start("");
    ASSERT_TRUE(WaitUntil([&] { return session.State() == CameraState::Live; }));

    const std::string path =
        (std::filesystem::temp_directory_path() / "quenvalor-camera-loss.avi").string();
    std::optional<std::string> failure;
    recording::RecorderOptions options;
    options.onFailure = [&](const std::string& message) { failure = message; };
    recording::RecorderWorker recorder(path, road.frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    const auto started = std::chrono::steady_clock::now();

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    presence.Unplug();
    EXPECT_TRUE(WaitUntil([&] { return session.State() == CameraState::Lost; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    presence.Plug();
    EXPECT_TRUE(WaitUntil([&] { return session.State() == CameraState::Live; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    recorder.StopAndWait();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    session.Stop();

    EXPECT_FALSE(failure.has_value());
    const recording::testing::AviFacts facts = recording::testing::ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_NEAR(facts.videoPackets, seconds * 20, 5);
    EXPECT_GT(facts.audioPackets, 0);
    std::filesystem::remove(path);
}
