#include "recording/Mp4Encoder.h"

namespace recording {

std::unique_ptr<MMBoxInstance> CreateMp4Encoder() {
    // One encoding thread keeps the encoder's share of the machine predictable next to the frame
    // road; "veryfast" keeps 1920 x 1080 at 30 frames per second within one core.
    return CreateFfmpegEncoder({
        .muxer = "mp4",
        .videoCodec = "libx264",
        .videoTag = 0,
        .videoOptions = "preset=veryfast:crf=23:threads=1:bf=0",
        .muxerOptions = "movflags=frag_keyframe+empty_moov+default_base_moof",
        .audioCodec = "aac",
    });
}

}  // namespace recording
