#pragma once

#include <cstdint>
#include <vector>

#include "segmentation/TfliteModel.h"

// The operators of the segmentation networks, on float tensors of one picture in NHWC order
// (rows, columns, channels; the channels of a pixel side by side). The busiest ones (the
// convolutions as matrix products, the depthwise convolutions) use AVX2 and FMA where the
// processor has them, else the same code for the baseline instruction set.
namespace segmentation {

struct View {
    const float* data = nullptr;
    int height = 1, width = 1, channels = 1;
};
struct Output {
    float* data = nullptr;
    int height = 1, width = 1, channels = 1;
};

// The output length of a strided window along one axis, and the padding before its first cell,
// as the format defines them: SAME covers every input cell with ceil(in / stride) outputs,
// padding as evenly as it can with the extra cell after; VALID takes only whole windows.
int WindowedLength(int in, int filter, int stride, Padding padding);
int PaddingBefore(int in, int filter, int stride, Padding padding);

void ApplyActivation(float* data, std::size_t count, Activation activation);

// A convolution whose filter (output channels, rows, columns, input channels) and bias are
// packed once for a matrix product: each output pixel is the product of its window's inputs
// with the filter's matrix.
class Conv2DKernel {
public:
    Conv2DKernel(const float* filter, int outChannels, int filterH, int filterW, int inChannels,
                 const float* bias, int strideW, int strideH, Padding padding,
                 Activation activation);
    // `scratch` holds the gathered windows when the filter is larger than one pixel or strided.
    void Run(const View& in, const Output& out, std::vector<float>& scratch) const;

private:
    int outChannels_, filterH_, filterW_, inChannels_;
    int strideW_, strideH_;
    Padding padding_;
    Activation activation_;
    std::vector<float> matrix_;  // (filterH * filterW * inChannels) rows of outChannels values
    std::vector<float> bias_;
};

// Each input channel convolved with its own filters (rows, columns, input channels times the
// depth multiplier): output channel c * multiplier + m takes input channel c.
class DepthwiseConv2DKernel {
public:
    DepthwiseConv2DKernel(const float* filter, int filterH, int filterW, int outChannels,
                          int depthMultiplier, const float* bias, int strideW, int strideH,
                          Padding padding, Activation activation);
    void Run(const View& in, const Output& out) const;

private:
    int filterH_, filterW_, outChannels_, multiplier_;
    int strideW_, strideH_;
    Padding padding_;
    Activation activation_;
    std::vector<float> filter_;
    std::vector<float> bias_;
};

// The transposed convolution with bias: every input pixel spreads its channels, weighted by the
// filter (output channels, rows, columns, input channels), over a window of the output placed at
// stride times its position, less the padding; the bias is added to every output value.
class TransposeConvKernel {
public:
    TransposeConvKernel(const float* filter, int outChannels, int filterH, int filterW,
                        int inChannels, const float* bias, int strideW, int strideH,
                        Padding padding);
    void Run(const View& in, const Output& out) const;

private:
    int outChannels_, filterH_, filterW_, inChannels_;
    int strideW_, strideH_;
    Padding padding_;
    std::vector<float> filter_;
    std::vector<float> bias_;
};

// The mean of each channel over windows of filterH x filterW; windows that overhang the input
// (SAME padding) average only the cells inside it.
void AveragePool2D(const View& in, const Output& out, int filterW, int filterH, int strideW,
                   int strideH, Padding padding, Activation activation);
// The mean of each channel over all rows and columns (a MEAN over axes 1 and 2).
void MeanOverSpace(const View& in, const Output& out);
// Bilinear resizing to the output's size; with `halfPixelCenters` pixel centres are matched
// (x_in = (x_out + 0.5) * scale - 0.5), with `alignCorners` the corner pixels are.
void ResizeBilinear(const View& in, const Output& out, bool alignCorners, bool halfPixelCenters);
// a + b and a * b, where a dimension of 1 in either stretches over the other's.
void Add(const View& a, const View& b, const Output& out, Activation activation);
void Mul(const View& a, const View& b, const Output& out, Activation activation);
// x * relu6(x + 3) / 6.
void HardSwish(const float* in, float* out, std::size_t count);
void Relu(const float* in, float* out, std::size_t count);
// 1 / (1 + e^-x).
void Logistic(const float* in, float* out, std::size_t count);
// IEEE half-precision values to single precision.
void HalfToFloat(const uint16_t* in, float* out, std::size_t count);

}  // namespace segmentation
