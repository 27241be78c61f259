#include "capture/PatternDevices.h"

#include <gst/gst.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "capture/HandOff.h"
#include "capture/PatternCamera.h"
#include "capture/PatternMicrophone.h"

namespace capture {
namespace {

// One kind of pattern device.
struct PatternDeviceKind {
    const char* providerName;      // the provider's factory name
    const char* providerTypeName;  // the provider's GType name
    const char* deviceClass;       // what the device monitor filters on
    const char* displayName;
    const char* devicePath;        // the "device.path" property, part of the device's identity
    const char* switchVariable;    // "1" lists the device
    const char* presenceVariable;  // names the presence file (unset, or null: always present)
    GstCaps* (*caps)();
    GstElement* (*createElement)(const std::string& presenceFile);
};

const PatternDeviceKind kPatternDeviceKinds[] = {
    {"quenvalorpatterncameraprovider", "QuenvalorPatternCameraProvider", "Video/Source",
     kPatternCameraName, kPatternCameraPath, "QUENVALOR_PATTERN_CAMERA",
     "QUENVALOR_PATTERN_CAMERA_PRESENCE", [] { return CameraModeCaps(PatternCameraModes()); },
     [](const std::string& presenceFile) {
         return CreatePatternCameraSource(PatternCameraModes(), presenceFile);
     }},
    {"quenvalorpatternmicrophoneprovider", "QuenvalorPatternMicrophoneProvider", "Audio/Source",
     kPatternMicrophoneName, kPatternMicrophonePath, "QUENVALOR_PATTERN_MICROPHONE",
     "QUENVALOR_PATTERN_MICROPHONE_PRESENCE", PatternMicrophoneCaps,
     CreatePatternMicrophoneSource},
};

// How often a provider looks for its presence file.
constexpr std::chrono::milliseconds kPresencePoll{100};

bool Switched(const PatternDeviceKind& kind) {
    const char* value = std::getenv(kind.switchVariable);
    return value && std::strcmp(value, "1") == 0;
}

std::string PresenceFile(const PatternDeviceKind& kind) {
    const char* value = kind.presenceVariable ? std::getenv(kind.presenceVariable) : nullptr;
    return value ? value : "";
}

bool Present(const std::string& presenceFile) {
    return presenceFile.empty() || access(presenceFile.c_str(), F_OK) == 0;
}

// --- the device: makes the kind's source element ---------------------------------------------

struct PatternDevice {
    GstDevice parent;
    const PatternDeviceKind* kind;
};
struct PatternDeviceClass {
    GstDeviceClass parent_class;
};

GstElement* CreateElement(GstDevice* device, const gchar* name) {
    MarkTakenOver(device);
    const PatternDeviceKind& kind = *reinterpret_cast<PatternDevice*>(device)->kind;
    GstElement* element = kind.createElement(PresenceFile(kind));
    if (element && name) gst_object_set_name(GST_OBJECT(element), name);
    return element;
}

GType PatternDeviceType() {
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(PatternDeviceClass);
        info.class_init = [](gpointer klass, gpointer) {
            GST_DEVICE_CLASS(klass)->create_element = CreateElement;
        };
        info.instance_size = sizeof(PatternDevice);
        return g_type_register_static(GST_TYPE_DEVICE, "QuenvalorPatternDevice", &info,
                                      GTypeFlags(0));
    }();
    return type;
}

GstDevice* MakeDevice(const PatternDeviceKind& kind) {
    GstCaps* caps = kind.caps();
    GstStructure* properties =
        gst_structure_new("properties", "device.path", G_TYPE_STRING, kind.devicePath,
                          "device.api", G_TYPE_STRING, "pattern", nullptr);
    auto* device = static_cast<PatternDevice*>(
        g_object_new(PatternDeviceType(), "display-name", kind.displayName, "caps", caps,
                     "device-class", kind.deviceClass, "properties", properties, nullptr));
    gst_caps_unref(caps);
    gst_structure_free(properties);
    device->kind = &kind;
    // The provider's thread makes the device; the program's thread opens it.
    MarkHandedOver(device);
    return GST_DEVICE(device);
}

// --- the provider: lists the device and follows its presence file ----------------------------

// Adds and removes a provider's device as its presence file comes and goes, on a thread of its
// own, from the provider's start to its stop.
class PresenceWatch {
public:
    PresenceWatch(GstDeviceProvider* provider, const PatternDeviceKind& kind)
        : provider_(provider), kind_(kind), presenceFile_(PresenceFile(kind)) {
        Update();
        if (!presenceFile_.empty()) thread_ = std::thread([this] { Run(); });
    }
    ~PresenceWatch() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
        if (device_) {
            gst_device_provider_device_remove(provider_, device_);
            gst_object_unref(device_);
        }
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, kPresencePoll, [this] { return stop_; })) Update();
    }
    void Update() {
        const bool present = Present(presenceFile_);
        if (present && !device_) {
            device_ = GST_DEVICE(gst_object_ref_sink(MakeDevice(kind_)));
            gst_device_provider_device_add(provider_, device_);
        } else if (!present && device_) {
            gst_device_provider_device_remove(provider_, device_);
            gst_object_unref(device_);
            device_ = nullptr;
        }
    }

    GstDeviceProvider* provider_;
    const PatternDeviceKind& kind_;
    const std::string presenceFile_;
    GstDevice* device_ = nullptr;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

