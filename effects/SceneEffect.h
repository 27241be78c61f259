#pragma once

#include <memory>
#include <vector>

#include "effects/AnimationEffect.h"
#include "effects/FilterEffect.h"

namespace effects {

// A background picture with windows into which the frame is drawn. The windows are
// quadrangles given relative to the scene at its natural (loaded) size; every Apply moves and
// scales them with the background and maps the frame into them under the picture.
class SceneEffect : public EffectBase {
public:
    SceneEffect();

    // Sets the kind, loads the picture into the background and takes the background's size as
    // the natural size.
    bool Load(const DecodedPicture& picture, int kind, int frameCount, int width,
              int height) override;
    bool Apply(cv::Mat& frame, bool drawSelection) override;
    // With windows: every point inside the background's rectangle becomes (-1, -1). Without:
    // the background's answer.
    void MaskPoints(std::span<cv::Point> points) override;
    int HitTest(int px, int py) const override;
    std::optional<EffectRect> GetRect() const override;
    void DrawSelectionOutline(cv::Mat& frame) const override;
    // The size is the background's; the natural size stays as loaded.
    void SetSize(int width, int height) override;
    cv::Size GetSize() const override;
    int PictureCount() const override { return background_->PictureCount(); }
    // Moves the background by the same amount as the scene.
    void SetPosition(int x, int y) override;
    // The background reports its end under this scene's name, to this scene's sink.
    void SetName(std::string_view name) override;
    void SetEventSink(EffectEventSink* sink) override;

    bool SetDelays(std::span<const int32_t> delays) { return background_->SetDelays(delays); }
    void SetLoop(bool loop) { background_->SetLoop(loop); }
    // Takes the window quadrangles relative to the scene's top-left corner at natural size.
    void SetQuads(const std::vector<Quadrangle>& quads);
    void SetHasQuads(bool hasQuads) { hasQuads_ = hasQuads; }
    bool HasQuads() const { return hasQuads_; }
    cv::Size NaturalSize() const { return {width_, height_}; }
    // The windows as placed by the last Apply.
    const std::vector<Quadrangle>& WorkingQuads() const { return workingQuads_; }

    AnimationEffect& Background() { return *background_; }

private:
    std::unique_ptr<AnimationEffect> background_;
    std::unique_ptr<FilterEffect> windowFilter_;
    std::vector<Quadrangle> templateQuads_;
    std::vector<Quadrangle> workingQuads_;
    bool hasQuads_ = false;
};

}  // namespace effects
