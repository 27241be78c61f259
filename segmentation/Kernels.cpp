#include "segmentation/Kernels.h"

#include <opencv2/core.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace segmentation {

namespace {

// Eight floats in one 256-bit value; only ever a local, never a parameter or a result (whose
// passing would differ between the targets), so the code below is the same for the baseline
// target (as two 128-bit halves) and for AVX2.
typedef float Float8 __attribute__((vector_size(32)));
#define QUENVALOR_LOAD8(v, p) __builtin_memcpy(&(v), (p), sizeof(Float8))
#define QUENVALOR_STORE8(p, v) __builtin_memcpy((p), &(v), sizeof(Float8))

[[gnu::always_inline]] inline float Activate(float x, Activation activation) {
    switch (activation) {
        case Activation::None:
            return x;
        case Activation::Relu:
            return std::max(x, 0.0f);
        case Activation::ReluN1To1:
            return std::clamp(x, -1.0f, 1.0f);
        case Activation::Relu6:
            return std::clamp(x, 0.0f, 6.0f);
    }
    return x;
}

// The activation's bounds, for clamping eight values at a time.
void ActivationBounds(Activation activation, float& low, float& high) {
    low = -INFINITY;
    high = INFINITY;
    if (activation == Activation::Relu || activation == Activation::Relu6) low = 0.0f;
    if (activation == Activation::Relu6) high = 6.0f;
    if (activation == Activation::ReluN1To1) low = -1.0f, high = 1.0f;
}

// C (rows x n) = A (rows x k, row stride lda) * B (k x n) + bias, clamped to [low, high]; n is
// a multiple of 8. Four rows and sixteen columns at a time are kept in registers.
[[gnu::always_inline]] inline void GemmBody(const float* __restrict a, int rows, int k, int lda,
                                            const float* __restrict b, const float* __restrict bias,
                                            int n, float low, float high, float* __restrict c) {
    const Float8 lo = {low, low, low, low, low, low, low, low};
    const Float8 hi = {high, high, high, high, high, high, high, high};
// Clamps v to the activation's bounds and stores it at p.
#define QUENVALOR_PUT(p, v)               \
    do {                                  \
        Float8 put = (v) < lo ? lo : (v); \
        put = put > hi ? hi : put;        \
        QUENVALOR_STORE8(p, put);         \
    } while (false)
    int r = 0;
    for (; r + 4 <= rows; r += 4) {
        const float* a0 = a + static_cast<std::size_t>(r) * lda;
        const float* a1 = a0 + lda;
        const float* a2 = a1 + lda;
        const float* a3 = a2 + lda;
        float* c0 = c + static_cast<std::size_t>(r) * n;
        int j = 0;
        for (; j + 16 <= n; j += 16) {
            Float8 s00, s01;
            QUENVALOR_LOAD8(s00, bias + j);
            QUENVALOR_LOAD8(s01, bias + j + 8);
            Float8 s10 = s00, s11 = s01, s20 = s00, s21 = s01, s30 = s00, s31 = s01;
            const float* bk = b + j;
            for (int i = 0; i < k; ++i, bk += n) {
                Float8 b0, b1;
                QUENVALOR_LOAD8(b0, bk);
                QUENVALOR_LOAD8(b1, bk + 8);
                s00 += a0[i] * b0, s01 += a0[i] * b1;
                s10 += a1[i] * b0, s11 += a1[i] * b1;
                s20 += a2[i] * b0, s21 += a2[i] * b1;
                s30 += a3[i] * b0, s31 += a3[i] * b1;
            }
            QUENVALOR_PUT(c0 + j, s00);
            QUENVALOR_PUT(c0 + j + 8, s01);
            QUENVALOR_PUT(c0 + n + j, s10);
            QUENVALOR_PUT(c0 + n + j + 8, s11);
            QUENVALOR_PUT(c0 + 2 * n + j, s20);
            QUENVALOR_PUT(c0 + 2 * n + j + 8, s21);
            QUENVALOR_PUT(c0 + 3 * n + j, s30);
            QUENVALOR_PUT(c0 + 3 * n + j + 8, s31);
        }
        for (; j < n; j += 8) {
            Float8 s0;
            QUENVALOR_LOAD8(s0, bias + j);
            Float8 s1 = s0, s2 = s0, s3 = s0;
            const float* bk = b + j;
            for (int i = 0; i < k; ++i, bk += n) {
                Float8 b0;
                QUENVALOR_LOAD8(b0, bk);
                s0 += a0[i] * b0, s1 += a1[i] * b0, s2 += a2[i] * b0, s3 += a3[i] * b0;
            }
            QUENVALOR_PUT(c0 + j, s0);
            QUENVALOR_PUT(c0 + n + j, s1);
            QUENVALOR_PUT(c0 + 2 * n + j, s2);
            QUENVALOR_PUT(c0 + 3 * n + j, s3);
        }
    }
    for (; r < rows; ++r) {
        const float* a0 = a + static_cast<std::size_t>(r) * lda;
        float* c0 = c + static_cast<std::size_t>(r) * n;
        for (int j = 0; j < n; j += 8) {
            Float8 s0;
            QUENVALOR_LOAD8(s0, bias + j);
            const float* bk = b + j;
            for (int i = 0; i < k; ++i, bk += n) {
                Float8 b0;
                QUENVALOR_LOAD8(b0, bk);
                s0 += a0[i] * b0;
            }
            QUENVALOR_PUT(c0 + j, s0);
        }
    }
#undef QUENVALOR_PUT
}

void GemmBaseline(const float* a, int rows, int k, int lda, const float* b, const float* bias,
                  int n, float low, float high, float* c) {
    GemmBody(a, rows, k, lda, b, bias, n, low, high, c);
}
__attribute__((target("avx2,fma"))) void GemmAvx2(const float* a, int rows, int k, int lda,
                                                  const float* b, const float* bias, int n,
                                                  float low, float high, float* c) {
    GemmBody(a, rows, k, lda, b, bias, n, low, high, c);
}

bool HasAvx2() {
    static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return available;
}

void Gemm(const float* a, int rows, int k, int lda, const float* b, const float* bias, int n,
          Activation activation, float* c) {
    float low, high;
    ActivationBounds(activation, low, high);
    (HasAvx2() ? GemmAvx2 : GemmBaseline)(a, rows, k, lda, b, bias, n, low, high, c);
}

struct DepthwiseGeometry {
    int inH, inW, outH, outW, channels, multiplier;
    int filterH, filterW, strideH, strideW, padTop, padLeft;
};

// One output row of a depthwise convolution at a time; the taps outside the input are skipped.
[[gnu::always_inline]] inline void DepthwiseBody(const float* __restrict in,
                                                 const float* __restrict filter,
                                                 const float* __restrict bias,
                                                 const DepthwiseGeometry& g,
                                                 float* __restrict out) {
    const int inC = g.channels / g.multiplier;
    const int c = g.channels;
    for (int y = 0; y < g.outH; ++y) {
        for (int x = 0; x < g.outW; ++x) {
            float* o = out + (static_cast<std::size_t>(y) * g.outW + x) * c;
            for (int ch = 0; ch < c; ++ch) o[ch] = bias[ch];
            for (int ky = 0; ky < g.filterH; ++ky) {
                const int iy = y * g.strideH - g.padTop + ky;
                if (iy < 0 || iy >= g.inH) continue;
                for (int kx = 0; kx < g.filterW; ++kx) {
                    const int ix = x * g.strideW - g.padLeft + kx;
                    if (ix < 0 || ix >= g.inW) continue;
                    const float* i = in + (static_cast<std::size_t>(iy) * g.inW + ix) * inC;
                    const float* w = filter + (static_cast<std::size_t>(ky) * g.filterW + kx) * c;
                    if (g.multiplier == 1) {
                        for (int ch = 0; ch < c; ++ch) o[ch] += i[ch] * w[ch];
                    } else {
                        for (int ch = 0; ch < c; ++ch) o[ch] += i[ch / g.multiplier] * w[ch];
                    }
                }
            }
        }
    }
}

void DepthwiseBaseline(const float* in, const float* filter, const float* bias,
                       const DepthwiseGeometry& g, float* out) {
    DepthwiseBody(in, filter, bias, g, out);
}
__attribute__((target("avx2,fma"))) void DepthwiseAvx2(const float* in, const float* filter,
                                                       const float* bias,
                                                       const DepthwiseGeometry& g, float* out) {
    DepthwiseBody(in, filter, bias, g, out);
}

// The shape of an operand stretched over `out`: its step per row, column and channel, zero
// along a dimension of 1.
struct Broadcast {
    std::size_t row, column, channel;
};
Broadcast StepsOf(const View& v) {
    const std::size_t channel = v.channels == 1 ? 0 : 1;
    const std::size_t column = v.width == 1 ? 0 : static_cast<std::size_t>(v.channels);
    const std::size_t row = v.height == 1 ? 0 : static_cast<std::size_t>(v.width) * v.channels;
    return {row, column, channel};
}

template <typename Operation>
void Elementwise(const View& a, const View& b, const Output& out, Activation activation,
                 Operation operation) {
    const std::size_t count = static_cast<std::size_t>(out.height) * out.width * out.channels;
    const bool same = a.height == b.height && a.width == b.width && a.channels == b.channels &&
                      a.height == out.height && a.width == out.width && a.channels == out.channels;
    if (same) {
        for (std::size_t i = 0; i < count; ++i)
            out.data[i] = Activate(operation(a.data[i], b.data[i]), activation);
        return;
    }
    const Broadcast sa = StepsOf(a), sb = StepsOf(b);
    float* o = out.data;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const float* pa = a.data + y * sa.row + x * sa.column;
            const float* pb = b.data + y * sb.row + x * sb.column;
            for (int c = 0; c < out.channels; ++c)
                *o++ = Activate(operation(pa[c * sa.channel], pb[c * sb.channel]), activation);
        }
}

}  // namespace

