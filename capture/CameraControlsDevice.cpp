// The picture controls of real sources: a V4L2 camera through its device node, and any source
// element that offers a colour balance (the pattern camera among them).

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gst/gst.h>
#include <gst/video/colorbalance.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "capture/CameraControls.h"
#include "capture/GstSupport.h"

namespace capture {
namespace {

// A V4L2 control the program knows, with the control that switches it to automatic, if any.
struct V4l2Control {
    const char* key;
    const char* label;
    uint32_t id;
    uint32_t autoId;  // 0: none
};

constexpr V4l2Control kV4l2Controls[] = {
    {"brightness", "Brightness", V4L2_CID_BRIGHTNESS, 0},
    {"contrast", "Contrast", V4L2_CID_CONTRAST, 0},
    {"saturation", "Saturation", V4L2_CID_SATURATION, 0},
    {"hue", "Hue", V4L2_CID_HUE, V4L2_CID_HUE_AUTO},
    {"gain", "Gain", V4L2_CID_GAIN, V4L2_CID_AUTOGAIN},
    {"exposure", "Exposure", V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CID_EXPOSURE_AUTO},
    {"white_balance_temperature", "White balance temperature", V4L2_CID_WHITE_BALANCE_TEMPERATURE,
     V4L2_CID_AUTO_WHITE_BALANCE},
    {"focus", "Focus", V4L2_CID_FOCUS_ABSOLUTE, V4L2_CID_FOCUS_AUTO},
    {"sharpness", "Sharpness", V4L2_CID_SHARPNESS, 0},
    {"backlight_compensation", "Backlight compensation", V4L2_CID_BACKLIGHT_COMPENSATION, 0},
    {"power_line_frequency", "Power line frequency", V4L2_CID_POWER_LINE_FREQUENCY, 0},
    {"zoom", "Zoom", V4L2_CID_ZOOM_ABSOLUTE, 0},
};

class V4l2Controls : public ControlBackend {
public:
    V4l2Controls(std::function<int(unsigned long, void*)> ioctl, std::function<void()> closer)
        : ioctl_(std::move(ioctl)), closer_(std::move(closer)) {}
    ~V4l2Controls() override {
        if (closer_) closer_();
    }

    std::vector<CameraControl> Read() override {
        std::vector<CameraControl> controls;
        for (const V4l2Control& known : kV4l2Controls) {
            v4l2_queryctrl query{};
            // Power line frequency is a menu of numbered items (off, 50 Hz, 60 Hz, ...).
            if (!Query(known.id, query) ||
                (query.type != V4L2_CTRL_TYPE_INTEGER && query.type != V4L2_CTRL_TYPE_BOOLEAN &&
                 query.type != V4L2_CTRL_TYPE_MENU))
                continue;
            CameraControl control;
            control.key = known.key;
            control.label = known.label;
            control.minimum = query.minimum;
            control.maximum = query.maximum;
            control.step = std::max(1, query.step);
            control.defaultValue = query.default_value;
            if (!Get(known.id, control.value)) continue;
            v4l2_queryctrl automatic{};
            int autoValue = 0;
            if (known.autoId && Query(known.autoId, automatic) && Get(known.autoId, autoValue)) {
                control.hasAuto = true;
                control.autoDefault = IsAutomatic(known.autoId, automatic.default_value);
                control.autoOn = IsAutomatic(known.autoId, autoValue);
            }
            controls.push_back(control);
        }
        return controls;
    }

    bool Write(const std::string& key, int value) override {
        const V4l2Control* known = Known(key);
        return known && SetValue(known->id, value);
    }

    bool WriteAuto(const std::string& key, bool on) override {
        const V4l2Control* known = Known(key);
        if (!known || !known->autoId) return false;
        if (known->autoId != V4L2_CID_EXPOSURE_AUTO) return SetValue(known->autoId, on ? 1 : 0);
        // Exposure is a menu: webcams mostly offer manual and aperture priority (the exposure
        // time set by the camera), some fully automatic.
        if (!on) return SetValue(known->autoId, V4L2_EXPOSURE_MANUAL);
        return SetValue(known->autoId, V4L2_EXPOSURE_APERTURE_PRIORITY) ||
               SetValue(known->autoId, V4L2_EXPOSURE_AUTO);
    }

private:
    static const V4l2Control* Known(const std::string& key) {
        for (const V4l2Control& known : kV4l2Controls)
            if (key == known.key) return &known;
        return nullptr;
    }

    static bool IsAutomatic(uint32_t autoId, int value) {
        return autoId == V4L2_CID_EXPOSURE_AUTO ? value != V4L2_EXPOSURE_MANUAL : value != 0;
    }

    bool Query(uint32_t id, v4l2_queryctrl& query) {
        query = {};
        query.id = id;
        return Call(VIDIOC_QUERYCTRL, &query) && !(query.flags & V4L2_CTRL_FLAG_DISABLED);
    }

