#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <algorithm>
#include <cstdlib>

#include "effects/Avx2Routines.h"
#include "effects/ColourRoutines.h"
#include "effects/FilterEffect.h"
#include "tests/effects/EffectTestSupport.h"

using effects::FilterEffect;
using namespace effects_test;

namespace {

int Clamp(long long v) {
    return static_cast<int>(std::clamp<long long>(v, 0, 255));
}

// The saturation shift of one pixel written out step by step: integer RGB to HSL, the shifted
// S, single-precision HSL back to RGB.
cv::Vec3b ReferenceSaturation(cv::Vec3b bgr, int shift) {
    const int B = bgr[0], G = bgr[1], R = bgr[2];
    const int mx = std::max(R, std::max(G, B));
    const int mn = std::min(R, std::min(G, B));
    const int L = ((mx + mn) * 255 + 255) / 510;
    int S, H;
    if (mx == mn) {
        S = 0;
        H = 170;
    } else {
        const int d = L <= 127 ? mx + mn : 510 - mx - mn;
        S = ((mx - mn) * 255 + d / 2) / d;
        const int Rd = ((mx - R) * 42 + (mx - mn) / 2) / (mx - mn);
        const int Gd = ((mx - G) * 42 + (mx - mn) / 2) / (mx - mn);
        const int Bd = ((mx - B) * 42 + (mx - mn) / 2) / (mx - mn);
        if (R == mx) {
            H = Bd - Gd;
        } else if (G == mx) {
            H = 85 + Rd - Bd;
        } else {
            H = 170 + Gd - Rd;
        }
        H = ((H % 256) + 256) % 256;
    }
    const int table = Clamp(S + shift);
    S = table;
    const float l = L / 255.f, s = S / 255.f, h = H * 360.f / 255.f;
    if (s == 0.f) {
        const auto v = static_cast<uint8_t>(l * 255.f);
        return {v, v, v};
    }
    const float m2 = l <= 0.5f ? l * (1 + s) : l + s - l * s;
    const float m1 = 2 * l - m2;
    const auto f = [&](float x) {
        if (x > 360) {
            x -= 360;
        } else if (x < 0) {
            x += 360;
        }
        if (x < 60) return m1 + (m2 - m1) * x / 60;
        if (x < 180) return m2;
        if (x < 240) return m1 + (m2 - m1) * (240 - x) / 60;
        return m1;
    };
    return {static_cast<uint8_t>(Clamp(static_cast<int>(f(h - 120) * 255))),
            static_cast<uint8_t>(Clamp(static_cast<int>(f(h) * 255))),
            static_cast<uint8_t>(Clamp(static_cast<int>(f(h + 120) * 255)))};
}

cv::Mat RunKind(int kind, const cv::Mat& input) {
    FilterEffect filter;
    filter.settings.filterKind = kind;
    cv::Mat image = input.clone();
    EXPECT_TRUE(filter.RunFilter(image));
    return image;
}

cv::Mat OnePixel(cv::Vec3b bgr) {
    return cv::Mat(1, 1, CV_8UC3, cv::Scalar(bgr[0], bgr[1], bgr[2]));
}

}  // namespace

TEST(Effects_ColourRoutines, BrightnessContrastTable) {
    const effects::ByteTable neutral = effects::BrightnessContrastTable(0, 0);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(neutral[i], i);
    const effects::ByteTable flat = effects::BrightnessContrastTable(20, -100);
    EXPECT_TRUE(std::all_of(flat.begin(), flat.end(), [](uint8_t v) { return v == 148; }));
    EXPECT_EQ(effects::BrightnessContrastTable(-200, -100)[77], 0);
    // (b + 128) + (c + 100) * 0.01 * (i - 128) + 0.5 with b = 10, c = 50: 138 + 1.5 * (i - 128) +
    // 0.5.
    const effects::ByteTable steep = effects::BrightnessContrastTable(10, 50);
    EXPECT_EQ(steep[128], 138);
    EXPECT_EQ(steep[129], 140);
    EXPECT_EQ(steep[100], 96);
    EXPECT_EQ(steep[0], 0);
    EXPECT_EQ(steep[255], 255);
    const effects::ByteTable extreme = effects::BrightnessContrastTable(INT32_MAX, INT32_MAX);
    EXPECT_EQ(extreme[200], 255) << "extreme settings clamp without overflowing";
}

