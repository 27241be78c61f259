#pragma once

#include <opencv2/core.hpp>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "capture/PatternDevices.h"

typedef struct _GstDevice GstDevice;
typedef struct _GstElement GstElement;

namespace capture {

// Why a camera stopped or never started, as its pipeline's bus told it.
enum class CameraFailure {
    None,
    Busy,    // the camera is held by another program (a "busy" resource error while starting)
    Failed,  // any other error: the camera is gone, cannot be read, or offers no usable format
};

// One opened camera. Frames are pulled on demand with QueryFrame; each is a top-down BGR image
// of Width() x Height() owned by the device.
//
// The camera runs in a GStreamer pipeline: source ! (mode request) ! decode ! videoconvert !
// BGR ! appsink. The appsink keeps only the newest sample, so a pull always gets the latest
// picture. Sources come from GStreamer's device monitor, the program's pattern camera among
// them. Every error the pipeline posts is kept (Failure), and every frame that reaches the
// grabber is counted with its time (FramesDelivered, LastFrameTime), so that another thread can
// watch the camera while the capture worker pulls from it.
class CCaptureDevice {
public:
    // How long a grab waits for the camera before it reports no frame. A stuck or unplugged
    // camera must not hold the capture worker or the shutdown for longer than this.
    static constexpr std::chrono::milliseconds kGrabTimeout{500};
    // How long the blocking opens wait for the first frame.
    static constexpr std::chrono::milliseconds kStartTimeout{10000};

    CCaptureDevice();
    virtual ~CCaptureDevice();
    CCaptureDevice(const CCaptureDevice&) = delete;
    CCaptureDevice& operator=(const CCaptureDevice&) = delete;

    // Number of video sources, the pattern camera included when it is switched on.
    static int GetDeviceCount();
    // Writes the source's display name, NUL-terminated and cut to `capacity` bytes, into
    // `buffer`. Returns 0 when the sources cannot be listed, 1 otherwise; `buffer` is left
    // untouched when `position` is past the end.
    static int GetDeviceName(int position, char* buffer, int capacity);
    // The names of all sources from one enumeration, indexed by position.
    static std::vector<std::string> ListDeviceNames();

    // Opens the source at `position` in the mode negotiated for a picture of `width` x `height`
    // at `framesPerSecond` (see ChooseCameraMode), waiting until the first frame arrives, the
    // pipeline reports an error, or kStartTimeout passes. False on an error. The frame size is
    // the camera's mode, which Width() and Height() report afterwards; the road scales it.
    bool OpenDevice(int position, int width, int height, int framesPerSecond = 20);
    // The same for a source given as a GStreamer element description (for example a test source).
    bool OpenSourceDescription(const std::string& sourceDescription, int width, int height);
    // Starts `device` in the negotiated mode and returns without waiting for a frame; the caller
    // watches FramesDelivered and Failure. False when the pipeline cannot be made or started.
    bool StartDevice(GstDevice* device, int width, int height, int framesPerSecond = 20);

    // Grabs the newest frame, waiting at most kGrabTimeout. Null when there is none, at once
    // when the pipeline has failed. The image stays valid until the next QueryFrame or
    // CloseDevice.
    const cv::Mat* QueryFrame();
    // When the frame QueryFrame returned last was captured, on the monotonic clock (the one
    // sound capture times are on too): the camera buffer's running time plus the pipeline's base
    // time, since the pipeline runs on GStreamer's system clock.
    std::chrono::steady_clock::time_point FrameCaptureTime() const { return frameCaptureTime; }
    void CloseDevice();

    // Safe from any thread while the device is open. Failure also tells why a start failed.
    CameraFailure Failure() const;
    long FramesDelivered() const;
    std::chrono::steady_clock::time_point LastFrameTime() const;

    // The camera's own element in the pipeline (for its controls); null for a pipeline made
    // from a description, or when closed. Owned by the pipeline.
    GstElement* SourceElement() const;
    // The camera's V4L2 device node ("/dev/video0"), as its device names it; empty when it names
    // none (the pattern camera, a description).
    const std::string& DeviceNode() const { return deviceNode; }

    bool IsOpen() const { return graphReady; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    struct Pipeline;
    bool StartPipeline(std::unique_ptr<Pipeline> pipeline, int requestedWidth, int requestedHeight);
    bool WaitForFirstFrame();

    cv::Mat frame;
    std::chrono::steady_clock::time_point frameCaptureTime;
    bool graphReady = false;
    int width = 0;
    int height = 0;
    int lastBufferSize = 0;
    CameraFailure startFailure = CameraFailure::None;  // why the last start failed, if it did
    std::string deviceNode;
    std::unique_ptr<Pipeline> pipeline_;
};

}  // namespace capture
