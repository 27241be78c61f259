#include "recording/MMBoxEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
}

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <vector>

#include "recording/ColourConversion.h"
#include "recording/FileOutput.h"
#include "recording/OutputNames.h"

namespace recording {
namespace {

struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct OutputFree {
    // The file's byte stream belongs to FileOutput, not to the context.
    void operator()(AVFormatContext* output) const { avformat_free_context(output); }
};
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputFree>;

std::string ErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

bool Supports(const AVCodec* codec, AVSampleFormat format) {
    if (!codec->sample_fmts) return false;
    for (const AVSampleFormat* each = codec->sample_fmts; *each != AV_SAMPLE_FMT_NONE; ++each) {
        if (*each == format) return true;
    }
    return false;
}

// What the muxer needs of a packet besides its bytes, kept from the moment the packet is handed
// out until the caller gives its bytes back for writing.
struct HandedPacket {
    bool valid = false;
    int64_t pts = 0;
    int64_t dts = 0;
    int64_t duration = 0;
    int flags = 0;
    int streamIndex = 0;
};

// Parses "key=value:key=value" into a dictionary; false when the text cannot be read.
bool ParseOptions(const std::string& text, AVDictionary** dictionary) {
    return text.empty() || av_dict_parse_string(dictionary, text.c_str(), "=", ":", 0) >= 0;
}

struct DictionaryFree {
    void operator()(AVDictionary* dictionary) const { av_dict_free(&dictionary); }
};

class FfmpegEncoder final : public MMBoxInstance {
public:
    FfmpegEncoder(ContainerProfile profile, AudioTrackCodec audioCodec)
        : profile_(std::move(profile)),
          audioCodec_(audioCodec),
          received_(av_packet_alloc()),
          writing_(av_packet_alloc()) {}

    ~FfmpegEncoder() override {
        if (output_ && !finished_) Finish();
    }

    bool OpenFile(const EncoderSettings&, const std::string& path) override {
        if (output_) return Fail("a file is already open");
        if (!received_ || !writing_) return Fail("out of memory");
        AVFormatContext* output = nullptr;
        int result =
            avformat_alloc_output_context2(&output, nullptr, profile_.muxer.c_str(), path.c_str());
        if (result < 0 || !output)
            return Fail("the " + profile_.muxer + " writer is missing (" + ErrorText(result) + ")");
        output_.reset(output);
        av_dict_set(&output_->metadata, "encoded_by", kRecordingMark, 0);
        // A new file only: whatever stands at the path is left alone.
        const int fd = OpenNewFile(path);
        if (fd < 0) {
            const int error = errno;
            output_.reset();
            return Fail(error == EEXIST ? "a file of that name exists already"
                                        : ErrorText(AVERROR(error)));
        }
        file_ = FileOutput::Make(fd);
        if (!file_) {
            output_.reset();
            unlink(path.c_str());  // the empty file just made
            return Fail("out of memory");
        }
        output_->pb = file_->Context();
        return true;
    }

    bool Begin(const EncoderSettings& settings) override {
        if (!output_ || headerWritten_) return Fail("no file is open for a new recording");
        if (settings.width <= 0 || settings.height <= 0 || settings.width % 2 != 0 ||
            settings.height % 2 != 0 || settings.framesPerSecond <= 0 ||
            settings.audioSampleRate <= 0 || settings.audioChannels < 1 ||
            settings.audioChannels > 2 || settings.audioBitsPerSample != 16) {
            return Fail("the recording settings are not supported");
        }
        if (!OpenVideo(settings) || !OpenAudio(settings)) return false;
        AVDictionary* options = nullptr;
        const bool parsed = ParseOptions(profile_.muxerOptions, &options);
        std::unique_ptr<AVDictionary, DictionaryFree> optionsOwner(options);
        if (!parsed) return Fail("the file options cannot be read");
        const int result = avformat_write_header(output_.get(), &options);
        optionsOwner.release();
        optionsOwner.reset(options);
        if (result < 0) return Fail(ErrorText(result));
        headerWritten_ = true;
        oneSecondOfVideo_ = std::max<int64_t>(av_rescale_q(1, {1, 1}, videoStream_->time_base), 1);
        return Flush();
    }

