#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <vector>

#include "effects/AnimationEffect.h"
#include "effects/OverlayEffect.h"
#include "tests/effects/EffectTestSupport.h"

using effects::AnimationEffect;
using effects::OverlayEffect;
using namespace effects_test;

namespace {

// A strip of `count` frames of 4 x 2 pixels stacked top to bottom; frame i is filled with the
// grey value 10 * (i + 1) and the alpha 100 + i.
effects::DecodedPicture Strip(int count) {
    cv::Mat colour(2 * count, 4, CV_8UC3);
    cv::Mat alpha(2 * count, 4, CV_8UC1);
    for (int i = 0; i < count; ++i) {
        colour.rowRange(2 * i, 2 * i + 2).setTo(cv::Scalar::all(10 * (i + 1)));
        alpha.rowRange(2 * i, 2 * i + 2).setTo(100 + i);
    }
    return ToDecodedPicture(colour, alpha);
}

// Which frame of Strip() an image is.
int FrameNumber(const cv::Mat* image) {
    return image ? image->at<cv::Vec3b>(0, 0)[0] / 10 - 1 : -1;
}

const cv::Mat kFrame(4, 4, CV_8UC3, cv::Scalar::all(0));

struct Animation {
    AnimationEffect effect;
    explicit Animation(std::vector<int32_t> delays, bool loop = true) {
        EXPECT_TRUE(effect.Load(Strip(static_cast<int>(delays.size())), 1,
                                static_cast<int>(delays.size()), 4, 2));
        EXPECT_TRUE(effect.SetDelays(delays));
        effect.SetLoop(loop);
    }
    int FrameAt(FixedClock& clock, uint32_t ms) {
        clock.Set(ms);
        return FrameNumber(effect.CurrentImage(kFrame));
    }
};

}  // namespace

TEST(Effects_Picture, ConversionsTurnTheBottomUpPictureUpright) {
    effects::DecodedPicture picture;
    picture.width = 2;
    picture.height = 2;
    // Stored bottom row first: B, G, R, A per pixel.
    picture.pixels = {1, 2,  3,  4,  5,  6,  7,  8,  //
                      9, 10, 11, 12, 13, 14, 15, 16};
    const cv::Mat colour = effects::PictureToColourImage(picture);
    const cv::Mat mask = effects::PictureToMaskImage(picture);
    ASSERT_EQ(colour.type(), CV_8UC3);
    EXPECT_EQ(colour.at<cv::Vec3b>(0, 0), cv::Vec3b(9, 10, 11));
    EXPECT_EQ(colour.at<cv::Vec3b>(0, 1), cv::Vec3b(13, 14, 15));
    EXPECT_EQ(colour.at<cv::Vec3b>(1, 0), cv::Vec3b(1, 2, 3));
    EXPECT_EQ(mask.at<uint8_t>(0, 1), 16);
    EXPECT_EQ(mask.at<uint8_t>(1, 0), 4);

    picture.pixels.pop_back();
    EXPECT_TRUE(picture.Empty()) << "a short buffer is not read past its end";
    EXPECT_TRUE(effects::PictureToColourImage(picture).empty());
}

TEST(Effects_Animation, LoadCutsTheStripTopToBottomAndScalesEachFrame) {
    AnimationEffect effect;
    ASSERT_TRUE(effect.Load(Strip(3), 4, 3, 8, 6));
    EXPECT_EQ(effect.GetKind(), effects::EffectKind::kAnimation)
        << "the kind passed in is not taken";
    EXPECT_EQ(effect.GetSize(), cv::Size(8, 6));
    FixedClock clock(1000);
    const cv::Mat* first = effect.CurrentImage(kFrame);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size(), cv::Size(8, 6));
    EXPECT_EQ(FrameNumber(first), 0) << "without delays the first frame stays";
    EXPECT_EQ(effect.CurrentMask()->at<uint8_t>(3, 3), 100);
}

TEST(Effects_Animation, RefusesFrameCountsThatCannotCutThePicture) {
    AnimationEffect effect;
    EXPECT_FALSE(effect.Load(Strip(3), 1, 0, 4, 2));
    EXPECT_FALSE(effect.Load(Strip(3), 1, -2, 4, 2));
    EXPECT_FALSE(effect.Load(Strip(3), 1, 7, 4, 2)) << "more frames than picture rows";
    EXPECT_FALSE(effect.Load(effects::DecodedPicture{}, 1, 1, 4, 2));
    EXPECT_FALSE(effect.Load(Strip(1), 1, 1, 100000, 2)) << "a size no frame could hold";
    EXPECT_EQ(effect.CurrentImage(kFrame), nullptr);
    cv::Mat frame = kFrame.clone();
    EXPECT_FALSE(effect.Apply(frame, true)) << "nothing loaded, nothing drawn";
}