int WindowedLength(int in, int filter, int stride, Padding padding) {
    if (padding == Padding::Same) return (in + stride - 1) / stride;
    return in >= filter ? (in - filter) / stride + 1 : 0;
}

int PaddingBefore(int in, int filter, int stride, Padding padding) {
    if (padding == Padding::Valid) return 0;
    const int64_t out = WindowedLength(in, filter, stride, padding);
    return static_cast<int>(std::max<int64_t>((out - 1) * stride + filter - in, 0) / 2);
}

void ApplyActivation(float* data, std::size_t count, Activation activation) {
    if (activation == Activation::None) return;
    for (std::size_t i = 0; i < count; ++i) data[i] = Activate(data[i], activation);
}

Conv2DKernel::Conv2DKernel(const float* filter, int outChannels, int filterH, int filterW,
                           int inChannels, const float* bias, int strideW, int strideH,
                           Padding padding, Activation activation)
    : outChannels_(outChannels),
      filterH_(filterH),
      filterW_(filterW),
      inChannels_(inChannels),
      strideW_(strideW),
      strideH_(strideH),
      padding_(padding),
      activation_(activation) {
    // The matrix's columns are padded to a multiple of eight output channels with zeros.
    const int columns = (outChannels + 7) / 8 * 8;
    const int depth = filterH * filterW * inChannels;
    matrix_.assign(static_cast<std::size_t>(depth) * columns, 0.0f);
    bias_.assign(columns, 0.0f);
    for (int o = 0; o < outChannels; ++o) {
        bias_[o] = bias ? bias[o] : 0.0f;
        for (int i = 0; i < depth; ++i)
            matrix_[static_cast<std::size_t>(i) * columns + o] =
                filter[static_cast<std::size_t>(o) * depth + i];
    }
}

