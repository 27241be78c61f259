#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "segmentation/Kernels.h"

// Each operator on small tensors whose results are worked out by hand in the comments.
using namespace segmentation;

namespace {

View In(const std::vector<float>& v, int h, int w, int c) {
    return {v.data(), h, w, c};
}
Output Out(std::vector<float>& v, int h, int w, int c) {
    v.assign(static_cast<std::size_t>(h) * w * c, NAN);
    return {v.data(), h, w, c};
}

void ExpectValues(const std::vector<float>& actual, const std::vector<float>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "at " << i;
}

}  // namespace

TEST(Segmentation_Operators, PaddingFollowsTheFormat) {
    // SAME: ceil(in / stride) outputs; the odd padding cell goes after.
    EXPECT_EQ(WindowedLength(144, 3, 2, Padding::Same), 72);
    EXPECT_EQ(PaddingBefore(144, 3, 2, Padding::Same), 0);  // (71 * 2 + 3 - 144) = 1 -> 0 before
    EXPECT_EQ(WindowedLength(18, 5, 2, Padding::Same), 9);
    EXPECT_EQ(PaddingBefore(18, 5, 2, Padding::Same),
              1);  // 8 * 2 + 5 - 18 = 3 -> 1 before, 2 after
    EXPECT_EQ(PaddingBefore(9, 5, 1, Padding::Same), 2);
    EXPECT_EQ(WindowedLength(7, 3, 2, Padding::Valid), 3);
    EXPECT_EQ(PaddingBefore(7, 3, 2, Padding::Valid), 0);
}

TEST(Segmentation_Operators, Conv2DStridedWithPaddingAfter) {
    // A 4 x 4 picture of 1..16, one channel; a 3 x 3 filter of ones except a centre of 2, bias
    // 0.5; stride 2, SAME: 2 x 2 outputs, padding 0 before and 1 after on each axis.
    std::vector<float> in(16);
    for (int i = 0; i < 16; ++i) in[i] = static_cast<float>(i + 1);
    const std::vector<float> filter{1, 1, 1, 1, 2, 1, 1, 1, 1};
    const float bias = 0.5f;
    Conv2DKernel conv(filter.data(), 1, 3, 3, 1, &bias, 2, 2, Padding::Same, Activation::None);
    std::vector<float> out, scratch;
    conv.Run(In(in, 4, 4, 1), Out(out, 2, 2, 1), scratch);
    // (0,0): rows 0-2, cols 0-2: 1+2+3+5+6+7+9+10+11 = 54, + centre 6 again = 60, + 0.5.
    // (0,1): rows 0-2, cols 2-3: 3+4+7+8+11+12 = 45, + centre 8 = 53.
    // (1,0): rows 2-3, cols 0-2: 9+10+11+13+14+15 = 72, + centre 14 = 86.
    // (1,1): rows 2-3, cols 2-3: 11+12+15+16 = 54, + centre 16 = 70.
    ExpectValues(out, {60.5f, 53.5f, 86.5f, 70.5f});
}

