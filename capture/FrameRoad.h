#pragma once

#include <opencv2/core.hpp>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>

#include "capture/CCaptureDevice.h"
#include "capture/CameraPlacard.h"
#include "capture/FrameHub.h"
#include "capture/PictureAdjustment.h"
#include "capture/RoadConfig.h"
#include "platform/AutoResetEvent.h"

namespace capture {

// Receives each finished 480 x 360 preview frame from the capture worker. Called on the
// worker's thread; an implementation copies what it needs before it returns.
class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    virtual void PresentPreview(const cv::Mat& previewFrame) = 0;
};

// What the road draws onto the camera picture on its way to the preview and the output (the
// effects, placed there by whoever runs the road). Called on the road's thread, one pass at a time.
class PictureStage {
public:
    virtual ~PictureStage() = default;
    // The frame the output is made from: `cameraPicture` itself when nothing is drawn, else a
    // picture the stage keeps until its next call. `placard` when the picture is a placard
    // ("Opening camera...", no camera) rather than the camera's.
    virtual const cv::Mat& Compose(const cv::Mat& cameraPicture, bool placard) = 0;
    // The frame the preview shows: `composed` itself, or a copy of it the stage keeps with marks
    // that belong to editing only (the selection border).
    virtual const cv::Mat& Decorate(const cv::Mat& composed) = 0;
};

// The state the frame road shares between the window's thread, the capture worker and the
// consumers of the output frame (the recorders and the snapshot, through outputFrames).
class FrameRoad {
public:
    static constexpr int kPreviewWidth = 480;
    static constexpr int kPreviewHeight = 360;
    static constexpr int kOutputWidth = 320;
    static constexpr int kOutputHeight = 240;

    // Creates the events and the black start-up frames of `road`.
    explicit FrameRoad(const RoadConfig& road = RoadConfig::Classic());

    platform::AutoResetEvent tickEvent;  // asks the worker for a pass at once
    // Every output frame (BGR of the recording size: 320 x 240 in classic, else the studio frame
    // itself), for the recorders and whoever else follows the road.
    FrameHub outputFrames;
    // Every studio frame as it is recorded, without the editing marks and mirrored as the output
    // is: in classic the 480 x 360 picture the output is scaled from, else the output frame
    // itself. Made only while a consumer follows it (the virtual camera).
    FrameHub studioFrames;
    std::atomic<int> stopCapture{0};
    std::atomic<int> captureStopped{0};

    // Where the worker shows the preview; set before the worker starts.
    PreviewSink* previewSink = nullptr;

    // Switches the road to `road` with the stage made for its studio frame (null for the camera
    // picture alone). Waits for a pass under way to end, so the worker never draws with a stage
    // of the old size; the next pass uses the new road. The output frame has the new size from
    // then on.
    void Reconfigure(const RoadConfig& road, PictureStage* stage);
    RoadConfig Road() const;

    // Mirrors, left to right: the preview as a whole (the picture, its effects and the selection
    // border), and separately the output frame that recordings and snapshots take. Effects are
    // drawn unmirrored either way; whoever feeds the engine the mouse flips x to match.
    std::atomic<bool> mirrorPreview{false};
    std::atomic<bool> mirrorOutput{false};

    // The road's own brightness, contrast, saturation and hue, applied to each camera picture
    // (never to a placard) before the stage draws; for cameras without such controls.
    PictureAdjustment adjustment;

    // Replaces the capture device. Waits for a grab in progress on the old device to end, so the
    // worker never uses a device that is being deleted. Returns the old device.
    std::unique_ptr<CCaptureDevice> ReplaceDevice(std::unique_ptr<CCaptureDevice> device);
    bool HasDevice() const;

    // What the preview and the output show whenever no camera frame comes: a placard, or (None)
    // the last picture. Set from any thread; the next pass shows it.
    void SetPlacard(Placard placard) { placard_ = placard; }
    Placard CurrentPlacard() const { return placard_; }

    // A whole copy of the latest output frame (BGR of the recording size: 320 x 240 in classic,
    // else the studio frame itself), never one half-written. With `captured`, also when the
    // camera picture in it was captured (on the monotonic clock), or nothing when it shows no
    // camera picture of its own (a placard, the start-up black).
    void CopyOutputFrame(cv::Mat& destination,
                         std::optional<std::chrono::steady_clock::time_point>* captured = nullptr) const;
    // The preview frame last shown (480 x 360 BGR: the studio frame fitted in, with bars where
    // its shape differs); for the worker's thread and for tests.
    const cv::Mat& PreviewFrame() const { return *shownPreview_; }

    // One pass of the frame road: grab, scale, let the stage draw, show the preview, scale to
    // the output, publish it to the output's consumers.
    void RunPass();

private:
    // Sizes the frames for `road`; the pass lock is held or the worker has not started.
    void Allocate(const RoadConfig& road);
    // Puts the current placard, if any, into the camera picture.
    // Draws the placard that is set into the camera picture; false when none is (the last
    // picture stays).
    bool ShowPlacard();
    // Scales the camera frame into the camera picture: stretched in classic, otherwise cropped
    // to the studio frame's shape, centred, and scaled.
    void PlaceCameraFrame(const cv::Mat& grabbed);
    // The frame to show as the preview: `frame` itself at 480 x 360, else fitted into it.
    const cv::Mat& FitPreview(const cv::Mat& frame);

    mutable std::mutex passMutex_;  // held for a whole pass and by Reconfigure
    // The road; written under both locks, so a pass reads it under the pass lock and anyone
    // else under roadMutex_ without waiting for a pass.
    mutable std::mutex roadMutex_;
    RoadConfig road_;
    mutable std::mutex deviceMutex_;
    std::unique_ptr<CCaptureDevice> device_;
    PictureStage* stage_ = nullptr;  // replaced under the pass lock
    // Written by the worker only. The camera picture keeps the last grab, so the stage draws
    // afresh on it each pass and never onto its own earlier drawing.
    cv::Mat cameraPicture_;
    cv::Mat fitted_;         // the preview of a studio frame of another size than 480 x 360
    cv::Mat mirrored_;       // the preview mirrored, while the preview mirror is on
    const cv::Mat* shownPreview_ = &cameraPicture_;
    cv::Size outputSize_;
    std::atomic<Placard> placard_{Placard::None};
    cv::Mat openingPicture_;   // the placards, drawn once at the preview's size
    cv::Mat noCameraPicture_;
};

// The capture worker's thread procedure: a pass every period of the road's rate (and whenever the
// tick event is set) until stopCapture is set. Returns 1.
int CaptureWorker(FrameRoad* frameRoad);

}  // namespace capture
