#include "studio/StudioSession.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "capture/AudioCapture.h"
#include "platform/UserText.h"
#include "effects/FaceTracker.h"
#include "recording/ColourConversion.h"
#include "recording/OutputNames.h"
#include "recording/RecorderWorker.h"
#include "recording/RoadRecording.h"
#include "recording/Snapshot.h"
#include "studio/EffectStage.h"

namespace studio {

namespace {

// A face tracker for frames of `size`, or null where the face detector's data is not installed;
// effects of the face categories then stay where their files put them.
std::unique_ptr<effects::FaceTracker> MakeFaceTracker(const capture::RoadConfig& road) {
    const std::string cascade = effects::FaceTracker::FindCascade();
    if (cascade.empty()) return nullptr;
    auto tracker = std::make_unique<effects::FaceTracker>(
        cascade, cv::Size(road.studio.width, road.studio.height));
    if (!tracker->Available()) return nullptr;
    return tracker;
}

// Makes `folder` when its parent exists; a folder that cannot be made reports its own failure
// when something is written into it.
void MakeFolder(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
}

}  // namespace

StudioSession::StudioSession(SessionEvents& events, capture::PreviewSink* preview)
    : events_(events) {
    road_.previewSink = preview;
}

StudioSession::~StudioSession() { Shutdown(); }

void StudioSession::Start(const SessionStart& start) {
    if (started_ || shutDown_) return;
    started_ = true;
    outputFolder_ = start.outputFolder;
    defaultFolder_ = start.defaultFolder;
    homeFolder_ = start.homeFolder;
    folder_.Post([folder = FileFolder()](const platform::FolderWorker::Outlet&) { MakeFolder(folder); });
    SetMirrors(start.mirrorPreview, start.mirrorOutput);
    recording::InitColourTables();
    background_ = std::make_unique<segmentation::BackgroundStage>(start.segmentationModel);
    if (background_->Available()) background_->Choose(start.background);

    // The engine works in studio-frame pixels; the cameras are asked for the road's size.
    auto engine = std::make_unique<effects::EffectEngine>(start.road.studio.width,
                                                          start.road.studio.height, &events_);
    engine->SetPaintMode(false);
    PlaceEngine(start.road, std::move(engine));
    StartCameras(start.camera);
    UseMicrophone(start.microphone);
    StartRoad();
}

void StudioSession::PlaceEngine(const capture::RoadConfig& road,
                                std::unique_ptr<effects::EffectEngine> engine) {
    std::unique_ptr<effects::FaceTracker> tracker = MakeFaceTracker(road);
    auto stage = std::make_unique<EffectStage>(engine.get(), tracker.get(), background_.get());
    // The road lets go of the old stage before the old engine and tracker go.
    road_.Reconfigure(road, stage.get());
    stage_ = std::move(stage);
    engine_ = std::move(engine);
    tracker_ = std::move(tracker);
}

bool StudioSession::SetBackground(const segmentation::BackgroundChoice& choice,
                                  std::string* error) {
    if (!background_) {
        if (error) *error = "the session has not started";
        return false;
    }
    return background_->Choose(choice, error);
}

segmentation::BackgroundChoice StudioSession::Background() const {
    return background_ ? background_->Choice() : segmentation::BackgroundChoice{};
}

std::string StudioSession::BackgroundUnavailable() const {
    return background_ ? background_->UnavailableReason()
                       : std::string("the session has not started");
}

void StudioSession::StartRoad() {
    road_.stopCapture = 0;
    roadThread_ = std::thread([this] {
        // Nothing thrown leaves the thread: whoever drives the session ends the recording and
        // says why.
        std::string failure;
        try {
            capture::CaptureWorker(&road_);
        } catch (const std::exception& error) {
            failure = platform::UserText(
                "Recording", QT_TRANSLATE_NOOP("Recording", "The camera picture stopped on an internal error (%1)."),
                {error.what()});
        } catch (...) {
            failure = platform::UserText(
                "Recording", QT_TRANSLATE_NOOP("Recording", "The camera picture stopped on an internal error."));
        }
        if (failure.empty()) return;
        road_.captureStopped = 1;
        events_.RoadFailed(failure);
    });
}

void StudioSession::StartCameras(const std::string& camera) {
    const capture::RoadConfig road = road_.Road();
    capture::CameraEvents& events = *this;
    cameras_ = std::make_unique<capture::CameraSession>(road_, events, road.camera.width,
                                                        road.camera.height, road.framesPerSecond);
    for (const auto& [id, settings] : keptControls_) cameras_->KeepControls(id, settings);
    cameras_->Start(camera);
}

void StudioSession::ChooseCamera(const std::string& id) {
    if (!cameras_ || shutDown_) return;
    {
        std::lock_guard lock(cameraMutex_);
        chosenCamera_ = id;
    }
    cameras_->Choose(id);
}

void StudioSession::KeepCameraControls(const std::string& id, const capture::ControlSettings& settings) {
    keptControls_[id] = settings;
    if (cameras_) cameras_->KeepControls(id, settings);
}

std::shared_ptr<capture::CameraControls> StudioSession::Controls() const {
    return cameras_ ? cameras_->Controls() : nullptr;
}

void StudioSession::CameraControlsApplied(const std::string& id,
                                          const std::vector<std::string>& refused) {
    events_.CameraControlsApplied(id, refused);
}

std::vector<capture::CameraDescription> StudioSession::Cameras() const {
    return cameras_ ? cameras_->Cameras() : std::vector<capture::CameraDescription>();
}

std::string StudioSession::CurrentCamera() const {
    std::lock_guard lock(cameraMutex_);
    return currentCamera_;
}

void StudioSession::CamerasChanged(const std::vector<capture::CameraDescription>& cameras) {
    events_.CamerasChanged(cameras);
}

void StudioSession::CameraStateChanged(const std::string& id, capture::CameraState state) {
    bool choiceDelivered = false;
    {
        std::lock_guard lock(cameraMutex_);
        currentCamera_ = id;
        // A choice that failed is never told as kept.
        if (state == capture::CameraState::Live && !chosenCamera_.empty() && id == chosenCamera_) {
            chosenCamera_.clear();
            choiceDelivered = true;
        }
    }
    events_.CameraStateChanged(id, state);
    if (choiceDelivered) events_.CameraChoiceDelivered(id);
}

void StudioSession::CameraOpenFailed(const std::string& id, capture::CameraFailure failure) {
    {
        std::lock_guard lock(cameraMutex_);
        if (id == chosenCamera_) chosenCamera_.clear();
    }
    events_.CameraOpenFailed(id, failure);
}

void StudioSession::UseMicrophone(const std::string& setting) {
    if (shutDown_) return;
    microphoneSetting_ = setting;
    if (!microphone_) microphone_ = std::make_unique<capture::AudioCapture>();
    microphone_->Start(setting, [this](capture::MicrophoneState state) {
        events_.MicrophoneStateChanged(state);
    });
}

StudioSession::MicrophoneList StudioSession::Microphones() const {
    const std::vector<capture::MicrophoneSource> sources = capture::ListMicrophones();
    MicrophoneList list;
    for (const capture::MicrophoneSource& source : sources)
        list.lines.push_back({source.id, source.name});
    const int chosen = capture::ChooseMicrophone(sources, microphoneSetting_);
    list.inUse = chosen >= 0 ? sources[chosen].id : std::string(capture::kNoMicrophone);
    return list;
}

double StudioSession::MicrophoneLevel() const { return microphone_ ? microphone_->Level() : 0.0; }

bool StudioSession::SetRecordingSize(const capture::RoadConfig& road) {
    if (IsRecording() || shutDown_ || !engine_) return false;
    if (road == road_.Road()) return true;
    const cv::Size studio(road.studio.width, road.studio.height);
    PlaceEngine(road, engine_->RebuiltFor(studio, &events_));
    events_.SelectionChanged();
    // The camera is asked again, for a mode that covers the new size. It is let go first, so
    // the new request does not find it busy.
    if (virtualCameraWanted_) StartVirtualCamera();
    const std::string camera = CurrentCamera();
    cameras_->Stop();
    road_.ReplaceDevice(nullptr);
    cameras_.reset();
    StartCameras(camera);
    return true;
}

void StudioSession::SetVirtualCamera(bool on) {
    if (shutDown_) return;
    virtualCameraWanted_ = on;
    if (on)
        StartVirtualCamera();
    else
        virtualCamera_.Stop();
}

capture::VirtualCameraStatus StudioSession::VirtualCameraStatus() const {
    return virtualCamera_.Status();
}

void StudioSession::StartVirtualCamera() {
    const capture::RoadConfig road = road_.Road();
    virtualCamera_.Start(road.studio, road.framesPerSecond);
}

void StudioSession::VirtualCameraChanged(const capture::VirtualCameraStatus& status) {
    events_.VirtualCameraChanged(status);
}

void StudioSession::SetMirrors(bool preview, bool output) {
    road_.mirrorPreview = preview;
    road_.mirrorOutput = output;
}

std::string StudioSession::FolderToMake(const std::string& folder) const {
    // The default folder is made when it is used; a folder the user named must be there.
    return folder == defaultFolder_ ? folder : std::string();
}

std::string StudioSession::FileFolder() const {
    // An empty folder would put the files into the root of the file system; the default folder
    // stands in for it.
    return recording::ResolveOutputFolder(outputFolder_, defaultFolder_, homeFolder_);
}

bool StudioSession::IsRecording() const {
    std::lock_guard lock(recordersMutex_);
    return startingSerial_ != 0 || running_.worker;
}

std::optional<int> StudioSession::StartRecording() {
    if (IsRecording() || shutDown_ || !started_) return std::nullopt;
    DropEndedRecorders();

    // A name taken already (a recording stopped within the same second, a clock set back) gets
    // a number; a recorder still finishing its file is never disturbed.
    const capture::RoadConfig road = road_.Road();
    const std::string folder = FileFolder();
    const std::string path =
        recording::OutputFilePath(folder, recording::RecordingFileName(std::time(nullptr), road));

    recording::RecorderOptions options;
    options.settings = recording::EncoderSettingsFor(road);
    options.createEncoder = [road] { return recording::CreateEncoderFor(road); };
    if (encoderFactory_) options.createEncoder = encoderFactory_;
    if (freeSpaceSource_) options.freeBytes = freeSpaceSource_;
    // Without a microphone the recording is silent, exactly as one with "None".
    if (microphone_ && microphone_->State() != capture::MicrophoneState::None)
        options.sound = microphone_.get();
    const int serial = ++recordingCount_;
    options.onFailure = [this, serial](const std::string& message) {
        events_.RecordingFailed(serial, message);
    };
    {
        std::lock_guard lock(recordersMutex_);
        startingSerial_ = serial;
    }
    // Held by the work until it hands the recorder over (std::function wants a copyable work).
    auto worker = std::make_shared<std::unique_ptr<recording::RecorderWorker>>(
        std::make_unique<recording::RecorderWorker>(path, road_, options));
    folder_.Post([this, serial, worker, folderToMake = FolderToMake(folder)](
                     const platform::FolderWorker::Outlet& outlet) {
        MakeFolder(folderToMake);
        OpenRecordingFile(serial, *worker, outlet);
    });
    return serial;
}

void StudioSession::OpenRecordingFile(int serial, std::unique_ptr<recording::RecorderWorker>& worker,
                                      const platform::FolderWorker::Outlet& outlet) {
    std::string error;
    const bool opened = worker->OpenFile(error);
    const bool delivered = outlet.Deliver([&] {
        const std::string path = worker->OutputPath();
        bool wanted = false;
        {
            std::lock_guard lock(recordersMutex_);
            // A stop, or the end, while the file was being made called the recording off.
            wanted = startingSerial_ == serial;
            if (wanted) startingSerial_ = 0;
            if (opened && wanted) {
                worker->StartWriting();
                running_ = Recorder{serial, std::move(worker)};
            }
        }
        if (opened && wanted) {
            events_.RecordingStarted(serial, path);
            return;
        }
        if (opened) worker->Discard();
        events_.RecordingNotStarted(serial, wanted ? error : std::string());
    });
    // The session has ended meanwhile: no file is left of a recording nobody saw start.
    if (!delivered && opened) worker->Discard();
}

void StudioSession::StopRecording() {
    std::lock_guard lock(recordersMutex_);
    startingSerial_ = 0;
    if (!running_.worker) return;
    running_.worker->RequestStop();
    finishing_.push_back(std::move(running_));
    running_ = Recorder{};
    std::erase_if(finishing_, [](const Recorder& each) { return each.worker->HasEnded(); });
}

std::size_t StudioSession::FinishingRecorderCount() const {
    std::lock_guard lock(recordersMutex_);
    return static_cast<std::size_t>(
        std::count_if(finishing_.begin(), finishing_.end(),
                      [](const Recorder& each) { return !each.worker->HasEnded(); }));
}

void StudioSession::DropEndedRecorders() {
    std::lock_guard lock(recordersMutex_);
    std::erase_if(finishing_, [](const Recorder& each) { return each.worker->HasEnded(); });
}

void StudioSession::TakeSnapshot() {
    if (shutDown_ || !started_) return;
    cv::Mat picture;
    road_.CopyOutputFrame(picture);
    // A second snapshot within the same second gets a numbered name of its own.
    const std::string folder = FileFolder();
    const std::string path =
        recording::OutputFilePath(folder, recording::SnapshotFileName(std::time(nullptr)));
    folder_.Post([this, picture, path, folderToMake = FolderToMake(folder)](
                     const platform::FolderWorker::Outlet& outlet) {
        MakeFolder(folderToMake);
        std::string error;
        const std::optional<std::string> saved = recording::SaveSnapshot(picture, path, error);
        outlet.Deliver([&] {
            if (saved)
                events_.SnapshotSaved(*saved);
            else
                events_.SnapshotFailed(error);
        });
    });
}

void StudioSession::RepairUnfinishedRecordings() {
    if (repairJob_ || shutDown_) return;
    repairJob_ = std::make_unique<recording::RepairJob>(
        FileFolder(), sessionStarted_,
        [this](const recording::RepairResult& result) { events_.RepairFinished(result); });
}

bool StudioSession::RepairEnded() const { return !repairJob_ || repairJob_->HasEnded(); }

std::vector<std::string> StudioSession::Shutdown(const std::function<void(bool first)>& waiting) {
    std::vector<std::string> unshown;
    if (shutDown_) return unshown;
    shutDown_ = true;

    // Every stop request first, so the recorders finish their files side by side. A running
    // recording ends at this moment; one that already ended on a failure stays among the
    // finishing ones, so its failure is told. A recording whose file is still being made is
    // called off, so the folder's thread hands no recorder over from now on.
    {
        std::lock_guard lock(recordersMutex_);
        startingSerial_ = 0;
        if (running_.worker) {
            finishing_.push_back(std::move(running_));
            running_ = Recorder{};
        }
    }
    for (Recorder& finishing : finishing_) finishing.worker->RequestStop();
    virtualCamera_.Close();
    // No camera is replaced from here on, and the road takes no further pass.
    if (cameras_) cameras_->Stop();
    road_.stopCapture = 1;
    road_.tickEvent.Set();
    if (repairJob_) repairJob_->Stop(recording::RepairJob::kStopWait);

    // Short steps, so a window keeps painting while a slow disk finishes the files.
    constexpr auto kStep = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + finishWaitLimit_;
    bool told = false;
    // Snapshots still being written are kept; work stuck on a hung mount is left behind.
    while (!folder_.WaitUntilIdle(kStep) && std::chrono::steady_clock::now() < deadline) {
        if (waiting) waiting(!told);
        told = true;
    }
    folder_.LetGo(std::chrono::milliseconds(0));
    for (Recorder& finishing : finishing_) {
        while (!finishing.worker->WaitUntilEnded(kStep)) {
            if (std::chrono::steady_clock::now() >= deadline) break;
            if (waiting) waiting(!told);
            told = true;
        }
        if (!finishing.worker->HasEnded()) {
            // Stuck (a hung network mount, for example): the file is left as a crash would
            // leave it, and the next start repairs it.
            recording::RecorderWorker::Abandon(std::move(finishing.worker));
            continue;
        }
        finishing.worker->StopAndWait();
        const std::optional<std::string> failure = finishing.worker->FailureText();
        if (failure && !shownFailures_.contains(finishing.serial)) unshown.push_back(*failure);
    }
    finishing_.clear();

    if (microphone_) microphone_->Stop();
    // The road ends within one pass; a grab waits a bounded time, so this ends too.
    if (roadThread_.joinable()) roadThread_.join();
    road_.ReplaceDevice(nullptr);
    return unshown;
}

}  // namespace studio
