#pragma once

#include <opencv2/core.hpp>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace capture {

// One opened camera. Frames are pulled on demand with QueryFrame; each is a top-down BGR image
// of Width() x Height() owned by the device.
//
// The camera runs in a GStreamer pipeline: source ! (size request) ! decode ! videoconvert !
// BGR ! appsink. The appsink keeps only the newest sample, so a pull always gets the latest
// picture. Sources come from GStreamer's device monitor; when QUENVALOR_PATTERN_CAMERA=1 a
// moving test picture is listed after the real cameras as "Pattern Camera".
class CCaptureDevice {
public:
    // How long a grab waits for the camera before it reports no frame. A stuck or unplugged
    // camera must not hold the capture worker or the shutdown for longer than this.
    static constexpr std::chrono::milliseconds kGrabTimeout{500};
    // How long OpenDevice waits for the camera to start and agree on a format.
    static constexpr std::chrono::milliseconds kStartTimeout{4000};

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

    // Opens the source at `position` and asks it for `width` x `height`. The frame size is what
    // the camera agreed to, which Width() and Height() report afterwards.
    bool OpenDevice(int position, int width, int height);
    // Opens a source given as a GStreamer element description (for example a test source).
    bool OpenSourceDescription(const std::string& sourceDescription, int width, int height);

    // Grabs the newest frame, waiting at most kGrabTimeout. Null when there is none. The image
    // stays valid until the next QueryFrame or CloseDevice.
    const cv::Mat* QueryFrame();
    void CloseDevice();

    bool IsOpen() const { return graphReady; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    struct Pipeline;
    bool StartPipeline(std::unique_ptr<Pipeline> pipeline, int requestedWidth, int requestedHeight);

    cv::Mat frame;
    bool graphReady = false;
    int width = 0;
    int height = 0;
    int lastBufferSize = 0;
    std::unique_ptr<Pipeline> pipeline_;
};

// True when the environment asks for the pattern camera (QUENVALOR_PATTERN_CAMERA=1).
bool PatternCameraEnabled();
inline constexpr const char* kPatternCameraName = "Pattern Camera";

}  // namespace capture
