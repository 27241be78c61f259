#pragma once

#include <opencv2/core.hpp>

#include "capture/FrameRoad.h"
#include "effects/EffectEngine.h"
#include "effects/FaceTracker.h"

namespace studio {

// The effect engine's place on the frame road. While an effect follows the face, each camera
// picture goes to the face tracker (which never makes the road wait) and the following effects
// are placed on the faces it follows; the active effects and the paint layer are drawn onto a copy
// of the picture, so they are drawn afresh each pass; the selection border goes onto a further
// copy for the preview only, as it belongs to editing, not to the picture.
class EffectStage : public capture::PictureStage {
public:
    // Either may be null: no effects, or no face following. Both must outlive the stage's use.
    EffectStage(effects::EffectEngine* engine, effects::FaceTracker* tracker)
        : engine_(engine), tracker_(tracker) {}

    const cv::Mat& Compose(const cv::Mat& cameraPicture) override;
    const cv::Mat& Decorate(const cv::Mat& composed) override;

private:
    effects::EffectEngine* engine_;
    effects::FaceTracker* tracker_;
    cv::Mat effectsFrame_;  // the camera picture with the effects, while any are on
    cv::Mat bordered_;      // that frame with the selection border, while one shows
};

}  // namespace studio
