#include "effects/AnimationEffect.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

#include "effects/Compositing.h"
#include "platform/Clock.h"

namespace effects {
namespace {

std::vector<cv::Mat> CopyAll(const std::vector<cv::Mat>& images) {
    std::vector<cv::Mat> copies;
    copies.reserve(images.size());
    for (const cv::Mat& image : images) copies.push_back(image.clone());
    return copies;
}

void ResizeAll(std::vector<cv::Mat>& images, cv::Size size) {
    for (cv::Mat& image : images) {
        cv::Mat scaled;
        cv::resize(image, scaled, size, 0, 0, cv::INTER_LINEAR);
        image = scaled;
    }
}

}  // namespace

bool AnimationEffect::Load(const DecodedPicture& picture, int, int frameCount, int width,
                           int height) {
    if (picture.Empty() || frameCount < 1 || frameCount > picture.height) return false;
    const cv::Size frameSize = (width < 1 || height < 1) ? cv::Size(kFallbackSide, kFallbackSide)
                                                         : cv::Size(width, height);
    if (frameSize.width > kMaxEffectSide || frameSize.height > kMaxEffectSide ||
        static_cast<long long>(frameCount) * frameSize.area() > kMaxStripPixels) {
        return false;
    }
    frameCount_ = frameCount;
    SetSize(width, height);
    imageA_ = PictureToColourImage(picture);
    const cv::Mat wholeMask = PictureToMaskImage(picture);
    hasMask_ = !wholeMask.empty();

    // Frames lie top to bottom in the upright picture, over its full width.
    const int frameHeight = picture.height / frameCount;
    framesSrc_.clear();
    masksSrc_.clear();
    for (int i = 0; i < frameCount; ++i) {
        const cv::Rect band(0, i * frameHeight, picture.width, frameHeight);
        cv::Mat frame;
        cv::resize(imageA_(band), frame, frameSize, 0, 0, cv::INTER_LINEAR);
        framesSrc_.push_back(frame);
        if (hasMask_) {
            cv::Mat mask;
            cv::resize(wholeMask(band), mask, frameSize, 0, 0, cv::INTER_LINEAR);
            masksSrc_.push_back(mask);
        }
    }
    framesOut_ = CopyAll(framesSrc_);
    masksOut_ = CopyAll(masksSrc_);
    ForgetRuns();
    outputStale_ = false;
    return true;
}

bool AnimationEffect::SetDelays(std::span<const int32_t> delays) {
    if (delays.empty() || delays.size() != static_cast<size_t>(frameCount_)) return false;
    delays_.insert(delays_.end(), delays.begin(), delays.end());
    return true;
}

AnimationEffect::FramePick AnimationEffect::FrameAt(uint32_t elapsedMs) const {
    // Frame i is on show for elapsed times in [d0 + ... + d(i-1), d0 + ... + di). A negative
    // delay counts as 0, so the running sum never falls back.
    long long period = 0;
    for (int32_t delay : delays_) period += std::max(delay, 0);
    const size_t last = delays_.size() - 1;
    long long elapsed = elapsedMs;
    if (elapsed >= period) {
        if (!loop_) return {last, true};
        // A looping strip whose delays are all 0 has no frame with a time of its own; it stays
        // on its first frame.
        if (period == 0) return {0, false};
        elapsed %= period;
    }
    long long end = 0;
    for (size_t i = 0; i < delays_.size(); ++i) {
        end += std::max(delays_[i], 0);
        if (elapsed < end) return {i, false};
    }
    return {last, false};
}

AnimationEffect::FramePick AnimationEffect::PickFrame() {
    const uint32_t now = platform::Clock::NowMs();
    if (!startTime_ || delays_.empty() || delays_.size() != static_cast<size_t>(frameCount_)) {
        startTime_ = now;
        return {0, false};
    }
    // Unsigned difference: a tick counter that wrapped past its maximum still gives the true
    // elapsed time.
    return FrameAt(now - *startTime_);
}

const cv::Mat* AnimationEffect::CurrentImage(const cv::Mat&) {
    if (framesOut_.empty()) return nullptr;
    const FramePick pick = PickFrame();
    if (pick.pastEnd) {
        active_ = false;
        if (eventSink_) eventSink_->EffectEnded(name_);
    }
    return &framesOut_[pick.index];
}

const cv::Mat* AnimationEffect::CurrentMask() {
    if (!hasMask_ || masksOut_.empty()) return nullptr;
    return &masksOut_[PickFrame().index];
}

const MaskRuns* AnimationEffect::CurrentRuns(const cv::Mat* mask) {
    for (size_t i = 0; i < masksOut_.size(); ++i) {
        if (mask == &masksOut_[i]) return RunsOf(*mask, i);
    }
    return nullptr;
}

void AnimationEffect::RefreshFromSource(const cv::Mat&) {
    if (!outputStale_) return;
    for (size_t i = 0; i < framesOut_.size(); ++i) ScaleInto(framesSrc_[i], framesOut_[i]);
    for (size_t i = 0; i < masksOut_.size(); ++i) ScaleInto(masksSrc_[i], masksOut_[i]);
    ForgetRuns();
    outputStale_ = false;
}

void AnimationEffect::DrawBorder() {
    if (framesOut_.empty()) return;
    for (size_t i = 0; i < framesOut_.size(); ++i) {
        cv::Mat* mask = i < masksOut_.size() ? &masksOut_[i] : nullptr;
        DrawSelectionBorder(framesOut_[i], mask, borderWidth_, borderGrey_);
    }
    ForgetRuns();
    outputStale_ = true;
}

void AnimationEffect::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxEffectSide || height > kMaxEffectSide) return;
    if (framesOut_.empty() || framesOut_[0].size() == cv::Size(width, height)) return;
    ResizeAll(framesOut_, {width, height});
    ResizeAll(masksOut_, {width, height});
    ForgetRuns();
    outputStale_ = true;
}

}  // namespace effects