TEST(Effects_Animation, SizeBelowOneMakesTenByTenFramesThatResizeLeavesAlone) {
    AnimationEffect effect;
    ASSERT_TRUE(effect.Load(Strip(2), 1, 2, 0, 5));
    cv::Mat frame(20, 20, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(effect.Apply(frame, false));
    EXPECT_EQ(effect.CurrentImage(frame)->size(), cv::Size(10, 10));
}

TEST(Effects_Animation, LoopingStripShowsEachFrameForItsDelay) {
    FixedClock clock(5000);
    Animation animation({100, 200, 300});
    EXPECT_EQ(animation.FrameAt(clock, 5000), 0) << "the first request starts the clock";
    const std::pair<uint32_t, int> expected[] = {{0, 0},   {99, 0},  {100, 1}, {299, 1}, {300, 2},
                                                 {599, 2}, {600, 0}, {699, 0}, {700, 1}, {6000, 0}};
    for (auto [elapsed, frame] : expected) {
        EXPECT_EQ(animation.FrameAt(clock, 5000 + elapsed), frame) << "elapsed " << elapsed;
        EXPECT_EQ(animation.effect.CurrentMask()->at<uint8_t>(0, 0), 100 + frame)
            << "mask of the same frame";
    }
    EXPECT_TRUE(animation.effect.IsActive());
}

TEST(Effects_Animation, PlayOnceEndsAfterTheLastFrameAndTellsItsSink) {
    FixedClock clock(0);
    Animation animation({100, 200, 300}, false);
    RecordingSink sink;
    animation.effect.SetEventSink(&sink);
    animation.effect.SetName("Effects/frames/sparkle.eft");
    EXPECT_EQ(animation.FrameAt(clock, 0), 0);
    EXPECT_EQ(animation.FrameAt(clock, 599), 2);
    EXPECT_TRUE(animation.effect.IsActive());
    EXPECT_TRUE(sink.ended.empty());
    EXPECT_EQ(animation.FrameAt(clock, 600), 2) << "the last frame stays";
    EXPECT_FALSE(animation.effect.IsActive());
    ASSERT_EQ(sink.ended.size(), 1u);
    EXPECT_EQ(sink.ended[0], "Effects/frames/sparkle.eft");
    EXPECT_EQ(animation.effect.CurrentMask()->at<uint8_t>(0, 0), 102)
        << "the mask never ends anything";
    EXPECT_EQ(sink.ended.size(), 1u);
    EXPECT_EQ(animation.FrameAt(clock, 90000), 2);
    EXPECT_EQ(sink.ended.size(), 2u) << "every later request reports the end again";
}

TEST(Effects_Animation, DelaysThatDoNotMatchTheFramesAreRefused) {
    FixedClock clock(0);
    AnimationEffect effect;
    ASSERT_TRUE(effect.Load(Strip(3), 1, 3, 4, 2));
    EXPECT_FALSE(effect.SetDelays(std::vector<int32_t>{100, 100}));
    EXPECT_FALSE(effect.SetDelays({}));
    effect.CurrentImage(kFrame);
    clock.Set(150);
    EXPECT_EQ(FrameNumber(effect.CurrentImage(kFrame)), 0);
}

TEST(Effects_Animation, LoopWithAllDelaysZeroStaysOnTheFirstFrame) {
    FixedClock clock(0);
    Animation animation({0, 0, 0});
    EXPECT_EQ(animation.FrameAt(clock, 0), 0);
    EXPECT_EQ(animation.FrameAt(clock, 10), 0);
    EXPECT_EQ(animation.FrameAt(clock, 4000000000u), 0);
    EXPECT_TRUE(animation.effect.IsActive());

    Animation once({0, 0, 0}, false);
    EXPECT_EQ(once.FrameAt(clock, 0), 0);
    EXPECT_EQ(once.FrameAt(clock, 0), 2) << "a play-once strip with no time ends at once";
    EXPECT_FALSE(once.effect.IsActive());
}

TEST(Effects_Animation, ZeroAndNegativeDelaysSkipTheirFrames) {
    FixedClock clock(0);
    Animation animation({100, 0, -50, 100});
    EXPECT_EQ(animation.FrameAt(clock, 0), 0);
    EXPECT_EQ(animation.FrameAt(clock, 99), 0);
    EXPECT_EQ(animation.FrameAt(clock, 100), 3);
    EXPECT_EQ(animation.FrameAt(clock, 200), 0) << "the period is 200 ms";
}

TEST(Effects_Animation, ClockThatWrapsKeepsCounting) {
    FixedClock clock(0xFFFFFF00u);
    Animation animation({100, 200, 300});
    EXPECT_EQ(animation.FrameAt(clock, 0xFFFFFF00u), 0);
    EXPECT_EQ(animation.FrameAt(clock, 44), 2) << "0x100 + 44 = 300 ms after the start";
}

TEST(Effects_Animation, ClockBeforeTheStartGivesAFrameAndNeverHangs) {
    FixedClock clock(10000);
    Animation looping({1, 1, 1});
    EXPECT_EQ(looping.FrameAt(clock, 10000), 0);
    // 2^32 - 1 ms after the start as far as a wrapping counter can tell.
    EXPECT_EQ(looping.FrameAt(clock, 9999), static_cast<int>((0xFFFFFFFFull) % 3));

    Animation once({100, 100}, false);
    EXPECT_EQ(once.FrameAt(clock, 10000), 0);
    EXPECT_EQ(once.FrameAt(clock, 9000), 1);
    EXPECT_FALSE(once.effect.IsActive());
}

TEST(Effects_Animation, SelectionBorderGoesIntoEveryFrameAndIsGoneAfterDeselection) {
    FixedClock clock(0);
    Animation animation({100, 100});
    animation.effect.SetSelected(true);
    cv::Mat frame(4, 6, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(animation.effect.Apply(frame, true));
    EXPECT_EQ(frame.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 100, 100));
    clock.Set(100);
    const cv::Mat* second = animation.effect.CurrentImage(kFrame);
    EXPECT_EQ(second->at<cv::Vec3b>(1, 1), cv::Vec3b(100, 100, 100))
        << "the other frame has it too";
    EXPECT_EQ(animation.effect.CurrentMask()->at<uint8_t>(1, 1), 255);

    animation.effect.SetSelected(false);
    cv::Mat plain(4, 6, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(animation.effect.Apply(plain, true));
    // Frame 1 (grey 20) at alpha 101: 20 * 101 / 255 = 7.
    EXPECT_EQ(plain.at<cv::Vec3b>(0, 0), cv::Vec3b(7, 7, 7));
}

TEST(Effects_Animation, ResizedStripIsDrawnAtTheNewSize) {
    FixedClock clock(0);
    Animation animation({100, 100});
    animation.effect.SetSize(6, 3);
    cv::Mat frame(8, 8, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(animation.effect.Apply(frame, false));
    EXPECT_EQ(cv::countNonZero(frame.reshape(1)), 6 * 3 * 3);
    EXPECT_EQ(animation.effect.CurrentMask()->size(), cv::Size(6, 3));
}

TEST(Effects_Overlay, DrawsItsAnimationAndEndsWithIt) {
    FixedClock clock(0);
    OverlayEffect overlay;
    ASSERT_TRUE(overlay.Load(Strip(2), effects::EffectKind::kOverlay, 2, 4, 2));
    EXPECT_EQ(overlay.GetKind(), effects::EffectKind::kOverlay);
    EXPECT_EQ(overlay.LoadSize(), cv::Size(4, 2));
    ASSERT_TRUE(overlay.SetDelays(std::vector<int32_t>{50, 50}));
    overlay.SetLoop(false);
    RecordingSink sink;
    overlay.SetEventSink(&sink);
    overlay.SetName("Effects/frames/hat.eft");

    cv::Mat frame(4, 4, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(overlay.Apply(frame, false));
    EXPECT_EQ(frame.at<cv::Vec3b>(1, 3), cv::Vec3b(3, 3, 3)) << "10 at alpha 100";
    EXPECT_EQ(frame.at<cv::Vec3b>(2, 0), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(overlay.HitTest(1, 1), effects::kZoneBody) << "no border handles on an overlay";
    EXPECT_EQ(overlay.HitTest(1, 2), effects::kZoneOutside);
    EXPECT_EQ(overlay.GetRect(), (effects::EffectRect{0, 0, 4, 2}));

    clock.Set(100);
    ASSERT_TRUE(overlay.Apply(frame, false));
    ASSERT_EQ(sink.ended.size(), 1u);
    EXPECT_EQ(sink.ended[0], "Effects/frames/hat.eft")
        << "the end is reported under the overlay's name";
    EXPECT_TRUE(overlay.IsActive());
    cv::Mat after(4, 4, CV_8UC3, cv::Scalar::all(0));
    EXPECT_TRUE(overlay.Apply(after, false));
    EXPECT_FALSE(overlay.IsActive());
    EXPECT_EQ(cv::countNonZero(after.reshape(1)), 0) << "an ended overlay draws nothing";
}

TEST(Effects_Overlay, SelectionBorderOnlyWhenAskedAndSelected) {
    OverlayEffect overlay;
    ASSERT_TRUE(overlay.Load(Strip(1), effects::EffectKind::kOverlay, 1, 4, 2));
    overlay.SetSelected(true);
    cv::Mat plain(4, 4, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(overlay.Apply(plain, false));
    EXPECT_EQ(plain.at<cv::Vec3b>(0, 0), cv::Vec3b(3, 3, 3));
    cv::Mat bordered(4, 4, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(overlay.Apply(bordered, true));
    EXPECT_EQ(bordered.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 100, 100));
}

TEST(Effects_Overlay, FailedPictureFailsTheLoad) {
    OverlayEffect overlay;
    EXPECT_FALSE(overlay.Load(effects::DecodedPicture{}, effects::EffectKind::kOverlay, 1, 4, 2));
    EXPECT_FALSE(overlay.SetDelays(std::vector<int32_t>{1}));
    cv::Mat frame(4, 4, CV_8UC3, cv::Scalar::all(0));
    EXPECT_TRUE(overlay.Apply(frame, false));
    EXPECT_EQ(cv::countNonZero(frame.reshape(1)), 0);
}

TEST(Effects_EffectBase, NameIsCutTo255Characters) {
    AnimationEffect effect;
    effect.SetName(std::string(300, 'a'));
    EXPECT_EQ(effect.Name().size(), 255u);
}
