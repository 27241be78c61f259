#include "recording/RecorderWorker.h"

#include <algorithm>
#include <filesystem>
#include <span>

#include "recording/ColourConversion.h"

namespace recording {

RecorderWorker::RecorderWorker(std::string outputPath, capture::FramePipeline& pipeline,
                               RecorderOptions options)
    : outputPath_(std::move(outputPath)),
      pipeline_(pipeline),
      options_(std::move(options)),
      settings_(MakeEncoderSettings()),
      timeline_(settings_.framesPerSecond),
      audioBytesPerFrame_(std::min<uint32_t>(AudioBytesPerFrame(settings_),
                                             static_cast<uint32_t>(kAudioInputBytes))) {}

RecorderWorker::~RecorderWorker() {
    StopAndWait();
}

bool RecorderWorker::Start(std::string& errorText) {
    if (startCalled_) {
        errorText = "The recording has already been started.";
        return false;
    }
    startCalled_ = true;
    encoder_ = options_.createEncoder ? options_.createEncoder() : nullptr;
    if (!encoder_) {
        errorText = "The video encoder could not be started.";
        return false;
    }
    if (!encoder_->OpenFile(settings_, outputPath_)) {
        errorText = "Could not create the recording file \"" + outputPath_ +
                    "\": " + encoder_->LastError() + ".";
        encoder_.reset();
        return false;
    }
    if (!encoder_->Begin(settings_)) {
        errorText =
            "Could not start the recording \"" + outputPath_ + "\": " + encoder_->LastError() + ".";
        encoder_.reset();
        std::error_code ignored;
        std::filesystem::remove(outputPath_, ignored);
        return false;
    }
    frameBuffer_.assign(kFrameBufferBytes, 0);
    audioInput_.assign(kAudioInputBytes, 0);  // silence: the program records no sound
    audioPacket_.assign(kAudioPacketBytes, 0);
    videoPacket_.assign(kVideoPacketBytes, 0);
    // The first slot shows the picture of the moment the recording starts.
    TakeOutputFrame();
    startTime_ = options_.now();
    ended_ = false;
    thread_ = std::thread(&RecorderWorker::Run, this);
    return true;
}

void RecorderWorker::RequestStop() {
    if (stopRequested_ || !thread_.joinable()) return;
    // The moment is stored before the flag, so the thread that sees the flag finds it.
    stopElapsedNs_ = Elapsed().count();
    stopRequested_ = true;
    // Wakes the thread when it waits for a frame. Should a recording started right after this one
    // take the signal instead, it merely handles one more frame, and this thread still sees its
    // own flag within kIdleWait.
    pipeline_.frameReadyEvent.Set();
}

void RecorderWorker::StopAndWait() {
    RequestStop();
    if (thread_.joinable()) thread_.join();
}

std::optional<std::string> RecorderWorker::FailureText() const {
    std::lock_guard lock(failureMutex_);
    return failureText_;
}

void RecorderWorker::Run() {
    while (!stopRequested_) {
        const bool frameArrived = pipeline_.frameReadyEvent.WaitFor(kIdleWait);
        if (stopRequested_) break;
        const FrameTimeline::Duration elapsed = Elapsed();
        bool written = true;
        if (frameArrived) {
            const FrameTimeline::FramePlan plan = timeline_.OnFrame(elapsed);
            written = WriteSlots(plan.repeatsOfLast);
            // A frame whose slot is already written still becomes the picture the next slots
            // repeat.
            if (written) TakeOutputFrame();
            if (written && plan.writeNew) written = WriteSlots(1);
        } else {
            written = WriteSlots(timeline_.OnIdle(elapsed));
        }
        if (!written) break;
    }
    if (!failed_) {
        const FrameTimeline::Duration end =
            stopRequested_ ? FrameTimeline::Duration(stopElapsedNs_.load()) : Elapsed();
        WriteSlots(timeline_.OnStop(end));
    }
    if (!encoder_->Finish() && !failed_) {
        ReportFailure("The recording \"" + outputPath_ +
                      "\" could not be completed: " + encoder_->LastError() + ".");
    }
    encoder_.reset();
    ended_ = true;
}

bool RecorderWorker::WriteSlots(int64_t count) {
    for (int64_t slot = 0; slot < count; ++slot) {
        if (!WriteSlot()) {
            ReportFailure("The recording \"" + outputPath_ +
                          "\" could not be written to the end: " + encoder_->LastError() +
                          ". What was recorded before has been kept.");
            return false;
        }
        ++framesWritten_;
    }
    return true;
}

bool RecorderWorker::WriteSlot() {
    int length = 0;
    if (!encoder_->PutAudio(std::span(audioInput_).first(audioBytesPerFrame_))) return false;
    if (encoder_->GetAudioPacket(audioPacket_, &length) < 0) return false;
    if (length > 0 && !encoder_->WriteAudioPacket(std::span(audioPacket_).first(length))) {
        return false;
    }
    const std::size_t frameBytes = I420FrameBytes(settings_.width, settings_.height);
    const int ready = encoder_->PutVideoFrame(std::span(frameBuffer_).first(frameBytes));
    if (ready < 0) return false;
    for (int packet = 0; packet < ready; ++packet) {
        if (encoder_->GetVideoPacket(videoPacket_, &length) < 0) return false;
        if (length > 0 && !encoder_->WriteVideoPacket(std::span(videoPacket_).first(length))) {
            return false;
        }
    }
    return true;
}

void RecorderWorker::TakeOutputFrame() {
    // A whole copy: the capture worker may be writing the next frame meanwhile.
    pipeline_.CopyOutputFrame(outputCopy_);
    if (outputCopy_.cols != settings_.width || outputCopy_.rows != settings_.height ||
        outputCopy_.type() != CV_8UC3 || !outputCopy_.isContinuous()) {
        return;  // keeps the last picture
    }
    ConvertBgrToI420(outputCopy_.data, frameBuffer_.data(), settings_.width, settings_.height);
}

FrameTimeline::Duration RecorderWorker::Elapsed() const {
    return std::chrono::duration_cast<FrameTimeline::Duration>(options_.now() - startTime_);
}

void RecorderWorker::ReportFailure(const std::string& message) {
    failed_ = true;
    {
        std::lock_guard lock(failureMutex_);
        failureText_ = message;
    }
    if (options_.onFailure) options_.onFailure(message);
}

}  // namespace recording
