#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <atomic>
#include <thread>

#include "capture/FrameRoad.h"
#include "capture/StudioGeometry.h"
#include "effects/EffectEngine.h"
#include "tests/effects/LoaderTestSupport.h"

using capture::CCaptureDevice;
using capture::FrameRoad;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<CCaptureDevice> OpenPatternCamera() {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    auto device = std::make_unique<CCaptureDevice>();
    if (!device->OpenDevice(CCaptureDevice::GetDeviceCount() - 1, 320, 240)) return nullptr;
    return device;
}

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

namespace {

// Keeps where each preview came from and a copy of the last one.
struct KeepingSink : capture::PreviewSink {
    const uint8_t* lastData = nullptr;
    cv::Mat last;
    void PresentPreview(const cv::Mat& frame) override {
        lastData = frame.data;
        frame.copyTo(last);
    }
};

// A road with an effect engine and a sink that keeps the preview, and an effect file for it: an
// opaque pure-red block of 120 x 90 at (60, 45).
struct RedBlockRoad {
    explicit RedBlockRoad(const char* folderName) : folder(folderName) {
        engine.SetPaintMode(false);
        frameRoad.previewSink = &sink;
        frameRoad.effectEngine = &engine;
    }
    const effect_file_test::ScratchFolder folder;
    const std::string red = loader_test::WriteEffect(
        folder, "red.eft", loader_test::PictureDescriptor(1, {120, 90}, {60, 45}));
    effects::EffectEngine engine{480, 360};
    FrameRoad frameRoad;
    KeepingSink sink;
};

}  // namespace

TEST(Capture_FrameRoad, EffectsReachPreviewAndOutputButTheSelectionBorderOnlyThePreview) {
    // The red block, and a pattern camera behind it.
    RedBlockRoad road("frameRoad-effects");
    auto& [folder, red, engine, frameRoad, sink] = road;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    frameRoad.ReplaceDevice(std::move(device));

    // Nothing on: the camera picture is shown as it is, without a copy for the effects.
    frameRoad.RunPass();
    const uint8_t* cameraPicture = sink.lastData;
    frameRoad.RunPass();
    EXPECT_EQ(sink.lastData, cameraPicture);

    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    ASSERT_TRUE(engine.Select(0));
    frameRoad.RunPass();
    EXPECT_NE(sink.lastData, cameraPicture);
    const cv::Vec3b pureRed(0, 0, 255);
    const cv::Vec3b borderGrey(100, 100, 100);
    EXPECT_EQ(sink.last.at<cv::Vec3b>(45, 60), borderGrey) << "the border shows in the preview";
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 120), pureRed);

    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    // (60, 45) in the 480 x 360 frame is (40, 30) in the output; one pixel in from the corner
    // lies inside the border's width, which the output must not carry.
    EXPECT_EQ(output.at<cv::Vec3b>(31, 41), pureRed) << "the output has the effect, no border";
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);

    // Moved by the mouse: the next pass shows the effect at its new place.
    engine.MouseDown(100, 80);
    engine.MouseMove(200, 180);
    engine.MouseUp();
    frameRoad.RunPass();
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(100, 120), pureRed);

    // Removed: the camera picture is back, uncopied.
    engine.DeactivateAll();
    frameRoad.RunPass();
    EXPECT_EQ(sink.lastData, cameraPicture);
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

TEST(Capture_FrameRoad, HdRoadDrawsEffectsInStudioPixelsRecordsTheStudioFrameAndFitsThePreview) {
    const effect_file_test::ScratchFolder folder("frameRoad-hd");
    // Authored at (60, 45) sized 120 x 90 of the 480 x 360 frame: a quarter of each side in.
    const std::string red = loader_test::WriteEffect(
        folder, "red.eft", loader_test::PictureDescriptor(1, {120, 90}, {60, 45}));
    const capture::RoadConfig road = capture::RoadConfigFromText("1280x720");
    effects::EffectEngine engine(1280, 720);
    engine.SetPaintMode(false);
    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    FrameRoad frameRoad;
    KeepingSink sink;
    frameRoad.previewSink = &sink;
    frameRoad.Reconfigure(road, &engine, nullptr);
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    frameRoad.ReplaceDevice(std::move(device));
    frameRoad.RunPass();

    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    ASSERT_EQ(output.size(), cv::Size(1280, 720));
    const cv::Vec3b pureRed(0, 0, 255);
    EXPECT_EQ(output.at<cv::Vec3b>(91, 161), pureRed) << "(160, 90): the same share of the frame";
    EXPECT_EQ(output.at<cv::Vec3b>(269, 479), pureRed);
    EXPECT_NE(output.at<cv::Vec3b>(271, 481), pureRed);
    // The preview is the studio frame fitted into 480 x 360 between black bars.
    ASSERT_EQ(sink.last.size(), cv::Size(480, 360));
    EXPECT_EQ(sink.last.at<cv::Vec3b>(20, 240), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(sink.last.at<cv::Vec3b>(45 + 60, 100), pureRed);
    EXPECT_GT(cv::countNonZero(sink.last.rowRange(45, 315).reshape(1)), 0);

    // Back to classic: the output is 320 x 240 again.
    effects::EffectEngine classic(480, 360);
    frameRoad.Reconfigure(capture::RoadConfig::Classic(), &classic, nullptr);
    frameRoad.RunPass();
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.size(), cv::Size(320, 240));
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

TEST(Capture_FrameRoad, MirrorsFlipThePreviewWholeAndTheOutputSeparately) {
    // The red block, selected, over no camera: a picture that stands still.
    RedBlockRoad road("frameRoad-mirror");
    auto& [folder, red, engine, frameRoad, sink] = road;
    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    ASSERT_TRUE(engine.Select(0));
    const cv::Vec3b pureRed(0, 0, 255);
    const cv::Vec3b borderGrey(100, 100, 100);

    // Both off: preview and output as drawn.
    frameRoad.RunPass();
    cv::Mat unmirrored = sink.last.clone();
    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);
    EXPECT_NE(output.at<cv::Vec3b>(60, 320 - 1 - 80), pureRed);

    // The preview mirror: the picture with its effect and its selection border, as a whole.
    frameRoad.mirrorPreview = true;
    frameRoad.RunPass();
    EXPECT_EQ(sink.last.at<cv::Vec3b>(45, 479 - 60), borderGrey);
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 479 - 120), pureRed);
    EXPECT_NE(sink.last.at<cv::Vec3b>(90, 120), pureRed);
    cv::Mat flippedBack;
    cv::flip(sink.last, flippedBack, 1);
    EXPECT_EQ(cv::norm(flippedBack, unmirrored, cv::NORM_INF), 0);
    // ... and the output is left alone.
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);

    // The output mirror alone: recordings and snapshots flip, the preview does not.
    frameRoad.mirrorPreview = false;
    frameRoad.mirrorOutput = true;
    frameRoad.RunPass();
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 320 - 1 - 80), pureRed);
    EXPECT_NE(output.at<cv::Vec3b>(60, 80), pureRed);
    EXPECT_EQ(output.at<cv::Vec3b>(31, 320 - 1 - 41), pureRed) << "no border in the output";
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 120), pureRed);
}
