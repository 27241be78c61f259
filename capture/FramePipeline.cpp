#include "capture/FramePipeline.h"

#include <opencv2/imgproc.hpp>

#include "platform/VirtualCameraSection.h"

namespace capture {

FramePipeline::FramePipeline()
    : cameraPicture_(kPreviewHeight, kPreviewWidth, CV_8UC3, cv::Scalar::all(0)),
      outputFrame_(kOutputHeight, kOutputWidth, CV_8UC3, cv::Scalar::all(0)),
      outputScratch_(kOutputHeight, kOutputWidth, CV_8UC3, cv::Scalar::all(0)) {}

std::unique_ptr<CCaptureDevice> FramePipeline::ReplaceDevice(std::unique_ptr<CCaptureDevice> device) {
    std::lock_guard lock(deviceMutex_);
    device_.swap(device);
    return device;
}

bool FramePipeline::HasDevice() const {
    std::lock_guard lock(deviceMutex_);
    return device_ != nullptr;
}

void FramePipeline::CopyOutputFrame(cv::Mat& destination) const {
    std::lock_guard lock(outputMutex_);
    outputFrame_.copyTo(destination);
}

void FramePipeline::RunPass() {
    // The frame road:
    //  1. grab the newest camera frame (top-down BGR, the camera's size);
    //  2. scale it into the 480 x 360 camera picture (bilinear); without a camera, or when a
    //     grab fails, the picture keeps its last contents (black until a camera delivers);
    //  3. draw the active effects and the paint layer onto a copy of it; with nothing on, the
    //     camera picture itself goes on, uncopied;
    //  4. show that frame as the preview, with the selection border on a further copy when an
    //     effect is selected: the border belongs to editing, not to the picture; mirrored as a
    //     whole when the preview mirror is on;
    //  5. scale the frame without the border into the 320 x 240 output frame, which the
    //     recorder and the snapshot copy whole; mirrored when the output mirror is on;
    //  6. signal the output's consumers.
    {
        // The device lock spans the grab and the use of the device's image, so a camera swap on
        // the window's thread waits for it instead of deleting the image under us.
        std::lock_guard lock(deviceMutex_);
        const cv::Mat* grabbed = device_ ? device_->QueryFrame() : nullptr;
        if (grabbed) cv::resize(*grabbed, cameraPicture_, cameraPicture_.size(), 0, 0, cv::INTER_LINEAR);
    }
    const cv::Mat* picture = &cameraPicture_;
    if (effectEngine && effectEngine->HasWork()) {
        cameraPicture_.copyTo(effectsFrame_);
        if (effectEngine->Render(effectsFrame_, false)) picture = &effectsFrame_;
    }
    shownPreview_ = picture;
    if (effectEngine && effectEngine->ShowsSelectionBorder()) {
        picture->copyTo(bordered_);
        effectEngine->DrawSelectionBorder(bordered_);
        shownPreview_ = &bordered_;
    }
    if (mirrorPreview) {
        cv::flip(*shownPreview_, mirrored_, 1);
        shownPreview_ = &mirrored_;
    }
    if (previewSink) previewSink->PresentPreview(*shownPreview_);
    // Scale outside the lock, then publish with one copy under it.
    cv::resize(*picture, outputScratch_, outputScratch_.size(), 0, 0, cv::INTER_LINEAR);
    if (mirrorOutput) cv::flip(outputScratch_, outputScratch_, 1);
    {
        std::lock_guard lock(outputMutex_);
        outputScratch_.copyTo(outputFrame_);
    }
    frameReadyEvent.Set();
}

int CaptureWorker(FramePipeline* pipeline) {
    pipeline->captureStopped = 0;
    // The section stays open for the life of the worker, which is the life of the program.
    platform::VirtualCameraSection virtualCamera;
    virtualCamera.Open();
    while (pipeline->stopCapture == 0) {
        pipeline->tickEvent.Wait();
        if (pipeline->stopCapture != 0) break;
        pipeline->RunPass();
    }
    pipeline->captureStopped = 1;
    return 1;
}

}  // namespace capture
