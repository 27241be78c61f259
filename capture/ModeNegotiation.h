#pragma once

#include <optional>
#include <string>
#include <vector>

typedef struct _GstCaps GstCaps;

namespace capture {

// One mode a camera says it can deliver: media type, size and the highest frame rate it gives at
// that size (frames per second, as a fraction).
struct OfferedMode {
    std::string media;  // "video/x-raw", "image/jpeg", or another video type
    int width = 0;
    int height = 0;
    int rateNumerator = 0;
    int rateDenominator = 1;

    double Rate() const { return rateDenominator > 0 ? double(rateNumerator) / rateDenominator : 0; }
    bool operator==(const OfferedMode&) const = default;
};

// What the frame road needs from the camera: a picture that covers `width` x `height` (after a
// crop to the road's shape, which a mode covers exactly when it is at least that wide and high),
// at `framesPerSecond`.
struct CameraNeed {
    int width = 0;
    int height = 0;
    int framesPerSecond = 0;
};

// The mode to ask the camera for, out of `offered`:
//   1. the smallest raw mode that covers the need at the road's rate;
//   2. else the smallest JPEG mode that covers it at the road's rate;
//   3. else the smallest raw or JPEG mode that covers it at a lower rate (raw first at one size);
//   4. else the best raw or JPEG mode (the largest, then the fastest, raw first), which the road
//      scales up.
// Nothing when the camera offers neither raw nor JPEG frames; the camera is then opened with
// whatever it offers.
std::optional<OfferedMode> ChooseCameraMode(const std::vector<OfferedMode>& offered,
                                            const CameraNeed& need);

// The modes of a camera's caps. A size given as a range counts as the size in it nearest to the
// need's; a rate given as a list or a range counts as its highest.
std::vector<OfferedMode> OfferedModesOf(const GstCaps* caps, const CameraNeed& need);

// The caps that ask for `mode` exactly (raw frames in any pixel format).
std::string ModeRequestCaps(const OfferedMode& mode);

}  // namespace capture
