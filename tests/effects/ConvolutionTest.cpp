#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <algorithm>
#include <vector>

#include "effects/Convolution.h"
#include "effects/FilterEffect.h"
#include "tests/effects/EffectTestSupport.h"

using namespace effects_test;

namespace {

// The convolution as the working picture sees it, written out plainly: the frame turned
// bottom-up, kernel entry (u, v) weighting working point (x + v - k/2, y + u - k/2), then turned
// back.
cv::Mat ReferenceConvolution(const cv::Mat& frame, const std::vector<int32_t>& kernel, int k,
                             long long divisor, long long offset) {
    cv::Mat working;
    cv::flip(frame, working, 0);
    cv::Mat result = working.clone();
    long long total = 0;
    for (int32_t w : kernel) total += w;
    for (int y = 0; y < working.rows; ++y) {
        for (int x = 0; x < working.cols; ++x) {
            long long sum[3] = {0, 0, 0};
            long long used = 0;
            for (int u = 0; u < k; ++u) {
                for (int v = 0; v < k; ++v) {
                    const int tx = x + v - k / 2, ty = y + u - k / 2;
                    if (tx < 0 || ty < 0 || tx >= working.cols || ty >= working.rows) continue;
                    const long long w = kernel[u * k + v];
                    used += w;
                    for (int ch = 0; ch < 3; ++ch) sum[ch] += w * working.at<cv::Vec3b>(ty, tx)[ch];
                }
            }
            for (int ch = 0; ch < 3; ++ch) {
                long long value;
                if (divisor == 0 || used == 0) {
                    value = offset + sum[ch];
                } else if (used == total) {
                    value = offset + sum[ch] / divisor;
                } else {
                    value = offset + (sum[ch] * total) / (divisor * used);
                }
                result.at<cv::Vec3b>(y, x)[ch] =
                    static_cast<uint8_t>(std::clamp<long long>(value, 0, 255));
            }
        }
    }
    cv::Mat back;
    cv::flip(result, back, 0);
    return back;
}

std::vector<int32_t> RandomKernel(int k, int low, int high, uint64_t seed) {
    cv::RNG rng(seed);
    std::vector<int32_t> kernel(k * k);
    for (int32_t& w : kernel) w = rng.uniform(low, high + 1);
    return kernel;
}

struct ConvolutionCase {
    int size;
    int low, high;  // weight range
    int divisor;
    int offset;
    cv::Size frame;
};

void PrintTo(const ConvolutionCase& c, std::ostream* os) {
    *os << c.size << "x" << c.size << " weights " << c.low << ".." << c.high << " divisor "
        << c.divisor << " offset " << c.offset << " on " << c.frame;
}

}  // namespace

class Effects_ConvolutionMatchesPlainLoop : public ::testing::TestWithParam<ConvolutionCase> {};

TEST_P(Effects_ConvolutionMatchesPlainLoop, OnSeededRandomFrames) {
    const ConvolutionCase c = GetParam();
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        const cv::Mat input = RandomFrame(c.frame.width, c.frame.height, seed * 31 + c.size);
        const std::vector<int32_t> kernel =
            RandomKernel(c.size, c.low, c.high, seed * 7 + c.divisor);
        cv::Mat actual = input.clone();
        cv::Mat scratch;
        effects::Convolve(actual, kernel, c.size, c.divisor, c.offset, scratch);
        EXPECT_EQ(CountDifferences(
                      actual, ReferenceConvolution(input, kernel, c.size, c.divisor, c.offset)),
                  0)
            << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kernels, Effects_ConvolutionMatchesPlainLoop,
    ::testing::Values(ConvolutionCase{3, -4, 4, 0, 0, {37, 23}},   // sums in 16 bits, no divisor
                      ConvolutionCase{3, -4, 4, 3, 20, {37, 23}},  // divided, truncated toward zero
                      ConvolutionCase{3, -4, 4, -7, 127, {41, 17}},    // negative divisor
                      ConvolutionCase{5, -2, 3, 5, -10, {43, 29}},     // 5 x 5
                      ConvolutionCase{3, 1, 1, 9, 0, {64, 48}},        // a box blur
                      ConvolutionCase{3, -900, 900, 41, 3, {29, 11}},  // sums beyond 16 bits
                      ConvolutionCase{5, -40, 40, -13, 64, {19, 21}},
                      ConvolutionCase{5, 0, 2, 4, 0, {4, 3}},  // smaller than the kernel
                      ConvolutionCase{3, -1, 1, 2, 50, {1, 1}},
                      ConvolutionCase{3, -4, 4, 1 << 30, 100, {20, 6}}  // a divisor no sum reaches
                      ));