    bool Get(uint32_t id, int& value) {
        v4l2_control control{};
        control.id = id;
        if (!Call(VIDIOC_G_CTRL, &control)) return false;
        value = control.value;
        return true;
    }

    bool SetValue(uint32_t id, int value) {
        v4l2_control control{};
        control.id = id;
        control.value = value;
        return Call(VIDIOC_S_CTRL, &control);
    }

    // Retries a call the system interrupted.
    bool Call(unsigned long request, void* argument) {
        int result;
        do {
            result = ioctl_(request, argument);
        } while (result == -1 && errno == EINTR);
        return result == 0;
    }

    std::function<int(unsigned long, void*)> ioctl_;
    std::function<void()> closer_;
};

// The usual channel names of colour balances, in any case, to the program's keys.
const char* KeyOfChannel(const std::string& label) {
    std::string lower;
    for (const char c : label) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* key : {"brightness", "contrast", "saturation", "hue"})
        if (lower == key || lower.ends_with(std::string("_") + key) ||
            lower.ends_with(std::string(" ") + key))
            return key;
    return nullptr;
}

std::string Capitalised(const char* key) {
    std::string text(key);
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

class ColourBalanceControls : public ControlBackend {
public:
    explicit ColourBalanceControls(GstElement* element)
        : element_(GST_ELEMENT(gst_object_ref(element))) {}

    std::vector<CameraControl> Read() override {
        std::vector<CameraControl> controls;
        GstColorBalance* balance = GST_COLOR_BALANCE(element_.get());
        for (const GList* item = gst_color_balance_list_channels(balance); item; item = item->next) {
            auto* channel = GST_COLOR_BALANCE_CHANNEL(item->data);
            const char* key = KeyOfChannel(channel->label ? channel->label : "");
            if (!key) continue;
            CameraControl control;
            control.key = key;
            control.label = Capitalised(key);
            control.minimum = channel->min_value;
            control.maximum = channel->max_value;
            control.value = gst_color_balance_get_value(balance, channel);
            // A colour balance names no default; the middle of the range stands for it, as
            // cameras' defaults mostly are.
            control.defaultValue = control.key == "hue" && control.minimum < 0 && control.maximum > 0
                                       ? 0
                                       : control.minimum + (control.maximum - control.minimum + 1) / 2;
            controls.push_back(control);
        }
        return controls;
    }

    bool Write(const std::string& key, int value) override {
        GstColorBalance* balance = GST_COLOR_BALANCE(element_.get());
        for (const GList* item = gst_color_balance_list_channels(balance); item; item = item->next) {
            auto* channel = GST_COLOR_BALANCE_CHANNEL(item->data);
            const char* known = KeyOfChannel(channel->label ? channel->label : "");
            if (!known || known != key) continue;
            gst_color_balance_set_value(balance, channel, value);
            // The interface tells no failure: a value that does not read back was refused.
            return gst_color_balance_get_value(balance, channel) == value;
        }
        return false;
    }

    bool WriteAuto(const std::string&, bool) override { return false; }

private:
    GstRef<GstElement> element_;
};

// The device node a V4L2 source element reads, or empty for other sources.
std::string V4l2DevicePath(GstElement* source) {
    GstElementFactory* factory = gst_element_get_factory(source);
    if (!factory || std::strcmp(GST_OBJECT_NAME(factory), "v4l2src") != 0) return {};
    gchar* device = nullptr;
    g_object_get(source, "device", &device, nullptr);
    std::string path = device ? device : "";
    g_free(device);
    return path;
}

}  // namespace

std::unique_ptr<ControlBackend> MakeV4l2Controls(std::function<int(unsigned long, void*)> ioctl,
                                                 std::function<void()> closer) {
    return std::make_unique<V4l2Controls>(std::move(ioctl), std::move(closer));
}

std::unique_ptr<ControlBackend> MakeColourBalanceControls(GstElement* element) {
    if (!element || !GST_IS_COLOR_BALANCE(element)) return nullptr;
    return std::make_unique<ColourBalanceControls>(element);
}

std::unique_ptr<CameraControls> MakeCameraControls(GstElement* source, PictureAdjustment* software,
                                                   const std::string& deviceNode) {
    std::unique_ptr<ControlBackend> camera;
    // A V4L2 camera is reached through a file of the controls' own: the node may be opened more
    // than once, and this file stays valid however the pipeline's own is closed.
    std::string path = source ? V4l2DevicePath(source) : std::string();
    if (path.empty()) path = deviceNode;
    if (!path.empty()) {
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            camera = MakeV4l2Controls([fd](unsigned long request, void* argument) {
                return ioctl(fd, request, argument);
            }, [fd] { close(fd); });
    }
    if (!camera) camera = MakeColourBalanceControls(source);
    return std::make_unique<CameraControls>(std::move(camera), software);
}

}  // namespace capture
