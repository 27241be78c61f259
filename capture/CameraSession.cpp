#include "capture/CameraSession.h"

#include <algorithm>

#include "capture/DeviceList.h"
#include "capture/DeviceWatch.h"
#include "capture/VideoSources.h"

namespace capture {

using Clock = std::chrono::steady_clock;

// How many polls apart the session looks whether a PipeWire daemon runs.
constexpr int kPipeWireLook = 20;

CameraSession::CameraSession(FrameRoad& road, CameraEvents& events, int width, int height,
                             int framesPerSecond)
    : road_(road),
      events_(events),
      width_(width),
      height_(height),
      framesPerSecond_(framesPerSecond) {}

CameraSession::~CameraSession() { Stop(); }

void CameraSession::Start(const std::string& preferredId) {
    if (thread_.joinable()) return;
    preferred_ = preferredId;
    {
        std::lock_guard lock(mutex_);
        state_ = CameraState::Opening;
    }
    road_.SetPlacard(Placard::Opening);
    thread_ = std::thread([this] { Run(); });
}

void CameraSession::Choose(const std::string& id) {
    {
        std::lock_guard lock(mutex_);
        choice_ = id;
    }
    wake_.notify_all();
}

void CameraSession::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void CameraSession::KeepControls(const std::string& id, const ControlSettings& settings) {
    std::lock_guard lock(mutex_);
    keptControls_[id] = settings;
}

std::shared_ptr<CameraControls> CameraSession::Controls() const {
    std::lock_guard lock(mutex_);
    return controls_;
}

std::vector<CameraDescription> CameraSession::Cameras() const {
    std::lock_guard lock(mutex_);
    return cameras_;
}

std::string CameraSession::CurrentCamera() const {
    std::lock_guard lock(mutex_);
    return current_;
}

CameraState CameraSession::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void CameraSession::Run() {
    // Holding the watch starts it when nobody did, which probes every device provider and may take
    // a while; it happens here, never on the caller's thread.
    const DeviceWatch watch;
    uint64_t seen = DeviceWatch::Generation();
    bool pipeWire = PipeWireRunning();
    RefreshList(watch);
    for (int poll = 1;; ++poll) {
        std::optional<std::string> choice;
        {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, kPoll, [this] { return stopRequested_ || choice_; });
            if (stopRequested_) break;
            choice.swap(choice_);
        }
        // The list is read again when a device came, went or changed, and when a PipeWire daemon
        // came or went (looked at once a second: its provider does not say when it loses it).
        bool listChanged = false;
        if (const uint64_t generation = DeviceWatch::Generation(); generation != seen) {
            seen = generation;
            listChanged = true;
        }
        if (poll % kPipeWireLook == 0) {
            const bool running = PipeWireRunning();
            listChanged = listChanged || running != pipeWire;
            pipeWire = running;
        }
        if (listChanged) RefreshList(watch);
        if (choice) {
            started_ = true;  // a choice made before the first look at the list replaces it
            DropLive();
            pending_.reset();
            fallback_ = *choice == lastOpened_ ? std::string() : lastOpened_;
            target_ = *choice;
            report_ = true;
            BeginOpen(false);
        }
        Step();
    }
    pending_.reset();
}

void CameraSession::RefreshList(const DeviceWatch& watch) {
    const bool wasListed = Find(target_) != nullptr;
    sources_ = ListVideoSources(watch);
    std::vector<CameraDescription> cameras;
    for (const VideoSource& source : sources_) cameras.push_back({source.id, source.name});
    {
        std::lock_guard lock(mutex_);
        if (cameras == cameras_) return;
        cameras_ = cameras;
    }
    // The wanted camera came back: it is tried at once.
    if (!wasListed && Find(target_)) {
        nextAttempt_ = Clock::now();
        failuresInARow_ = 0;
    }
    events_.CamerasChanged(cameras);
}