void Conv2DKernel::Run(const View& in, const Output& out, std::vector<float>& scratch) const {
    const int columns = static_cast<int>(bias_.size());
    const int depth = filterH_ * filterW_ * inChannels_;
    const int pixels = out.height * out.width;
    const float* rows = in.data;
    if (filterH_ != 1 || filterW_ != 1 || strideH_ != 1 || strideW_ != 1) {
        // Gather each output pixel's window (zeros where it overhangs) into one row.
        const int padTop = PaddingBefore(in.height, filterH_, strideH_, padding_);
        const int padLeft = PaddingBefore(in.width, filterW_, strideW_, padding_);
        scratch.assign(static_cast<std::size_t>(pixels) * depth, 0.0f);
        float* row = scratch.data();
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x, row += depth)
                for (int ky = 0; ky < filterH_; ++ky) {
                    const int iy = y * strideH_ - padTop + ky;
                    if (iy < 0 || iy >= in.height) continue;
                    for (int kx = 0; kx < filterW_; ++kx) {
                        const int ix = x * strideW_ - padLeft + kx;
                        if (ix < 0 || ix >= in.width) continue;
                        std::memcpy(
                            row + (ky * filterW_ + kx) * inChannels_,
                            in.data + (static_cast<std::size_t>(iy) * in.width + ix) * inChannels_,
                            sizeof(float) * inChannels_);
                    }
                }
        rows = scratch.data();
    }
    if (columns == outChannels_) {
        Gemm(rows, pixels, depth, depth, matrix_.data(), bias_.data(), columns, activation_,
             out.data);
        return;
    }
    std::vector<float> wide(static_cast<std::size_t>(pixels) * columns);
    Gemm(rows, pixels, depth, depth, matrix_.data(), bias_.data(), columns, activation_,
         wide.data());
    for (int p = 0; p < pixels; ++p)
        std::memcpy(out.data + static_cast<std::size_t>(p) * outChannels_,
                    wide.data() + static_cast<std::size_t>(p) * columns,
                    sizeof(float) * outChannels_);
}

