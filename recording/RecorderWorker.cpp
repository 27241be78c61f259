#include "recording/RecorderWorker.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "recording/ColourConversion.h"
#include "recording/OutputNames.h"
#include "platform/UserText.h"

namespace recording {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::optional<uint64_t> FreeBytesOnFileSystem(const std::string& folder) {
    struct statvfs info {};
    // A file system without a block count (sysfs, procfs) tells nothing about its room.
    if (statvfs(folder.c_str(), &info) != 0 || info.f_blocks == 0) return std::nullopt;
    return static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
}

RecorderWorker::RecorderWorker(std::string outputPath, capture::FrameRoad& frameRoad,
                               RecorderOptions options)
    : outputPath_(std::move(outputPath)),
      folder_(FolderOf(outputPath_)),
      pipeline_(frameRoad),
      options_(std::move(options)),
      settings_(options_.settings),
      timeline_(settings_.framesPerSecond),
      soundTimeline_(settings_.audioSampleRate, settings_.audioChannels) {}

RecorderWorker::~RecorderWorker() {
    StopAndWait();
}

bool RecorderWorker::Start(std::string& errorText) {
    if (!OpenFile(errorText)) return false;
    StartWriting();
    return true;
}

bool RecorderWorker::OpenFile(std::string& errorText) {
    if (startCalled_) {
        errorText = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "The recording has already been started."));
        return false;
    }
    startCalled_ = true;
    encoder_ = options_.createEncoder ? options_.createEncoder() : nullptr;
    if (!encoder_) {
        errorText = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "The video encoder could not be started."));
        return false;
    }
    if (options_.freeBytes) {
        const std::optional<uint64_t> free = options_.freeBytes(folder_);
        if (free && *free < kMinimumFreeToStart) {
            errorText = platform::UserText(
                "Recording", QT_TRANSLATE_NOOP("Recording", 
                                  "There is not enough free space to record into \"%1\": %2 "
                                  "free, and a recording needs at least %3. Free some space or "
                                  "choose another output folder."),
                {folder_, MiBText(*free), MiBText(kMinimumFreeToStart)});
            encoder_.reset();
            return false;
        }
    }
    const std::optional<std::string> created = CreateUnderFreeName(
        outputPath_,
        [this](const std::string& candidate) { return encoder_->OpenFile(settings_, candidate); });
    if (!created) {
        errorText = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "Could not create the recording file \"%1\": %2."),
                                       {outputPath_, encoder_->LastError()});
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
        errorText = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "Could not start the recording \"%1\": %2."),
                                       {outputPath_, encoder_->LastError()});
        encoder_.reset();
        std::error_code ignored;
        std::filesystem::remove(outputPath_, ignored);
        return false;
    }
    frameBuffer_.assign(kFrameBufferBytes, 0);
    // Room for the sound of the longest stretch handed at once, so the loop allocates nothing.
    soundOut_.reserve(kAudioInputBytes / sizeof(int16_t));
    audioPacket_.assign(kAudioPacketBytes, 0);
    // A key frame of a busy picture at the larger sizes can outgrow the classic packet buffer.
    videoPacket_.assign(
        std::max(kVideoPacketBytes, I420FrameBytes(settings_.width, settings_.height)), 0);
    return true;
}

void RecorderWorker::StartWriting() {
    if (!encoder_ || thread_.joinable()) return;
    // Every frame the road finishes from now on comes to this recorder's own slot; the first
    // slot of the file shows the picture of the moment the recording starts.
    frames_ = pipeline_.outputFrames.Attach();
    outputCopy_ = pipeline_.outputFrames.Latest().picture;
    ConvertOutputFrame();
    startTime_ = options_.now();
    if (options_.sound) {
        options_.sound->AddListener(&soundTap_);
        listening_ = true;
    }
    ended_ = false;
    thread_ = std::thread(&RecorderWorker::Run, this);
}

void RecorderWorker::Discard() {
    if (!encoder_ || thread_.joinable()) return;
    encoder_.reset();
    std::error_code ignored;
    std::filesystem::remove(outputPath_, ignored);
}