    int PutVideoFrame(std::span<const uint8_t> frame) override {
        return EncodeVideoFrame(frame) ? static_cast<int>(videoReady_.size()) : -1;
    }

    bool PutAudio(std::span<const uint8_t> samples) override {
        if (!headerWritten_ || finished_) return Fail("the recording is not running");
        const std::size_t frameBytes = 2 * static_cast<std::size_t>(Channels());
        if (samples.size() % frameBytes != 0) return Fail("the audio is cut inside a sample");
        // The encoder's start delay: its first packet begins with that much padding, which AVI
        // cannot mark for skipping. Dropping as much of the first sound keeps each decoded sample
        // at the time it was recorded for, so the padding never shifts sound against picture.
        const std::size_t skip =
            std::min<std::size_t>(samplesToSkip_ * frameBytes, samples.size());
        samplesToSkip_ -= static_cast<int64_t>(skip / frameBytes);
        samples = samples.subspan(skip);
        const std::size_t first = pendingSamples_.size();
        pendingSamples_.resize(first + samples.size() / 2);
        std::memcpy(pendingSamples_.data() + first, samples.data(), samples.size());
        return EncodePendingAudio(false);
    }

    int GetVideoPacket(std::span<uint8_t> buffer, int* length) override {
        return HandOut(videoReady_, videoHanded_, buffer, length);
    }

    int GetAudioPacket(std::span<uint8_t> buffer, int* length) override {
        return HandOut(audioReady_, audioHanded_, buffer, length);
    }

    bool WriteVideoPacket(std::span<const uint8_t> packet) override {
        if (!WriteHanded(videoHanded_, packet)) return false;
        // Flush once per second of video, so a recording that is cut off (a crash, a power cut)
        // keeps all but its last second.
        if (videoHanded_.pts - lastFlushPts_ >= oneSecondOfVideo_) {
            lastFlushPts_ = videoHanded_.pts;
            return Flush();
        }
        return true;
    }

    bool WriteAudioPacket(std::span<const uint8_t> packet) override {
        return WriteHanded(audioHanded_, packet);
    }

    bool Finish() override {
        if (finished_) return Fail("the recording is already finished");
        if (!output_) return Fail("no file is open");
        finished_ = true;
        bool done = true;
        if (headerWritten_) {
            done = EncodePendingAudio(true) &&
                   Encode(video_.get(), nullptr, videoStream_, videoReady_) &&
                   Encode(audio_.get(), nullptr, audioStream_, audioReady_) && WriteQueued();
            const int result = av_write_trailer(output_.get());
            if (result < 0 && done) done = Fail(ErrorText(result));
        }
        output_->pb = nullptr;
        const int result = file_->Close();
        if (result < 0 && done) done = Fail(ErrorText(result));
        output_.reset();
        file_.reset();
        return done;
    }

    std::string LastError() const override { return lastError_; }

private:
    bool Fail(std::string text) {
        lastError_ = std::move(text);
        return false;
    }

    int Channels() const { return audio_->ch_layout.nb_channels; }

