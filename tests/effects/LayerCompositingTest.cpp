#include <gtest/gtest.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "effects/Avx2Routines.h"
#include "effects/Compositing.h"
#include "effects/LayerEffect.h"
#include "tests/effects/EffectTestSupport.h"

using effects::CompositeLayer;
using effects::LayerEffect;
using namespace effects_test;

namespace {

// The blend written out plainly, for comparison with the library's.
cv::Mat ReferenceComposite(const cv::Mat& frame, const cv::Mat& layer, const cv::Mat& mask,
                           cv::Point at, int mode) {
    cv::Mat out = frame.clone();
    for (int c = 0; c < layer.cols; ++c) {
        for (int r = 0; r < layer.rows; ++r) {
            const int fc = c + at.x, fr = r + at.y;
            if (fc < 0 || fr < 0 || fc >= frame.cols || fr >= frame.rows) continue;
            const int a = mask.at<uint8_t>(r, c);
            for (int k = 0; k < 3; ++k) {
                const int f = frame.at<cv::Vec3b>(fr, fc)[k];
                const int e = layer.at<cv::Vec3b>(r, c)[k];
                out.at<cv::Vec3b>(fr, fc)[k] = static_cast<uint8_t>(
                    mode == 0 ? ((255 - a) * f + a * e) / 255 : ((255 - a) * e + a * f) / 255);
            }
        }
    }
    return out;
}

cv::Mat Solid(int width, int height, uint8_t value) {
    return cv::Mat(height, width, CV_8UC3, cv::Scalar::all(value));
}

// A still-picture layer of one colour and alpha, loaded like an effect file's picture.
void LoadSolidLayer(LayerEffect& layer, int width, int height, uint8_t value, uint8_t alpha) {
    ASSERT_TRUE(
        layer.Load(UniformPicture(width, height, {value, value, value}, alpha), 1, 1, 0, 0));
}

}  // namespace

TEST(Effects_Compositing, MaskValuesBlendByTheFormula) {
    const cv::Mat layer = Solid(3, 1, 255);
    cv::Mat mask = (cv::Mat_<uint8_t>(1, 3) << 0, 255, 128);
    cv::Mat frame = Solid(3, 1, 0);
    CompositeLayer(frame, layer, &mask, {0, 0}, effects::kBlendNormal);
    EXPECT_EQ(frame.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 0)) << "mask 0 leaves the frame";
    EXPECT_EQ(frame.at<cv::Vec3b>(0, 1), cv::Vec3b(255, 255, 255)) << "mask 255 gives the layer";
    EXPECT_EQ(frame.at<cv::Vec3b>(0, 2), cv::Vec3b(128, 128, 128));

    cv::Mat inverted = Solid(3, 1, 0);
    CompositeLayer(inverted, layer, &mask, {0, 0}, effects::kBlendInverted);
    EXPECT_EQ(inverted.at<cv::Vec3b>(0, 0), cv::Vec3b(255, 255, 255))
        << "inverted: mask 0 gives the layer";
    EXPECT_EQ(inverted.at<cv::Vec3b>(0, 1), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(inverted.at<cv::Vec3b>(0, 2), cv::Vec3b(127, 127, 127));

    cv::Mat untouched = Solid(3, 1, 7);
    CompositeLayer(untouched, layer, &mask, {0, 0}, 2);
    EXPECT_EQ(CountDifferences(untouched, Solid(3, 1, 7)), 0) << "other blend modes draw nothing";
}

TEST(Effects_Compositing, MatchesThePlainBlendOnRandomPictures) {
    const cv::Mat frame = RandomFrame(61, 47, 1);
    const cv::Mat layer = RandomFrame(29, 23, 2);
    cv::Mat mask(23, 29, CV_8UC1);
    cv::RNG(3).fill(mask, cv::RNG::UNIFORM, 0, 256);
    // With the processor's 256-bit routines where it has them, and with the portable ones.
    for (bool avx2 : {true, false}) {
        effects::AllowAvx2(avx2);
        for (int mode : {0, 1}) {
            for (cv::Point at : {cv::Point(5, 7), cv::Point(-10, -4), cv::Point(40, 30)}) {
                cv::Mat actual = frame.clone();
                CompositeLayer(actual, layer, &mask, at, mode);
                EXPECT_EQ(CountDifferences(actual, ReferenceComposite(frame, layer, mask, at, mode)), 0)
                    << "mode " << mode << " at " << at << (avx2 ? "" : " without AVX2");
            }
        }
    }
    effects::AllowAvx2(true);
}

