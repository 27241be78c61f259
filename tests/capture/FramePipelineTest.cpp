#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <atomic>
#include <thread>

#include "capture/FramePipeline.h"
#include "effects/EffectEngine.h"
#include "tests/effects/LoaderTestSupport.h"

using capture::CCaptureDevice;
using capture::FramePipeline;
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

TEST(Capture_FramePipeline, WithoutACameraEveryPassOutputsBlack) {
    FramePipeline pipeline;
    pipeline.RunPass();
    EXPECT_TRUE(pipeline.frameReadyEvent.WaitFor(0ms));
    cv::Mat output;
    pipeline.CopyOutputFrame(output);
    ASSERT_EQ(output.size(), cv::Size(320, 240));
    EXPECT_EQ(cv::countNonZero(output.reshape(1)), 0);
}

TEST(Capture_FramePipeline, WorkerTurnsTicksIntoPreviewAndOutputFramesAndStopsWhenAsked) {
    FramePipeline pipeline;
    CountingSink sink;
    pipeline.previewSink = &sink;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    pipeline.ReplaceDevice(std::move(device));

    std::thread worker([&] { capture::CaptureWorker(&pipeline); });
    for (int tick = 0; tick < 3; ++tick) {
        pipeline.tickEvent.Set();
        ASSERT_TRUE(pipeline.frameReadyEvent.WaitFor(5s));
    }
    EXPECT_GE(sink.frames.load(), 3);
    cv::Mat output;
    pipeline.CopyOutputFrame(output);
    EXPECT_GT(cv::countNonZero(output.reshape(1)), 0) << "the output carries the camera picture";

    pipeline.stopCapture = 1;
    pipeline.tickEvent.Set();
    worker.join();
    EXPECT_EQ(pipeline.captureStopped.load(), 1);
}

TEST(Capture_FramePipeline, FailedGrabKeepsTheLastPicture) {
    FramePipeline pipeline;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    pipeline.ReplaceDevice(std::move(device));
    pipeline.RunPass();
    cv::Mat before;
    pipeline.CopyOutputFrame(before);

    // A device that failed to open stays current and yields nothing.
    pipeline.ReplaceDevice(std::make_unique<CCaptureDevice>());
    pipeline.RunPass();
    cv::Mat after;
    pipeline.CopyOutputFrame(after);
    EXPECT_EQ(cv::norm(before, after, cv::NORM_L1), 0.0);
}

TEST(Capture_FramePipeline, DeviceSwapsWhileTheWorkerRunsAreSafe) {
    FramePipeline pipeline;
    std::thread worker([&] { capture::CaptureWorker(&pipeline); });
    std::atomic<bool> ticking{true};
    std::thread ticker([&] {
        while (ticking) {
            pipeline.tickEvent.Set();
            std::this_thread::sleep_for(2ms);
        }
    });
    for (int swap = 0; swap < 3; ++swap) pipeline.ReplaceDevice(OpenPatternCamera());
    // The output is a whole frame even while it is being replaced.
    cv::Mat output;
    for (int copy = 0; copy < 20; ++copy) {
        pipeline.CopyOutputFrame(output);
        ASSERT_EQ(output.size(), cv::Size(320, 240));
    }
    pipeline.ReplaceDevice(nullptr);
    ticking = false;
    ticker.join();
    pipeline.stopCapture = 1;
    pipeline.tickEvent.Set();
    worker.join();
    EXPECT_EQ(pipeline.captureStopped.load(), 1);
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
        pipeline.previewSink = &sink;
        pipeline.effectEngine = &engine;
    }
    const effect_file_test::ScratchFolder folder;
    const std::string red = loader_test::WriteEffect(
        folder, "red.eft", loader_test::PictureDescriptor(1, {120, 90}, {60, 45}));
    effects::EffectEngine engine{480, 360};
    FramePipeline pipeline;
    KeepingSink sink;
};

}  // namespace

