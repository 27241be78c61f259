#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "capture/CameraSession.h"
#include "capture/MicrophoneState.h"
#include "capture/FrameRoad.h"
#include "capture/VirtualCamera.h"
#include "effects/EffectEngine.h"
#include "recording/CrashRepair.h"
#include "recording/MMBoxEncoder.h"
#include "platform/FolderWorker.h"
#include "segmentation/Background.h"

namespace capture {
class AudioCapture;
}

namespace effects {
class FaceTracker;
}

namespace recording {
class RecorderWorker;
}

namespace studio {

class EffectStage;

// What a session tells whoever drives it. Called on the session's threads (the camera session's,
// the road's, a recorder's, the repair's, the microphone's, the output folder's) and, for the
// engine's notices, on the road's; a window posts each notice to its own thread.
class SessionEvents : public effects::EngineEvents {
public:
    // The cameras plugged in changed; `cameras` is the new list.
    virtual void CamerasChanged(const std::vector<capture::CameraDescription>& cameras) = 0;
    // The wanted camera (`id`, empty when none) is now in `state`.
    virtual void CameraStateChanged(const std::string& id, capture::CameraState state) = 0;
    // An open that the start or the user asked for failed.
    virtual void CameraOpenFailed(const std::string& id, capture::CameraFailure failure) = 0;
    // The camera the user chose delivers pictures: the choice is worth keeping.
    virtual void CameraChoiceDelivered(const std::string& id) = 0;
    // Camera `id` went live with the control settings kept for it; `refused` names the
    // controls it refused (empty when all were taken).
    virtual void CameraControlsApplied(const std::string& id, const std::vector<std::string>& refused) {
        (void)id;
        (void)refused;
    }
    virtual void MicrophoneStateChanged(capture::MicrophoneState state) = 0;
    // Recording `serial` has its file at `path` and records from now on.
    virtual void RecordingStarted(int serial, const std::string& path) = 0;
    // Recording `serial` got no file: `message` says why, or is empty when it was stopped
    // before its file was made.
    virtual void RecordingNotStarted(int serial, const std::string& message) = 0;
    // Recording `serial` ended by itself part-way with `message` for the user; what was written
    // is finished and kept.
    virtual void RecordingFailed(int serial, const std::string& message) = 0;
    // The road stopped on an internal error; the session goes on without pictures.
    virtual void RoadFailed(const std::string& message) = 0;
    // The repair of the recordings a crash cut off has ended.
    virtual void RepairFinished(const recording::RepairResult& result) = 0;
    // A snapshot was written to `path`, or could not be, with `message` for the user.
    virtual void SnapshotSaved(const std::string& path) = 0;
    virtual void SnapshotFailed(const std::string& message) = 0;
    // The virtual camera was switched, lost its PipeWire daemon, or its readers changed.
    virtual void VirtualCameraChanged(const capture::VirtualCameraStatus& status) { (void)status; }
};

// What a session starts with: the choices a settings file keeps.
struct SessionStart {
    capture::RoadConfig road = capture::RoadConfig::Classic();
    std::string camera;      // the identity of the camera to open; empty: the first one
    std::string microphone;  // an identity, "None", or empty for the sound server's default
    bool mirrorPreview = false;
    bool mirrorOutput = false;
    // Where recordings and snapshots go, as the user wrote it: "~" and relative paths are taken
    // inside `homeFolder`, and `defaultFolder` (made when used) stands in for an empty one.
    std::string outputFolder;
    std::string defaultFolder;
    std::string homeFolder;
    // The person segmentation model behind the background choices (segmentation::ModelPathIn
    // of the data folder), and the background chosen at the start.
    std::string segmentationModel;
    segmentation::BackgroundChoice background;
};

// A run of the program, without any window: the frame road on its own thread and clock, the
// effect engine's place on it, the camera session, the microphone, the recorders from start to
// finished file, snapshots, the repair of recordings a crash cut off, and the end of it all.
// Commands are given from one thread (a window's, or a test's); what happens off that thread is
// told through SessionEvents. No command waits on the output folder: what it asks of the folder
// runs on a thread of its own, in order, and its outcome is told.
class StudioSession : private capture::CameraEvents, private capture::VirtualCameraEvents {
public:
    // How long the end waits for recorders to finish their files before it leaves them as a
    // crash would (tests shorten it).
    static constexpr std::chrono::milliseconds kFinishWaitLimit{10000};

    // `preview` receives every preview frame on the road's thread; it may be null.
    StudioSession(SessionEvents& events, capture::PreviewSink* preview);
    ~StudioSession() override;
    StudioSession(const StudioSession&) = delete;
    StudioSession& operator=(const StudioSession&) = delete;

