#include "effects/FilterEffect.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>

#include "effects/ColourRoutines.h"
#include "effects/Convolution.h"
#include "effects/Warps.h"

namespace effects {
namespace {

// Grey as the filters see it: the conversion runs with red and blue swapped, so the red weight
// (0.299) falls on the blue byte and the blue weight (0.114) on the red byte.
void ToSwappedGrey(const cv::Mat& image, cv::Mat& grey) {
    cv::cvtColor(image, grey, cv::COLOR_RGB2GRAY);
}

}  // namespace

// One entry per filterKind, in kind order.
const std::array<FilterEffect::Operation, FilterKind::kLast + 1> FilterEffect::kOperations = {
    &FilterEffect::Grey,                // 0
    nullptr,                            // 1
    nullptr,                            // 2
    &FilterEffect::Negative,            // 3
    &FilterEffect::PencilSketch,        // 4
    &FilterEffect::Quadrangles,         // 5
    &FilterEffect::LightAndSaturation,  // 6
    &FilterEffect::ColourShift,         // 7
    &FilterEffect::EmbossKind,          // 8
    &FilterEffect::Ripple,              // 9
    &FilterEffect::PolarUnwrap,         // 10
    &FilterEffect::Pinch,               // 11
    &FilterEffect::Bulge,               // 12
    &FilterEffect::Swirl,               // 13
    &FilterEffect::Mirror,              // 14
    &FilterEffect::Rotation,            // 15
    &FilterEffect::Mosaic,              // 16
    &FilterEffect::Kernel3,             // 17
    &FilterEffect::Kernel5,             // 18
    &FilterEffect::Erosion,             // 19
    &FilterEffect::TwoToneSepia,        // 20
    &FilterEffect::Sepia,               // 21
    &FilterEffect::Noise,               // 22
};

FilterEffect::FilterEffect() {
    kind_ = EffectKind::kFilter;
}

bool FilterEffect::Apply(cv::Mat& frame, bool drawSelection) {
    const bool wholeFrame = x_ == 0 && y_ == 0 && GetSize() == frame.size() &&
                            imageB_.size() == frame.size() && frame.type() == CV_8UC3;
    if (wholeFrame && !(drawSelection && selected_)) return RunFilter(frame);
    return LayerEffect::Apply(frame, drawSelection);
}

const cv::Mat* FilterEffect::CurrentImage(const cv::Mat& frame) {
    if (imageB_.empty() || frame.empty() || frame.type() != CV_8UC3) return nullptr;
    if (imageB_.size() == frame.size()) {
        // The layer has the frame's size: filter it in place of a scaled copy.
        frame.copyTo(imageB_);
        RunFilter(imageB_);
        return &imageB_;
    }
    frame.copyTo(work_);
    RunFilter(work_);
    ScaleInto(work_, imageB_);
    return &imageB_;
}

bool FilterEffect::RunFilter(cv::Mat& image) {
    if (image.empty() || image.type() != CV_8UC3) return false;
    const int kind = settings.filterKind;
    if (kind < 0 || kind > FilterKind::kLast || !kOperations[kind]) return true;
    (this->*kOperations[kind])(image);
    return true;
}

void FilterEffect::SetKernel(std::span<const int32_t> kernel, int divisor, int offset) {
    const bool fiveByFive = settings.filterKind == FilterKind::kKernel5;
    const size_t needed = fiveByFive ? settings.kernel5.size() : settings.kernel3.size();
    if (kernel.size() < needed) return;
    if (fiveByFive) {
        std::copy_n(kernel.begin(), needed, settings.kernel5.begin());
    } else {
        std::copy_n(kernel.begin(), needed, settings.kernel3.begin());
    }
    settings.kernelDivisor = divisor;
    settings.kernelOffset = offset;
}

void FilterEffect::SetQuads(std::vector<Quadrangle> quads) {
    if (!quads.empty()) quads_ = std::move(quads);
}

void FilterEffect::Grey(cv::Mat& image) {
    ToSwappedGrey(image, grey_);
    cv::cvtColor(grey_, image, cv::COLOR_GRAY2BGR);
}

void FilterEffect::Negative(cv::Mat& image) {
    cv::bitwise_not(image, image);
}

void FilterEffect::PencilSketch(cv::Mat& image) {
    ToSwappedGrey(image, grey_);
    cv::Laplacian(grey_, laplacian_, CV_16S, 3, 1, 0, cv::BORDER_REPLICATE);
    // Edges stronger than 100 turn black, everything else white.
    cv::compare(laplacian_, 100, grey_, cv::CMP_LE);
    cv::cvtColor(grey_, image, cv::COLOR_GRAY2BGR);
}

void FilterEffect::Quadrangles(cv::Mat& image) {
    MapIntoQuadrangles(image, quads_, scratch_);
}

void FilterEffect::LightAndSaturation(cv::Mat& image) {
    ApplyByteTable(image, BrightnessContrastTable(settings.brightness, settings.contrast));
    ShiftSaturation(image, settings.saturation);
}

void FilterEffect::ColourShift(cv::Mat& image) {
    ShiftColours(image, settings.redShift, settings.greenShift, settings.blueShift);
}

void FilterEffect::EmbossKind(cv::Mat& image) {
    Emboss(image, scratch_);
}

void FilterEffect::Warp(cv::Mat& image, int warp, int factor) {
    if (warpMapSize_ != image.size() || warpMapType_ != warp) {
        warpMap_ = BuildCircularWarpMap(image.size(), static_cast<CircularWarp>(warp), factor);
        warpMapSize_ = image.size();
        warpMapType_ = warp;
    }
    if (warpMap_.empty()) return;
    image.copyTo(scratch_);
    ApplySamplingMap(scratch_, image, warpMap_);
}

void FilterEffect::Ripple(cv::Mat& image) {
    Warp(image, static_cast<int>(CircularWarp::kRipple), 1);
}
void FilterEffect::PolarUnwrap(cv::Mat& image) {
    Warp(image, static_cast<int>(CircularWarp::kPolarUnwrap), 100);
}
void FilterEffect::Pinch(cv::Mat& image) {
    Warp(image, static_cast<int>(CircularWarp::kPinch), 100);
}
void FilterEffect::Bulge(cv::Mat& image) {
    Warp(image, static_cast<int>(CircularWarp::kBulge), 100);
}
void FilterEffect::Swirl(cv::Mat& image) {
    Warp(image, static_cast<int>(CircularWarp::kSwirl), 100);
}

void FilterEffect::Mirror(cv::Mat& image) {
    MirrorLeftRight(image, scratch_);
}

void FilterEffect::Rotation(cv::Mat& image) {
    RotateAboutCentre(image, settings.rotationDegrees, scratch_);
}

void FilterEffect::Mosaic(cv::Mat& image) {
    // Blocks of 4 x 4 from the top-left corner, each in the colour of its first pixel; the
    // last block of a row or column may be smaller.
    const int width = image.cols;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int row = 0; row < image.rows; ++row) {
        uint8_t* pixels = image.ptr<uint8_t>(row);
        if (row % 4 != 0) {
            std::memcpy(pixels, image.ptr<uint8_t>(row - 1), rowBytes);
            continue;
        }
        for (int block = 0; block < width; block += 4) {
            const uint8_t* colour = pixels + block * 3;
            for (int column = block + 1; column < std::min(block + 4, width); ++column) {
                std::memcpy(pixels + column * 3, colour, 3);
            }
        }
    }
}

void FilterEffect::Kernel3(cv::Mat& image) {
    Convolve(image, settings.kernel3, 3, settings.kernelDivisor, settings.kernelOffset, scratch_);
}

void FilterEffect::Kernel5(cv::Mat& image) {
    Convolve(image, settings.kernel5, 5, settings.kernelDivisor, settings.kernelOffset, scratch_);
}

void FilterEffect::Erosion(cv::Mat& image) {
    cv::erode(image, image, cv::Mat());
}

void FilterEffect::TwoToneSepia(cv::Mat& image) {
    ToSwappedGrey(image, grey_);
    cv::threshold(grey_, grey_, 128, 255, cv::THRESH_BINARY);
    cv::cvtColor(grey_, image, cv::COLOR_GRAY2BGR);
    Sepia(image);
}

void FilterEffect::Sepia(cv::Mat& image) {
    ShiftSaturation(image, -100);
    ShiftColours(image, 60, 20, 0);
}

void FilterEffect::Noise(cv::Mat& image) {
    AddNoise(image, 50);
}

}  // namespace effects
