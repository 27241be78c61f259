#include "capture/RoadConfig.h"

#include <algorithm>
#include <cstdio>

namespace capture {

RoadConfig RoadConfig::Classic() {
    return {{320, 240}, {480, 360}, {320, 240}, 20};
}

RoadConfig RoadConfig::ForRecordingSize(FrameSize size) {
    if (size == Classic().recording) return Classic();
    return {size, size, size, 30};
}

int StudioPixels(const RoadConfig& road, int classicPixels) {
    const int classicHeight = RoadConfig::Classic().studio.height;
    return std::max(1, (classicPixels * road.studio.height + classicHeight / 2) / classicHeight);
}

const std::vector<FrameSize>& RecordingSizes() {
    static const std::vector<FrameSize> sizes{{320, 240}, {640, 480}, {1280, 720}, {1920, 1080}};
    return sizes;
}

RoadConfig RoadConfigFromText(std::string_view text) {
    const std::string copy(text);
    FrameSize size;
    char rest = 0;
    if (std::sscanf(copy.c_str(), " %dx%d %c", &size.width, &size.height, &rest) != 2)
        return RoadConfig::Classic();
    const auto& sizes = RecordingSizes();
    if (std::find(sizes.begin(), sizes.end(), size) == sizes.end()) return RoadConfig::Classic();
    return RoadConfig::ForRecordingSize(size);
}

std::string RecordingSizeText(const RoadConfig& config) {
    return std::to_string(config.recording.width) + "x" + std::to_string(config.recording.height);
}

}  // namespace capture
