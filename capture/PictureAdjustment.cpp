#include "capture/PictureAdjustment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace capture {

void AdjustColours(cv::Mat& bgr, double brightness, double contrast, double saturation,
                   double hueDegrees) {
    if (bgr.empty()) return;
    // Hue turn and saturation as colour matrices on R, G, B about the grey axis (luma weights
    // 0.213, 0.715, 0.072), then contrast about mid-grey and the brightness offset.
    const double angle = hueDegrees * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const cv::Matx33d hue(0.213 + c * 0.787 - s * 0.213, 0.715 - c * 0.715 - s * 0.715, 0.072 - c * 0.072 + s * 0.928,
                          0.213 - c * 0.213 + s * 0.143, 0.715 + c * 0.285 + s * 0.140, 0.072 - c * 0.072 - s * 0.283,
                          0.213 - c * 0.213 - s * 0.787, 0.715 - c * 0.715 + s * 0.715, 0.072 + c * 0.928 + s * 0.072);
    const double t = saturation;
    const cv::Matx33d saturate(0.213 + 0.787 * t, 0.715 - 0.715 * t, 0.072 - 0.072 * t,
                               0.213 - 0.213 * t, 0.715 + 0.285 * t, 0.072 - 0.072 * t,
                               0.213 - 0.213 * t, 0.715 - 0.715 * t, 0.072 + 0.928 * t);
    const cv::Matx33d rgb = contrast * (saturate * hue);
    const double offset = 128 * (1 - contrast) + brightness * 255;
    // The picture is B, G, R: the matrix is read with its rows and columns reversed.
    cv::Matx34f matrix;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            matrix(row, column) = static_cast<float>(rgb(2 - row, 2 - column));
        matrix(row, 3) = static_cast<float>(offset);
    }
    cv::transform(bgr, bgr, matrix);
}

void PictureAdjustment::Set(Channel channel, int value) {
    const bool hue = channel == Hue;
    values_[channel] = std::clamp(value, hue ? kHueMinimum : kMinimum, hue ? kHueMaximum : kMaximum);
}

void PictureAdjustment::Reset() {
    for (auto& value : values_) value = 0;
}

bool PictureAdjustment::IsNeutral() const {
    return std::all_of(std::begin(values_), std::end(values_),
                       [](const std::atomic<int>& value) { return value.load() == 0; });
}

void PictureAdjustment::Apply(cv::Mat& bgr) const {
    if (IsNeutral()) return;
    // Brightness moves by up to half of full white; contrast and saturation scale from 0 to 2.
    AdjustColours(bgr, Get(Brightness) / 200.0, 1 + Get(Contrast) / 100.0,
                  1 + Get(Saturation) / 100.0, Get(Hue));
}

}  // namespace capture
