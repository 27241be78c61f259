#pragma once

namespace capture {

// The program's own test devices, each offered by a GStreamer device provider registered inside
// the program, so that it travels the path of a real device: the device monitor lists it,
// gst_device_create_element makes its source, and its failures arrive on the pipeline's bus.
//
// Each kind is one row of a table: the device class it is listed under ("Video/Source" for the
// pattern camera, "Audio/Source" for the pattern microphone), its name, the environment variable
// that switches it on (value "1") and the one that names its presence file. While a presence variable names a file, the device is
// plugged in only while that file exists: the provider adds and removes it as the file comes and
// goes, and its source fails as an unplugged device's does.
//
// Registers every kind once per process; EnsureGstreamerInitialised calls it.
void RegisterPatternDevices();

inline constexpr const char* kPatternCameraName = "Pattern Camera";
// The pattern camera's device path, part of its identity.
inline constexpr const char* kPatternCameraPath = "pattern:camera";
inline constexpr const char* kPatternMicrophoneName = "Pattern Microphone";
inline constexpr const char* kPatternMicrophonePath = "pattern:microphone";

}  // namespace capture