    bool OpenVideo(const EncoderSettings& settings) {
        const AVCodec* codec = avcodec_find_encoder_by_name(profile_.videoCodec.c_str());
        if (!codec) return Fail("the " + profile_.videoCodec + " video encoder is missing");
        video_.reset(avcodec_alloc_context3(codec));
        videoFrame_.reset(av_frame_alloc());
        if (!video_ || !videoFrame_) return Fail("out of memory");
        video_->width = settings.width;
        video_->height = settings.height;
        video_->pix_fmt = AV_PIX_FMT_YUV420P;
        video_->time_base = {1, settings.framesPerSecond};
        video_->framerate = {settings.framesPerSecond, 1};
        video_->sample_aspect_ratio = {1, 1};
        video_->bit_rate = settings.videoBitRate > 0 ? settings.videoBitRate : 384000;
        video_->gop_size = settings.framesPerSecond;  // a key frame every second
        video_->max_b_frames = 0;
        video_->codec_tag = profile_.videoTag;
        if (output_->oformat->flags & AVFMT_GLOBALHEADER)
            video_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        AVDictionary* options = nullptr;
        const bool parsed = ParseOptions(profile_.videoOptions, &options);
        std::unique_ptr<AVDictionary, DictionaryFree> optionsOwner(options);
        if (!parsed) return Fail("the video encoder's options cannot be read");
        int result = avcodec_open2(video_.get(), codec, &options);
        optionsOwner.release();
        optionsOwner.reset(options);
        if (result < 0) return Fail("the video encoder did not start (" + ErrorText(result) + ")");

        videoStream_ = avformat_new_stream(output_.get(), nullptr);
        if (!videoStream_) return Fail("out of memory");
        videoStream_->time_base = video_->time_base;
        videoStream_->avg_frame_rate = video_->framerate;
        result = avcodec_parameters_from_context(videoStream_->codecpar, video_.get());
        if (result < 0) return Fail(ErrorText(result));

        videoFrame_->format = video_->pix_fmt;
        videoFrame_->width = video_->width;
        videoFrame_->height = video_->height;
        result = av_frame_get_buffer(videoFrame_.get(), 0);
        if (result < 0) return Fail(ErrorText(result));
        return true;
    }

    bool OpenAudio(const EncoderSettings& settings) {
        const AVCodec* codec = nullptr;
        AVSampleFormat format = AV_SAMPLE_FMT_S16;
        if (!profile_.audioCodec.empty()) {
            codec = avcodec_find_encoder_by_name(profile_.audioCodec.c_str());
            if (!codec || !Supports(codec, AV_SAMPLE_FMT_FLTP))
                return Fail("the " + profile_.audioCodec + " audio encoder is missing");
            format = AV_SAMPLE_FMT_FLTP;
        } else if (audioCodec_ == AudioTrackCodec::Mp3WhenAvailable) {
            const AVCodec* mp3 = avcodec_find_encoder_by_name("libmp3lame");
            if (mp3 && Supports(mp3, AV_SAMPLE_FMT_S16P)) {
                codec = mp3;
                format = AV_SAMPLE_FMT_S16P;
            }
        }
        if (!codec) codec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
        if (!codec) return Fail("no audio encoder is available");
        audio_.reset(avcodec_alloc_context3(codec));
        audioFrame_.reset(av_frame_alloc());
        if (!audio_ || !audioFrame_) return Fail("out of memory");
        audio_->sample_fmt = format;
        audio_->sample_rate = settings.audioSampleRate;
        av_channel_layout_default(&audio_->ch_layout, settings.audioChannels);
        audio_->time_base = {1, settings.audioSampleRate};
        if (codec->id != AV_CODEC_ID_PCM_S16LE) {
            audio_->bit_rate = settings.audioBitRate > 0 ? settings.audioBitRate : 64000;
        }
        int result = avcodec_open2(audio_.get(), codec, nullptr);
        if (result < 0) return Fail("the audio encoder did not start (" + ErrorText(result) + ")");
        // The encoder's packets come out earlier than its input by its start-up delay; counting
        // the input from that delay makes the first packet start at zero, as AVI has no place for
        // a negative start.
        nextAudioPts_ = audio_->initial_padding;
        samplesToSkip_ = audio_->initial_padding;

        audioStream_ = avformat_new_stream(output_.get(), nullptr);
        if (!audioStream_) return Fail("out of memory");
        audioStream_->time_base = audio_->time_base;
        result = avcodec_parameters_from_context(audioStream_->codecpar, audio_.get());
        if (result < 0) return Fail(ErrorText(result));
        return true;
    }

