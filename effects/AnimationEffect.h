#pragma once

#include <opencv2/core.hpp>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "effects/LayerEffect.h"

namespace effects {

// A strip of frames stacked top to bottom in one picture, each shown for its delay in
// milliseconds, looping or played once. The clock is platform::Clock and starts at the first
// request for a frame.
class AnimationEffect : public LayerEffect {
public:
    // Size of the frames when the requested size is below 1.
    static constexpr int kFallbackSide = 10;
    // Most frame pixels one strip may hold (frameCount x width x height).
    static constexpr long long kMaxStripPixels = 32LL * 1024 * 1024;

    // Cuts the picture into frameCount frames of equal height and scales each to width x
    // height. Fails for an empty picture, a frame count below 1 or above the picture's height,
    // and sizes beyond the limits above. The kind is not taken: an animation stays kind 1.
    bool Load(const DecodedPicture& picture, int kind, int frameCount, int width,
              int height) override;
    // The frame for the current time; a play-once strip past its end becomes inactive, tells
    // its event sink and keeps showing its last frame.
    const cv::Mat* CurrentImage(const cv::Mat& frame) override;
    // The mask of the frame for the current time; never ends the animation.
    const cv::Mat* CurrentMask() override;
    const MaskRuns* CurrentRuns(const cv::Mat* mask) override;
    void RefreshFromSource(const cv::Mat& frame) override;
    void DrawBorder() override;
    void Resize(int width, int height) override;

    // Takes one display time per frame. Refused (false) when the list is empty or its length is
    // not the frame count; the animation then shows its first frame only.
    bool SetDelays(std::span<const int32_t> delays);
    void SetLoop(bool loop) { loop_ = loop; }
    bool Loops() const { return loop_; }
    int FrameCount() const { return frameCount_; }
    int PictureCount() const override { return std::max(frameCount_, 1); }

private:
    struct FramePick {
        size_t index = 0;
        bool pastEnd = false;
    };
    // Starts the clock on the first request (and while the delays do not match the frames);
    // otherwise finds the frame on show at the current time.
    FramePick PickFrame();
    FramePick FrameAt(uint32_t elapsedMs) const;

    std::vector<cv::Mat> framesSrc_;
    std::vector<cv::Mat> framesOut_;
    std::vector<cv::Mat> masksSrc_;
    std::vector<cv::Mat> masksOut_;
    std::vector<int32_t> delays_;
    bool loop_ = true;
    bool hasMask_ = false;
    std::optional<uint32_t> startTime_;
    int frameCount_ = 0;
};

}  // namespace effects