TEST(Segmentation_Operators, PointwiseConv2DOverManyPixelsAndChannels) {
    // 1 x 1 filters: out[p][o] = bias[o] + sum_i in[p][i] * w[o][i]. Five pixels (a group of
    // four and one left over), three input channels, nine output channels (one full group of
    // eight and a part), Relu6 clamping.
    const int pixels = 5, inC = 3, outC = 9;
    std::vector<float> in(pixels * inC), filter(outC * inC), bias(outC);
    for (int i = 0; i < pixels * inC; ++i)
        in[i] = static_cast<float>(i % 4) - 1.0f;  // -1, 0, 1, 2, ...
    for (int i = 0; i < outC * inC; ++i)
        filter[i] = static_cast<float>(i % 3) - 0.5f;  // -0.5, 0.5, 1.5
    for (int o = 0; o < outC; ++o) bias[o] = 0.25f * o;
    Conv2DKernel conv(filter.data(), outC, 1, 1, inC, bias.data(), 1, 1, Padding::Same,
                      Activation::Relu6);
    std::vector<float> out, scratch, expected;
    conv.Run(In(in, 1, pixels, inC), Out(out, 1, pixels, outC), scratch);
    for (int p = 0; p < pixels; ++p)
        for (int o = 0; o < outC; ++o) {
            // Every filter row is (-0.5, 0.5, 1.5) as 27 is a multiple of 3.
            const float* x = &in[p * inC];
            const float sum = bias[o] - 0.5f * x[0] + 0.5f * x[1] + 1.5f * x[2];
            expected.push_back(std::clamp(sum, 0.0f, 6.0f));
        }
    ExpectValues(out, expected);
    // Pixel 0 is (-1, 0, 1): 0.5 + 1.5 = 2 plus the bias; pixel 1 is (2, -1, 0): -1.5, so
    // clamped to 0 until the bias passes 1.5.
    EXPECT_FLOAT_EQ(out[0], 2.0f);
    EXPECT_FLOAT_EQ(out[outC + 0], 0.0f);
    EXPECT_FLOAT_EQ(out[outC + 8], 0.5f);
}

TEST(Segmentation_Operators, DepthwiseConv2DKeepsChannelsApart) {
    // 3 x 3 picture, two channels: channel 0 = 1..9, channel 1 = 10 everywhere. 3 x 3 filters:
    // channel 0 all ones, channel 1 only the centre (weight 2). Bias (0, 1). SAME, stride 1.
    std::vector<float> in(18);
    for (int p = 0; p < 9; ++p) in[2 * p] = static_cast<float>(p + 1), in[2 * p + 1] = 10.0f;
    std::vector<float> filter(18, 0.0f);
    for (int t = 0; t < 9; ++t) filter[2 * t] = 1.0f;
    filter[2 * 4 + 1] = 2.0f;
    const std::vector<float> bias{0.0f, 1.0f};
    DepthwiseConv2DKernel conv(filter.data(), 3, 3, 2, 1, bias.data(), 1, 1, Padding::Same,
                               Activation::None);
    std::vector<float> out;
    conv.Run(In(in, 3, 3, 2), Out(out, 3, 3, 2));
    // Channel 0: the sum of each 3 x 3 neighbourhood inside the picture; corner (0,0) =
    // 1+2+4+5 = 12, centre = 45, bottom-right = 5+6+8+9 = 28. Channel 1: 2 * 10 + 1 = 21.
    EXPECT_FLOAT_EQ(out[0], 12.0f);
    EXPECT_FLOAT_EQ(out[2 * 4], 45.0f);
    EXPECT_FLOAT_EQ(out[2 * 8], 28.0f);
    EXPECT_FLOAT_EQ(out[2 * 1], 1 + 2 + 3 + 4 + 5 + 6);  // top edge centre
    for (int p = 0; p < 9; ++p) EXPECT_FLOAT_EQ(out[2 * p + 1], 21.0f);

    // Stride 2 with a depth multiplier of 2 on one channel: output channels (x, -x) of the
    // top-left 2 x 2 window's sum, VALID.
    const std::vector<float> single{1, 2, 3, 4};
    const std::vector<float> pair{1, -1, 1, -1, 1, -1, 1, -1};
    DepthwiseConv2DKernel doubled(pair.data(), 2, 2, 2, 2, nullptr, 2, 2, Padding::Valid,
                                  Activation::Relu);
    conv = doubled;
    conv.Run(In(single, 2, 2, 1), Out(out, 1, 1, 2));
    ExpectValues(out, {10.0f, 0.0f});  // -10 clamped by the Relu
}