TEST(Effects_ColourRoutines, SaturationShiftMatchesThePlainConversionOnRandomFrames) {
    // With the processor's 256-bit routines where it has them, and with the portable ones.
    for (const bool avx2 : {true, false}) {
        effects::AllowAvx2(avx2);
        for (int shift : {-300, -255, -100, -1, 0, 37, 255}) {
            // Widths that leave a remainder after the 16-pixel steps.
            const cv::Mat input = RandomFrame(53, 9, 100 + shift);
            cv::Mat actual = input.clone();
            effects::ShiftSaturation(actual, shift);
            int mismatches = 0;
            for (int r = 0; r < input.rows; ++r) {
                for (int c = 0; c < input.cols; ++c) {
                    const cv::Vec3b expected = ReferenceSaturation(input.at<cv::Vec3b>(r, c), shift);
                    if (actual.at<cv::Vec3b>(r, c) != expected && ++mismatches <= 3) {
                        ADD_FAILURE() << "shift " << shift << " pixel " << input.at<cv::Vec3b>(r, c)
                                      << " gave " << actual.at<cv::Vec3b>(r, c) << ", expected "
                                      << expected << (avx2 ? "" : " without AVX2");
                    }
                }
            }
            EXPECT_EQ(mismatches, 0) << "shift " << shift << (avx2 ? "" : " without AVX2");
        }
    }
    effects::AllowAvx2(true);
}

TEST(Effects_ColourRoutines, SaturationShiftOverEveryColourOfACube) {
    // Every 5th level of each channel, in an image that is not continuous in memory.
    cv::Mat big(60, 60 * 52, CV_8UC3);
    cv::Mat cube = big(cv::Rect(3, 1, 52 * 52, 52));
    for (int b = 0; b < 52; ++b) {
        for (int g = 0; g < 52; ++g) {
            for (int r = 0; r < 52; ++r)
                cube.at<cv::Vec3b>(b, g * 52 + r) = {uint8_t(b * 5), uint8_t(g * 5),
                                                     uint8_t(r * 5)};
        }
    }
    const cv::Mat input = cube.clone();
    effects::ShiftSaturation(cube, 60);
    int mismatches = 0;
    for (int r = 0; r < cube.rows; ++r) {
        for (int c = 0; c < cube.cols; ++c)
            mismatches +=
                cube.at<cv::Vec3b>(r, c) != ReferenceSaturation(input.at<cv::Vec3b>(r, c), 60);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Effects_ColourRoutines, SaturationShiftHandCases) {
    cv::Mat colour = OnePixel({10, 200, 50});
    effects::ShiftSaturation(colour, -255);
    EXPECT_EQ(colour.at<cv::Vec3b>(0, 0), cv::Vec3b(105, 105, 105))
        << "no saturation leaves the grey of L";
    cv::Mat grey = OnePixel({90, 90, 90});
    effects::ShiftSaturation(grey, 0);
    EXPECT_EQ(grey.at<cv::Vec3b>(0, 0), cv::Vec3b(90, 90, 90));
    cv::Mat dark = OnePixel({0, 0, 0});
    effects::ShiftSaturation(dark, 100);
    EXPECT_EQ(dark.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 0)) << "black has no lightness to colour";
}

TEST(Effects_ColourRoutines, ColourShiftClampsEachChannel) {
    cv::Mat image = OnePixel({10, 100, 250});
    effects::ShiftColours(image, 10, -120, INT32_MIN);
    EXPECT_EQ(image.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 255));
    cv::Mat other = OnePixel({10, 100, 250});
    effects::ShiftColours(other, -5, 7, 3);
    EXPECT_EQ(other.at<cv::Vec3b>(0, 0), cv::Vec3b(13, 107, 245));
}