DepthwiseConv2DKernel::DepthwiseConv2DKernel(const float* filter, int filterH, int filterW,
                                             int outChannels, int depthMultiplier,
                                             const float* bias, int strideW, int strideH,
                                             Padding padding, Activation activation)
    : filterH_(filterH),
      filterW_(filterW),
      outChannels_(outChannels),
      multiplier_(depthMultiplier),
      strideW_(strideW),
      strideH_(strideH),
      padding_(padding),
      activation_(activation),
      filter_(filter, filter + static_cast<std::size_t>(filterH) * filterW * outChannels),
      bias_(outChannels, 0.0f) {
    if (bias) std::copy(bias, bias + outChannels, bias_.begin());
}

void DepthwiseConv2DKernel::Run(const View& in, const Output& out) const {
    const DepthwiseGeometry g{in.height,
                              in.width,
                              out.height,
                              out.width,
                              outChannels_,
                              multiplier_,
                              filterH_,
                              filterW_,
                              strideH_,
                              strideW_,
                              PaddingBefore(in.height, filterH_, strideH_, padding_),
                              PaddingBefore(in.width, filterW_, strideW_, padding_)};
    (HasAvx2() ? DepthwiseAvx2 : DepthwiseBaseline)(in.data, filter_.data(), bias_.data(), g,
                                                    out.data);
    ApplyActivation(out.data, static_cast<std::size_t>(out.height) * out.width * out.channels,
                    activation_);
}

TransposeConvKernel::TransposeConvKernel(const float* filter, int outChannels, int filterH,
                                         int filterW, int inChannels, const float* bias,
                                         int strideW, int strideH, Padding padding)
    : outChannels_(outChannels),
      filterH_(filterH),
      filterW_(filterW),
      inChannels_(inChannels),
      strideW_(strideW),
      strideH_(strideH),
      padding_(padding),
      filter_(filter,
              filter + static_cast<std::size_t>(outChannels) * filterH * filterW * inChannels),
      bias_(outChannels, 0.0f) {
    if (bias) std::copy(bias, bias + outChannels, bias_.begin());
}

void TransposeConvKernel::Run(const View& in, const Output& out) const {
    // The padding that makes (in - 1) * stride + filter cover the output, split as a forward
    // convolution's would be.
    const auto before = [](int inLength, int outLength, int filter, int stride, Padding padding) {
        if (padding == Padding::Valid) return 0;
        return static_cast<int>(
            std::max<int64_t>(int64_t{inLength - 1} * stride + filter - outLength, 0) / 2);
    };
    const int padTop = before(in.height, out.height, filterH_, strideH_, padding_);
    const int padLeft = before(in.width, out.width, filterW_, strideW_, padding_);
    const std::size_t count = static_cast<std::size_t>(out.height) * out.width;
    for (std::size_t p = 0; p < count; ++p)
        std::copy(bias_.begin(), bias_.end(), out.data + p * outChannels_);
    for (int y = 0; y < in.height; ++y)
        for (int x = 0; x < in.width; ++x) {
            const float* i = in.data + (static_cast<std::size_t>(y) * in.width + x) * inChannels_;
            for (int ky = 0; ky < filterH_; ++ky) {
                const int oy = y * strideH_ - padTop + ky;
                if (oy < 0 || oy >= out.height) continue;
                for (int kx = 0; kx < filterW_; ++kx) {
                    const int ox = x * strideW_ - padLeft + kx;
                    if (ox < 0 || ox >= out.width) continue;
                    float* o =
                        out.data + (static_cast<std::size_t>(oy) * out.width + ox) * outChannels_;
                    for (int oc = 0; oc < outChannels_; ++oc) {
                        const float* w =
                            filter_.data() +
                            ((static_cast<std::size_t>(oc) * filterH_ + ky) * filterW_ + kx) *
                                inChannels_;
                        float sum = 0.0f;
                        for (int ic = 0; ic < inChannels_; ++ic) sum += i[ic] * w[ic];
                        o[oc] += sum;
                    }
                }
            }
        }
}

