#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <vector>

#include "effects/SceneEffect.h"
#include "tests/effects/EffectTestSupport.h"

using effects::Quadrangle;
using effects::SceneEffect;
using namespace effects_test;

namespace {

const cv::Vec3b kSceneColour(0, 0, 200);

// A 40 x 30 opaque scene with a transparent 20 x 20 window whose top-left corner is (10, 5).
effects::DecodedPicture ScenePicture() {
    cv::Mat colour(30, 40, CV_8UC3, cv::Scalar(kSceneColour[0], kSceneColour[1], kSceneColour[2]));
    cv::Mat alpha(30, 40, CV_8UC1, cv::Scalar(255));
    alpha(cv::Rect(10, 5, 20, 20)).setTo(0);
    return ToDecodedPicture(colour, alpha);
}

const Quadrangle kWindow = {cv::Point(10, 5), {10, 25}, {30, 25}, {30, 5}};

struct Scene {
    SceneEffect effect;
    Scene() {
        EXPECT_TRUE(effect.Load(ScenePicture(), effects::EffectKind::kScene, 1, 40, 30));
        effect.SetQuads({kWindow});
        effect.SetHasQuads(true);
    }
};

}  // namespace

TEST(Effects_Scene, LoadTakesTheBackgroundSizeAsNaturalSize) {
    Scene scene;
    EXPECT_EQ(scene.effect.GetKind(), effects::EffectKind::kScene);
    EXPECT_EQ(scene.effect.NaturalSize(), cv::Size(40, 30));
    scene.effect.SetSize(60, 45);
    EXPECT_EQ(scene.effect.GetSize(), cv::Size(60, 45)) << "the size is the background's";
    EXPECT_EQ(scene.effect.NaturalSize(), cv::Size(40, 30));
    SceneEffect empty;
    EXPECT_FALSE(empty.Load(effects::DecodedPicture{}, effects::EffectKind::kScene, 1, 40, 30));
}

TEST(Effects_Scene, FrameIsMappedIntoTheWindowUnderThePicture) {
    Scene scene;
    const cv::Mat input = RandomFrame(80, 60, 1);
    cv::Mat frame = input.clone();
    ASSERT_TRUE(scene.effect.Apply(frame, false));
    // Window point (20, 15) is the frame's point (40, 30): the window is a quarter of its size
    // across and a third down.
    EXPECT_EQ(frame.at<cv::Vec3b>(15, 20), input.at<cv::Vec3b>(30, 40));
    EXPECT_EQ(frame.at<cv::Vec3b>(5, 10), input.at<cv::Vec3b>(0, 0));
    EXPECT_EQ(frame.at<cv::Vec3b>(2, 2), kSceneColour);
    EXPECT_EQ(frame.at<cv::Vec3b>(28, 35), kSceneColour);
    EXPECT_EQ(frame.at<cv::Vec3b>(40, 60), input.at<cv::Vec3b>(40, 60))
        << "beyond the scene the frame stays";
}

TEST(Effects_Scene, ScaledSceneMovesItsWindowsByTheSameFactor) {
    Scene scene;
    scene.effect.SetPosition(5, 7);
    scene.effect.SetSize(80, 60);
    const cv::Mat input = RandomFrame(100, 80, 2);
    cv::Mat frame = input.clone();
    ASSERT_TRUE(scene.effect.Apply(frame, false));
    const std::vector<Quadrangle> expected = {{cv::Point(25, 17), {25, 57}, {65, 57}, {65, 17}}};
    EXPECT_EQ(scene.effect.WorkingQuads(), expected);
    // Window point (45, 37) lies half-way across and down the window: the frame's (50, 40).
    EXPECT_EQ(frame.at<cv::Vec3b>(37, 45), input.at<cv::Vec3b>(40, 50));
    EXPECT_EQ(frame.at<cv::Vec3b>(10, 8), kSceneColour);
}

TEST(Effects_Scene, MovingTheSceneMovesTheBackground) {
    Scene scene;
    scene.effect.Background().SetPosition(3, 4);
    scene.effect.SetPosition(10, 10);
    scene.effect.SetPosition(12, 9);
    EXPECT_EQ(scene.effect.Background().Position(), cv::Point(15, 13))
        << "moved by (10, 10), then (2, -1)";
    EXPECT_EQ(scene.effect.Position(), cv::Point(12, 9));
    EXPECT_EQ(scene.effect.GetRect(), (effects::EffectRect{15, 13, 55, 43}));
    EXPECT_EQ(scene.effect.HitTest(35, 28), effects::kZoneBody);
    EXPECT_EQ(scene.effect.HitTest(16, 14), effects::kZoneTopLeft);
}

TEST(Effects_Scene, MaskPointsClearsPointsOnTheSceneOnlyWhenItHasWindows) {
    Scene scene;
    std::vector<cv::Point> points = {{0, 0}, {39, 29}, {40, 10}, {-1, 5}};
    scene.effect.MaskPoints(points);
    EXPECT_EQ(points, (std::vector<cv::Point>{{-1, -1}, {-1, -1}, {40, 10}, {-1, 5}}));

    SceneEffect plain;
    ASSERT_TRUE(plain.Load(ScenePicture(), effects::EffectKind::kScene, 1, 40, 30));
    std::vector<cv::Point> kept = {{1, 1}};
    plain.MaskPoints(kept);
    EXPECT_EQ(kept[0], cv::Point(1, 1));
}

TEST(Effects_Scene, BorderOnlyWhenTheCallerAsksForIt) {
    Scene scene;
    scene.effect.SetSelected(true);
    cv::Mat bordered(40, 50, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(scene.effect.Apply(bordered, true));
    EXPECT_EQ(bordered.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 100, 100));
    cv::Mat plain(40, 50, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(scene.effect.Apply(plain, false));
    EXPECT_EQ(plain.at<cv::Vec3b>(0, 0), kSceneColour)
        << "a snapshot without selection shows no border";
}

TEST(Effects_Scene, PlayOnceSceneEndsWithItsBackgroundUnderItsOwnName) {
    FixedClock clock(0);
    SceneEffect scene;
    cv::Mat strip(60, 40, CV_8UC3, cv::Scalar::all(50));
    ASSERT_TRUE(scene.Load(ToDecodedPicture(strip, cv::Mat(60, 40, CV_8UC1, cv::Scalar(255))), 4, 2,
                           40, 30));
    ASSERT_TRUE(scene.SetDelays(std::vector<int32_t>{10, 10}));
    scene.SetLoop(false);
    RecordingSink sink;
    scene.SetEventSink(&sink);
    scene.SetName("Effects/scenes/beach.eft");
    cv::Mat frame(30, 40, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(scene.Apply(frame, false));
    clock.Set(20);
    ASSERT_TRUE(scene.Apply(frame, false));
    EXPECT_EQ(sink.ended, std::vector<std::string>{"Effects/scenes/beach.eft"});
    ASSERT_TRUE(scene.Apply(frame, false));
    EXPECT_FALSE(scene.IsActive());
}
