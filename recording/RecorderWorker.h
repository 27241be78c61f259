#pragma once

#include <opencv2/core.hpp>

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "capture/AudioCapture.h"
#include "capture/FrameRoad.h"
#include "recording/EncoderSettings.h"
#include "recording/FrameTimeline.h"
#include "recording/MMBoxEncoder.h"
#include "recording/SoundTimeline.h"

namespace recording {

// Bytes an ordinary user may still write on the file system that holds `folder`; nothing when
// the folder cannot be asked (it is missing, for example) or its file system keeps no count.
std::optional<uint64_t> FreeBytesOnFileSystem(const std::string& folder);

struct RecorderOptions {
    // The picture size, rate and audio format of the file (see EncoderSettingsFor).
    EncoderSettings settings = MakeEncoderSettings();
    // Makes the encoder; the FFmpeg AVI encoder unless a test puts in its own.
    std::function<std::unique_ptr<MMBoxInstance>()> createEncoder = [] {
        return CreateMMBoxDLLInstance();
    };
    // The clock the file's timeline follows.
    std::function<std::chrono::steady_clock::time_point()> now = std::chrono::steady_clock::now;
    // The free space of the output folder's file system; FreeBytesOnFileSystem unless a test
    // puts in its own.
    std::function<std::optional<uint64_t>(const std::string& folder)> freeBytes =
        FreeBytesOnFileSystem;
    // Called once, on the recorder's thread, when the recording has to end part-way (a failed
    // write, the disk nearly full, the output folder gone, an internal error) with a message for
    // the user. The recording then ends by itself: what was written so far is finished and
    // kept. A window posts the message to its own thread.
    std::function<void(const std::string& message)> onFailure;
    // The microphone's sound, laid on the file's timeline by its capture times; null records
    // silence. It must outlive the recorder, or the recorder be abandoned before it goes.
    capture::SoundFeed* sound = nullptr;
};

// One recording: the output frames of a FrameRoad written into a new AVI file, on the
// recorder's own thread. Each recording owns its stop request, so stopping one and starting the
// next at once never revives or disturbs the previous thread while it finishes its file. A
// recording never replaces a file: when its name is taken, it is numbered (see
// CreateUnderFreeName), and OutputPath() gives the name it got.
//
// The window drives it like this:
//   StartRecording:  auto recorder = std::make_unique<RecorderWorker>(path, frameRoad, options);
//                    std::string error;
//                    if (!recorder->Start(error)) { show `error`; stay Ready; add no list row }
//                    list the recording under recorder->OutputPath()
//   StopRecording:   recorder->RequestStop();  // returns at once; the file is finished behind
//                    keep the recorder (e.g. in a list of finishing recorders) until HasEnded(),
//                    then destroy it; destroying one that has not ended waits for it
//   Shutdown:        RequestStop() and WaitUntilEnded(limit) on every recorder still held, so
//                    no file is left unfinished; one still writing after the limit (a hung
//                    network mount) is handed to Abandon().
//   onFailure:       post the message to the window; show it, go back to Ready.
//
// The file's timeline follows the clock: a recording of N seconds plays N seconds, whatever the
// rate at which frames arrive (see FrameTimeline). Pictures are placed by the capture times of
// their camera frames and sound by the capture times of its buffers (see SoundTimeline), both on
// the monotonic clock, so a sound and the picture of the same moment meet in the file. The sound
// is handed to the encoder kSoundHoldBack behind the picture, so that buffers on their way from
// the microphone still find their place; the file's interleaving stays well within a second.
class RecorderWorker {
public:
    // The buffers of one recording, in bytes.
    static constexpr std::size_t kFrameBufferBytes = 4'096'000;
    static constexpr std::size_t kAudioInputBytes = 1'024'000;  // most sound handed at once
    static constexpr std::size_t kAudioPacketBytes = 512'000;
    static constexpr std::size_t kVideoPacketBytes = 1'024'000;
    // How long the thread waits for a frame before it fills missed slots with the last frame.
    static constexpr std::chrono::milliseconds kIdleWait{100};
    // Free space a recording needs to start, and below which a running one stops.
    static constexpr uint64_t kMinimumFreeToStart = 200ull << 20;
    static constexpr uint64_t kMinimumFreeWhileRecording = 50ull << 20;
    // How often, by the recording's clock, the thread checks the free space and that its file
    // still stands in the output folder.
    static constexpr std::chrono::seconds kWatchInterval{1};
    // How far the sound handed to the encoder stays behind the picture while a microphone is
    // recorded; at the stop the recorder waits at most this long for the last sound.
    static constexpr std::chrono::milliseconds kSoundHoldBack{400};

    RecorderWorker(std::string outputPath, capture::FrameRoad& frameRoad,
                   RecorderOptions options = {});
    // Stops the recording and waits until its file is finished.
    ~RecorderWorker();
    RecorderWorker(const RecorderWorker&) = delete;
    RecorderWorker& operator=(const RecorderWorker&) = delete;