    bool EncodeVideoFrame(std::span<const uint8_t> frame) {
        if (!headerWritten_ || finished_) return Fail("the recording is not running");
        const int width = video_->width, height = video_->height;
        if (frame.size() < I420FrameBytes(width, height)) return Fail("the frame is too short");
        if (av_frame_make_writable(videoFrame_.get()) < 0) return Fail("out of memory");
        const uint8_t* plane = frame.data();
        for (int index = 0; index < 3; ++index) {
            const int planeWidth = index == 0 ? width : width / 2;
            const int planeHeight = index == 0 ? height : height / 2;
            av_image_copy_plane(videoFrame_->data[index], videoFrame_->linesize[index], plane,
                                planeWidth, planeWidth, planeHeight);
            plane += static_cast<std::size_t>(planeWidth) * planeHeight;
        }
        videoFrame_->pts = nextVideoPts_++;
        return Encode(video_.get(), videoFrame_.get(), videoStream_, videoReady_);
    }

    // Sends `frame` (null: drain) to the encoder and queues every packet it gives back, with its
    // times in the stream's time base.
    bool Encode(AVCodecContext* codec, AVFrame* frame, AVStream* stream,
                std::deque<PacketPtr>& ready) {
        int result = avcodec_send_frame(codec, frame);
        if (result < 0) return Fail("encoding failed (" + ErrorText(result) + ")");
        while (true) {
            result = avcodec_receive_packet(codec, received_.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
            if (result < 0) return Fail("encoding failed (" + ErrorText(result) + ")");
            av_packet_rescale_ts(received_.get(), codec->time_base, stream->time_base);
            received_->stream_index = stream->index;
            PacketPtr packet(av_packet_alloc());
            if (!packet) return Fail("out of memory");
            av_packet_move_ref(packet.get(), received_.get());
            ready.push_back(std::move(packet));
        }
    }

    // Encodes the pending samples in the encoder's frame size (any size for PCM); `last` also
    // sends a shorter final frame.
    bool EncodePendingAudio(bool last) {
        const int channels = Channels();
        const int frameSize = audio_->frame_size;
        std::size_t used = 0;
        bool encoded = true;
        while (encoded) {
            const int available = static_cast<int>((pendingSamples_.size() - used) / channels);
            const int count = frameSize > 0 ? std::min(frameSize, available) : available;
            if (count == 0 || (count < frameSize && !last)) break;
            encoded = EncodeAudioFrame(pendingSamples_.data() + used, count);
            used += static_cast<std::size_t>(count) * channels;
        }
        pendingSamples_.erase(pendingSamples_.begin(), pendingSamples_.begin() + used);
        return encoded;
    }

    bool EncodeAudioFrame(const int16_t* interleaved, int count) {
        AVFrame* frame = audioFrame_.get();
        av_frame_unref(frame);
        frame->format = audio_->sample_fmt;
        frame->sample_rate = audio_->sample_rate;
        frame->nb_samples = count;
        if (av_channel_layout_copy(&frame->ch_layout, &audio_->ch_layout) < 0 ||
            av_frame_get_buffer(frame, 0) < 0) {
            return Fail("out of memory");
        }
        const int channels = Channels();
        if (audio_->sample_fmt == AV_SAMPLE_FMT_S16P) {
            for (int channel = 0; channel < channels; ++channel) {
                auto* plane = reinterpret_cast<int16_t*>(frame->data[channel]);
                for (int i = 0; i < count; ++i) plane[i] = interleaved[i * channels + channel];
            }
        } else if (audio_->sample_fmt == AV_SAMPLE_FMT_FLTP) {
            for (int channel = 0; channel < channels; ++channel) {
                auto* plane = reinterpret_cast<float*>(frame->data[channel]);
                for (int i = 0; i < count; ++i)
                    plane[i] = interleaved[i * channels + channel] / 32768.0f;
            }
        } else {
            std::memcpy(frame->data[0], interleaved, sizeof(int16_t) * count * channels);
        }
        frame->pts = nextAudioPts_;
        nextAudioPts_ += count;
        return Encode(audio_.get(), frame, audioStream_, audioReady_);
    }

    int HandOut(std::deque<PacketPtr>& ready, HandedPacket& handed, std::span<uint8_t> buffer,
                int* length) {
        *length = 0;
        if (ready.empty()) return 0;
        const AVPacket& packet = *ready.front();
        if (static_cast<std::size_t>(packet.size) > buffer.size()) {
            *length = -1;
            Fail("an encoded packet is larger than the packet buffer");
            return -1;
        }
        std::memcpy(buffer.data(), packet.data, packet.size);
        handed = {true, packet.pts, packet.dts, packet.duration, packet.flags, packet.stream_index};
        *length = packet.size;
        ready.pop_front();
        return *length;
    }

    bool WriteHanded(HandedPacket& handed, std::span<const uint8_t> bytes) {
        if (!headerWritten_ || finished_) return Fail("the recording is not running");
        if (!handed.valid) return Fail("no packet was handed out for writing");
        handed.valid = false;
        AVPacket* packet = writing_.get();
        av_packet_unref(packet);
        packet->data = const_cast<uint8_t*>(bytes.data());  // read only: the packet owns no buffer
        packet->size = static_cast<int>(bytes.size());
        packet->pts = handed.pts;
        packet->dts = handed.dts;
        packet->duration = handed.duration;
        packet->flags = handed.flags;
        packet->stream_index = handed.streamIndex;
        const int result = av_write_frame(output_.get(), packet);
        packet->data = nullptr;
        packet->size = 0;
        if (result < 0) return Fail(ErrorText(result));
        return true;
    }

    // Writes the packets nobody fetched, earliest first.
    bool WriteQueued() {
        while (!videoReady_.empty() || !audioReady_.empty()) {
            bool takeVideo = audioReady_.empty();
            if (!videoReady_.empty() && !audioReady_.empty()) {
                takeVideo = av_compare_ts(videoReady_.front()->dts, videoStream_->time_base,
                                          audioReady_.front()->dts, audioStream_->time_base) <= 0;
            }
            std::deque<PacketPtr>& queue = takeVideo ? videoReady_ : audioReady_;
            const int result = av_write_frame(output_.get(), queue.front().get());
            queue.pop_front();
            if (result < 0) return Fail(ErrorText(result));
        }
        return true;
    }

    bool Flush() {
        avio_flush(output_->pb);
        if (output_->pb->error < 0) return Fail(ErrorText(output_->pb->error));
        return true;
    }

    ContainerProfile profile_;
    AudioTrackCodec audioCodec_;
    std::unique_ptr<FileOutput> file_;  // outlives output_, which writes through it
    OutputPtr output_;
    CodecContextPtr video_;
    CodecContextPtr audio_;
    AVStream* videoStream_ = nullptr;  // owned by output_
    AVStream* audioStream_ = nullptr;  // owned by output_
    FramePtr videoFrame_;
    FramePtr audioFrame_;
    PacketPtr received_;
    PacketPtr writing_;
    std::deque<PacketPtr> videoReady_;
    std::deque<PacketPtr> audioReady_;
    HandedPacket videoHanded_;
    HandedPacket audioHanded_;
    std::vector<int16_t> pendingSamples_;  // interleaved, not yet a whole audio frame
    int64_t nextVideoPts_ = 0;
    int64_t nextAudioPts_ = 0;
    int64_t samplesToSkip_ = 0;  // sample frames of the first sound that the start delay takes
    int64_t lastFlushPts_ = 0;
    int64_t oneSecondOfVideo_ = 1;  // in the video stream's time base
    bool headerWritten_ = false;
    bool finished_ = false;
    std::string lastError_;
};

}  // namespace

std::unique_ptr<MMBoxInstance> CreateFfmpegEncoder(ContainerProfile profile,
                                                   AudioTrackCodec audioCodec) {
    if (!avcodec_find_encoder_by_name(profile.videoCodec.c_str())) return nullptr;
    if (!profile.audioCodec.empty() && !avcodec_find_encoder_by_name(profile.audioCodec.c_str()))
        return nullptr;
    return std::make_unique<FfmpegEncoder>(std::move(profile), audioCodec);
}

std::unique_ptr<MMBoxInstance> CreateMMBoxDLLInstance(AudioTrackCodec audioCodec) {
    return CreateFfmpegEncoder({"avi", "mpeg4", MKTAG('X', 'V', 'I', 'D'), "", "", ""}, audioCodec);
}

}  // namespace recording
