#include "capture/CameraControls.h"

#include <algorithm>

#include "capture/PictureAdjustment.h"

namespace capture {
namespace {

// The road's own brightness, contrast, saturation and hue.
class SoftwareControls : public ControlBackend {
public:
    explicit SoftwareControls(PictureAdjustment& adjustment) : adjustment_(adjustment) {}

    std::vector<CameraControl> Read() override {
        std::vector<CameraControl> controls;
        for (const auto& [key, label, channel] : kChannels) {
            CameraControl control;
            control.key = key;
            control.label = label;
            control.minimum = PictureAdjustment::Minimum(channel);
            control.maximum = PictureAdjustment::Maximum(channel);
            control.defaultValue = PictureAdjustment::Neutral(channel);
            control.value = adjustment_.Get(channel);
            control.software = true;
            controls.push_back(control);
        }
        return controls;
    }

    bool Write(const std::string& key, int value) override {
        for (const auto& [name, label, channel] : kChannels) {
            if (key != name) continue;
            adjustment_.Set(channel, value);
            return true;
        }
        return false;
    }

    bool WriteAuto(const std::string&, bool) override { return false; }

private:
    struct Channel {
        const char* key;
        const char* label;
        PictureAdjustment::Channel channel;
    };
    static constexpr Channel kChannels[] = {
        {"brightness", "Brightness", PictureAdjustment::Brightness},
        {"contrast", "Contrast", PictureAdjustment::Contrast},
        {"saturation", "Saturation", PictureAdjustment::Saturation},
        {"hue", "Hue", PictureAdjustment::Hue}};
    PictureAdjustment& adjustment_;
};

int KeyOrder(const std::string& key) {
    const auto& keys = KnownControlKeys();
    return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
}

const CameraControl* Find(const std::vector<CameraControl>& controls, const std::string& key) {
    for (const CameraControl& control : controls)
        if (control.key == key) return &control;
    return nullptr;
}

}  // namespace

int ClampToControl(const CameraControl& control, int value) {
    const int clamped = std::clamp(value, control.minimum, std::max(control.minimum, control.maximum));
    if (control.step <= 1) return clamped;
    // The nearest step, kept inside the range.
    const long long steps = (static_cast<long long>(clamped) - control.minimum + control.step / 2) /
                            control.step;
    long long stepped = control.minimum + steps * control.step;
    if (stepped > control.maximum) stepped -= control.step;
    return static_cast<int>(stepped);
}

const std::vector<std::string>& KnownControlKeys() {
    static const std::vector<std::string> keys{
        "brightness", "contrast", "saturation", "hue", "gain", "exposure",
        "white_balance_temperature", "focus", "sharpness", "backlight_compensation",
        "power_line_frequency", "zoom"};
    return keys;
}

std::string AutoKeyOf(const std::string& key) {
    static const std::pair<const char*, const char*> kAutoKeys[] = {
        {"hue", "hue_automatic"},
        {"gain", "gain_automatic"},
        {"exposure", "auto_exposure"},
        {"white_balance_temperature", "white_balance_automatic"},
        {"focus", "focus_automatic"}};
    for (const auto& [control, automatic] : kAutoKeys)
        if (key == control) return automatic;
    return {};
}

CameraControls::CameraControls(std::unique_ptr<ControlBackend> camera, PictureAdjustment* software)
    : camera_(std::move(camera)) {
    if (software) {
        software->Reset();
        software_ = std::make_unique<SoftwareControls>(*software);
    }
    if (camera_)
        for (const CameraControl& control : camera_->Read()) cameraKeys_.push_back(control.key);
}

CameraControls::~CameraControls() = default;

ControlBackend* CameraControls::BackendOf(const std::string& key) const {
    if (std::find(cameraKeys_.begin(), cameraKeys_.end(), key) != cameraKeys_.end())
        return camera_.get();
    return software_.get();
}

std::vector<CameraControl> CameraControls::List() const {
    std::lock_guard lock(mutex_);
    std::vector<CameraControl> controls = camera_ ? camera_->Read() : std::vector<CameraControl>();
    // A control the camera listed once and cannot read now (it closed) is not handed to the
    // software stage: the camera's keys stay the camera's.
    if (software_)
        for (CameraControl& control : software_->Read())
            if (std::find(cameraKeys_.begin(), cameraKeys_.end(), control.key) == cameraKeys_.end())
                controls.push_back(std::move(control));
    std::stable_sort(controls.begin(), controls.end(),
                     [](const CameraControl& a, const CameraControl& b) {
                         return KeyOrder(a.key) < KeyOrder(b.key);
                     });
    return controls;
}

std::optional<int> CameraControls::Set(const std::string& key, int value) {
    const std::vector<CameraControl> controls = List();
    const CameraControl* control = Find(controls, key);
    // An automatic control's value is the camera's.
    if (!control || (control->hasAuto && control->autoOn)) return std::nullopt;
    const int clamped = ClampToControl(*control, value);
    std::lock_guard lock(mutex_);
    ControlBackend* backend = BackendOf(key);
    if (!backend || !backend->Write(key, clamped)) return std::nullopt;
    return clamped;
}

bool CameraControls::SetAuto(const std::string& key, bool on) {
    const std::vector<CameraControl> controls = List();
    const CameraControl* control = Find(controls, key);
    if (!control || !control->hasAuto) return false;
    std::lock_guard lock(mutex_);
    ControlBackend* backend = BackendOf(key);
    return backend && backend->WriteAuto(key, on);
}

std::vector<std::string> CameraControls::Apply(const ControlSettings& settings) {
    std::vector<std::string> refused;
    for (const CameraControl& control : List()) {
        const auto found = settings.find(control.key);
        if (found == settings.end()) continue;
        const ControlSetting& setting = found->second;
        bool autoOn = control.hasAuto && control.autoOn;
        if (setting.autoOn && control.hasAuto) {
            if (!SetAuto(control.key, *setting.autoOn)) {
                refused.push_back(control.label);
                continue;
            }
            autoOn = *setting.autoOn;
        }
        if (setting.value && !autoOn && !Set(control.key, *setting.value))
            refused.push_back(control.label);
    }
    return refused;
}

std::vector<std::string> CameraControls::Reset() {
    ControlSettings defaults;
    for (const CameraControl& control : List()) {
        ControlSetting setting;
        if (control.hasAuto) setting.autoOn = control.autoDefault;
        setting.value = control.defaultValue;
        defaults[control.key] = setting;
    }
    return Apply(defaults);
}

ControlSettings CameraControls::Current() const {
    ControlSettings settings;
    for (const CameraControl& control : List()) {
        ControlSetting setting;
        setting.value = control.value;
        if (control.hasAuto) setting.autoOn = control.autoOn;
        settings[control.key] = setting;
    }
    return settings;
}

}  // namespace capture
