#include "effects/EffectBase.h"

#include <algorithm>
#include <climits>

namespace effects {

bool EffectBase::Create(int width, int height, int kind) {
    if (width < 1 || height < 1 || width > kMaxEffectSide || height > kMaxEffectSide) return false;
    imageA_ = cv::Mat::zeros(height, width, CV_8UC3);
    imageB_ = cv::Mat::zeros(height, width, CV_8UC3);
    kind_ = kind;
    return true;
}

bool EffectBase::Load(const DecodedPicture&, int, int, int, int) {
    return true;
}

bool EffectBase::Apply(cv::Mat& frame, bool) {
    return !frame.empty() && frame.type() == CV_8UC3;
}

void EffectBase::DrawSelectionOutline(cv::Mat&) const {}

void EffectBase::MaskPoints(std::span<cv::Point>) {}

int EffectBase::HitTest(int, int) const {
    return kZoneOutside;
}

std::optional<EffectRect> EffectBase::GetRect() const {
    return std::nullopt;
}

void EffectBase::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

cv::Size EffectBase::GetSize() const {
    return {width_, height_};
}

void EffectBase::SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void EffectBase::SetName(std::string_view name) {
    name_.assign(name.substr(0, std::min(name.size(), kMaxNameLength)));
}

EffectRect EffectBase::OwnRect() const {
    const auto clampToInt = [](long long value) {
        return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    };
    return {x_, y_, clampToInt(static_cast<long long>(x_) + width_),
            clampToInt(static_cast<long long>(y_) + height_)};
}

}  // namespace effects
