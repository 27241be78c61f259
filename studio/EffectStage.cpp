#include "studio/EffectStage.h"

#include <chrono>

#include "platform/Clock.h"

namespace studio {

const cv::Mat& EffectStage::Compose(const cv::Mat& cameraPicture, bool placard) {
    // The masks are paced by the steady clock: the program's clock may stand still in tests.
    const auto pacing = [] {
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    };
    const cv::Mat& picture =
        background_ && !placard ? background_->Apply(cameraPicture, pacing()) : cameraPicture;
    if (!engine_) return picture;
    if (tracker_ && engine_->HasFollowers()) {
        tracker_->Offer(cameraPicture, platform::Clock::NowMs());
        engine_->FollowFaces(tracker_->Step());
    }
    if (!engine_->HasWork()) return picture;
    picture.copyTo(effectsFrame_);
    return engine_->Render(effectsFrame_, false) ? effectsFrame_ : picture;
}

const cv::Mat& EffectStage::Decorate(const cv::Mat& composed) {
    if (!engine_ || !engine_->ShowsSelectionBorder()) return composed;
    composed.copyTo(bordered_);
    engine_->DrawSelectionBorder(bordered_);
    return bordered_;
}

}  // namespace studio