struct PatternProvider {
    GstDeviceProvider parent;
    PresenceWatch* watch;
};
struct PatternProviderClass {
    GstDeviceProviderClass parent_class;
    const PatternDeviceKind* kind;
};

const PatternDeviceKind& KindOf(GstDeviceProvider* provider) {
    return *reinterpret_cast<PatternProviderClass*>(G_OBJECT_GET_CLASS(provider))->kind;
}

GList* Probe(GstDeviceProvider* provider) {
    const PatternDeviceKind& kind = KindOf(provider);
    if (!Switched(kind) || !Present(PresenceFile(kind))) return nullptr;
    return g_list_append(nullptr, MakeDevice(kind));
}

gboolean StartProvider(GstDeviceProvider* provider) {
    // GStreamer starts and stops a provider under its own lock, from whichever thread monitors.
    const HandedOverCall call(provider);
    const PatternDeviceKind& kind = KindOf(provider);
    // The switch is read at every start, so a program (or a test) decides before it monitors.
    if (Switched(kind)) reinterpret_cast<PatternProvider*>(provider)->watch = new PresenceWatch(provider, kind);
    return TRUE;
}

void StopProvider(GstDeviceProvider* provider) {
    const HandedOverCall call(provider);
    auto* pattern = reinterpret_cast<PatternProvider*>(provider);
    delete pattern->watch;
    pattern->watch = nullptr;
}

GType RegisterProviderType(const PatternDeviceKind& kind) {
    GTypeInfo info{};
    info.class_size = sizeof(PatternProviderClass);
    info.class_init = [](gpointer klass, gpointer data) {
        const auto* kind = static_cast<const PatternDeviceKind*>(data);
        reinterpret_cast<PatternProviderClass*>(klass)->kind = kind;
        auto* providerClass = GST_DEVICE_PROVIDER_CLASS(klass);
        gst_device_provider_class_set_static_metadata(providerClass, kind->displayName,
                                                      kind->deviceClass,
                                                      "The program's own test device", "Quenvalor");
        providerClass->probe = Probe;
        providerClass->start = StartProvider;
        providerClass->stop = StopProvider;
    };
    info.class_data = &kind;
    info.instance_size = sizeof(PatternProvider);
    return g_type_register_static(GST_TYPE_DEVICE_PROVIDER, kind.providerTypeName, &info,
                                  GTypeFlags(0));
}

}  // namespace

void RegisterPatternDevices() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const PatternDeviceKind& kind : kPatternDeviceKinds)
            gst_device_provider_register(nullptr, kind.providerName, GST_RANK_PRIMARY,
                                         RegisterProviderType(kind));
    });
}

}  // namespace capture
