#include "effects/OverlayEffect.h"

namespace effects {

OverlayEffect::OverlayEffect() : inner_(std::make_unique<AnimationEffect>()) {
    kind_ = EffectKind::kOverlay;
}

bool OverlayEffect::Load(const DecodedPicture& picture, int kind, int frameCount, int width,
                         int height) {
    kind_ = kind;
    loadWidth_ = width;
    loadHeight_ = height;
    return inner_->Load(picture, kind, frameCount, width, height);
}

bool OverlayEffect::Apply(cv::Mat& frame, bool drawSelection) {
    if (frame.empty() || frame.type() != CV_8UC3) return false;
    inner_->SetSelected(drawSelection && selected_);
    if (!inner_->IsActive()) {
        active_ = false;
        return true;
    }
    inner_->Apply(frame, true);
    return true;
}

void OverlayEffect::MaskPoints(std::span<cv::Point> points) {
    inner_->MaskPoints(points);
}

int OverlayEffect::HitTest(int px, int py) const {
    return inner_->HitTest(px, py) != kZoneOutside ? kZoneBody : kZoneOutside;
}

std::optional<EffectRect> OverlayEffect::GetRect() const {
    return inner_->GetRect();
}

void OverlayEffect::SetPosition(int x, int y) {
    EffectBase::SetPosition(x, y);
    inner_->SetPosition(x, y);
}

void OverlayEffect::SetSize(int width, int height) {
    EffectBase::SetSize(width, height);
    inner_->SetSize(width, height);
}

cv::Size OverlayEffect::GetSize() const {
    return inner_->GetSize();
}

void OverlayEffect::SetName(std::string_view name) {
    EffectBase::SetName(name);
    inner_->SetName(name);
}

void OverlayEffect::SetEventSink(EffectEventSink* sink) {
    EffectBase::SetEventSink(sink);
    inner_->SetEventSink(sink);
}

}  // namespace effects
