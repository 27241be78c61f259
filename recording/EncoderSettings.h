#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace recording {

// The settings block handed to the encoder: 1,144 bytes of 32-bit integers, zero-filled apart from
// the fields below. The recorder reads the frame rate and the audio format to size the audio of
// one frame; the encoder reads the picture size, frame rate, audio format and the two bit rates.
// Fields named after their offset are carried as they are.
struct EncoderSettings {
    int32_t width;               // 0
    int32_t height;              // 4
    int32_t framesPerSecond;     // 8
    int32_t field12;             // 12
    int32_t audioSampleRate;     // 16
    int32_t audioChannels;       // 20
    int32_t field24;             // 24
    int32_t audioBitsPerSample;  // 28
    int32_t secondWidth;         // 32
    int32_t secondHeight;        // 36
    int32_t field40;             // 40
    int32_t field44;             // 44
    int32_t secondSampleRate;    // 48
    int32_t secondChannels;      // 52
    int32_t videoBitRate;        // 56: bits per second of the video track
    int32_t audioBitRate;        // 60: bits per second of a compressed audio track
    int32_t field64;             // 64
    int32_t field68;             // 68
    int32_t field72;             // 72
    std::array<int32_t, 267> unused;
};
static_assert(sizeof(EncoderSettings) == 1144);
static_assert(offsetof(EncoderSettings, videoBitRate) == 56);
static_assert(offsetof(EncoderSettings, unused) == 76);

// The block the recorder uses: 320 x 240 at 20 frames per second, 48 kHz 16-bit stereo audio,
// 384 kbit/s video and 64 kbit/s audio.
EncoderSettings MakeEncoderSettings();

// Bytes of 16-bit audio that belong to one frame: rate x channels x 2 / frames per second
// (9,600 for the block above). Zero when the frame rate is not positive.
uint32_t AudioBytesPerFrame(const EncoderSettings& settings);

}  // namespace recording
