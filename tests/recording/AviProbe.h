#pragma once

// Reads a recording back with libavformat, for the tests.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace recording::testing {

struct AviFacts {
    bool opened = false;
    std::string format;
    int streams = 0;
    AVCodecID videoCodec = AV_CODEC_ID_NONE;
    uint32_t videoTag = 0;
    int width = 0;
    int height = 0;
    AVRational frameRate{0, 1};
    AVCodecID audioCodec = AV_CODEC_ID_NONE;
    int sampleRate = 0;
    int channels = 0;
    int videoPackets = 0;
    int keyFrames = 0;
    int audioPackets = 0;
};

inline AviFacts ProbeAvi(const std::string& path) {
    AviFacts facts;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return facts;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(
        raw, [](AVFormatContext* context) { avformat_close_input(&context); });
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return facts;
    facts.opened = true;
    facts.format = input->iformat->name;
    facts.streams = static_cast<int>(input->nb_streams);
    int videoIndex = -1, audioIndex = -1;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        const AVCodecParameters* parameters = stream->codecpar;
        if (parameters->codec_type == AVMEDIA_TYPE_VIDEO && videoIndex < 0) {
            videoIndex = static_cast<int>(i);
            facts.videoCodec = parameters->codec_id;
            facts.videoTag = parameters->codec_tag;
            facts.width = parameters->width;
            facts.height = parameters->height;
            facts.frameRate = stream->r_frame_rate;
        } else if (parameters->codec_type == AVMEDIA_TYPE_AUDIO && audioIndex < 0) {
            audioIndex = static_cast<int>(i);
            facts.audioCodec = parameters->codec_id;
            facts.sampleRate = parameters->sample_rate;
            facts.channels = parameters->ch_layout.nb_channels;
        }
    }
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(input.get(), packet) >= 0) {
        if (packet->stream_index == videoIndex && packet->size > 0) {
            ++facts.videoPackets;
            if (packet->flags & AV_PKT_FLAG_KEY) ++facts.keyFrames;
        } else if (packet->stream_index == audioIndex) {
            ++facts.audioPackets;
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return facts;
}

// One packet of a file: its stream kind, the time (in seconds) at which it ends and where it
// lies in the file.
struct PacketTime {
    bool audio = false;
    double end = 0;
    int64_t position = 0;
};

// The packets sorted by where they lie in the file. (The AVI reader hands a file whose streams
// are not interleaved out in time order, seeking to and fro, so the reading order alone would
// hide the fault.)

inline std::vector<PacketTime> PacketTimesInFileOrder(const std::string& path) {
    std::vector<PacketTime> times;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return times;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(
        raw, [](AVFormatContext* context) { avformat_close_input(&context); });
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return times;
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(input.get(), packet) >= 0) {
        const AVStream* stream = input->streams[packet->stream_index];
        const bool audio = stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
        if (packet->size > 0 && packet->dts != AV_NOPTS_VALUE) {
            times.push_back({audio, (packet->dts + packet->duration) * av_q2d(stream->time_base),
                             packet->pos});
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    std::stable_sort(times.begin(), times.end(), [](const PacketTime& a, const PacketTime& b) {
        return a.position < b.position;
    });
    return times;
}

// Runs a shell command and returns what it printed on standard output and standard error.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return output;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, pipe)) output += chunk;
    pclose(pipe);
    return output;
}

// Whether ffprobe can be run. Under continuous integration, where the install script provides
// it, its absence fails the test instead of leaving the checks that need it out.
inline bool FfprobeInstalled() {
    const bool installed = std::system("ffprobe -version >/dev/null 2>&1") == 0;
    if (!installed && std::getenv("CI")) ADD_FAILURE() << "ffprobe is missing under CI";
    return installed;
}

// A fresh, empty folder for one test, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quenvalor-recording-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

}  // namespace recording::testing
