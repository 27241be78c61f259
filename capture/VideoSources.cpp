#include "capture/VideoSources.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "capture/DeviceWatch.h"
#include "capture/PatternDevices.h"

namespace capture {

void EnsureGstreamerInitialised() {
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        RegisterPatternDevices();
        // PipeWire's provider is kept out of every device monitor (monitors take providers of
        // marginal rank and above): only the device watch starts it (see DeviceWatch).
        if (GstDeviceProviderFactory* factory =
                gst_device_provider_factory_find(kPipeWireProviderName)) {
            gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(factory), GST_RANK_NONE);
            gst_object_unref(factory);
        }
    });
}

std::string DeviceProperty(GstDevice* device, const char* key) {
    std::unique_ptr<GstStructure, decltype(&gst_structure_free)> properties(
        gst_device_get_properties(device), &gst_structure_free);
    if (!properties) return {};
    const gchar* value = gst_structure_get_string(properties.get(), key);
    return value ? value : "";
}

bool VideoSource::Is(const std::string& identity) const {
    return id == identity || std::find(aliases.begin(), aliases.end(), identity) != aliases.end();
}

CameraProvider ProviderOf(GstDevice* device) {
    const std::string type = G_OBJECT_TYPE_NAME(device);
    if (type == "GstPipeWireDevice") return CameraProvider::PipeWire;
    if (type == "GstV4l2Device") return CameraProvider::V4l2;
    return CameraProvider::Other;
}

namespace {

// The V4L2 node behind a device, where its provider names one.
std::string HardwarePath(GstDevice* device) {
    switch (ProviderOf(device)) {
        case CameraProvider::V4l2: {
            std::string path = DeviceProperty(device, "api.v4l2.path");
            return path.empty() ? DeviceProperty(device, "device.path") : path;
        }
        case CameraProvider::PipeWire: {
            std::string path = DeviceProperty(device, "api.v4l2.path");
            if (!path.empty()) return path;
            path = DeviceProperty(device, "object.path");
            constexpr std::string_view kPrefix = "v4l2:";
            return path.rfind(kPrefix, 0) == 0 ? path.substr(kPrefix.size()) : std::string();
        }
        case CameraProvider::Other:
            break;
    }
    return {};
}

}  // namespace

int ConnectToPipeWire() {
    const char* remote = std::getenv("PIPEWIRE_REMOTE");
    std::string name = remote && *remote ? remote : "pipewire-0";
    if (name.front() != '/') {
        const char* folder = std::getenv("PIPEWIRE_RUNTIME_DIR");
        if (!folder || !*folder) folder = std::getenv("XDG_RUNTIME_DIR");
        if (!folder || !*folder) return -1;
        name = std::string(folder) + "/" + name;
    }
    sockaddr_un address{};
    if (name.size() >= sizeof(address.sun_path)) return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return -1;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

bool PipeWireRunning() {
    const int socket = ConnectToPipeWire();
    if (socket < 0) return false;
    ::close(socket);
    return true;
}

std::string CameraIdentity(GstDevice* device) {
    std::string path;
    if (ProviderOf(device) == CameraProvider::PipeWire) {
        const std::string node = DeviceProperty(device, "node.name");
        if (!node.empty()) path = "pipewire:" + node;
    }
    for (const char* key : {"api.v4l2.path", "device.path", "object.path"}) {
        if (!path.empty()) break;
        path = DeviceProperty(device, key);
    }
    gchar* name = gst_device_get_display_name(device);
    std::string identity = path + "|" + (name ? name : "");
    g_free(name);
    return identity;
}

namespace {

// Takes over the references of `devices`.
std::vector<VideoSource> ListVideoSources(GList* devices) {
    std::vector<VideoSource> listed;
    std::vector<ListedSource> facts;
    for (GList* item = devices; item; item = item->next) {
        GstDevice* device = GST_DEVICE(item->data);  // the list's reference moves to the entry
        if (!gst_device_has_classes(device, "Video/Source")) {
            gst_object_unref(device);
            continue;
        }
        VideoSource source;
        gchar* name = gst_device_get_display_name(device);
        source.name = name ? name : "";
        g_free(name);
        source.id = CameraIdentity(device);
        source.device.reset(device);
        facts.push_back({{source.id, source.name}, ProviderOf(device), HardwarePath(device)});
        listed.push_back(std::move(source));
    }
    g_list_free(devices);
    std::vector<VideoSource> sources;
    for (MergedSource& row : MergeProviderLists(facts, PipeWireRunning())) {
        sources.push_back(std::move(listed[row.index]));
        sources.back().aliases = std::move(row.aliases);
    }
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

}  // namespace

std::vector<VideoSource> ListVideoSources(GstDeviceMonitor* monitor) {
    return ListVideoSources(gst_device_monitor_get_devices(monitor));
}

std::vector<VideoSource> ListVideoSources(const DeviceWatch& watch) {
    return ListVideoSources(watch.Devices());
}

GstRef<GstDeviceMonitor> NewVideoSourceMonitor() {
    EnsureGstreamerInitialised();
    GstRef<GstDeviceMonitor> monitor(gst_device_monitor_new());
    gst_device_monitor_add_filter(monitor.get(), "Video/Source", nullptr);
    return monitor;
}

}  // namespace capture