TEST(Effects_Compositing, MaskRunsGiveThePlainBlend) {
    // A frame-like mask: opaque edges that fade through partial values into a clear middle, with
    // lone clear, opaque and partial pixels inside, over widths that leave remainders after the
    // 16-pixel steps.
    const cv::Mat frame = RandomFrame(90, 40, 5);
    const cv::Mat layer = RandomFrame(71, 33, 6);
    cv::Mat mask(33, 71, CV_8UC1, cv::Scalar(255));
    cv::rectangle(mask, {6, 5}, {64, 27}, cv::Scalar(200), -1);
    cv::rectangle(mask, {9, 8}, {61, 24}, cv::Scalar(0), -1);
    cv::RNG(7).fill(mask(cv::Rect(3, 2, 5, 29)), cv::RNG::UNIFORM, 0, 256);
    mask.at<uint8_t>(15, 30) = 255;
    mask.at<uint8_t>(16, 30) = 1;
    mask.at<uint8_t>(0, 40) = 0;
    mask.at<uint8_t>(0, 41) = 254;
    const effects::MaskRuns runs(mask);
    for (int mode : {0, 1}) {
        for (cv::Point at : {cv::Point(3, 4), cv::Point(-20, -5), cv::Point(50, 20),
                             cv::Point(-8, 10)}) {
            cv::Mat actual = frame.clone();
            CompositeLayer(actual, layer, &mask, at, mode, &runs);
            EXPECT_EQ(CountDifferences(actual, ReferenceComposite(frame, layer, mask, at, mode)), 0)
                << "mode " << mode << " at " << at;
        }
    }
}

TEST(Effects_LayerEffect, SelectionBorderIsCompositedAfterTheMaskChanges) {
    // The border makes the clear mask opaque at the edges; the runs cut before must not be used.
    LayerEffect layer;
    LoadSolidLayer(layer, 20, 10, 200, 0);
    cv::Mat before = Solid(30, 20, 0);
    layer.Apply(before, false);
    EXPECT_EQ(cv::countNonZero(before.reshape(1)), 0) << "a clear layer draws nothing";
    layer.SetSelected(true);
    cv::Mat selected = Solid(30, 20, 0);
    layer.Apply(selected, true);
    EXPECT_EQ(selected.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 100, 100)) << "border drawn";
    EXPECT_EQ(selected.at<cv::Vec3b>(5, 10), cv::Vec3b(0, 0, 0)) << "middle still clear";
    cv::Mat after = Solid(30, 20, 0);
    layer.Apply(after, false);
    EXPECT_EQ(cv::countNonZero(after.reshape(1)), 0) << "the border goes with the selection";
}

TEST(Effects_Compositing, ClipsAtEveryFrameEdge) {
    const cv::Mat layer = RandomFrame(20, 10, 4);
    cv::Mat frame = Solid(30, 20, 0);
    CompositeLayer(frame, layer, nullptr, {-10, 0}, effects::kBlendNormal);
    EXPECT_EQ(CountDifferences(frame(cv::Rect(0, 0, 10, 10)), layer(cv::Rect(10, 0, 10, 10))), 0)
        << "at x = -10 only the layer's columns 10 and up are drawn, from frame column 0";
    EXPECT_EQ(cv::countNonZero(frame(cv::Rect(10, 0, 20, 20)).reshape(1)), 0);

    cv::Mat far = Solid(30, 20, 9);
    CompositeLayer(far, layer, nullptr, {30, 0}, effects::kBlendNormal);
    CompositeLayer(far, layer, nullptr, {INT32_MAX - 5, INT32_MAX - 5}, effects::kBlendNormal);
    CompositeLayer(far, layer, nullptr, {INT32_MIN, 0}, effects::kBlendNormal);
    EXPECT_EQ(CountDifferences(far, Solid(30, 20, 9)), 0);
}

