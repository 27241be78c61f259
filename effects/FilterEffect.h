#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "effects/LayerEffect.h"
#include "effects/QuadMapping.h"

namespace effects {

// The operations a filter can run on the frame, by filterKind. 1 and 2 have none.
namespace FilterKind {
inline constexpr int kGrey = 0;
inline constexpr int kNegative = 3;
inline constexpr int kPencilSketch = 4;
inline constexpr int kQuadrangles = 5;
inline constexpr int kLightAndSaturation = 6;
inline constexpr int kColourShift = 7;
inline constexpr int kEmboss = 8;
inline constexpr int kRipple = 9;
inline constexpr int kPolarUnwrap = 10;
inline constexpr int kPinch = 11;
inline constexpr int kBulge = 12;
inline constexpr int kSwirl = 13;
inline constexpr int kMirror = 14;
inline constexpr int kRotation = 15;
inline constexpr int kMosaic = 16;
inline constexpr int kKernel3 = 17;
inline constexpr int kKernel5 = 18;
inline constexpr int kErosion = 19;
inline constexpr int kTwoToneSepia = 20;
inline constexpr int kSepia = 21;
inline constexpr int kNoise = 22;
inline constexpr int kLast = 22;
}  // namespace FilterKind

// What a filter does and with which values; filled in once after construction.
struct FilterSettings {
    int filterKind = FilterKind::kGrey;
    int brightness = 0;
    int contrast = 0;
    int saturation = 0;
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
    int rotationDegrees = 0;
    std::array<int32_t, 9> kernel3 = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<int32_t, 25> kernel5 = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                       1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int kernelDivisor = 0;
    int kernelOffset = 0;
};

// An effect that shows the frame it is drawn onto, transformed by one operation: colour and
// texture filters and the geometric distortions. Its layer has no mask, so the processed
// picture replaces the frame inside the effect's rectangle (the whole frame as loaded).
class FilterEffect : public LayerEffect {
public:
    FilterEffect();

    // A filter over the whole frame that draws no selection border runs on the frame itself
    // (the copy it would otherwise filter would only be copied back whole); any other is drawn
    // as a layer.
    bool Apply(cv::Mat& frame, bool drawSelection) override;
    // Copies the frame, runs the filter on the copy and scales it into the layer picture.
    // nullptr while the effect has no layer picture.
    const cv::Mat* CurrentImage(const cv::Mat& frame) override;
    // A filter layer is opaque.
    const cv::Mat* CurrentMask() override { return nullptr; }
    // Nothing to do: CurrentImage rebuilds the whole layer picture from the frame every time,
    // so a copy made here would only be overwritten.
    void RefreshFromSource(const cv::Mat&) override {}

    // Runs the operation of filterKind on an 8-bit BGR image in place. False only for an empty
    // image or one of another type; kinds without an operation leave the image as it is.
    bool RunFilter(cv::Mat& image);

    FilterSettings settings;

    // Takes a convolution kernel: 25 values when filterKind is 18, otherwise 9; then the
    // divisor and the offset. Set filterKind first. A kernel that is missing or too short
    // changes nothing.
    void SetKernel(std::span<const int32_t> kernel, int divisor, int offset);
    // Takes the quadrangles of kind 5. An empty list changes nothing.
    void SetQuads(std::vector<Quadrangle> quads);
    const std::vector<Quadrangle>& Quads() const { return quads_; }

private:
    using Operation = void (FilterEffect::*)(cv::Mat&);
    static const std::array<Operation, FilterKind::kLast + 1> kOperations;

    void Grey(cv::Mat& image);
    void Negative(cv::Mat& image);
    void PencilSketch(cv::Mat& image);
    void Quadrangles(cv::Mat& image);
    void LightAndSaturation(cv::Mat& image);
    void ColourShift(cv::Mat& image);
    void EmbossKind(cv::Mat& image);
    void Ripple(cv::Mat& image);
    void PolarUnwrap(cv::Mat& image);
    void Pinch(cv::Mat& image);
    void Bulge(cv::Mat& image);
    void Swirl(cv::Mat& image);
    void Mirror(cv::Mat& image);
    void Rotation(cv::Mat& image);
    void Mosaic(cv::Mat& image);
    void Kernel3(cv::Mat& image);
    void Kernel5(cv::Mat& image);
    void Erosion(cv::Mat& image);
    void TwoToneSepia(cv::Mat& image);
    void Sepia(cv::Mat& image);
    void Noise(cv::Mat& image);
    // Runs one of the circular warps with its sampling map, built once per frame size.
    void Warp(cv::Mat& image, int warp, int factor);

    std::vector<Quadrangle> quads_;
    // Buffers kept between frames so that no frame allocates.
    cv::Mat work_;
    cv::Mat scratch_;
    cv::Mat grey_;
    cv::Mat laplacian_;
    // The sampling map of the circular warp last used, and what it was built for.
    std::vector<int32_t> warpMap_;
    cv::Size warpMapSize_;
    int warpMapType_ = -1;
};

}  // namespace effects
