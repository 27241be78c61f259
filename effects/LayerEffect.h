#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

#include "effects/Compositing.h"
#include "effects/EffectBase.h"

namespace effects {

// An effect drawn as a picture with an alpha mask: the picture at its own size (imageA,
// maskSrc) and at output size (imageB, maskOut). Apply rebuilds the output from the source,
// draws the selection border when asked, and composites the result onto the frame.
class LayerEffect : public EffectBase {
public:
    static constexpr int kDefaultBorderWidth = 3;
    static constexpr uint8_t kDefaultBorderGrey = 100;

    // Takes a still picture (frameCount must be 1) at the picture's own size; width and height
    // are not used.
    bool Load(const DecodedPicture& picture, int kind, int frameCount, int width,
              int height) override;
    bool Apply(cv::Mat& frame, bool drawSelection) override;
    int HitTest(int px, int py) const override;
    std::optional<EffectRect> GetRect() const override;
    void DrawSelectionOutline(cv::Mat& frame) const override;

    // The picture to draw onto `frame` now, or nullptr when there is none. It stays valid until
    // the next call on this effect.
    virtual const cv::Mat* CurrentImage(const cv::Mat& frame);
    // The mask that goes with the current picture, or nullptr for an opaque layer.
    virtual const cv::Mat* CurrentMask();
    // The coverage runs of `mask`, one of this effect's output masks, or nullptr.
    virtual const MaskRuns* CurrentRuns(const cv::Mat* mask);
    // Rebuilds the output pictures from their sources, which also removes a drawn border.
    virtual void RefreshFromSource(const cv::Mat& frame);
    // Draws the selection border into the output picture and mask.
    virtual void DrawBorder();
    // Scales the output pictures to width x height (bilinear).
    virtual void Resize(int width, int height);

    int BlendMode() const { return blendMode_; }
    void SetBlendMode(int mode) { blendMode_ = mode; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width) { borderWidth_ = width; }

protected:
    // The runs of output mask number `index`, cut from `mask` when it is first drawn after a
    // change, so compositing a still overlay costs no scan of its mask per frame.
    const MaskRuns* RunsOf(const cv::Mat& mask, size_t index);
    // Called whenever an output mask changes, so its runs are cut again.
    void ForgetRuns() { runs_.clear(); }

    cv::Mat maskOut_;  // mask at output size
    cv::Mat maskSrc_;  // mask at picture size
    int blendMode_ = 0;
    int borderWidth_ = kDefaultBorderWidth;
    uint8_t borderGrey_ = kDefaultBorderGrey;
    // Set when the output pictures differ from what a refresh would make of the sources (a
    // border was drawn or the size changed), so an unchanged output is not rebuilt.
    bool outputStale_ = false;

private:
    std::vector<MaskRuns> runs_;
};

// Scales `source` into `destination`, keeping the destination's size (bilinear).
void ScaleInto(const cv::Mat& source, cv::Mat& destination);

}  // namespace effects