TEST(Segmentation_Operators, TransposeConvSpreadsEachPixel) {
    // 2 x 2 picture, two channels; a 2 x 2 filter, stride 2, one output channel: every input
    // pixel becomes a 2 x 2 block, weights w[ky][kx] = (1, 2; 3, 4) on channel 0 and 10 times
    // that on channel 1, bias 0.5. Pixel values (1, 0), (2, 0), (0, 1), (1, 1).
    const std::vector<float> in{1, 0, 2, 0, 0, 1, 1, 1};
    const std::vector<float> filter{1, 10, 2, 20, 3, 30, 4, 40};
    const float bias = 0.5f;
    TransposeConvKernel conv(filter.data(), 1, 2, 2, 2, &bias, 2, 2, Padding::Same);
    std::vector<float> out;
    conv.Run(In(in, 2, 2, 2), Out(out, 4, 4, 1));
    // Block of pixel (0,0) = 1 * w; (0,1) = 2 * w; (1,0) = 10 * w; (1,1) = 11 * w.
    ExpectValues(out, {1.5f, 2.5f, 2.5f, 4.5f,      //
                       3.5f, 4.5f, 6.5f, 8.5f,      //
                       10.5f, 20.5f, 11.5f, 22.5f,  //
                       30.5f, 40.5f, 33.5f, 44.5f});

    // Overlapping windows: a 3 x 3 filter of ones, stride 2, SAME, on a 2 x 1 picture of (1, 2):
    // output 4 x 2, padding ((2 - 1) * 2 + 3 - 4) / 2 = 0 rows before; the second pixel's
    // window starts on output row 2, where the first one's ends, so that row takes both.
    const std::vector<float> column{1, 2};
    const std::vector<float> ones(9, 1.0f);
    TransposeConvKernel spread(ones.data(), 1, 3, 3, 1, nullptr, 2, 2, Padding::Same);
    spread.Run(In(column, 2, 1, 1), Out(out, 4, 2, 1));
    ExpectValues(out, {1, 1, 1, 1, 3, 3, 2, 2});
}

TEST(Segmentation_Operators, PoolingAndMeanAverageOnlyCellsInside) {
    // 3 x 3 of 1..9; 2 x 2 windows, stride 2, SAME: windows of 4, 2, 2 and 1 cells.
    std::vector<float> in(9);
    for (int i = 0; i < 9; ++i) in[i] = static_cast<float>(i + 1);
    std::vector<float> out;
    AveragePool2D(In(in, 3, 3, 1), Out(out, 2, 2, 1), 2, 2, 2, 2, Padding::Same, Activation::None);
    ExpectValues(out, {(1 + 2 + 4 + 5) / 4.0f, (3 + 6) / 2.0f, (7 + 8) / 2.0f, 9.0f});
    // The mean over rows and columns, per channel: channel 0 = 1..4, channel 1 = 10 * that.
    const std::vector<float> two{1, 10, 2, 20, 3, 30, 4, 40};
    MeanOverSpace(In(two, 2, 2, 2), Out(out, 1, 1, 2));
    ExpectValues(out, {2.5f, 25.0f});
}

TEST(Segmentation_Operators, ResizeBilinearMatchesCentresOrCorners) {
    // 1 x 2 -> 1 x 4 with pixel centres matched: x_in = (x + 0.5) / 2 - 0.5 = -0.25, 0.25,
    // 0.75, 1.25, clamped at the ends: 0, 2.5, 7.5, 10 for inputs (0, 10).
    const std::vector<float> in{0, 10};
    std::vector<float> out;
    ResizeBilinear(In(in, 1, 2, 1), Out(out, 1, 4, 1), false, true);
    ExpectValues(out, {0.0f, 2.5f, 7.5f, 10.0f});
    // Corners matched: x_in = x / 3: 0, 10/3, 20/3, 10.
    ResizeBilinear(In(in, 1, 2, 1), Out(out, 1, 4, 1), true, false);
    ExpectValues(out, {0.0f, 10.0f / 3, 20.0f / 3, 10.0f});
    // Neither: x_in = x / 2: 0, 5, 10, 10.
    ResizeBilinear(In(in, 1, 2, 1), Out(out, 1, 4, 1), false, false);
    ExpectValues(out, {0.0f, 5.0f, 10.0f, 10.0f});
    // Both axes at once, two channels: the centre of a 2 x 2 -> 3 x 3 corner-matched resize is
    // the mean of the four.
    const std::vector<float> square{0, 1, 4, 1, 8, 1, 12, 1};
    ResizeBilinear(In(square, 2, 2, 2), Out(out, 3, 3, 2), true, false);
    EXPECT_FLOAT_EQ(out[2 * 4], 6.0f);
    EXPECT_FLOAT_EQ(out[2 * 4 + 1], 1.0f);
}

