#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <atomic>
#include <thread>

#include "capture/FrameRoad.h"
#include "CameraTestSupport.h"
#include "capture/StudioGeometry.h"

using capture::CCaptureDevice;
using capture::FrameRoad;
using capture_test::OpenPatternCamera;
using namespace std::chrono_literals;

namespace {

struct CountingSink : capture::PreviewSink {
    std::atomic<int> frames{0};
    void PresentPreview(const cv::Mat& frame) override {
        if (frame.cols == 480 && frame.rows == 360) ++frames;
    }
};

}  // namespace

TEST(Capture_FrameRoad, WithoutACameraEveryPassOutputsBlack) {
    FrameRoad frameRoad;
    const auto slot = frameRoad.outputFrames.Attach();
    frameRoad.RunPass();
    capture::PublishedFrame published;
    EXPECT_TRUE(slot->Take(published, 0ms));
    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    ASSERT_EQ(output.size(), cv::Size(320, 240));
    EXPECT_EQ(cv::countNonZero(output.reshape(1)), 0);
}

TEST(Capture_FrameRoad, WorkerTurnsTicksIntoPreviewAndOutputFramesAndStopsWhenAsked) {
    FrameRoad frameRoad;
    CountingSink sink;
    frameRoad.previewSink = &sink;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    frameRoad.ReplaceDevice(std::move(device));

    const auto slot = frameRoad.outputFrames.Attach();
    std::thread worker([&] { capture::CaptureWorker(&frameRoad); });
    capture::PublishedFrame published;
    for (int tick = 0; tick < 3; ++tick) {
        frameRoad.tickEvent.Set();
        ASSERT_TRUE(slot->Take(published, 5s));
    }
    EXPECT_GE(sink.frames.load(), 3);
    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    EXPECT_GT(cv::countNonZero(output.reshape(1)), 0) << "the output carries the camera picture";

    frameRoad.stopCapture = 1;
    frameRoad.tickEvent.Set();
    worker.join();
    EXPECT_EQ(frameRoad.captureStopped.load(), 1);
}

TEST(Capture_FrameRoad, FailedGrabKeepsTheLastPicture) {
    FrameRoad frameRoad;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    frameRoad.ReplaceDevice(std::move(device));
    frameRoad.RunPass();
    cv::Mat before;
    frameRoad.CopyOutputFrame(before);

    // A device that failed to open stays current and yields nothing.
    frameRoad.ReplaceDevice(std::make_unique<CCaptureDevice>());
    frameRoad.RunPass();
    cv::Mat after;
    frameRoad.CopyOutputFrame(after);
    EXPECT_EQ(cv::norm(before, after, cv::NORM_L1), 0.0);
}

TEST(Capture_FrameRoad, DeviceSwapsWhileTheWorkerRunsAreSafe) {
    FrameRoad frameRoad;
    std::thread worker([&] { capture::CaptureWorker(&frameRoad); });
    std::atomic<bool> ticking{true};
    std::thread ticker([&] {
        while (ticking) {
            frameRoad.tickEvent.Set();
            std::this_thread::sleep_for(2ms);
        }
    });
    for (int swap = 0; swap < 3; ++swap) frameRoad.ReplaceDevice(OpenPatternCamera());
    // The output is a whole frame even while it is being replaced.
    cv::Mat output;
    for (int copy = 0; copy < 20; ++copy) {
        frameRoad.CopyOutputFrame(output);
        ASSERT_EQ(output.size(), cv::Size(320, 240));
    }
    frameRoad.ReplaceDevice(nullptr);
    ticking = false;
    ticker.join();
    frameRoad.stopCapture = 1;
    frameRoad.tickEvent.Set();
    worker.join();
    EXPECT_EQ(frameRoad.captureStopped.load(), 1);
}

TEST(Capture_StudioGeometry, CropFillsTheStudioShapeFitLetterboxesAndTheMouseMapsBack) {
    // A 4:3 camera for a 16:9 studio frame loses rows at the top and bottom, centred; a wide
    // camera for a 4:3 one loses columns; equal shapes keep everything.
    EXPECT_EQ(capture::CropToFill({640, 480}, {1280, 720}), cv::Rect(0, 60, 640, 360));
    EXPECT_EQ(capture::CropToFill({1920, 1080}, {480, 360}), cv::Rect(240, 0, 1440, 1080));
    EXPECT_EQ(capture::CropToFill({1280, 720}, {1920, 1080}), cv::Rect(0, 0, 1280, 720));
    // A wide studio frame sits between bars above and below the preview; a 4:3 one fills it.
    EXPECT_EQ(capture::FitInto({1920, 1080}, {480, 360}), cv::Rect(0, 45, 480, 270));
    EXPECT_EQ(capture::FitInto({640, 480}, {480, 360}), cv::Rect(0, 0, 480, 360));
    EXPECT_EQ(capture::FitInto({360, 360}, {480, 360}), cv::Rect(60, 0, 360, 360));
    // The preview's mouse in studio pixels: identity in classic, scaled past the bars otherwise.
    EXPECT_EQ(capture::DisplayToPicture({150, 140}, {480, 360}, {480, 360}), cv::Point(150, 140));
    EXPECT_EQ(capture::DisplayToPicture({240, 180}, {1280, 720}, {480, 360}), cv::Point(640, 360));
    EXPECT_EQ(capture::DisplayToPicture({0, 45}, {1920, 1080}, {480, 360}), cv::Point(0, 0));
    EXPECT_LT(capture::DisplayToPicture({10, 20}, {1920, 1080}, {480, 360}).y, 0) << "on a bar";
}

TEST(Capture_RoadConfig, RecordingSizeSettingReadsTheFourSizesAndAnythingElseAsClassic) {
    const capture::RoadConfig classic = capture::RoadConfig::Classic();
    EXPECT_EQ(classic.studio, (capture::FrameSize{480, 360}));
    EXPECT_EQ(classic.recording, (capture::FrameSize{320, 240}));
    EXPECT_EQ(classic.framesPerSecond, 20);
    for (const char* damaged : {"", "800x600", "1280x720junk", "1280 x 720", "-1280x720", "x",
                                "99999999999x720", "1280x"})
        EXPECT_TRUE(capture::RoadConfigFromText(damaged).IsClassic()) << damaged;
    EXPECT_TRUE(capture::RoadConfigFromText("320x240").IsClassic());
    const capture::RoadConfig hd = capture::RoadConfigFromText(" 1920x1080 ");
    EXPECT_EQ(hd.studio, (capture::FrameSize{1920, 1080}));
    EXPECT_EQ(hd.recording, hd.studio);
    EXPECT_EQ(hd.framesPerSecond, 30);
    EXPECT_EQ(capture::RecordingSizeText(hd), "1920x1080");
    // Brushes keep their share of the picture.
    EXPECT_EQ(capture::StudioPixels(classic, 5), 5);
    EXPECT_EQ(capture::StudioPixels(hd, 5), 15);
    EXPECT_EQ(capture::StudioPixels(capture::RoadConfigFromText("640x480"), 1), 1);
}
