#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "capture/CCaptureDevice.h"
#include "capture/CameraControls.h"
#include "capture/DeviceList.h"
#include "capture/FrameRoad.h"

typedef struct _GstDeviceMonitor GstDeviceMonitor;

namespace capture {

class DeviceWatch;
struct VideoSource;

enum class CameraState {
    NoCamera,     // no camera is wanted, because none is plugged in
    Opening,      // the wanted camera is being opened
    Live,         // the camera delivers pictures
    Lost,         // the camera went away while it delivered; it is reopened when it returns
    Unavailable,  // the camera failed to open; it is tried again now and then
};

// Hears from a CameraSession. Called on the session's thread; a window posts each notice to its
// own thread.
class CameraEvents {
public:
    virtual ~CameraEvents() = default;
    // The cameras plugged in changed; `cameras` is the new list.
    virtual void CamerasChanged(const std::vector<CameraDescription>& cameras) = 0;
    // The wanted camera (`id`, empty when none) is now in `state`.
    virtual void CameraStateChanged(const std::string& id, CameraState state) = 0;
    // An open that the start-up or the user asked for failed. Automatic reopens are not reported.
    virtual void CameraOpenFailed(const std::string& id, CameraFailure failure) = 0;
    // Camera `id` went live and its kept control settings were applied; `refused` names the
    // controls the camera refused.
    virtual void CameraControlsApplied(const std::string& id, const std::vector<std::string>& refused) {
        (void)id;
        (void)refused;
    }
};

// Keeps a camera running on a frame road while cameras come and go. On a thread of its own it
// keeps a device monitor running and reads its bus, so the camera list is always current; it
// opens cameras (which may take seconds) without blocking its callers; it watches the open
// camera and, within a second of losing it (removed from the monitor, an error on its bus, or no
// frame for kFrameStall), puts the "no camera" placard on the road; and when the same camera is
// listed again it reopens it by itself. The road runs on meanwhile, so a recording goes on
// through a loss and a return.
//
// Cameras are known by identity, never by list position. The session is the only one that
// replaces the road's capture device while it runs.
class CameraSession {
public:
    static constexpr std::chrono::milliseconds kPoll{50};
    static constexpr std::chrono::milliseconds kFrameStall{2000};
    // The first wait before a present camera that failed or was lost is tried again; it doubles
    // with each failure in a row, up to kLongestRetry.
    static constexpr std::chrono::milliseconds kRetry{1000};
    static constexpr std::chrono::milliseconds kLongestRetry{8000};

    // Cameras are opened in the mode negotiated for a picture of `width` x `height` at
    // `framesPerSecond` (see ChooseCameraMode).
    CameraSession(FrameRoad& road, CameraEvents& events, int width, int height,
                  int framesPerSecond = 20);
    ~CameraSession();
    CameraSession(const CameraSession&) = delete;
    CameraSession& operator=(const CameraSession&) = delete;

    // Starts the session's thread and returns at once; the road shows "Opening camera..." until
    // the cameras are listed. Opens the camera `preferredId` when it is plugged in, otherwise the
    // first camera whose name is not hidden (DeviceList::IsHiddenName); with no camera, the first
    // one plugged in later. Open failures at start are reported.
    void Start(const std::string& preferredId);
    // Opens the camera the user chose, closing the current one first, and returns at once. When
    // the chosen camera fails, its failure is reported and the camera that was open before is
    // opened again (reporting its failure too, if it fails).
    void Choose(const std::string& id);
    // Ends the thread and closes a camera still being opened. The road keeps its current device.
    void Stop();

    // Safe from any thread.
    // The control settings to apply to camera `id` whenever it goes live (start, a choice, a
    // return after it was lost); they replace those kept before.
    void KeepControls(const std::string& id, const ControlSettings& settings);
    // The controls of the live camera; null while none is live. They stay usable after the
    // camera goes (their writes then fail).
    std::shared_ptr<CameraControls> Controls() const;
    std::vector<CameraDescription> Cameras() const;
    std::string CurrentCamera() const;
    CameraState State() const;

private:
    void Run();
    void RefreshList(const DeviceWatch& watch);
    void Step();
    void BeginOpen(bool quiet);
    void OpenFailed(CameraFailure failure);
    void DropLive();
    void SetState(CameraState state);
    const VideoSource* Find(const std::string& id) const;
    std::string PreferredOrFirst() const;

    FrameRoad& road_;
    CameraEvents& events_;
    const int width_;
    const int height_;
    const int framesPerSecond_;

    // Shared with the callers.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopRequested_ = false;
    std::optional<std::string> choice_;
    std::vector<CameraDescription> cameras_;
    std::string current_;
    CameraState state_ = CameraState::NoCamera;
    std::map<std::string, ControlSettings> keptControls_;
    std::shared_ptr<CameraControls> controls_;
    std::thread thread_;

    // The session thread's own.
    std::string preferred_;
    bool started_ = false;
    std::vector<VideoSource> sources_;
    std::string target_;    // the wanted camera; empty while none is wanted
    std::string lastOpened_;  // the camera that delivered last, to go back to after a failed choice
    std::string fallback_;  // where a failed choice goes back to
    bool report_ = false;   // whether the current attempt's failure is reported
    std::unique_ptr<CCaptureDevice> pending_;  // being opened, not yet on the road
    CCaptureDevice* live_ = nullptr;           // on the road
    std::chrono::steady_clock::time_point since_;  // when pending_ started or live_ went live
    std::chrono::steady_clock::time_point nextAttempt_;
    int failuresInARow_ = 0;
};

}  // namespace capture
