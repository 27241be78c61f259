#pragma once

#include <string>
#include <string_view>
#include <vector>

typedef struct _GstCaps GstCaps;
typedef struct _GstElement GstElement;

namespace capture {

// One video mode a camera offers: its media type ("video/x-raw" or "image/jpeg") and size.
struct CameraMode {
    std::string media;
    int width = 0;
    int height = 0;
    bool operator==(const CameraMode&) const = default;
};

// The modes of a common webcam, which the pattern camera offers by default: raw frames and JPEG
// frames at 320 x 240, 640 x 480, 800 x 600, 1280 x 720 and 1920 x 1080, each at 30 frames per
// second.
const std::vector<CameraMode>& DefaultPatternCameraModes();

// Reads a mode list written as "MEDIA WIDTHxHEIGHT" entries separated by semicolons, for example
// "image/jpeg 1280x720; video/x-raw 640x480". Entries that cannot be read, or that name another
// media type, are skipped.
std::vector<CameraMode> ParseCameraModes(std::string_view text);

// The pattern camera's modes: those of QUENVALOR_PATTERN_CAMERA_MODES, or the defaults when the
// variable is unset or names no mode that can be read.
std::vector<CameraMode> PatternCameraModes();

// The caps of a mode list, in its order: raw modes as YUY2, every mode at 30 frames per second.
GstCaps* CameraModeCaps(const std::vector<CameraMode>& modes);

// A new pattern camera source: live colour bars that scroll four pixels every frame at 30 frames
// per second, with the white square of the pattern beeps (see PatternMicrophone.h) in the frames
// captured during a beep, in the mode the pipeline negotiates out of `modes` (JPEG frames are encoded by the
// source, as a camera's are). With a `presenceFile`, the source behaves like a camera that is
// plugged in while that file exists: it fails to start without the file, and its stream fails
// with a read error on the bus when the file is removed. A file whose text begins with "busy"
// makes it report itself busy when it is asked for a format, as a camera held by another program
// does; one whose text begins with "frozen" makes it send no frames while it says so, as a stuck
// camera does.
GstElement* CreatePatternCameraSource(const std::vector<CameraMode>& modes,
                                      const std::string& presenceFile);

}  // namespace capture
