#include "recording/EncoderSettings.h"

namespace recording {

EncoderSettings MakeEncoderSettings() {
    EncoderSettings settings{};
    settings.width = 320;
    settings.height = 240;
    settings.framesPerSecond = 20;
    settings.field12 = 1;
    settings.audioSampleRate = 48000;
    settings.audioChannels = 2;
    settings.field24 = 0;
    settings.audioBitsPerSample = 16;
    settings.secondWidth = 320;
    settings.secondHeight = 240;
    settings.field40 = 24;
    settings.field44 = 1;
    settings.secondSampleRate = 48000;
    settings.secondChannels = 2;
    settings.videoBitRate = 384000;
    settings.audioBitRate = 64000;
    settings.field64 = 1006;
    settings.field68 = 2002;
    settings.field72 = 100;
    return settings;
}

uint32_t AudioBytesPerFrame(const EncoderSettings& settings) {
    if (settings.framesPerSecond <= 0) return 0;
    return static_cast<uint32_t>(settings.audioSampleRate) *
           static_cast<uint32_t>(settings.audioChannels) * 2u /
           static_cast<uint32_t>(settings.framesPerSecond);
}

}  // namespace recording
