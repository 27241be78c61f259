#include "studio/EffectStage.h"

#include "platform/Clock.h"

namespace studio {

const cv::Mat& EffectStage::Compose(const cv::Mat& cameraPicture) {
    if (!engine_) return cameraPicture;
    if (tracker_ && engine_->HasFollowers()) {
        tracker_->Offer(cameraPicture, platform::Clock::NowMs());
        engine_->FollowFaces(tracker_->Step());
    }
    if (!engine_->HasWork()) return cameraPicture;
    cameraPicture.copyTo(effectsFrame_);
    return engine_->Render(effectsFrame_, false) ? effectsFrame_ : cameraPicture;
}

const cv::Mat& EffectStage::Decorate(const cv::Mat& composed) {
    if (!engine_ || !engine_->ShowsSelectionBorder()) return composed;
    composed.copyTo(bordered_);
    engine_->DrawSelectionBorder(bordered_);
    return bordered_;
}

}  // namespace studio
