#include "effects/SceneEffect.h"

#include <algorithm>
#include <climits>

namespace effects {
namespace {

int TruncateToInt(double value) {
    return static_cast<int>(std::clamp<double>(value, INT_MIN, INT_MAX));
}

}  // namespace

SceneEffect::SceneEffect()
    : background_(std::make_unique<AnimationEffect>()),
      windowFilter_(std::make_unique<FilterEffect>()) {
    kind_ = EffectKind::kScene;
    windowFilter_->settings.filterKind = FilterKind::kQuadrangles;
}

bool SceneEffect::Load(const DecodedPicture& picture, int kind, int frameCount, int width,
                       int height) {
    kind_ = kind;
    const bool loaded = background_->Load(picture, kind, frameCount, width, height);
    const cv::Size natural = background_->GetSize();
    width_ = natural.width;
    height_ = natural.height;
    return loaded;
}

bool SceneEffect::Apply(cv::Mat& frame, bool drawSelection) {
    if (frame.empty() || frame.type() != CV_8UC3) return false;
    background_->SetSelected(drawSelection && selected_);
    if (hasQuads_) {
        // Scale about the scene's corner by the background's size over the natural size; a
        // scene without a natural size keeps its windows unscaled.
        const cv::Size current = background_->GetSize();
        const double scaleX = width_ > 0 ? static_cast<double>(current.width) / width_ : 1.0;
        const double scaleY = height_ > 0 ? static_cast<double>(current.height) / height_ : 1.0;
        workingQuads_ = templateQuads_;
        for (Quadrangle& quad : workingQuads_) {
            for (cv::Point& corner : quad) {
                corner.x = TruncateToInt(scaleX * corner.x + x_);
                corner.y = TruncateToInt(scaleY * corner.y + y_);
            }
        }
        windowFilter_->SetQuads(workingQuads_);
        windowFilter_->SetSize(frame.cols, frame.rows);
        windowFilter_->Apply(frame, true);
    }
    if (!background_->IsActive()) active_ = false;
    background_->Apply(frame, true);
    return true;
}

void SceneEffect::MaskPoints(std::span<cv::Point> points) {
    if (!hasQuads_) {
        background_->MaskPoints(points);
        return;
    }
    const auto rect = background_->GetRect();
    if (!rect) return;
    for (cv::Point& point : points) {
        if (rect->Contains(point.x, point.y)) point = {-1, -1};
    }
}

int SceneEffect::HitTest(int px, int py) const {
    return background_->HitTest(px, py);
}

std::optional<EffectRect> SceneEffect::GetRect() const {
    return background_->GetRect();
}

void SceneEffect::DrawSelectionOutline(cv::Mat& frame) const {
    background_->DrawSelectionOutline(frame);
}

void SceneEffect::SetSize(int width, int height) {
    background_->SetSize(width, height);
}

cv::Size SceneEffect::GetSize() const {
    return background_->GetSize();
}

void SceneEffect::SetPosition(int x, int y) {
    const cv::Point moved = background_->Position() + cv::Point(x - x_, y - y_);
    background_->SetPosition(moved.x, moved.y);
    x_ = x;
    y_ = y;
}

void SceneEffect::SetName(std::string_view name) {
    EffectBase::SetName(name);
    background_->SetName(name);
}

void SceneEffect::SetEventSink(EffectEventSink* sink) {
    EffectBase::SetEventSink(sink);
    background_->SetEventSink(sink);
}

void SceneEffect::SetQuads(const std::vector<Quadrangle>& quads) {
    templateQuads_ = quads;
    workingQuads_ = quads;
}

}  // namespace effects