TEST(Segmentation_Operators, AddAndMulStretchSingleDimensions) {
    // a: 1 x 2 x 2; b: one value per channel (the squeeze-and-excite multiply).
    const std::vector<float> a{1, 2, 3, 4};
    const std::vector<float> perChannel{10, -1};
    std::vector<float> out;
    Mul(In(a, 1, 2, 2), In(perChannel, 1, 1, 2), Out(out, 1, 2, 2), Activation::None);
    ExpectValues(out, {10, -2, 30, -4});
    Add(In(a, 1, 2, 2), In(perChannel, 1, 1, 2), Out(out, 1, 2, 2), Activation::Relu);
    ExpectValues(out, {11, 1, 13, 3});
    // Same shapes; a column stretched over a row.
    Add(In(a, 1, 2, 2), In(a, 1, 2, 2), Out(out, 1, 2, 2), Activation::ReluN1To1);
    ExpectValues(out, {1, 1, 1, 1});
    const std::vector<float> column{1, 2};
    const std::vector<float> row{10, 20, 30};
    Add(In(column, 2, 1, 1), In(row, 1, 3, 1), Out(out, 2, 3, 1), Activation::None);
    ExpectValues(out, {11, 21, 31, 12, 22, 32});
}

TEST(Segmentation_Operators, ActivationsAndHalfPrecision) {
    const std::vector<float> x{-4.0f, -1.0f, 0.0f, 1.0f, 4.0f, std::log(3.0f)};
    std::vector<float> out(x.size());
    HardSwish(x.data(), out.data(), x.size());
    // x * clamp(x + 3, 0, 6) / 6: 0, -1 * 2 / 6, 0, 1 * 4 / 6, 4 * 6 / 6.
    ExpectValues({out.begin(), out.begin() + 5}, {0.0f, -1.0f / 3, 0.0f, 2.0f / 3, 4.0f});
    Relu(x.data(), out.data(), x.size());
    ExpectValues(out, {0, 0, 0, 1, 4, std::log(3.0f)});
    Logistic(x.data(), out.data(), x.size());
    EXPECT_FLOAT_EQ(out[2], 0.5f);
    EXPECT_NEAR(out[5], 0.75f, 1e-6f);  // 1 / (1 + 1/3)
    EXPECT_NEAR(out[0], 1.0f / (1.0f + std::exp(4.0f)), 1e-7f);

    // 1.0, -2.0, the largest half (65504), the smallest subnormal (2^-24), one third (rounded).
    const std::vector<uint16_t> halves{0x3C00, 0xC000, 0x7BFF, 0x0001, 0x3555};
    std::vector<float> floats(halves.size());
    HalfToFloat(halves.data(), floats.data(), halves.size());
    EXPECT_EQ(floats[0], 1.0f);
    EXPECT_EQ(floats[1], -2.0f);
    EXPECT_EQ(floats[2], 65504.0f);
    EXPECT_EQ(floats[3], std::ldexp(1.0f, -24));
    EXPECT_EQ(floats[4], 1365.0f / 4096.0f);  // 0x155 / 1024 + 1, times 2^-2
}
