#include "recording/RecorderWorker.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <span>

#include "recording/ColourConversion.h"
#include "recording/OutputNames.h"

namespace recording {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string MiB(uint64_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

}  // namespace

std::optional<uint64_t> FreeBytesOnFileSystem(const std::string& folder) {
    struct statvfs info {};
    // A file system without a block count (sysfs, procfs) tells nothing about its room.
    if (statvfs(folder.c_str(), &info) != 0 || info.f_blocks == 0) return std::nullopt;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

RecorderWorker::RecorderWorker(std::string outputPath, capture::FramePipeline& pipeline,
                               RecorderOptions options)
    : outputPath_(std::move(outputPath)),
      folder_(FolderOf(outputPath_)),
      pipeline_(pipeline),
      options_(std::move(options)),
      settings_(options_.settings),
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
    if (options_.freeBytes) {
        const std::optional<uint64_t> free = options_.freeBytes(folder_);
        if (free && *free < kMinimumFreeToStart) {
            errorText = "There is not enough free space to record into \"" + folder_ +
                        "\": " + MiB(*free) + " free, and a recording needs at least " +
                        MiB(kMinimumFreeToStart) +
                        ". Free some space or choose another output folder.";
            encoder_.reset();
            return false;
        }
    }
    const std::optional<std::string> created = CreateUnderFreeName(
        outputPath_,
        [this](const std::string& candidate) { return encoder_->OpenFile(settings_, candidate); });
    if (!created) {
        errorText = "Could not create the recording file \"" + outputPath_ +
                    "\": " + encoder_->LastError() + ".";
        encoder_.reset();
        return false;
    }
    outputPath_ = *created;
    struct stat info {};
    if (lstat(outputPath_.c_str(), &info) == 0) {
        fileDevice_ = info.st_dev;
        fileInode_ = info.st_ino;
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
    // A key frame of a busy picture at the larger sizes can outgrow the classic packet buffer.
    videoPacket_.assign(
        std::max(kVideoPacketBytes, I420FrameBytes(settings_.width, settings_.height)), 0);
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

bool RecorderWorker::WaitUntilEnded(std::chrono::milliseconds limit) {
    std::unique_lock lock(endMutex_);
    return endChanged_.wait_for(lock, limit, [this] { return ended_.load(); });
}

void RecorderWorker::Abandon(std::unique_ptr<RecorderWorker> recorder) {
    if (!recorder) return;
    recorder->RequestStop();
    {
        std::lock_guard lock(recorder->outsideMutex_);
        recorder->abandoned_ = true;
    }
    if (recorder->thread_.joinable()) recorder->thread_.detach();
    // Left allocated on purpose: the detached thread may still be using it.
    [[maybe_unused]] RecorderWorker* kept = recorder.release();
}

std::optional<std::string> RecorderWorker::FailureText() const {
    std::lock_guard lock(failureMutex_);
    return failureText_;
}

void RecorderWorker::Run() {
    // Nothing thrown leaves the thread: the file is finished and the user told either way.
    try {
        Record();
    } catch (const std::exception& error) {
        ReportFailure("The recording \"" + outputPath_ + "\" stopped on an internal error (" +
                      error.what() + "). What was recorded before has been kept.");
    } catch (...) {
        ReportFailure("The recording \"" + outputPath_ +
                      "\" stopped on an internal error. What was recorded before has been kept.");
    }
    try {
        if (!encoder_->Finish() && !failed_) {
            ReportFailure("The recording \"" + outputPath_ +
                          "\" could not be completed: " + encoder_->LastError() + ".");
        }
    } catch (...) {
        if (!failed_) {
            ReportFailure("The recording \"" + outputPath_ +
                          "\" could not be completed because of an internal error.");
        }
    }
    encoder_.reset();
    {
        std::lock_guard lock(endMutex_);
        ended_ = true;
    }
    endChanged_.notify_all();
}

void RecorderWorker::Record() {
    while (!stopRequested_) {
        const bool frameArrived = WaitForFrame();
        if (stopRequested_) break;
        const FrameTimeline::Duration elapsed = Elapsed();
        if (!WatchSurroundings(elapsed)) return;
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
        if (!written) return;
    }
    const FrameTimeline::Duration end =
        stopRequested_ ? FrameTimeline::Duration(stopElapsedNs_.load()) : Elapsed();
    WriteSlots(timeline_.OnStop(end));
}

bool RecorderWorker::WaitForFrame() {
    std::lock_guard lock(outsideMutex_);
    if (abandoned_) return false;
    return pipeline_.frameReadyEvent.WaitFor(kIdleWait);
}

bool RecorderWorker::WatchSurroundings(FrameTimeline::Duration elapsed) {
    if (elapsed - lastWatch_ < kWatchInterval) return true;
    lastWatch_ = elapsed;
    // A folder deleted, renamed or unmounted takes the path with it, while the open file would
    // take frames on into nowhere.
    struct stat info {};
    if (lstat(outputPath_.c_str(), &info) != 0 || info.st_dev != fileDevice_ ||
        info.st_ino != fileInode_) {
        ReportFailure("The output folder of the recording \"" + outputPath_ +
                      "\" was deleted, renamed or unmounted, so the recording has been stopped.");
        return false;
    }
    const std::optional<uint64_t> free =
        options_.freeBytes ? options_.freeBytes(folder_) : std::nullopt;
    if (free && *free < kMinimumFreeWhileRecording) {
        ReportFailure("The recording \"" + outputPath_ +
                      "\" has been stopped because the disk is nearly full (" + MiB(*free) +
                      " free). What was recorded has been kept.");
        return false;
    }
    return true;
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
    {
        std::lock_guard lock(outsideMutex_);
        if (abandoned_) return;
        // A whole copy: the capture worker may be writing the next frame meanwhile.
        pipeline_.CopyOutputFrame(outputCopy_);
    }
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
    std::lock_guard lock(outsideMutex_);
    if (options_.onFailure && !abandoned_) options_.onFailure(message);
}

}  // namespace recording