void AveragePool2D(const View& in, const Output& out, int filterW, int filterH, int strideW,
                   int strideH, Padding padding, Activation activation) {
    const int padTop = PaddingBefore(in.height, filterH, strideH, padding);
    const int padLeft = PaddingBefore(in.width, filterW, strideW, padding);
    const int c = in.channels;
    std::vector<double> sum(c);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const int y0 = std::max(y * strideH - padTop, 0),
                      y1 = std::min(y * strideH - padTop + filterH, in.height);
            const int x0 = std::max(x * strideW - padLeft, 0),
                      x1 = std::min(x * strideW - padLeft + filterW, in.width);
            std::fill(sum.begin(), sum.end(), 0.0);
            for (int iy = y0; iy < y1; ++iy)
                for (int ix = x0; ix < x1; ++ix) {
                    const float* i = in.data + (static_cast<std::size_t>(iy) * in.width + ix) * c;
                    for (int ch = 0; ch < c; ++ch) sum[ch] += i[ch];
                }
            const int cells = std::max((y1 - y0) * (x1 - x0), 1);
            float* o = out.data + (static_cast<std::size_t>(y) * out.width + x) * c;
            for (int ch = 0; ch < c; ++ch)
                o[ch] = Activate(static_cast<float>(sum[ch] / cells), activation);
        }
}

void MeanOverSpace(const View& in, const Output& out) {
    AveragePool2D(in, out, in.width, in.height, 1, 1, Padding::Valid, Activation::None);
}

void ResizeBilinear(const View& in, const Output& out, bool alignCorners, bool halfPixelCenters) {
    const auto scaleOf = [alignCorners](int inLength, int outLength) {
        if (alignCorners && outLength > 1)
            return static_cast<float>(inLength - 1) / (outLength - 1);
        return static_cast<float>(inLength) / outLength;
    };
    const float scaleY = scaleOf(in.height, out.height), scaleX = scaleOf(in.width, out.width);
    const auto source = [halfPixelCenters](int at, float scale, int inLength, int& low, int& high,
                                           float& weight) {
        const float position = halfPixelCenters ? (at + 0.5f) * scale - 0.5f : at * scale;
        const float floor = std::floor(position);
        weight = position - floor;
        low = std::clamp(static_cast<int>(floor), 0, inLength - 1);
        high = std::clamp(static_cast<int>(floor) + 1, 0, inLength - 1);
    };
    const int c = in.channels;
    for (int y = 0; y < out.height; ++y) {
        int y0, y1;
        float wy;
        source(y, scaleY, in.height, y0, y1, wy);
        for (int x = 0; x < out.width; ++x) {
            int x0, x1;
            float wx;
            source(x, scaleX, in.width, x0, x1, wx);
            const float* p00 = in.data + (static_cast<std::size_t>(y0) * in.width + x0) * c;
            const float* p01 = in.data + (static_cast<std::size_t>(y0) * in.width + x1) * c;
            const float* p10 = in.data + (static_cast<std::size_t>(y1) * in.width + x0) * c;
            const float* p11 = in.data + (static_cast<std::size_t>(y1) * in.width + x1) * c;
            float* o = out.data + (static_cast<std::size_t>(y) * out.width + x) * c;
            for (int ch = 0; ch < c; ++ch) {
                const float top = p00[ch] + (p01[ch] - p00[ch]) * wx;
                const float bottom = p10[ch] + (p11[ch] - p10[ch]) * wx;
                o[ch] = top + (bottom - top) * wy;
            }
        }
    }
}

void Add(const View& a, const View& b, const Output& out, Activation activation) {
    Elementwise(a, b, out, activation, [](float x, float y) { return x + y; });
}

void Mul(const View& a, const View& b, const Output& out, Activation activation) {
    Elementwise(a, b, out, activation, [](float x, float y) { return x * y; });
}

void HardSwish(const float* in, float* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        out[i] = in[i] * std::clamp(in[i] + 3.0f, 0.0f, 6.0f) * (1.0f / 6.0f);
}

void Relu(const float* in, float* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out[i] = std::max(in[i], 0.0f);
}

void Logistic(const float* in, float* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out[i] = 1.0f / (1.0f + std::exp(-in[i]));
}

void HalfToFloat(const uint16_t* in, float* out, std::size_t count) {
    if (count == 0) return;
    const cv::Mat halves(1, static_cast<int>(count), CV_16F, const_cast<uint16_t*>(in));
    cv::Mat floats(1, static_cast<int>(count), CV_32F, out);
    halves.convertTo(floats, CV_32F);
}

}  // namespace segmentation