void RecorderWorker::RequestStop() {
    if (stopRequested_ || !thread_.joinable()) return;
    // The moment is stored before the flag, so the thread that sees the flag finds it.
    stopElapsedNs_ = Elapsed().count();
    stopRequested_ = true;
    // Wakes the thread when it waits for a frame.
    frames_->Wake();
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
        recorder->pipeline_.outputFrames.Detach(recorder->frames_);
        recorder->abandoned_ = true;
        if (recorder->listening_) recorder->options_.sound->RemoveListener(&recorder->soundTap_);
        recorder->listening_ = false;
    }
    if (recorder->thread_.joinable()) recorder->thread_.detach();
    // Kept until the process ends, on purpose: the detached thread may still be using it. The
    // list keeps it reachable, so that a leak checker tells it from a real leak.
    static std::mutex keptMutex;
    static std::vector<std::unique_ptr<RecorderWorker>>* const kept =
        new std::vector<std::unique_ptr<RecorderWorker>>;
    std::lock_guard lock(keptMutex);
    kept->push_back(std::move(recorder));
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
        NoteFailure(platform::UserText(
            "Recording", QT_TRANSLATE_NOOP("Recording", "The recording \"%1\" stopped on an internal error (%2)."),
            {outputPath_, error.what()}));
    } catch (...) {
        NoteFailure(platform::UserText(
            "Recording", QT_TRANSLATE_NOOP("Recording", "The recording \"%1\" stopped on an internal error."), {outputPath_}));
    }
    {
        std::lock_guard lock(outsideMutex_);
        if (listening_) options_.sound->RemoveListener(&soundTap_);
        listening_ = false;
        if (!abandoned_) pipeline_.outputFrames.Detach(frames_);
    }
    bool finished = false;
    std::string finishError;
    try {
        finished = encoder_->Finish();
        if (!finished) finishError = encoder_->LastError();
    } catch (...) {
        finishError = platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "an internal error"));
    }
    encoder_.reset();
    // What became of the file is said once it is known: finished, or left for the next start's
    // repair, which needs room for a whole copy of it.
    std::string unfinished;
    if (!finished) {
        struct stat info {};
        const uint64_t size =
            stat(outputPath_.c_str(), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
        const std::optional<uint64_t> free =
            options_.freeBytes ? options_.freeBytes(folder_) : std::nullopt;
        unfinished = ' ' + (free ? platform::UserText(
                                       "Recording", QT_TRANSLATE_NOOP("Recording", 
                                                         "The file could not be finished (%1); "
                                                         "the next start repairs it when there is "
                                                         "room for a copy of it (%2, with %3 free "
                                                         "now)."),
                                       {finishError, MiBText(size), MiBText(*free)})
                                 : platform::UserText(
                                       "Recording", QT_TRANSLATE_NOOP("Recording", 
                                                         "The file could not be finished (%1); "
                                                         "the next start repairs it when there is "
                                                         "room for a copy of it (%2)."),
                                       {finishError, MiBText(size)}));
    }
    if (failed_) {
        ReportFailure(failureReason_ + (!failureSaysWhatIsKept_ ? ""
                                        : finished ? ' ' + platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", 
                                                         "What was recorded before has been kept."))
                                                   : unfinished));
    } else if (!finished) {
        ReportFailure(platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "The recording \"%1\" could not be completed."),
                                         {outputPath_}) +
                      unfinished);
    }
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
            // The frame takes the slot of the moment its camera picture was captured, not of the
            // moment the road passed it on.
            const std::optional<FrameTimeline::Duration> captured = TakeArrivedFrame();
            const FrameTimeline::FramePlan plan = timeline_.OnFrame(captured.value_or(elapsed));
            written = WriteSlots(plan.repeatsOfLast);
            // A frame whose slot is already written still becomes the picture the next slots
            // repeat.
            if (written) ConvertOutputFrame();
            if (written && plan.writeNew) written = WriteSlots(1);
        } else {
            written = WriteSlots(timeline_.OnIdle(elapsed));
        }
        if (!written) return;
    }
    const FrameTimeline::Duration end =
        stopRequested_ ? FrameTimeline::Duration(stopElapsedNs_.load()) : Elapsed();
    if (WriteSlots(timeline_.OnStop(end))) WriteLastSound();
}

bool RecorderWorker::WaitForFrame() {
    return frames_->Take(arrived_, kIdleWait);
}

bool RecorderWorker::WatchSurroundings(FrameTimeline::Duration elapsed) {
    if (elapsed - lastWatch_ < kWatchInterval) return true;
    lastWatch_ = elapsed;
    // A folder deleted, renamed or unmounted takes the path with it, while the open file would
    // take frames on into nowhere.
    struct stat info {};
    if (lstat(outputPath_.c_str(), &info) != 0 || info.st_dev != fileDevice_ ||
        info.st_ino != fileInode_) {
        NoteFailure(platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", 
                                                         "The output folder of the recording "
                                                         "\"%1\" was deleted, renamed or "
                                                         "unmounted, so the recording has been "
                                                         "stopped."),
                                       {outputPath_}),
                    false);
        return false;
    }
    const std::optional<uint64_t> free =
        options_.freeBytes ? options_.freeBytes(folder_) : std::nullopt;
    if (free && *free < kMinimumFreeWhileRecording) {
        NoteFailure(platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", 
                                                         "The recording \"%1\" has been stopped "
                                                         "because the disk is nearly full (%2 "
                                                         "free)."),
                                       {outputPath_, MiBText(*free)}));
        return false;
    }
    return true;
}

bool RecorderWorker::WriteSlots(int64_t count) {
    for (int64_t slot = 0; slot < count; ++slot) {
        if (!WriteSlot()) {
            NoteFailure(WriteFailure());
            return false;
        }
        ++framesWritten_;
    }
    return true;
}

