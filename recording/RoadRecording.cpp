#include "recording/RoadRecording.h"

#include "recording/Mp4Encoder.h"
#include "recording/OutputNames.h"

namespace recording {

RecordingFormat FormatFor(const capture::RoadConfig& road) {
    return road.IsClassic() ? RecordingFormat::Avi : RecordingFormat::Mp4;
}

EncoderSettings EncoderSettingsFor(const capture::RoadConfig& road) {
    EncoderSettings settings = MakeEncoderSettings();
    settings.width = settings.secondWidth = road.recording.width;
    settings.height = settings.secondHeight = road.recording.height;
    settings.framesPerSecond = road.framesPerSecond;
    return settings;
}

std::unique_ptr<MMBoxInstance> CreateEncoderFor(const capture::RoadConfig& road) {
    return FormatFor(road) == RecordingFormat::Mp4 ? CreateMp4Encoder()
                                                         : CreateMMBoxDLLInstance();
}

std::string RecordingFileName(std::time_t when, const capture::RoadConfig& road) {
    return FormatFileStamp(when) + (FormatFor(road) == RecordingFormat::Mp4 ? ".mp4" : ".avi");
}

}  // namespace recording
