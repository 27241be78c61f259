#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "capture/FrameHub.h"
#include "capture/RoadConfig.h"

struct pw_stream;

namespace capture {

class NodeReaders;
class PipeWireConnection;

struct VirtualCameraStatus {
    enum class State {
        Off,
        On,
        NeedsPipeWire,  // switched on, but no PipeWire daemon answers (or it went away)
    };
    State state = State::Off;
    int readers = 0;  // the programs reading the camera while it is on
    bool operator==(const VirtualCameraStatus&) const = default;
};

// Whoever switched the virtual camera on; told on the camera's own threads.
class VirtualCameraEvents {
public:
    virtual ~VirtualCameraEvents() = default;
    virtual void VirtualCameraChanged(const VirtualCameraStatus& status) = 0;
};

// A camera other programs can open (browsers, video-call programs, and V4L2 programs through
// PipeWire's V4L2 wrapper): a PipeWire node of class Video/Source with the role Camera, fed with
// the frames of a frame hub. A thread of its own takes each frame from the hub's latest-frame
// slot, converts it to I420 once while a program reads the node, and has the node send it; a
// frame that comes while the node is busy replaces the one waiting, so the camera never holds up
// the hub. Nothing is attached to the hub while the camera is off.
class VirtualCamera {
public:
    static constexpr const char* kNodeName = "quenvalor-virtual-camera";
    // What programs list it as. The program's own camera list hides it by this name.
    static constexpr const char* kDescription = "Zelkorvan Virtual Camera";

    VirtualCamera(FrameHub& frames, VirtualCameraEvents& events);
    ~VirtualCamera();
    VirtualCamera(const VirtualCamera&) = delete;
    VirtualCamera& operator=(const VirtualCamera&) = delete;

    // Publishes the node for pictures of `size` at `framesPerSecond` (again, when it runs);
    // without a PipeWire daemon the status says NeedsPipeWire and nothing else happens.
    void Start(FrameSize size, int framesPerSecond);
    // Takes the node away and tells it is off.
    void Stop();
    // Takes the node away without telling (at the end of the run, or before a restart).
    void Close();
    VirtualCameraStatus Status() const;

private:
    void Feed();
    void Tell(VirtualCameraStatus status);
    void SetReaders(int readers);

public:
    // The stream's events, on PipeWire's threads.
    void StreamStateChanged(bool streaming, bool failed);
    void FormatChosen();
    void TriggerCycle();
    void Process();
    void LoseDaemon();

private:

    FrameHub& frames_;
    VirtualCameraEvents& events_;
    FrameSize size_;
    std::unique_ptr<PipeWireConnection> connection_;
    pw_stream* stream_ = nullptr;
    struct Hooks;
    std::unique_ptr<Hooks> hooks_;
    // Only while a program reads the node are frames converted for it.
    std::atomic<bool> streaming_{false};
    // The last frame converted to I420, handed from the feeder to the node's cycle.
    std::mutex frameMutex_;
    std::vector<uint8_t> converted_;
    std::shared_ptr<FrameHub::Slot> slot_;
    std::unique_ptr<NodeReaders> readers_;
    std::thread feeder_;
    std::atomic<bool> stopFeeding_{false};
    mutable std::mutex statusMutex_;
    VirtualCameraStatus status_;
};

}  // namespace capture
