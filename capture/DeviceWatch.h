#pragma once

#include <cstdint>

typedef struct _GList GList;

namespace capture {

// The process's one started device watch, for video and audio sources, shared by everything that
// lists devices (the camera session, the microphone list, the capture device's lookups).
//
// GStreamer's device providers are singletons, and GStreamer 1.22 does not count a provider's
// nested starts: a provider that two monitors started is stopped by the first of them to stop,
// under the other one's feet. With PipeWire's provider, which both video and audio monitors
// start, that stopped the camera session's monitor whenever the microphone list was read, so a
// camera that went away was never seen again. Here every provider is started once, by one
// monitor, while anyone holds the watch, and stopped when the last holder lets go.
//
// PipeWire's provider (0.3.65) cannot be stopped safely while it is connected: its stop destroys
// its registry proxy without holding its thread loop's lock, racing with that loop, which frees
// the proxy a second time now and then ("double free or corruption" at quit). The watch keeps
// it out of its monitor and starts it itself, only when a daemon answers, and then never stops it
// (it ends with the process); without a daemon it is tried again when the watch next starts.
class DeviceWatch {
public:
    // Holds the watch, starting it when nobody held it.
    DeviceWatch();
    // Lets go of it; the last holder's release stops it.
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    // The devices listed now (transfer full: a list of references, for the caller to free).
    GList* Devices() const;

    // Counts the devices added, removed or changed since the process started: a holder that saw
    // one value and finds another lists the devices again.
    static uint64_t Generation();
};

}  // namespace capture