    // Creates the encoder, checks the free space, creates the file (numbered when its name is
    // taken) and writes its header, then starts the thread. On failure nothing runs, no file is
    // left behind, and `errorText` says why. A recorder starts once; a new recording takes a
    // new RecorderWorker.
    bool Start(std::string& errorText);
    // Start in two steps, for a caller that keeps the calls on the output folder off its own
    // thread: OpenFile does all of Start's work on the folder and nothing else, and StartWriting
    // (after a successful OpenFile) joins the road and starts the thread. Discard, instead of
    // StartWriting, removes the opened file again.
    bool OpenFile(std::string& errorText);
    void StartWriting();
    void Discard();
    // Asks the recording to end; the file lasts until this moment. Returns at once.
    void RequestStop();
    // RequestStop, then waits until the file is finished and the thread has ended.
    void StopAndWait();
    // Waits at most `limit` for the thread to finish the file; true when it has.
    bool WaitUntilEnded(std::chrono::milliseconds limit);
    // True once the thread has finished the file (or when it never started).
    bool HasEnded() const { return ended_; }
    // Gives up on a recorder whose thread did not end in time (stuck in a write on a hung
    // mount, for example). The thread is asked to stop and left to run; from now on it touches
    // neither the frame road nor the failure callback, so both may go away. The file stays as a
    // crash would leave it, for the repair at the next start. The object is deliberately never
    // freed, as its thread may still use it.
    static void Abandon(std::unique_ptr<RecorderWorker> recorder);

    // The message of a failure part-way, if there was one.
    std::optional<std::string> FailureText() const;
    // Frames the file holds; final once the recorder has ended.
    int64_t FramesWritten() const { return framesWritten_; }
    // Frames the road finished while this recorder was still busy with an earlier one, which it
    // therefore never saw.
    uint64_t FramesMissed() const { return frames_ ? frames_->Dropped() : 0; }
    const std::string& OutputPath() const { return outputPath_; }

private:
    void Run();
    void Record();
    // Once per kWatchInterval: false, after telling the user, when the file's folder has gone
    // or the disk is nearly full.
    bool WatchSurroundings(FrameTimeline::Duration elapsed);
    bool WaitForFrame();
    // Writes the current frame into `count` slots of the file: its audio, then its video.
    bool WriteSlots(int64_t count);
    bool WriteSlot();
    // Hands the encoder the sound of the timeline up to `until` and writes its packets.
    bool WriteSound(FrameTimeline::Duration until);
    // The sound of the whole file, once the last of it has come (or kSoundHoldBack has passed).
    bool WriteLastSound();
    // Makes the frame that arrived the current one; returns when its camera picture was captured,
    // after the start, or nothing when the frame has no capture time.
    std::optional<FrameTimeline::Duration> TakeArrivedFrame();
    // Converts the current frame into the frame buffer that the next slots show.
    void ConvertOutputFrame();
    FrameTimeline::Duration Elapsed() const;
    // Ends the recording part-way for `reason`; the user is told once the file has been finished
    // or has failed to finish, with what became of it (`saysWhatIsKept`: unless the file is gone).
    // "The recording ... could not be written to the end", with the encoder's reason.
    std::string WriteFailure() const;
    void NoteFailure(const std::string& reason, bool saysWhatIsKept = true);
    // Tells the user `message` (FailureText, onFailure).
    void ReportFailure(const std::string& message);

    std::string outputPath_;
    std::string folder_;
    capture::FrameRoad& pipeline_;
    RecorderOptions options_;
    EncoderSettings settings_;
    std::unique_ptr<MMBoxInstance> encoder_;
    FrameTimeline timeline_;

    // Laid by the microphone's thread, taken by the recorder's.
    class SoundTap final : public capture::SoundListener {
    public:
        explicit SoundTap(RecorderWorker& owner) : owner_(owner) {}
        void OnSound(std::chrono::steady_clock::time_point captured,
                     std::span<const int16_t> interleaved) override;

    private:
        RecorderWorker& owner_;
    };
    SoundTap soundTap_{*this};
    std::mutex soundMutex_;
    SoundTimeline soundTimeline_;                    // guarded by soundMutex_
    FrameTimeline::Duration soundReached_{0};        // guarded: where the latest buffer ends
    bool listening_ = false;  // guarded by outsideMutex_ once the thread runs
    std::vector<int16_t> soundOut_;

    std::vector<uint8_t> frameBuffer_;
    std::vector<uint8_t> audioPacket_;
    std::vector<uint8_t> videoPacket_;
    std::shared_ptr<capture::FrameHub::Slot> frames_;  // this recorder's slot on the road
    capture::PublishedFrame arrived_;
    capture::HubPicture outputCopy_;  // the current frame, a share of the hub's picture

    bool startCalled_ = false;
    std::chrono::steady_clock::time_point startTime_;
    // The file as created, to notice when it no longer stands at its path.
    dev_t fileDevice_ = 0;
    ino_t fileInode_ = 0;
    FrameTimeline::Duration lastWatch_{0};  // thread only
    std::atomic<bool> stopRequested_{false};
    std::atomic<int64_t> stopElapsedNs_{0};
    std::atomic<bool> ended_{true};
    std::mutex endMutex_;
    std::condition_variable endChanged_;
    // Guards what lies outside the recorder (the frame road, the sound, the failure callback)
    // against an Abandon() that lets them go.
    std::mutex outsideMutex_;
    bool abandoned_ = false;
    std::atomic<int64_t> framesWritten_{0};
    bool failed_ = false;  // thread only
    std::string failureReason_;  // thread only
    bool failureSaysWhatIsKept_ = true;  // thread only
    mutable std::mutex failureMutex_;
    std::optional<std::string> failureText_;
    std::thread thread_;
};

}  // namespace recording
