#pragma once

#include <opencv2/core.hpp>

#include "effects/EffectBase.h"

namespace effects {

// The layer the user paints on with the mouse: a colour layer and a coverage mask the size of
// the frame, blended onto the frame by the mask when the canvas is applied.
//
// Strokes: while the canvas is selected (the mouse button is down on it), its position is the
// mouse point, and each Apply draws one anti-aliased segment from the point seen at the previous
// Apply to the current one, so a stroke is a polyline sampled once per Apply. A stroke begins
// at the first point seen after the mouse moved; a click without movement draws nothing.
class PaintCanvas : public EffectBase {
public:
    static constexpr int kDefaultBrushWidth = 2;
    static constexpr int kMaxBrushWidth = 255;
    // The position of a canvas that no stroke is passing over.
    static inline const cv::Point kNoPoint{-1, -1};

    PaintCanvas();

    // Sizes the canvas (when the size is positive) and makes both layers empty.
    bool Create(int width, int height, int kind) override;
    // Draws the stroke's next segment when painting is enabled, then blends the painted pixels
    // onto the frame, over the part of the frame the canvas covers. False (frame unchanged)
    // when the canvas has no layers or the frame is not 8-bit BGR.
    bool Apply(cv::Mat& frame, bool drawSelection) override;
    // 1 inside (0, 0, width, height), right and bottom edges excluded; never a border zone.
    int HitTest(int px, int py) const override;
    std::optional<EffectRect> GetRect() const override;

    bool PaintEnabled() const { return paintEnabled_; }
    void SetPaintEnabled(bool enabled) { paintEnabled_ = enabled; }
    int BrushWidth() const { return brushWidth_; }
    // Widths outside 1..kMaxBrushWidth are refused and the width stays.
    bool SetBrushWidth(int width);
    // The stroke colour in blue, green, red order, as the layers hold it.
    cv::Scalar BrushColour() const { return brushColour_; }
    void SetBrushColour(int red, int green, int blue);
    // Whether anything has been painted since the canvas was made or last cleared.
    bool HasPaint() const { return hasPaint_; }
    bool Eraser() const { return eraser_; }
    // With the eraser on, strokes remove paint instead of adding it.
    void SetEraser(bool eraser) { eraser_ = eraser; }
    // Removes everything painted.
    void Clear();
    // Forgets the stroke under way, so the next one starts afresh and never joins it. The engine
    // calls it when the canvas stops being selected.
    void EndStroke();

    // Takes `other`'s paint scaled to this canvas's size, and its settings, with the brush width
    // scaled by the ratio of the heights, so that the paint and the brush cover the same share
    // of the picture.
    void TakeScaled(const PaintCanvas& other);

    const cv::Mat& ColourLayer() const { return imageB_; }
    const cv::Mat& CoverageMask() const { return coverage_; }

private:
    void DrawSegment(cv::Point from, cv::Point to);
    void Blend(cv::Mat& frame) const;

    cv::Mat coverage_;
    cv::Point previousPoint_ = kNoPoint;
    bool previousPressed_ = false;
    bool paintEnabled_ = true;
    int brushWidth_ = kDefaultBrushWidth;
    cv::Scalar brushColour_{255, 255, 255, 255};
    bool eraser_ = false;
    bool hasPaint_ = false;
};

}  // namespace effects
