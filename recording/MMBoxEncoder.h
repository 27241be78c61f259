#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "recording/EncoderSettings.h"

namespace recording {

// The encoder the recorder drives. Its operations come in this order (the destructor first),
// and a recording calls them in this sequence:
//   OpenFile, Begin, then per frame PutAudio, GetAudioPacket + WriteAudioPacket for as long as
//   it gives packets, PutVideoFrame and as many GetVideoPacket + WriteVideoPacket as it reported ready,
//   and at the end Finish.
// Operations that can fail return false (or a negative count) and leave the reason in
// LastError(). After a failure the recorder stops feeding frames and still calls Finish, which
// completes whatever was written so far.
class MMBoxInstance {
public:
    virtual ~MMBoxInstance() = default;

    // Creates a new file at `path`. Fails, leaving it alone, when anything stands at `path`
    // already (a file, a folder, a symbolic link); the file is made exclusively, so this holds
    // even when the name is taken at the last moment.
    virtual bool OpenFile(const EncoderSettings& settings, const std::string& path) = 0;
    // Sets up the tracks from `settings` and writes the file's header.
    virtual bool Begin(const EncoderSettings& settings) = 0;
    // Encodes one planar 4:2:0 frame (Y, Cb, Cr planes of the settings' size). Returns the number
    // of video packets now ready, or -1 on failure.
    virtual int PutVideoFrame(std::span<const uint8_t> frame) = 0;
    // Takes interleaved 16-bit samples in the settings' channel count.
    virtual bool PutAudio(std::span<const uint8_t> samples) = 0;
    // Copy the next ready packet into `buffer`, store its length in `length` and return it:
    // 0 when none is ready, -1 when it does not fit into `buffer`.
    virtual int GetVideoPacket(std::span<uint8_t> buffer, int* length) = 0;
    virtual int GetAudioPacket(std::span<uint8_t> buffer, int* length) = 0;
    // Write the packet the matching Get operation handed out last.
    virtual bool WriteVideoPacket(std::span<const uint8_t> packet) = 0;
    virtual bool WriteAudioPacket(std::span<const uint8_t> packet) = 0;
    // Drains the encoders, completes the file and closes it.
    virtual bool Finish() = 0;

    // Why the last failed operation failed, in words for the user.
    virtual std::string LastError() const = 0;
};

enum class AudioTrackCodec {
    Mp3WhenAvailable,  // MP3 when the MP3 encoder is present, 16-bit PCM otherwise
    Pcm,               // 16-bit PCM
};

// What distinguishes one kind of file the FFmpeg encoder writes from another.
struct ContainerProfile {
    std::string muxer;                 // the FFmpeg muxer's name
    std::string videoCodec;            // the FFmpeg video encoder's name
    uint32_t videoTag = 0;             // the video track's codec tag; 0 leaves the muxer's own
    std::string videoOptions;          // "key=value:key=value" for the video encoder
    std::string muxerOptions;          // the same for the muxer's header
    // The audio encoder's name; empty for the AVI choice of `AudioTrackCodec`.
    std::string audioCodec;
};

// The mark every recording carries in its header (as "encoded_by"), by which crash repair knows
// the program's own files from others of the same name.
inline constexpr const char* kRecordingMark = "Quenvalor";

// Makes an encoder that writes the file `profile` describes, or null when its video or audio
// encoder is missing from the FFmpeg build. The file is flushed after its header and then once
// per second of video.
std::unique_ptr<MMBoxInstance> CreateFfmpegEncoder(
    ContainerProfile profile, AudioTrackCodec audioCodec = AudioTrackCodec::Mp3WhenAvailable);

// Makes an encoder that writes an AVI file: MPEG-4 Part 2 video (tagged XVID) at the settings'
// size, frame rate and video bit rate, and a stereo audio track at the settings' sample rate
// (MP3 at the audio bit rate, or PCM). The file is flushed after its header and then once per
// second of video, so a recording that is cut off keeps all but its last second. Null when the
// video encoder is missing from the FFmpeg build.
std::unique_ptr<MMBoxInstance> CreateMMBoxDLLInstance(
    AudioTrackCodec audioCodec = AudioTrackCodec::Mp3WhenAvailable);

}  // namespace recording