TEST(Effects_LayerEffect, LoadTakesAStillPictureUpright) {
    cv::Mat colour(2, 1, CV_8UC3);
    colour.at<cv::Vec3b>(0, 0) = {1, 2, 3};  // top
    colour.at<cv::Vec3b>(1, 0) = {4, 5, 6};  // bottom
    const cv::Mat alpha = (cv::Mat_<uint8_t>(2, 1) << 10, 20);
    LayerEffect layer;
    EXPECT_FALSE(layer.Load(ToDecodedPicture(colour, alpha), 1, 2, 0, 0))
        << "a layer holds one frame";
    EXPECT_FALSE(layer.Load(effects::DecodedPicture{}, 1, 1, 0, 0));
    ASSERT_TRUE(layer.Load(ToDecodedPicture(colour, alpha), 7, 1, 99, 99));
    EXPECT_EQ(layer.GetKind(), 7);
    EXPECT_EQ(layer.GetSize(), cv::Size(1, 2)) << "the picture's own size, not the one asked for";
    cv::Mat frame = Solid(1, 2, 0);
    const cv::Mat* image = layer.CurrentImage(frame);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->at<cv::Vec3b>(0, 0), cv::Vec3b(1, 2, 3));
    EXPECT_EQ(image->at<cv::Vec3b>(1, 0), cv::Vec3b(4, 5, 6));
    EXPECT_EQ(layer.CurrentMask()->at<uint8_t>(0, 0), 10);
    EXPECT_EQ(layer.CurrentMask()->at<uint8_t>(1, 0), 20);
}

TEST(Effects_LayerEffect, ApplyDrawsAtThePositionAndRefusesAnEmptyFrame) {
    LayerEffect layer;
    LoadSolidLayer(layer, 4, 3, 200, 255);
    layer.SetPosition(2, 1);
    cv::Mat frame = Solid(10, 8, 0);
    ASSERT_TRUE(layer.Apply(frame, false));
    EXPECT_EQ(cv::countNonZero(frame.reshape(1)), 4 * 3 * 3);
    EXPECT_EQ(frame.at<cv::Vec3b>(1, 2), cv::Vec3b(200, 200, 200));
    EXPECT_EQ(frame.at<cv::Vec3b>(3, 5), cv::Vec3b(200, 200, 200));

    layer.SetPosition(50, 50);
    cv::Mat outside = Solid(10, 8, 0);
    EXPECT_TRUE(layer.Apply(outside, false)) << "a layer off the frame still succeeds";
    EXPECT_EQ(cv::countNonZero(outside.reshape(1)), 0);

    cv::Mat empty;
    EXPECT_FALSE(layer.Apply(empty, false));
    cv::Mat grey(8, 10, CV_8UC1, cv::Scalar(0));
    EXPECT_FALSE(layer.Apply(grey, false));
}

TEST(Effects_LayerEffect, SelectionBorderIsOpaqueGreyAndGoesAwayWhenDeselected) {
    LayerEffect layer;
    LoadSolidLayer(layer, 10, 8, 255, 0);  // fully transparent picture
    layer.SetPosition(1, 1);
    layer.SetSelected(true);
    cv::Mat frame = Solid(12, 10, 0);
    ASSERT_TRUE(layer.Apply(frame, true));
    const cv::Vec3b grey(100, 100, 100);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frame.at<cv::Vec3b>(1 + i, 5), grey) << "top band row " << i;
        EXPECT_EQ(frame.at<cv::Vec3b>(8 - i, 5), grey) << "bottom band row " << i;
        EXPECT_EQ(frame.at<cv::Vec3b>(4, 1 + i), grey) << "left band column " << i;
        EXPECT_EQ(frame.at<cv::Vec3b>(4, 10 - i), grey) << "right band column " << i;
    }
    EXPECT_EQ(frame.at<cv::Vec3b>(4, 5), cv::Vec3b(0, 0, 0))
        << "inside the border the picture stays transparent";
    EXPECT_EQ(frame.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 0));

    cv::Mat unasked = Solid(12, 10, 0);
    ASSERT_TRUE(layer.Apply(unasked, false));
    EXPECT_EQ(cv::countNonZero(unasked.reshape(1)), 0) << "no border unless the caller asks";

    layer.SetSelected(false);
    cv::Mat deselected = Solid(12, 10, 0);
    ASSERT_TRUE(layer.Apply(deselected, true));
    EXPECT_EQ(cv::countNonZero(deselected.reshape(1)), 0) << "the border drawn before is gone";
}