TEST(Effects_ColourRoutines, ColourShiftMatchesPlainClampingOnRandomFrames) {
    const int shifts[][3] = {{60, 20, 0}, {-300, 255, 7}, {-1, -128, 400}};
    for (const auto& shift : shifts) {
        // 37 pixels per row: whole blocks of 16 pixels and a remainder, in a frame that is not
        // continuous in memory.
        cv::Mat big = RandomFrame(40, 9, shift[0] + 500);
        cv::Mat image = big(cv::Rect(2, 1, 37, 7));
        const cv::Mat input = image.clone();
        effects::ShiftColours(image, shift[0], shift[1], shift[2]);
        for (int r = 0; r < input.rows; ++r) {
            for (int c = 0; c < input.cols; ++c) {
                const cv::Vec3b in = input.at<cv::Vec3b>(r, c);
                const cv::Vec3b expected(Clamp(in[0] + shift[2]), Clamp(in[1] + shift[1]),
                                         Clamp(in[2] + shift[0]));
                ASSERT_EQ(image.at<cv::Vec3b>(r, c), expected) << r << ", " << c;
            }
        }
        cv::Mat whole = input.clone();  // continuous
        effects::ShiftColours(whole, shift[0], shift[1], shift[2]);
        EXPECT_EQ(CountDifferences(whole, image), 0);
    }
}

TEST(Effects_ColourRoutines, NoiseIsBoundedCentredFollowsSrandAndAdvancesRand) {
    // Mid-grey, so no change is cut off by clamping.
    const cv::Mat input(60, 80, CV_8UC3, cv::Scalar::all(128));
    std::srand(1234);
    cv::Mat first = input.clone();
    effects::AddNoise(first, 50);
    const int afterNoise = std::rand();

    std::srand(1234);
    cv::Mat again = input.clone();
    effects::AddNoise(again, 50);
    EXPECT_EQ(CountDifferences(first, again), 0) << "the same seed gives the same noise";
    EXPECT_EQ(std::rand(), afterNoise);
    std::srand(1234);
    EXPECT_NE(std::rand(), afterNoise) << "the noise draws from the shared sequence";

    cv::Mat next = input.clone();
    effects::AddNoise(next, 50);
    EXPECT_GT(CountDifferences(first, next), 0) << "the next frame's noise differs";

    cv::Mat change;
    first.convertTo(change, CV_32S);
    change -= cv::Scalar::all(128);
    double smallest = 0, largest = 0;
    cv::minMaxLoc(change.reshape(1), &smallest, &largest);
    EXPECT_GE(smallest, -25);
    EXPECT_LE(largest, 25);
    EXPECT_LT(smallest, -20);
    EXPECT_GT(largest, 20);
    EXPECT_NEAR(cv::mean(change.reshape(1))[0], 0.0, 0.5);
}

TEST(Effects_Filters, GreyWeightsRedOnTheBlueByte) {
    EXPECT_EQ(RunKind(effects::FilterKind::kGrey, OnePixel({255, 0, 0})).at<cv::Vec3b>(0, 0),
              cv::Vec3b(76, 76, 76));
    EXPECT_EQ(RunKind(effects::FilterKind::kGrey, OnePixel({0, 0, 255})).at<cv::Vec3b>(0, 0),
              cv::Vec3b(29, 29, 29));
    EXPECT_EQ(RunKind(effects::FilterKind::kGrey, OnePixel({0, 255, 0})).at<cv::Vec3b>(0, 0),
              cv::Vec3b(150, 150, 150));
}

TEST(Effects_Filters, NegativeInvertsEveryByte) {
    const cv::Mat input = RandomFrame(9, 4, 5);
    cv::Mat expected = cv::Scalar::all(255) - input;
    EXPECT_EQ(CountDifferences(RunKind(effects::FilterKind::kNegative, input), expected), 0);
}

