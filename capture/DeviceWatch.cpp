#include "capture/DeviceWatch.h"

#include <atomic>
#include <mutex>

#include "capture/GstSupport.h"
#include "capture/VideoSources.h"

namespace capture {
namespace {

std::mutex watchMutex;
int holders = 0;                      // guarded by watchMutex
GstDeviceMonitor* monitor = nullptr;  // guarded by watchMutex; set while holders > 0
// PipeWire's provider, apart from the monitor; guarded by watchMutex.
GstDeviceProvider* pipeWire = nullptr;
bool pipeWireStarted = false;
std::atomic<uint64_t> generation{0};

// Runs on the providers' threads: every device message counts, and is dropped, as nobody pops
// the buses it comes on.
GstBusSyncReply CountDeviceMessage(GstBus*, GstMessage* message, gpointer) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_DEVICE_ADDED:
        case GST_MESSAGE_DEVICE_REMOVED:
        case GST_MESSAGE_DEVICE_CHANGED:
            ++generation;
            break;
        default:
            break;
    }
    gst_message_unref(message);
    return GST_BUS_DROP;
}

// PipeWire's provider, which EnsureGstreamerInitialised took out of the device monitors, for the
// watch to start itself. Once per process.
void SetPipeWireProviderApart() {
    static std::once_flag once;
    std::call_once(once, [] {
        GstDeviceProviderFactory* factory = gst_device_provider_factory_find(kPipeWireProviderName);
        if (!factory) return;
        pipeWire = gst_device_provider_factory_get(factory);
        gst_object_unref(factory);
        if (!pipeWire) return;
        GstRef<GstBus> bus(gst_device_provider_get_bus(pipeWire));
        gst_bus_set_sync_handler(bus.get(), CountDeviceMessage, nullptr, nullptr);
    });
}

}  // namespace

DeviceWatch::DeviceWatch() {
    EnsureGstreamerInitialised();
    std::lock_guard lock(watchMutex);
    if (holders++ > 0) return;
    SetPipeWireProviderApart();
    monitor = GST_DEVICE_MONITOR(gst_object_ref_sink(gst_device_monitor_new()));
    gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
    gst_device_monitor_add_filter(monitor, "Audio/Source", nullptr);
    GstRef<GstBus> bus(gst_device_monitor_get_bus(monitor));
    gst_bus_set_sync_handler(bus.get(), CountDeviceMessage, nullptr, nullptr);
    // Starting probes every provider, which may take a while; the devices listed meanwhile count
    // as a change for anyone who looked before.
    gst_device_monitor_start(monitor);
    // Without a daemon the provider is not started: it would list nothing, and its start and stop
    // would load PipeWire's modules only to unload them again.
    if (pipeWire && !pipeWireStarted && PipeWireRunning())
        pipeWireStarted = gst_device_provider_start(pipeWire);
    ++generation;
}

DeviceWatch::~DeviceWatch() {
    std::lock_guard lock(watchMutex);
    if (--holders > 0) return;
    gst_device_monitor_stop(monitor);
    gst_object_unref(monitor);
    monitor = nullptr;
}

GList* DeviceWatch::Devices() const {
    std::lock_guard lock(watchMutex);
    GList* devices = gst_device_monitor_get_devices(monitor);
    if (pipeWireStarted)
        devices = g_list_concat(devices, gst_device_provider_get_devices(pipeWire));
    return devices;
}

uint64_t DeviceWatch::Generation() { return generation.load(); }

}  // namespace capture
