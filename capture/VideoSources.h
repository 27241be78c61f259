#pragma once

#include <string>
#include <vector>

#include "capture/DeviceList.h"
#include "capture/GstSupport.h"

namespace capture {

class DeviceWatch;

// One video source of a device monitor.
struct VideoSource {
    std::string id;    // stays the same across plugging and restarts (see CameraIdentity)
    std::string name;  // the device's display name
    GstRef<GstDevice> device;
    // The identities of the same camera as another provider lists it (see MergeProviderLists).
    std::vector<std::string> aliases;

    bool Is(const std::string& identity) const;
};

// Which provider a device comes from.
CameraProvider ProviderOf(GstDevice* device);

// What identifies a camera across plugging and restarts, with its display name: for a PipeWire
// node its node name (its object id and serial change each time it comes back), otherwise its
// device path (the V4L2 node, or the path the sound server gives it). The pattern camera's path
// is fixed.
std::string CameraIdentity(GstDevice* device);

// A new connection to the PipeWire daemon on the socket its clients would use (PIPEWIRE_REMOTE
// in PIPEWIRE_RUNTIME_DIR, else XDG_RUNTIME_DIR), or -1 when none answers. The caller closes it.
int ConnectToPipeWire();

// Whether a PipeWire daemon answers on the socket its clients would use (PIPEWIRE_REMOTE in
// PIPEWIRE_RUNTIME_DIR, else XDG_RUNTIME_DIR).
bool PipeWireRunning();

// The video sources a monitor lists, one row per camera (see MergeProviderLists), in a stable
// order: real cameras sorted by identity, then the program's pattern devices.
std::vector<VideoSource> ListVideoSources(GstDeviceMonitor* monitor);
// The same for the devices the process's watch lists.
std::vector<VideoSource> ListVideoSources(const DeviceWatch& watch);

// A new device monitor for video sources, not started.
GstRef<GstDeviceMonitor> NewVideoSourceMonitor();

}  // namespace capture