bool RecorderWorker::WriteSound(FrameTimeline::Duration until) {
    soundOut_.clear();
    {
        std::lock_guard lock(soundMutex_);
        soundTimeline_.Take(until, soundOut_);
    }
    const auto bytes = std::as_bytes(std::span(soundOut_));
    for (std::size_t offset = 0; offset < bytes.size(); offset += kAudioInputBytes) {
        const auto piece = bytes.subspan(offset, std::min(kAudioInputBytes, bytes.size() - offset));
        if (!encoder_->PutAudio({reinterpret_cast<const uint8_t*>(piece.data()), piece.size()})) {
            return false;
        }
        // A piece of sound may make more than one packet (an MP3 packet holds 1,152 samples, a
        // slot 2,400): every packet is written as soon as it is made, so the sound stays
        // interleaved with the picture and nothing piles up for the end of the file.
        int length = 0;
        while (true) {
            if (encoder_->GetAudioPacket(audioPacket_, &length) < 0) return false;
            if (length <= 0) break;
            if (!encoder_->WriteAudioPacket(std::span(audioPacket_).first(length))) return false;
        }
    }
    return true;
}

bool RecorderWorker::WriteLastSound() {
    const FrameTimeline::Duration end(framesWritten_ * 1'000'000'000 / settings_.framesPerSecond);
    // While the microphone delivers, its last buffers are still on their way; silence fills in
    // for what does not come in time. A microphone that has gone quiet is not waited for.
    const auto deadline = std::chrono::steady_clock::now() + kSoundHoldBack;
    while (options_.sound && std::chrono::steady_clock::now() < deadline) {
        {
            std::lock_guard lock(soundMutex_);
            if (soundReached_ >= end || soundReached_ < end - 2 * kSoundHoldBack) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WriteSound(end)) return true;
    NoteFailure(WriteFailure());
    return false;
}

bool RecorderWorker::WriteSlot() {
    // The sound up to the end of this slot, less the hold-back while a microphone is recorded.
    const int64_t slotEnd = (framesWritten_ + 1) * 1'000'000'000 / settings_.framesPerSecond;
    const FrameTimeline::Duration holdBack = options_.sound ? kSoundHoldBack : FrameTimeline::Duration(0);
    if (!WriteSound(FrameTimeline::Duration(slotEnd) - holdBack)) return false;
    int length = 0;
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

void RecorderWorker::SoundTap::OnSound(std::chrono::steady_clock::time_point captured,
                                      std::span<const int16_t> interleaved) {
    const FrameTimeline::Duration at =
        std::chrono::duration_cast<FrameTimeline::Duration>(captured - owner_.startTime_);
    const int channels = owner_.settings_.audioChannels;
    const FrameTimeline::Duration length(static_cast<int64_t>(interleaved.size() / channels) *
                                         1'000'000'000 / owner_.settings_.audioSampleRate);
    std::lock_guard lock(owner_.soundMutex_);
    owner_.soundTimeline_.Add(at, interleaved);
    owner_.soundReached_ = std::max(owner_.soundReached_, at + length);
}

std::optional<FrameTimeline::Duration> RecorderWorker::TakeArrivedFrame() {
    // Published frames are never written again, so the picture is shared, not copied.
    outputCopy_ = arrived_.picture;
    if (!arrived_.captured) return std::nullopt;
    return std::chrono::duration_cast<FrameTimeline::Duration>(*arrived_.captured - startTime_);
}

void RecorderWorker::ConvertOutputFrame() {
    if (outputCopy_.cols != settings_.width || outputCopy_.rows != settings_.height ||
        outputCopy_.type() != CV_8UC3 || !outputCopy_.isContinuous()) {
        return;  // keeps the last picture
    }
    ConvertBgrToI420(outputCopy_.data, frameBuffer_.data(), settings_.width, settings_.height);
}

FrameTimeline::Duration RecorderWorker::Elapsed() const {
    return std::chrono::duration_cast<FrameTimeline::Duration>(options_.now() - startTime_);
}

std::string RecorderWorker::WriteFailure() const {
    return platform::UserText(
        "Recording", QT_TRANSLATE_NOOP("Recording", "The recording \"%1\" could not be written to the end: %2."),
        {outputPath_, encoder_->LastError()});
}

void RecorderWorker::NoteFailure(const std::string& reason, bool saysWhatIsKept) {
    if (failed_) return;
    failed_ = true;
    failureReason_ = reason;
    failureSaysWhatIsKept_ = saysWhatIsKept;
}

void RecorderWorker::ReportFailure(const std::string& message) {
    {
        std::lock_guard lock(failureMutex_);
        failureText_ = message;
    }
    std::lock_guard lock(outsideMutex_);
    if (options_.onFailure && !abandoned_) options_.onFailure(message);
}

}  // namespace recording
