#include "capture/VideoSources.h"

#include <algorithm>
#include <mutex>

#include "capture/PatternDevices.h"

namespace capture {

void EnsureGstreamerInitialised() {
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        RegisterPatternDevices();
    });
}

std::string DeviceProperty(GstDevice* device, const char* key) {
    std::unique_ptr<GstStructure, decltype(&gst_structure_free)> properties(
        gst_device_get_properties(device), &gst_structure_free);
    if (!properties) return {};
    const gchar* value = gst_structure_get_string(properties.get(), key);
    return value ? value : "";
}

std::string CameraIdentity(GstDevice* device) {
    std::string path;
    for (const char* key : {"api.v4l2.path", "device.path", "object.path"}) {
        path = DeviceProperty(device, key);
        if (!path.empty()) break;
    }
    gchar* name = gst_device_get_display_name(device);
    std::string identity = path + "|" + (name ? name : "");
    g_free(name);
    return identity;
}

std::vector<VideoSource> ListVideoSources(GstDeviceMonitor* monitor) {
    std::vector<VideoSource> sources;
    GList* devices = gst_device_monitor_get_devices(monitor);
    for (GList* item = devices; item; item = item->next) {
        GstDevice* device = GST_DEVICE(item->data);  // the list's reference moves to the entry
        VideoSource source;
        gchar* name = gst_device_get_display_name(device);
        source.name = name ? name : "";
        g_free(name);
        source.id = CameraIdentity(device);
        source.device.reset(device);
        sources.push_back(std::move(source));
    }
    g_list_free(devices);
    auto isPattern = [](const VideoSource& source) {
        return DeviceProperty(source.device.get(), "device.api") == "pattern";
    };
    std::stable_sort(sources.begin(), sources.end(), [&](const VideoSource& a, const VideoSource& b) {
        const bool aPattern = isPattern(a);
        const bool bPattern = isPattern(b);
        return aPattern != bPattern ? bPattern : a.id < b.id;
    });
    return sources;
}

GstRef<GstDeviceMonitor> NewVideoSourceMonitor() {
    EnsureGstreamerInitialised();
    GstRef<GstDeviceMonitor> monitor(gst_device_monitor_new());
    gst_device_monitor_add_filter(monitor.get(), "Video/Source", nullptr);
    return monitor;
}

}  // namespace capture