TEST(Effects_Convolution, KernelRowZeroLooksBelowTheCentreInTheFrame) {
    // Only the top row of the kernel weighs anything.
    const std::vector<int32_t> kernel = {0, 1, 0, 0, 0, 0, 0, 0, 0};
    cv::Mat image(3, 3, CV_8UC3, cv::Scalar::all(0));
    image.at<cv::Vec3b>(2, 1) = {50, 60, 70};  // below the centre
    cv::Mat scratch;
    effects::Convolve(image, kernel, 3, 0, 0, scratch);
    EXPECT_EQ(image.at<cv::Vec3b>(1, 1), cv::Vec3b(50, 60, 70));
}

TEST(Effects_Convolution, ZeroSumKernelAtTheBorderUsesTheWeightsInside) {
    // used = 1 of total 0: offset + sum * 0 / (divisor * 1) = offset.
    const std::vector<int32_t> kernel = {1, 0, 0, 0, 0, 0, 0, 0, -1};
    cv::Mat image(4, 4, CV_8UC3, cv::Scalar::all(9));
    cv::Mat scratch;
    effects::Convolve(image, kernel, 3, 5, 40, scratch);
    EXPECT_EQ(image.at<cv::Vec3b>(0, 2), cv::Vec3b(40, 40, 40));
    EXPECT_EQ(image.at<cv::Vec3b>(1, 1), cv::Vec3b(40, 40, 40)) << "inside: offset + 9 - 9";
}

TEST(Effects_Emboss, FlatPictureIs127Everywhere) {
    cv::Mat image(20, 30, CV_8UC3, cv::Scalar::all(77));
    cv::Mat scratch;
    effects::Emboss(image, scratch);
    EXPECT_EQ(CountDifferences(image, cv::Mat(20, 30, CV_8UC3, cv::Scalar::all(127))), 0);
}

TEST(Effects_Emboss, AddsUpperLeftAndSubtractsLowerRightWithA127Border) {
    cv::Mat image = RandomFrame(35, 19, 21);
    const cv::Mat input = image.clone();
    effects::FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kEmboss;
    ASSERT_TRUE(filter.RunFilter(image));
    for (int r = 0; r < image.rows; ++r) {
        for (int c = 0; c < image.cols; ++c) {
            const bool border = r == 0 || c == 0 || r == image.rows - 1 || c == image.cols - 1;
            for (int ch = 0; ch < 3; ++ch) {
                const int expected = border
                                         ? 127
                                         : std::clamp(127 + input.at<cv::Vec3b>(r - 1, c - 1)[ch] -
                                                          input.at<cv::Vec3b>(r + 1, c + 1)[ch],
                                                      0, 255);
                ASSERT_EQ(image.at<cv::Vec3b>(r, c)[ch], expected) << r << ", " << c;
            }
        }
    }
}

TEST(Effects_FilterEffect, KernelKindsUseTheGivenKernels) {
    const cv::Mat input = RandomFrame(24, 18, 5);
    const std::vector<int32_t> three = {0, -1, 0, -1, 5, -1, 0, -1, 0};
    effects::FilterEffect sharpen;
    sharpen.settings.filterKind = effects::FilterKind::kKernel3;
    sharpen.SetKernel(three, 1, 0);
    cv::Mat image = input.clone();
    ASSERT_TRUE(sharpen.RunFilter(image));
    EXPECT_EQ(CountDifferences(image, ReferenceConvolution(input, three, 3, 1, 0)), 0);

    const std::vector<int32_t> five = RandomKernel(5, -3, 3, 99);
    effects::FilterEffect custom;
    custom.settings.filterKind = effects::FilterKind::kKernel5;
    custom.SetKernel(five, 3, 10);
    image = input.clone();
    ASSERT_TRUE(custom.RunFilter(image));
    EXPECT_EQ(CountDifferences(image, ReferenceConvolution(input, five, 5, 3, 10)), 0);

    effects::FilterEffect defaults;
    defaults.settings.filterKind = effects::FilterKind::kKernel3;
    image = input.clone();
    ASSERT_TRUE(defaults.RunFilter(image));
    EXPECT_EQ(
        CountDifferences(image, ReferenceConvolution(input, std::vector<int32_t>(9, 1), 3, 0, 0)),
        0)
        << "an all-ones kernel without divisor by default";
}
