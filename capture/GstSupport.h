#pragma once

#include <gst/gst.h>

#include <memory>
#include <string>

// Owners for the GStreamer handles of the capture code, and the one-time start of GStreamer.
namespace capture {

struct GstObjectUnref {
    void operator()(gpointer object) const { gst_object_unref(object); }
};
struct GstSampleUnref {
    void operator()(GstSample* sample) const { gst_sample_unref(sample); }
};
struct GstCapsUnref {
    void operator()(GstCaps* caps) const { gst_caps_unref(caps); }
};
struct GstMessageUnref {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
template <typename T>
using GstRef = std::unique_ptr<T, GstObjectUnref>;
using CapsRef = std::unique_ptr<GstCaps, GstCapsUnref>;
using MessageRef = std::unique_ptr<GstMessage, GstMessageUnref>;

// Starts GStreamer once per process and registers the program's own device providers (the
// pattern sources), so that every device monitor made afterwards lists them.
void EnsureGstreamerInitialised();

// The factory name of GStreamer's PipeWire device provider.
inline constexpr const char* kPipeWireProviderName = "pipewiredeviceprovider";

// A string property of a device (for example "device.path"); empty when it has none.
std::string DeviceProperty(GstDevice* device, const char* key);

}  // namespace capture
