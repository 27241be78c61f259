#include "capture/FrameRoad.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

#include "capture/StudioGeometry.h"
#include "platform/VirtualCameraSection.h"

namespace capture {

FrameRoad::FrameRoad(const RoadConfig& road) { Allocate(road); }

void FrameRoad::Allocate(const RoadConfig& road) {
    {
        std::lock_guard lock(roadMutex_);
        road_ = road;
    }
    const cv::Size studio(road.studio.width, road.studio.height);
    const cv::Size output(road.recording.width, road.recording.height);
    cameraPicture_.create(studio, CV_8UC3);
    cameraPicture_.setTo(cv::Scalar::all(0));
    fitted_.release();
    shownPreview_ = &cameraPicture_;
    outputSize_ = output;
    // Black until the first pass, at the new size.
    cv::Mat black = outputFrames.FreePicture(output);
    black.setTo(cv::Scalar::all(0));
    outputFrames.Publish({black, std::nullopt});
    // The placards are drawn once, at the preview's size, and scaled when they are shown.
    if (openingPicture_.empty()) {
        openingPicture_.create(kPreviewHeight, kPreviewWidth, CV_8UC3);
        noCameraPicture_.create(kPreviewHeight, kPreviewWidth, CV_8UC3);
        DrawPlacard(Placard::Opening, openingPicture_);
        DrawPlacard(Placard::NoCamera, noCameraPicture_);
    }
}

void FrameRoad::Reconfigure(const RoadConfig& road, PictureStage* stage) {
    std::lock_guard lock(passMutex_);
    stage_ = stage;
    if (!(road == road_)) Allocate(road);
}

RoadConfig FrameRoad::Road() const {
    std::lock_guard lock(roadMutex_);
    return road_;
}

std::unique_ptr<CCaptureDevice> FrameRoad::ReplaceDevice(std::unique_ptr<CCaptureDevice> device) {
    std::lock_guard lock(deviceMutex_);
    device_.swap(device);
    return device;
}

bool FrameRoad::HasDevice() const {
    std::lock_guard lock(deviceMutex_);
    return device_ != nullptr;
}

void FrameRoad::CopyOutputFrame(
    cv::Mat& destination, std::optional<std::chrono::steady_clock::time_point>* captured) const {
    const PublishedFrame latest = outputFrames.Latest();
    latest.picture.copyTo(destination);
    if (captured) *captured = latest.captured;
}

void FrameRoad::RunPass() {
    // The frame road:
    //  1. grab the newest camera frame (top-down BGR, the camera's size);
    //  2. scale it into the camera picture, of the studio frame's size (bilinear; 480 x 360
    //     stretched in classic, else cropped to the studio's shape first); without a frame it is
    //     the placard that has been set (opening, or no camera), or else keeps its last
    //     contents (black until a camera delivers);
    //     a new camera picture gets the road's own brightness, contrast, saturation and hue;
    //  3. let the stage draw onto it (the effects, on a copy of the stage's own); with nothing
    //     to draw, the camera picture itself goes on, uncopied;
    //  4. show that frame, fitted into 480 x 360, as the preview, with the stage's editing marks
    //     (the selection border) that belong to the preview only; mirrored as a whole when the
    //     preview mirror is on;
    //  5. scale the frame without the border into the 320 x 240 output frame in classic (else
    //     the frame is the output), which the recorder and the snapshot copy whole, with the
    //     capture time of its camera picture (which places it on the recording's timeline);
    //     mirrored when the output mirror is on;
    //  6. publish it to the output's consumers, and the studio frame to its own, if any.
    std::lock_guard passLock(passMutex_);
    std::optional<std::chrono::steady_clock::time_point> captured;
    bool placard = false;
    {
        // The device lock spans the grab and the use of the device's image, so a camera swap on
        // the window's thread waits for it instead of deleting the image under us.
        std::lock_guard lock(deviceMutex_);
        const cv::Mat* grabbed = device_ ? device_->QueryFrame() : nullptr;
        if (grabbed) {
            PlaceCameraFrame(*grabbed);
            adjustment.Apply(cameraPicture_);
            captured = device_->FrameCaptureTime();
        }
        if (!grabbed) placard = ShowPlacard();
    }
    const cv::Mat* picture = stage_ ? &stage_->Compose(cameraPicture_, placard) : &cameraPicture_;
    shownPreview_ = &FitPreview(stage_ ? stage_->Decorate(*picture) : *picture);
    if (mirrorPreview) {
        cv::flip(*shownPreview_, mirrored_, 1);
        shownPreview_ = &mirrored_;
    }
    if (previewSink) previewSink->PresentPreview(*shownPreview_);
    // The output is written into a picture no consumer holds, then published as it is.
    cv::Mat output = outputFrames.FreePicture(outputSize_);
    if (picture->size() == outputSize_) {
        if (mirrorOutput)
            cv::flip(*picture, output, 1);
        else
            picture->copyTo(output);
    } else {
        cv::resize(*picture, output, outputSize_, 0, 0, cv::INTER_LINEAR);
        if (mirrorOutput) cv::flip(output, output, 1);
    }
    outputFrames.Publish({output, captured});
    if (studioFrames.HasConsumers()) {
        if (picture->size() == outputSize_) {
            studioFrames.Publish({output, captured});
        } else {
            cv::Mat studio = studioFrames.FreePicture(picture->size());
            if (mirrorOutput)
                cv::flip(*picture, studio, 1);
            else
                picture->copyTo(studio);
            studioFrames.Publish({studio, captured});
        }
    }
}

void FrameRoad::PlaceCameraFrame(const cv::Mat& grabbed) {
    const cv::Rect part = road_.IsClassic() ? cv::Rect({}, grabbed.size())
                                            : CropToFill(grabbed.size(), cameraPicture_.size());
    cv::resize(grabbed(part), cameraPicture_, cameraPicture_.size(), 0, 0, cv::INTER_LINEAR);
}

const cv::Mat& FrameRoad::FitPreview(const cv::Mat& frame) {
    const cv::Size preview(kPreviewWidth, kPreviewHeight);
    if (frame.size() == preview) return frame;
    // The bars stay black from the moment the picture is made: each pass writes only inside.
    if (fitted_.size() != preview) {
        fitted_.create(preview, CV_8UC3);
        fitted_.setTo(cv::Scalar::all(0));
    }
    const cv::Rect shown = FitInto(frame.size(), preview);
    cv::Mat inside = fitted_(shown);
    cv::resize(frame, inside, shown.size(), 0, 0, cv::INTER_LINEAR);
    return fitted_;
}

bool FrameRoad::ShowPlacard() {
    switch (placard_.load()) {
        case Placard::None: return false;
        case Placard::Opening:
            cv::resize(openingPicture_, cameraPicture_, cameraPicture_.size(), 0, 0, cv::INTER_LINEAR);
            return true;
        case Placard::NoCamera:
            cv::resize(noCameraPicture_, cameraPicture_, cameraPicture_.size(), 0, 0, cv::INTER_LINEAR);
            return true;
    }
    return false;
}

int CaptureWorker(FrameRoad* frameRoad) {
    frameRoad->captureStopped = 0;
    // The section stays open for the life of the worker, which is the life of the program.
    platform::VirtualCameraSection virtualCamera;
    virtualCamera.Open();
    // The road keeps its own time: a pass every period of its rate, and one at once whenever the
    // tick event is set. After a late pass the next follows at once; missed ones are not made up.
    auto next = std::chrono::steady_clock::now() + frameRoad->Road().PassPeriod();
    while (frameRoad->stopCapture == 0) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
            next - std::chrono::steady_clock::now());
        const bool woken = frameRoad->tickEvent.WaitFor(std::max(wait, std::chrono::milliseconds(0)));
        if (frameRoad->stopCapture != 0) break;
        frameRoad->RunPass();
        if (woken) continue;
        const auto period = frameRoad->Road().PassPeriod();
        next = std::max(next + period, std::chrono::steady_clock::now());
    }
    frameRoad->captureStopped = 1;
    return 1;
}

}  // namespace capture