    // Starts the road, the cameras and the microphone, and returns at once; the road shows
    // "Opening camera..." until the camera delivers. Runs once.
    void Start(const SessionStart& start);

    // Recording. A recording started names its file by the time and the road; it records the
    // microphone while one is captured (live, or lost and awaited), else silence.
    // Asks for a new recording and returns its serial at once, or nothing while one is asked
    // for or running. Its file is made on the folder's thread, and RecordingStarted or
    // RecordingNotStarted tells how that went.
    std::optional<int> StartRecording();
    // Asks the running recording to stop and returns at once; its file is finished behind. A
    // recording whose file is still being made is called off: no file is left of it, and a new
    // one may be asked for at once.
    void StopRecording();
    // A recording is asked for (and not called off) or running.
    bool IsRecording() const;
    // The user has seen recording `serial`'s failure; the end does not show it again.
    void FailureShown(int serial) { shownFailures_.insert(serial); }
    // Stopped recordings whose files are not finished yet.
    std::size_t FinishingRecorderCount() const;

    // Takes the output frame of this moment and saves it as a new JPEG in the output folder;
    // SnapshotSaved or SnapshotFailed tells how that went.
    void TakeSnapshot();

    // Cameras, by identity.
    void ChooseCamera(const std::string& id);
    std::vector<capture::CameraDescription> Cameras() const;
    // The camera the session keeps open (or waits for); empty when none.
    std::string CurrentCamera() const;

    // The picture controls. The settings kept for camera `id` are applied whenever it goes
    // live, from now on (set them before Start for the first open); they replace those kept
    // before. Controls() are the live camera's, null while none is live.
    void KeepCameraControls(const std::string& id, const capture::ControlSettings& settings);
    std::shared_ptr<capture::CameraControls> Controls() const;

    // The microphones plugged in now, each by identity and name.
    struct MicrophoneLine {
        std::string id;
        std::string name;
    };
    struct MicrophoneList {
        std::vector<MicrophoneLine> lines;
        std::string inUse;  // the identity of the line the setting in use picks, or "None"
    };
    // One look at the devices gives both.
    MicrophoneList Microphones() const;
    // The microphone `setting` names (an identity, "None", or empty for the default).
    void UseMicrophone(const std::string& setting);
    const std::string& MicrophoneSetting() const { return microphoneSetting_; }
    double MicrophoneLevel() const;

    // Switches to the recording size of `road` while nothing records: the effects move to an
    // engine of the new studio size, in the same places relative to the picture, and the camera
    // is opened again for a mode that covers it. False while recording.
    bool SetRecordingSize(const capture::RoadConfig& road);
    capture::RoadConfig Road() const { return road_.Road(); }
    void SetMirrors(bool preview, bool output);
    // The virtual camera: the picture a recording would carry, offered to other programs as a
    // PipeWire camera, at the road's studio size and rate, until switched off or the end.
    // VirtualCameraChanged tells how it goes (without PipeWire it stays off and says so).
    void SetVirtualCamera(bool on);
    capture::VirtualCameraStatus VirtualCameraStatus() const;
    // The background drawn behind the person from the next picture on. False, with `error`
    // saying why, when the choices are not available (no model: see BackgroundUnavailable) or a
    // replacing picture cannot be read; the choice before stays.
    bool SetBackground(const segmentation::BackgroundChoice& choice, std::string* error = nullptr);
    segmentation::BackgroundChoice Background() const;
    // Why the background choices cannot be used (the model is missing or damaged); empty when
    // they can. Known from Start on.
    std::string BackgroundUnavailable() const;
    // Where recordings and snapshots go from now on.
    void SetOutputFolder(const std::string& folder) { outputFolder_ = folder; }
    // The output folder as recordings use it (see SessionStart::outputFolder); a name only, the
    // folder is not looked at.
    std::string FileFolder() const;

    // Starts repairing, on a thread of its own, the recordings in the output folder that a crash
    // cut off before this session began. Once per session.
    void RepairUnfinishedRecordings();
    bool RepairEnded() const;

    // Ends the run: every recorder is asked to stop, the cameras and the repair stop, then every
    // file is finished within the bounded wait (a recorder stuck longer is left as a crash would
    // leave it, for the next start to repair), then the microphone and the road stop. While a
    // file is still being finished, `waiting` is called now and then (a window keeps painting).
    // Returns the failures the user has not been shown. Only the first call does anything.
    std::vector<std::string> Shutdown(const std::function<void(bool first)>& waiting = {});
    bool IsShutDown() const { return shutDown_; }