TEST(Effects_Filters, PencilSketchDrawsStrongEdgesBlackOnWhite) {
    EXPECT_EQ(cv::countNonZero(255 - RunKind(effects::FilterKind::kPencilSketch,
                                             cv::Mat(8, 8, CV_8UC3, cv::Scalar::all(90)))
                                         .reshape(1)),
              0)
        << "a flat picture is all white";
    cv::Mat dot(9, 9, CV_8UC3, cv::Scalar::all(0));
    dot.at<cv::Vec3b>(4, 4) = {255, 255, 255};
    const cv::Mat sketch = RunKind(effects::FilterKind::kPencilSketch, dot);
    // Around a bright dot the Laplacian is 2 * 255 at the diagonal neighbours, 0 beside it and
    // -8 * 255 on the dot itself.
    EXPECT_EQ(sketch.at<cv::Vec3b>(3, 3), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(sketch.at<cv::Vec3b>(5, 5), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(sketch.at<cv::Vec3b>(3, 4), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(sketch.at<cv::Vec3b>(4, 4), cv::Vec3b(255, 255, 255));
}

TEST(Effects_Filters, TwoToneSepiaTurnsBlackBrownAndKeepsWhite) {
    cv::Mat input(2, 2, CV_8UC3, cv::Scalar::all(0));
    input.at<cv::Vec3b>(0, 1) = {255, 255, 255};
    input.at<cv::Vec3b>(1, 0) = {140, 130, 120};  // grey above 128
    input.at<cv::Vec3b>(1, 1) = {128, 128, 128};  // grey not above 128
    const cv::Mat out = RunKind(effects::FilterKind::kTwoToneSepia, input);
    EXPECT_EQ(out.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 20, 60));
    EXPECT_EQ(out.at<cv::Vec3b>(0, 1), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(out.at<cv::Vec3b>(1, 0), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(out.at<cv::Vec3b>(1, 1), cv::Vec3b(0, 20, 60));
}

TEST(Effects_Filters, SepiaOfGreyRaisesRedAndGreen) {
    EXPECT_EQ(RunKind(effects::FilterKind::kSepia, OnePixel({100, 100, 100})).at<cv::Vec3b>(0, 0),
              cv::Vec3b(100, 120, 160));
    EXPECT_EQ(RunKind(effects::FilterKind::kSepia, OnePixel({230, 230, 230})).at<cv::Vec3b>(0, 0),
              cv::Vec3b(230, 250, 255));
}

TEST(Effects_Filters, LightAndSaturationRunsTheTableThenTheShift) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kLightAndSaturation;
    filter.settings.brightness = 30;
    filter.settings.contrast = -100;
    filter.settings.saturation = -50;
    cv::Mat image = RandomFrame(5, 3, 6);
    ASSERT_TRUE(filter.RunFilter(image));
    EXPECT_EQ(CountDifferences(image, cv::Mat(3, 5, CV_8UC3, cv::Scalar::all(158))), 0)
        << "contrast -100 makes every byte 128 + brightness; less saturation keeps grey grey";
}

TEST(Effects_Filters, ColourShiftKindUsesItsSettings) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kColourShift;
    filter.settings.redShift = 5;
    filter.settings.greenShift = -5;
    filter.settings.blueShift = 300;
    cv::Mat image = OnePixel({1, 10, 20});
    ASSERT_TRUE(filter.RunFilter(image));
    EXPECT_EQ(image.at<cv::Vec3b>(0, 0), cv::Vec3b(255, 5, 25));
}

TEST(Effects_Filters, MosaicBlocksTakeTheirFirstPixelAlsoWhenCutShort) {
    const cv::Mat input = RandomFrame(10, 7, 8);
    const cv::Mat out = RunKind(effects::FilterKind::kMosaic, input);
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 10; ++c) {
            ASSERT_EQ(out.at<cv::Vec3b>(r, c), input.at<cv::Vec3b>(r / 4 * 4, c / 4 * 4))
                << r << ", " << c;
        }
    }
}

TEST(Effects_Filters, ErosionSpreadsADarkPixelOverItsNeighbours) {
    cv::Mat input(5, 5, CV_8UC3, cv::Scalar::all(200));
    input.at<cv::Vec3b>(2, 2) = {10, 20, 30};
    const cv::Mat out = RunKind(effects::FilterKind::kErosion, input);
    EXPECT_EQ(out.at<cv::Vec3b>(1, 1), cv::Vec3b(10, 20, 30));
    EXPECT_EQ(out.at<cv::Vec3b>(3, 3), cv::Vec3b(10, 20, 30));
    EXPECT_EQ(out.at<cv::Vec3b>(0, 0), cv::Vec3b(200, 200, 200))
        << "the frame's edge adds nothing dark";
}