TEST(Effects_LayerEffect, BorderWiderThanThePictureCoversItWhole) {
    LayerEffect layer;
    LoadSolidLayer(layer, 4, 2, 0, 0);
    layer.SetBorderWidth(9);
    layer.SetSelected(true);
    cv::Mat frame = Solid(4, 2, 0);
    ASSERT_TRUE(layer.Apply(frame, true));
    EXPECT_EQ(CountDifferences(frame, Solid(4, 2, 100)), 0);
}

TEST(Effects_LayerEffect, ResizeScalesThePictureToTheNewSize) {
    LayerEffect layer;
    LoadSolidLayer(layer, 4, 4, 90, 255);
    layer.SetSize(8, 6);
    cv::Mat frame = Solid(10, 10, 0);
    ASSERT_TRUE(layer.Apply(frame, false));
    EXPECT_EQ(cv::countNonZero(frame.reshape(1)), 8 * 6 * 3);
    EXPECT_EQ(frame.at<cv::Vec3b>(5, 7), cv::Vec3b(90, 90, 90));
    layer.Resize(0, 5);
    EXPECT_EQ(layer.CurrentImage(frame)->size(), cv::Size(8, 6)) << "sizes below 1 are ignored";
}

TEST(Effects_HitTest, ZonesOfARectangleWithThreePixelHandles) {
    LayerEffect layer;
    layer.SetPosition(10, 10);
    layer.SetSize(100, 50);  // rectangle (10, 10, 110, 60)
    EXPECT_EQ(layer.GetRect(), (effects::EffectRect{10, 10, 110, 60}));
    struct Case {
        int x, y, zone;
    };
    const Case cases[] = {
        {50, 30, effects::kZoneBody},      {50, 12, effects::kZoneTop},
        {12, 12, effects::kZoneTopLeft},   {108, 58, effects::kZoneBottomRight},
        {110, 30, effects::kZoneOutside},  {50, 60, effects::kZoneOutside},
        {9, 30, effects::kZoneOutside},    {10, 30, effects::kZoneLeft},
        {13, 30, effects::kZoneLeft},      {14, 30, effects::kZoneBody},
        {106, 30, effects::kZoneBody},     {107, 30, effects::kZoneRight},
        {50, 13, effects::kZoneTop},       {50, 14, effects::kZoneBody},
        {50, 56, effects::kZoneBody},      {50, 57, effects::kZoneBottom},
        {108, 12, effects::kZoneTopRight}, {12, 58, effects::kZoneBottomLeft},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layer.HitTest(c.x, c.y), c.zone) << "(" << c.x << ", " << c.y << ")";
}

TEST(Effects_HitTest, NarrowRectangleLetsLeftAndTopWin) {
    LayerEffect layer;
    layer.SetPosition(0, 0);
    layer.SetSize(5, 5);
    EXPECT_EQ(layer.HitTest(2, 2), effects::kZoneTopLeft);
    EXPECT_EQ(layer.HitTest(4, 4), effects::kZoneBottomRight);
    EXPECT_EQ(layer.HitTest(4, 0), effects::kZoneTopRight);
}

TEST(Effects_HitTest, FarPositionsDoNotOverflow) {
    LayerEffect layer;
    layer.SetPosition(INT32_MAX - 10, 0);
    layer.SetSize(100, 100);
    EXPECT_EQ(layer.GetRect()->right, INT32_MAX);
    EXPECT_EQ(layer.HitTest(INT32_MAX - 8, 50), effects::kZoneLeft);
    EXPECT_EQ(layer.HitTest(INT32_MAX - 1, 50), effects::kZoneRight);
}
