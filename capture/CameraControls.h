#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

typedef struct _GstElement GstElement;

namespace capture {

class PictureAdjustment;

// One picture control of a camera (brightness, white balance, ...), as last read.
struct CameraControl {
    std::string key;    // the name it is kept under in the settings file, "white_balance_temperature"
    std::string label;  // what the user reads, "White balance temperature"
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int defaultValue = 0;
    int value = 0;
    // Whether the camera can set it by itself, whether it does so by default and now. While
    // automatic, the value is the camera's and cannot be set.
    bool hasAuto = false;
    bool autoDefault = false;
    bool autoOn = false;
    // Drawn by the program on the camera picture, because the camera has no such control.
    bool software = false;
};

// `value` brought into the control's range and onto its steps (counted from its minimum).
int ClampToControl(const CameraControl& control, int value);

// What the user set for one control; a part not set is left as the camera has it.
struct ControlSetting {
    std::optional<int> value;
    std::optional<bool> autoOn;
    bool operator==(const ControlSetting&) const = default;
};
// The settings of one camera, by control key.
using ControlSettings = std::map<std::string, ControlSetting>;

// The keys the program knows, in the order the controls are shown; a camera offers some of them.
// Lower case, words joined by underscores: "brightness", "white_balance_temperature".
const std::vector<std::string>& KnownControlKeys();
// The key that keeps the automatic mode of control `key` ("auto_exposure" for "exposure",
// "white_balance_automatic" for "white_balance_temperature"); empty when it has none.
std::string AutoKeyOf(const std::string& key);

// Where the controls of one camera come from: the camera itself, or the program's own picture
// stage. Writes are given values already clamped, and are false when the camera refuses them.
class ControlBackend {
public:
    virtual ~ControlBackend() = default;
    virtual std::vector<CameraControl> Read() = 0;
    virtual bool Write(const std::string& key, int value) = 0;
    virtual bool WriteAuto(const std::string& key, bool on) = 0;
};

// The picture controls of one opened camera: those the camera offers, and for brightness,
// contrast, saturation and hue that it lacks, the road's own (software) ones. Safe from any
// thread; it stays usable after its camera has closed (writes then fail).
class CameraControls {
public:
    // `software` may be null: then only the camera's own controls are offered. Setting up the
    // controls puts the software ones back to neutral.
    CameraControls(std::unique_ptr<ControlBackend> camera, PictureAdjustment* software);
    ~CameraControls();

    std::vector<CameraControl> List() const;
    // Sets control `key` to `value` (clamped); the value it holds afterwards, or nothing when
    // there is no such control or the camera refused it.
    std::optional<int> Set(const std::string& key, int value);
    // Switches the control's automatic mode; false when it has none or the camera refused.
    bool SetAuto(const std::string& key, bool on);
    // Applies kept settings: the automatic mode first, then (where it is off) the value. Keys
    // the camera does not offer are skipped. Returns the labels of the controls the camera
    // refused, in the order shown.
    std::vector<std::string> Apply(const ControlSettings& settings);
    // Puts every control back to its default; returns the labels of those refused.
    std::vector<std::string> Reset();
    // The settings of the moment, for keeping: every control's value and automatic mode.
    ControlSettings Current() const;

private:
    ControlBackend* BackendOf(const std::string& key) const;

    mutable std::mutex mutex_;
    std::unique_ptr<ControlBackend> camera_;
    std::unique_ptr<ControlBackend> software_;
    std::vector<std::string> cameraKeys_;
};

// The controls of a running camera source element: a V4L2 camera through its device node (the
// V4L2 source's own, else `deviceNode` when the camera's device names one; all of its controls
// the program knows), any other source that offers a colour balance through that, and the
// software controls for what is missing.
std::unique_ptr<CameraControls> MakeCameraControls(GstElement* source, PictureAdjustment* software,
                                                   const std::string& deviceNode = {});

// For tests: the controls of a V4L2 device reached through `ioctl` (a call with the same
// arguments as the system's on the device's file); `closer` runs when the controls go.
std::unique_ptr<ControlBackend> MakeV4l2Controls(std::function<int(unsigned long, void*)> ioctl,
                                                 std::function<void()> closer = {});
// The controls of an element's colour balance (null when it has none); values that do not read
// back as written count as refused.
std::unique_ptr<ControlBackend> MakeColourBalanceControls(GstElement* element);

}  // namespace capture
