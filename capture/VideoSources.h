#pragma once

#include <string>
#include <vector>

#include "capture/GstSupport.h"

namespace capture {

// One video source of a device monitor.
struct VideoSource {
    std::string id;    // stays the same across plugging and restarts (see CameraIdentity)
    std::string name;  // the device's display name
    GstRef<GstDevice> device;
};

// What identifies a camera across plugging and restarts: its device path (the V4L2 node, or the
// path the sound server gives it) and its display name. The pattern camera's path is fixed.
std::string CameraIdentity(GstDevice* device);

// The video sources a monitor lists, in a stable order: real cameras sorted by identity, then the
// program's pattern devices.
std::vector<VideoSource> ListVideoSources(GstDeviceMonitor* monitor);

// A new device monitor for video sources, not started.
GstRef<GstDeviceMonitor> NewVideoSourceMonitor();

}  // namespace capture