TEST(Effects_Filters, KindsWithoutAnOperationLeaveThePicture) {
    const cv::Mat input = RandomFrame(6, 4, 11);
    for (int kind : {1, 2, 23, 1000, -1}) {
        EXPECT_EQ(CountDifferences(RunKind(kind, input), input), 0) << "kind " << kind;
    }
    FilterEffect filter;
    cv::Mat empty;
    EXPECT_FALSE(filter.RunFilter(empty));
    cv::Mat single(3, 3, CV_8UC1, cv::Scalar(1));
    EXPECT_FALSE(filter.RunFilter(single));
}

TEST(Effects_FilterEffect, KernelSetterFillsTheKernelOfItsKind) {
    std::vector<int32_t> values(25);
    for (int i = 0; i < 25; ++i) values[i] = i + 2;
    FilterEffect five;
    five.settings.filterKind = effects::FilterKind::kKernel5;
    five.SetKernel(values, 7, -3);
    EXPECT_EQ(five.settings.kernel5[24], 26);
    EXPECT_EQ(five.settings.kernel3[0], 1) << "the 3 x 3 kernel keeps its default";
    EXPECT_EQ(five.settings.kernelDivisor, 7);
    EXPECT_EQ(five.settings.kernelOffset, -3);

    FilterEffect three;
    three.settings.filterKind = effects::FilterKind::kKernel3;
    three.SetKernel(std::span(values).first(9), 2, 1);
    EXPECT_EQ(three.settings.kernel3[8], 10);
    EXPECT_EQ(three.settings.kernel5[0], 1);

    FilterEffect untouched;
    untouched.settings.filterKind = effects::FilterKind::kKernel5;
    untouched.SetKernel(std::span(values).first(9), 2, 1);
    untouched.SetKernel({}, 4, 4);
    EXPECT_EQ(untouched.settings.kernel5[0], 1) << "a kernel too short for the kind is not taken";
    EXPECT_EQ(untouched.settings.kernelDivisor, 0);
}

TEST(Effects_FilterEffect, ApplyReplacesTheFrameByTheFilteredFrame) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kNegative;
    const cv::Mat input = RandomFrame(16, 12, 12);
    cv::Mat frame = input.clone();
    EXPECT_EQ(filter.CurrentImage(frame), nullptr) << "no layer picture before the first Apply";
    filter.SetSize(16, 12);
    ASSERT_TRUE(filter.Apply(frame, false));
    EXPECT_EQ(CountDifferences(frame, cv::Scalar::all(255) - input), 0);
}

TEST(Effects_FilterEffect, SmallerRectangleShowsTheWholeFilteredFrameScaledDown) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kNegative;
    filter.SetSize(8, 6);
    filter.SetPosition(4, 3);
    cv::Mat frame(12, 16, CV_8UC3, cv::Scalar::all(40));
    ASSERT_TRUE(filter.Apply(frame, false));
    EXPECT_EQ(frame.at<cv::Vec3b>(3, 4), cv::Vec3b(215, 215, 215));
    EXPECT_EQ(frame.at<cv::Vec3b>(8, 11), cv::Vec3b(215, 215, 215));
    EXPECT_EQ(frame.at<cv::Vec3b>(9, 12), cv::Vec3b(40, 40, 40));
    EXPECT_EQ(frame.at<cv::Vec3b>(2, 4), cv::Vec3b(40, 40, 40));
}

TEST(Effects_FilterEffect, WholeFrameFilterGivesTheSameFrameInPlaceAsThroughItsLayer) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kSepia;
    filter.SetSize(16, 12);
    const cv::Mat input = RandomFrame(16, 12, 13);
    cv::Mat expected = input.clone();
    ASSERT_TRUE(filter.RunFilter(expected));
    cv::Mat first = input.clone();
    ASSERT_TRUE(filter.Apply(first, false));  // makes the layer picture
    cv::Mat again = input.clone();
    ASSERT_TRUE(filter.Apply(again, false));  // filters the frame itself
    EXPECT_EQ(CountDifferences(first, expected), 0);
    EXPECT_EQ(CountDifferences(again, expected), 0);

    filter.SetSelected(true);
    cv::Mat selected = input.clone();
    ASSERT_TRUE(filter.Apply(selected, true));
    EXPECT_EQ(selected.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 100, 100)) << "the border is drawn";
    EXPECT_EQ(selected.at<cv::Vec3b>(6, 8), expected.at<cv::Vec3b>(6, 8));
}
