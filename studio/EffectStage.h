#pragma once

#include <opencv2/core.hpp>

#include "capture/FrameRoad.h"
#include "effects/EffectEngine.h"
#include "effects/FaceTracker.h"
#include "segmentation/Background.h"

namespace studio {

// The background choice and the effect engine's place on the frame road. First the chosen
// background is drawn behind the person of each camera picture (never behind a placard), so
// the effects, the preview, the recordings, the snapshots and every other consumer of the road
// carry it. While an effect follows the face, each camera
// picture goes to the face tracker (which never makes the road wait) and the following effects
// are placed on the faces it follows; the active effects and the paint layer are drawn onto a copy
// of the picture, so they are drawn afresh each pass; the selection border goes onto a further
// copy for the preview only, as it belongs to editing, not to the picture.
class EffectStage : public capture::PictureStage {
public:
    // Any may be null: no effects, no face following, no background choice. All must outlive
    // the stage's use.
    EffectStage(effects::EffectEngine* engine, effects::FaceTracker* tracker,
                segmentation::BackgroundStage* background = nullptr)
        : engine_(engine), tracker_(tracker), background_(background) {}

    const cv::Mat& Compose(const cv::Mat& cameraPicture, bool placard) override;
    const cv::Mat& Decorate(const cv::Mat& composed) override;

private:
    effects::EffectEngine* engine_;
    effects::FaceTracker* tracker_;
    segmentation::BackgroundStage* background_;
    cv::Mat effectsFrame_;  // the camera picture with the effects, while any are on
    cv::Mat bordered_;      // that frame with the selection border, while one shows
};

}  // namespace studio