void CameraSession::Step() {
    const auto now = Clock::now();
    if (!started_) {
        // The first look at the list: the remembered camera, or the first one, is opened and its
        // failure reported; with none, the road says so.
        started_ = true;
        target_ = PreferredOrFirst();
        if (target_.empty()) {
            road_.SetPlacard(Placard::NoCamera);
            SetState(CameraState::NoCamera);
            return;
        }
        report_ = true;
        BeginOpen(false);
        return;
    }
    if (live_) {
        const auto lastFrame = std::max(live_->LastFrameTime(), since_);
        if (!Find(target_) || live_->Failure() != CameraFailure::None ||
            now - lastFrame > kFrameStall) {
            DropLive();
            SetState(CameraState::Lost);
            nextAttempt_ = now + kRetry;
        }
        return;
    }
    if (pending_) {
        if (pending_->FramesDelivered() > 0) {
            live_ = pending_.get();
            since_ = now;
            // The camera's controls get the settings kept for it before its first picture
            // reaches the road; making them puts the road's own adjustment back to neutral.
            std::shared_ptr<CameraControls> controls =
                MakeCameraControls(live_->SourceElement(), &road_.adjustment, live_->DeviceNode());
            ControlSettings kept;
            {
                std::lock_guard lock(mutex_);
                const auto found = keptControls_.find(target_);
                if (found != keptControls_.end()) kept = found->second;
            }
            const std::vector<std::string> refused = controls->Apply(kept);
            {
                std::lock_guard lock(mutex_);
                controls_ = controls;
            }
            road_.ReplaceDevice(std::move(pending_));
            road_.SetPlacard(Placard::None);
            lastOpened_ = target_;
            fallback_.clear();
            report_ = false;
            failuresInARow_ = 0;
            SetState(CameraState::Live);
            events_.CameraControlsApplied(target_, refused);
        } else if (pending_->Failure() != CameraFailure::None || !Find(target_) ||
                   now - since_ > CCaptureDevice::kStartTimeout) {
            const CameraFailure failure = pending_->Failure();
            pending_.reset();
            OpenFailed(failure == CameraFailure::None ? CameraFailure::Failed : failure);
        }
        return;
    }
    if (target_.empty()) {
        // Nothing was wanted because nothing was plugged in: the first camera plugged in is taken.
        target_ = PreferredOrFirst();
        if (!target_.empty()) BeginOpen(false);
        return;
    }
    if (Find(target_) && now >= nextAttempt_) BeginOpen(true);
}

void CameraSession::BeginOpen(bool quiet) {
    // An automatic retry leaves the state (lost, unavailable) and the placard as they are until
    // the camera delivers.
    if (!quiet) {
        road_.SetPlacard(Placard::Opening);
        SetState(CameraState::Opening);
    }
    const VideoSource* source = Find(target_);
    auto device = std::make_unique<CCaptureDevice>();
    if (!source || !device->StartDevice(source->device.get(), width_, height_, framesPerSecond_)) {
        const CameraFailure failure = device->Failure();
        OpenFailed(failure == CameraFailure::None ? CameraFailure::Failed : failure);
        return;
    }
    pending_ = std::move(device);
    since_ = Clock::now();
}

void CameraSession::OpenFailed(CameraFailure failure) {
    if (report_) events_.CameraOpenFailed(target_, failure);
    if (!fallback_.empty()) {
        // A failed choice: the camera that was open before comes back.
        target_ = fallback_;
        fallback_.clear();
        BeginOpen(false);
        return;
    }
    report_ = false;
    road_.SetPlacard(Placard::NoCamera);
    const auto wait = std::min<std::chrono::milliseconds>(kRetry * (1 << std::min(failuresInARow_, 4)),
                                                          kLongestRetry);
    ++failuresInARow_;
    nextAttempt_ = Clock::now() + wait;
    // A camera lost while it delivered stays "lost" through the retries that fail.
    if (State() != CameraState::Lost) SetState(CameraState::Unavailable);
}

void CameraSession::DropLive() {
    if (!live_) return;
    live_ = nullptr;
    {
        std::lock_guard lock(mutex_);
        controls_.reset();
    }
    road_.SetPlacard(Placard::NoCamera);
    // Closing the lost camera happens here, on the session's thread.
    road_.ReplaceDevice(nullptr);
}

void CameraSession::SetState(CameraState state) {
    {
        std::lock_guard lock(mutex_);
        if (state == state_ && target_ == current_) return;
        state_ = state;
        current_ = target_;
    }
    events_.CameraStateChanged(target_, state);
}

const VideoSource* CameraSession::Find(const std::string& id) const {
    if (id.empty()) return nullptr;
    for (const VideoSource& source : sources_)
        if (source.Is(id)) return &source;
    return nullptr;
}

std::string CameraSession::PreferredOrFirst() const {
    // A camera remembered under another provider's identity is taken under the listed one.
    if (const VideoSource* preferred = Find(preferred_)) return preferred->id;
    for (const VideoSource& source : sources_)
        if (!DeviceList::IsHiddenName(source.name)) return source.id;
    return {};
}

}  // namespace capture
