#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "effects/DecodedPicture.h"
#include "effects/EffectEventSink.h"

namespace effects {

// The class code every effect carries; the window's mouse handling and the engine's selection
// look at it.
namespace EffectKind {
inline constexpr int kFilter = 0;
inline constexpr int kAnimation = 1;
inline constexpr int kPaintCanvas = 3;
inline constexpr int kScene = 4;
inline constexpr int kOverlay = 5;
}  // namespace EffectKind

// Results of a hit test: which part of an effect's rectangle a point is on.
enum HandleZone : int {
    kZoneOutside = 0,
    kZoneBody = 1,
    kZoneTop = 2,
    kZoneBottom = 3,
    kZoneLeft = 4,
    kZoneRight = 5,
    kZoneTopLeft = 6,
    kZoneTopRight = 7,
    kZoneBottomLeft = 8,
    kZoneBottomRight = 9,
};

// An effect's rectangle on the frame; right and bottom are one past the last pixel.
struct EffectRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int px, int py) const {
        return left <= px && px < right && top <= py && py < bottom;
    }
    bool operator==(const EffectRect&) const = default;
};

// Output images bigger than this on either side are refused, so that a damaged effect file
// cannot ask for gigabytes.
inline constexpr int kMaxEffectSide = 4096;
// The most pixels an effect's pictures may take at their output size, all frames of an
// animation together, so that resizing a long strip cannot ask for gigabytes.
inline constexpr long long kMaxEffectPixels = 4096LL * 4096;

// The root of the effect classes: a rectangle on the frame, the selected and active flags, the
// name (the effect file's path) and the operations every kind of effect answers.
class EffectBase {
public:
    static constexpr size_t kMaxNameLength = 255;

    EffectBase() = default;
    virtual ~EffectBase() = default;
    EffectBase(const EffectBase&) = delete;
    EffectBase& operator=(const EffectBase&) = delete;

    // Makes imageA and imageB black width x height pictures and sets the kind. False for a size
    // below 1 (or above kMaxEffectSide).
    virtual bool Create(int width, int height, int kind);
    // Takes the effect's picture. The base has none to take and succeeds.
    virtual bool Load(const DecodedPicture& picture, int kind, int frameCount, int width,
                      int height);
    // Draws the effect onto a BGR frame; drawSelection asks for the selection border when the
    // effect is selected. The base draws nothing and succeeds; every kind fails for an empty
    // frame or one that is not 8-bit BGR.
    virtual bool Apply(cv::Mat& frame, bool drawSelection);
    // Draws the effect's selection border onto the frame, over everything drawn before, as
    // Apply with drawSelection shows it in the effect's picture. Kinds without a border (the
    // base, filters, the paint canvas) draw nothing.
    virtual void DrawSelectionOutline(cv::Mat& frame) const;
    // Replaces the points the effect covers by (-1, -1); only scenes cover points.
    virtual void MaskPoints(std::span<cv::Point> points);
    virtual int GetKind() const { return kind_; }
    virtual void SetKind(int kind) { kind_ = kind; }
    // The HandleZone of the point; the base is never hit.
    virtual int HitTest(int px, int py) const;
    // The effect's rectangle on the frame, when it has one.
    virtual std::optional<EffectRect> GetRect() const;
    virtual void SetSize(int width, int height);
    virtual cv::Size GetSize() const;
    // How many pictures the effect keeps at its output size: 1, or an animation's frames.
    virtual int PictureCount() const { return 1; }
    virtual void SetPosition(int x, int y);

    cv::Point Position() const { return {x_, y_}; }
    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }
    bool IsActive() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    const std::string& Name() const { return name_; }
    // Stores the effect file's path, cut to kMaxNameLength characters.
    virtual void SetName(std::string_view name);
    // Where the effect reports that it ended; none by default.
    virtual void SetEventSink(EffectEventSink* sink) { eventSink_ = sink; }

protected:
    // The rectangle (x, y, x + width, y + height), kept inside the range of int.
    EffectRect OwnRect() const;

    cv::Mat imageA_;  // the picture at its own size
    cv::Mat imageB_;  // the picture at output size
    int kind_ = EffectKind::kAnimation;
    bool selected_ = false;
    bool active_ = true;
    int width_ = 0;
    int height_ = 0;
    int x_ = 0;
    int y_ = 0;
    std::string name_;
    EffectEventSink* eventSink_ = nullptr;
};

}  // namespace effects