    // The road, the engine (null before Start) and the face tracker (null where face following
    // is not available).
    capture::FrameRoad& FrameRoad() { return road_; }
    const capture::FrameRoad& FrameRoad() const { return road_; }
    effects::EffectEngine* Engine() const { return engine_.get(); }
    effects::FaceTracker* FaceTracker() const { return tracker_.get(); }

    // For tests: the recorders' encoders, their free-space answers, the bounded wait.
    void SetEncoderFactory(std::function<std::unique_ptr<recording::MMBoxInstance>()> factory) {
        encoderFactory_ = std::move(factory);
    }
    void SetFreeSpaceSource(std::function<std::optional<uint64_t>(const std::string&)> source) {
        freeSpaceSource_ = std::move(source);
    }
    void SetFinishWaitLimit(std::chrono::milliseconds limit) { finishWaitLimit_ = limit; }

private:
    struct Recorder {
        int serial = 0;
        std::unique_ptr<recording::RecorderWorker> worker;
    };

    void StartRoad();
    void StartCameras(const std::string& camera);
    // Places an engine and face tracker for `road`'s studio frame on the road.
    void PlaceEngine(const capture::RoadConfig& road, std::unique_ptr<effects::EffectEngine> engine);
    void DropEndedRecorders();
    // `folder` when it is the default folder, which is made where it is used; else nothing.
    std::string FolderToMake(const std::string& folder) const;
    // On the folder's thread: makes the recorder's file and hands it to the session.
    void OpenRecordingFile(int serial, std::unique_ptr<recording::RecorderWorker>& worker,
                           const platform::FolderWorker::Outlet& outlet);
    // CameraEvents, from the camera session's thread.
    void CamerasChanged(const std::vector<capture::CameraDescription>& cameras) override;
    void CameraStateChanged(const std::string& id, capture::CameraState state) override;
    void CameraOpenFailed(const std::string& id, capture::CameraFailure failure) override;
    void CameraControlsApplied(const std::string& id, const std::vector<std::string>& refused) override;
    // VirtualCameraEvents, from the virtual camera's threads.
    void VirtualCameraChanged(const capture::VirtualCameraStatus& status) override;
    // Publishes the virtual camera for the road's studio size and rate.
    void StartVirtualCamera();

    SessionEvents& events_;
    bool started_ = false;
    bool shutDown_ = false;

    capture::FrameRoad road_;
    std::thread roadThread_;
    std::unique_ptr<effects::EffectEngine> engine_;
    std::unique_ptr<effects::FaceTracker> tracker_;
    std::unique_ptr<segmentation::BackgroundStage> background_;  // made at Start, before the stage
    std::unique_ptr<EffectStage> stage_;
    // Follows the road's studio frames; declared after the road, so it lets go of them first.
    capture::VirtualCamera virtualCamera_{road_.studioFrames, *this};
    bool virtualCameraWanted_ = false;

    std::unique_ptr<capture::CameraSession> cameras_;
    mutable std::mutex cameraMutex_;  // the two identities, written on the camera session's thread
    std::string currentCamera_;
    std::string chosenCamera_;  // chosen by the user, told once it delivers
    // The control settings of each camera, handed to every camera session made.
    std::map<std::string, capture::ControlSettings> keptControls_;

    // Declared before the recorders, which listen to it, so it outlives them.
    std::unique_ptr<capture::AudioCapture> microphone_;
    std::string microphoneSetting_;

    // Each recording has its own recorder with its own stop request, so a recording started
    // right after a stop never revives or disturbs the previous recorder while it finishes.
    // The folder's thread hands a started recorder over; never post work while holding this.
    mutable std::mutex recordersMutex_;
    int startingSerial_ = 0;  // the recording whose file is being made, unless called off
    Recorder running_;
    std::vector<Recorder> finishing_;  // stopped, kept until their files are finished
    std::set<int> shownFailures_;
    int recordingCount_ = 0;
    std::function<std::unique_ptr<recording::MMBoxInstance>()> encoderFactory_;
    std::function<std::optional<uint64_t>(const std::string&)> freeSpaceSource_;
    std::chrono::milliseconds finishWaitLimit_ = kFinishWaitLimit;

    std::string outputFolder_;
    std::string defaultFolder_;
    std::string homeFolder_;
    // The crash repair: files changed from this moment on belong to this session.
    std::chrono::system_clock::time_point sessionStarted_ = std::chrono::system_clock::now();
    std::unique_ptr<recording::RepairJob> repairJob_;
    // Last, so it is let go before anything its work delivers to.
    platform::FolderWorker folder_;
};

}  // namespace studio
