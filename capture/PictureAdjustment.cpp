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

void ApplyColourBalance(cv::Mat& bgr, int brightness, int contrast, int saturation, int hueDegrees) {
    AdjustColours(bgr, 1.27 * brightness / 255.0, contrast / 100.0, saturation / 100.0, hueDegrees);
}

int PictureAdjustment::Minimum(Channel channel) {
    return channel == Brightness ? -100 : channel == Hue ? -180 : 0;
}

int PictureAdjustment::Maximum(Channel channel) {
    return channel == Brightness ? 100 : channel == Hue ? 180 : 200;
}

int PictureAdjustment::Neutral(Channel channel) {
    return channel == Contrast || channel == Saturation ? 100 : 0;
}

void PictureAdjustment::Set(Channel channel, int value) {
    values_[channel] = std::clamp(value, Minimum(channel), Maximum(channel));
}

void PictureAdjustment::Reset() {
    for (int channel = 0; channel < kChannels; ++channel)
        values_[channel] = Neutral(static_cast<Channel>(channel));
}

bool PictureAdjustment::IsNeutral() const {
    for (int channel = 0; channel < kChannels; ++channel)
        if (values_[channel] != Neutral(static_cast<Channel>(channel))) return false;
    return true;
}

void PictureAdjustment::Apply(cv::Mat& bgr) const {
    if (IsNeutral()) return;
    ApplyColourBalance(bgr, Get(Brightness), Get(Contrast), Get(Saturation), Get(Hue));
}

}  // namespace capture
