#pragma once

#include <array>
#include <memory>

#include "effects/AnimationEffect.h"

namespace effects {

// An animation drawn over the frame that the user cannot select: frames, accessories and
// masks. It owns its animation and hands drawing, hit testing and timing to it.
class OverlayEffect : public EffectBase {
public:
    OverlayEffect();

    // Sets the kind, remembers the load size and loads the animation; fails when the animation
    // does.
    bool Load(const DecodedPicture& picture, int kind, int frameCount, int width,
              int height) override;
    // Draws the animation (with its border when drawSelection is set and this effect is
    // selected); once the animation has ended this effect is inactive and draws nothing.
    bool Apply(cv::Mat& frame, bool drawSelection) override;
    void MaskPoints(std::span<cv::Point> points) override;
    // 1 anywhere on the animation, 0 elsewhere: an overlay has no border handles.
    int HitTest(int px, int py) const override;
    std::optional<EffectRect> GetRect() const override;
    int PictureCount() const override { return inner_->PictureCount(); }
    // Places the animation: an overlay stands where its file puts it, as every other kind does.
    void SetPosition(int x, int y) override;
    // The animation's size, which following the face changes.
    void SetSize(int width, int height) override;
    cv::Size GetSize() const override;
    // The animation reports its end under this effect's name, to this effect's sink.
    void SetName(std::string_view name) override;
    void SetEventSink(EffectEventSink* sink) override;

    bool SetDelays(std::span<const int32_t> delays) { return inner_->SetDelays(delays); }
    void SetLoop(bool loop) { inner_->SetLoop(loop); }

    // Placement mode 0..8 and the rectangle of mode 8, as the effect file gives them.
    int Placement() const { return placement_; }
    void SetPlacement(int placement) { placement_ = placement; }
    const std::array<int, 4>& PlacementRect() const { return placementRect_; }
    void SetPlacementRect(const std::array<int, 4>& rect) { placementRect_ = rect; }
    cv::Size LoadSize() const { return {loadWidth_, loadHeight_}; }

    AnimationEffect& Animation() { return *inner_; }

private:
    std::unique_ptr<AnimationEffect> inner_;
    int placement_ = 0;
    std::array<int, 4> placementRect_{};
    int loadWidth_ = 0;
    int loadHeight_ = 0;
};

}  // namespace effects
