#pragma once

#include <chrono>

#include <string>
#include <string_view>
#include <vector>

namespace capture {

struct FrameSize {
    int width = 0;
    int height = 0;
    bool operator==(const FrameSize&) const = default;
};

// Everything about the frame road that follows from the recording size, handed through as one
// value: the studio frame the effects are drawn on, the output frame that is recorded, the rate
// the road runs at, and what the camera is asked for.
struct RoadConfig {
    FrameSize recording;  // the output frame and the recording's picture
    FrameSize studio;     // the frame the effects are drawn on
    FrameSize camera;     // the picture the camera's mode must cover
    int framesPerSecond = 20;

    // 480 x 360 studio frame, 320 x 240 output at 20 frames per second.
    static RoadConfig Classic();
    // The road for a recording of `size`: classic for 320 x 240; otherwise the studio frame is
    // the recording size, at 30 frames per second.
    static RoadConfig ForRecordingSize(FrameSize size);

    bool IsClassic() const { return *this == Classic(); }
    // The time between two passes of the road: 50 ms in classic.
    std::chrono::milliseconds PassPeriod() const {
        return std::chrono::milliseconds(1000 / framesPerSecond);
    }
    bool operator==(const RoadConfig&) const = default;
};

// A length of `classicPixels` in the 480 x 360 studio frame, in `road`'s studio frame pixels
// (at least 1), so that a brush covers the same share of the picture at every size.
int StudioPixels(const RoadConfig& road, int classicPixels);

// The recording sizes a user can choose, classic first.
const std::vector<FrameSize>& RecordingSizes();

// Reads a recording size written like "1280x720"; classic for anything that is not one of
// RecordingSizes().
RoadConfig RoadConfigFromText(std::string_view text);
// The recording size written like "1280x720".
std::string RecordingSizeText(const RoadConfig& config);

}  // namespace capture