TEST(Capture_FramePipeline, EffectsReachPreviewAndOutputButTheSelectionBorderOnlyThePreview) {
    // The red block, and a pattern camera behind it.
    RedBlockRoad road("pipeline-effects");
    auto& [folder, red, engine, pipeline, sink] = road;
    auto device = OpenPatternCamera();
    ASSERT_NE(device, nullptr);
    pipeline.ReplaceDevice(std::move(device));

    // Nothing on: the camera picture is shown as it is, without a copy for the effects.
    pipeline.RunPass();
    const uint8_t* cameraPicture = sink.lastData;
    pipeline.RunPass();
    EXPECT_EQ(sink.lastData, cameraPicture);

    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    ASSERT_TRUE(engine.Select(0));
    pipeline.RunPass();
    EXPECT_NE(sink.lastData, cameraPicture);
    const cv::Vec3b pureRed(0, 0, 255);
    const cv::Vec3b borderGrey(100, 100, 100);
    EXPECT_EQ(sink.last.at<cv::Vec3b>(45, 60), borderGrey) << "the border shows in the preview";
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 120), pureRed);

    cv::Mat output;
    pipeline.CopyOutputFrame(output);
    // (60, 45) in the 480 x 360 frame is (40, 30) in the output; one pixel in from the corner
    // lies inside the border's width, which the output must not carry.
    EXPECT_EQ(output.at<cv::Vec3b>(31, 41), pureRed) << "the output has the effect, no border";
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);

    // Moved by the mouse: the next pass shows the effect at its new place.
    engine.MouseDown(100, 80);
    engine.MouseMove(200, 180);
    engine.MouseUp();
    pipeline.RunPass();
    pipeline.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(100, 120), pureRed);

    // Removed: the camera picture is back, uncopied.
    engine.DeactivateAll();
    pipeline.RunPass();
    EXPECT_EQ(sink.lastData, cameraPicture);
}

TEST(Capture_FramePipeline, MirrorsFlipThePreviewWholeAndTheOutputSeparately) {
    // The red block, selected, over no camera: a picture that stands still.
    RedBlockRoad road("pipeline-mirror");
    auto& [folder, red, engine, pipeline, sink] = road;
    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    ASSERT_TRUE(engine.Select(0));
    const cv::Vec3b pureRed(0, 0, 255);
    const cv::Vec3b borderGrey(100, 100, 100);

    // Both off: preview and output as drawn.
    pipeline.RunPass();
    cv::Mat unmirrored = sink.last.clone();
    cv::Mat output;
    pipeline.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);
    EXPECT_NE(output.at<cv::Vec3b>(60, 320 - 1 - 80), pureRed);

    // The preview mirror: the picture with its effect and its selection border, as a whole.
    pipeline.mirrorPreview = true;
    pipeline.RunPass();
    EXPECT_EQ(sink.last.at<cv::Vec3b>(45, 479 - 60), borderGrey);
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 479 - 120), pureRed);
    EXPECT_NE(sink.last.at<cv::Vec3b>(90, 120), pureRed);
    cv::Mat flippedBack;
    cv::flip(sink.last, flippedBack, 1);
    EXPECT_EQ(cv::norm(flippedBack, unmirrored, cv::NORM_INF), 0);
    // ... and the output is left alone.
    pipeline.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 80), pureRed);

    // The output mirror alone: recordings and snapshots flip, the preview does not.
    pipeline.mirrorPreview = false;
    pipeline.mirrorOutput = true;
    pipeline.RunPass();
    pipeline.CopyOutputFrame(output);
    EXPECT_EQ(output.at<cv::Vec3b>(60, 320 - 1 - 80), pureRed);
    EXPECT_NE(output.at<cv::Vec3b>(60, 80), pureRed);
    EXPECT_EQ(output.at<cv::Vec3b>(31, 320 - 1 - 41), pureRed) << "no border in the output";
    EXPECT_EQ(sink.last.at<cv::Vec3b>(90, 120), pureRed);
}
