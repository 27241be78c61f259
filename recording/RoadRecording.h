#pragma once

#include <ctime>
#include <memory>
#include <string>

#include "capture/RoadConfig.h"
#include "recording/EncoderSettings.h"
#include "recording/MMBoxEncoder.h"

namespace recording {

// The container and codecs a recording is written in.
enum class RecordingFormat {
    Avi,  // MPEG-4 video in AVI (classic)
    Mp4,  // H.264 and AAC in fragmented MP4
};

// The format of a recording of `road`: AVI in classic, MP4 otherwise.
RecordingFormat FormatFor(const capture::RoadConfig& road);

// The encoder settings of a recording of `road`: its output size and rate, with the classic
// audio format and bit rates.
EncoderSettings EncoderSettingsFor(const capture::RoadConfig& road);

// The encoder of a recording of `road` in its format; null when it is missing.
std::unique_ptr<MMBoxInstance> CreateEncoderFor(const capture::RoadConfig& road);

// The name of a recording of `road` started at `when`: the stamp with ".avi" or ".mp4".
std::string RecordingFileName(std::time_t when, const capture::RoadConfig& road);

}  // namespace recording
