#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <cstdlib>
#include <memory>

#include "capture/FrameRoad.h"
#include "effects/EffectEngine.h"
#include "studio/EffectStage.h"
#include "tests/capture/CameraTestSupport.h"
#include "tests/effects/LoaderTestSupport.h"

using capture::FrameRoad;
using capture_test::OpenPatternCamera;

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

// A classic road with an effect engine on its stage and a sink that keeps the preview, and an
// effect file for it: an opaque pure-red block of 120 x 90 at (60, 45).
struct RedBlockRoad {
    explicit RedBlockRoad(const char* folderName) : folder(folderName) {
        engine.SetPaintMode(false);
        frameRoad.previewSink = &sink;
        frameRoad.Reconfigure(capture::RoadConfig::Classic(), &stage);
    }
    const effect_file_test::ScratchFolder folder;
    const std::string red = loader_test::WriteEffect(
        folder, "red.eft", loader_test::PictureDescriptor(1, {120, 90}, {60, 45}));
    effects::EffectEngine engine{480, 360};
    studio::EffectStage stage{&engine, nullptr};
    FrameRoad frameRoad;
    KeepingSink sink;
};

}  // namespace

TEST(Studio_EffectStage, EffectsReachPreviewAndOutputButTheSelectionBorderOnlyThePreview) {
    // The red block, and a pattern camera behind it.
    RedBlockRoad road("effectStage-effects");
    auto& [folder, red, engine, stage, frameRoad, sink] = road;
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

TEST(Studio_EffectStage, HdRoadDrawsEffectsInStudioPixelsRecordsTheStudioFrameAndFitsThePreview) {
    const effect_file_test::ScratchFolder folder("effectStage-hd");
    // Authored at (60, 45) sized 120 x 90 of the 480 x 360 frame: a quarter of each side in.
    const std::string red = loader_test::WriteEffect(
        folder, "red.eft", loader_test::PictureDescriptor(1, {120, 90}, {60, 45}));
    const capture::RoadConfig road = capture::RoadConfigFromText("1280x720");
    effects::EffectEngine engine(1280, 720);
    engine.SetPaintMode(false);
    ASSERT_TRUE(engine.LoadEffectFile(red, -1));
    studio::EffectStage stage(&engine, nullptr);
    effects::EffectEngine classic(480, 360);
    studio::EffectStage classicStage(&classic, nullptr);
    FrameRoad frameRoad;
    KeepingSink sink;
    frameRoad.previewSink = &sink;
    frameRoad.Reconfigure(road, &stage);
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
    frameRoad.Reconfigure(capture::RoadConfig::Classic(), &classicStage);
    frameRoad.RunPass();
    frameRoad.CopyOutputFrame(output);
    EXPECT_EQ(output.size(), cv::Size(320, 240));
}

TEST(Studio_EffectStage, MirrorsFlipThePreviewWholeAndTheOutputSeparately) {
    // The red block, selected, over no camera: a picture that stands still.
    RedBlockRoad road("effectStage-mirror");
    auto& [folder, red, engine, stage, frameRoad, sink] = road;
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
