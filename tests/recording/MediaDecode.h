#pragma once

// Decodes a recording's sound and pictures back with libavformat and libavcodec, for the tests.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace recording::testing {

// Calls `onFrame` with every decoded frame of the file's first stream of `type`, and the time of
// the frame in seconds. False when the file or its decoder cannot be opened.
inline bool DecodeStream(const std::string& path, AVMediaType type,
                         const std::function<void(const AVFrame& frame, double time)>& onFrame) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return false;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(
        raw, [](AVFormatContext* context) { avformat_close_input(&context); });
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return false;
    const int index = av_find_best_stream(input.get(), type, -1, -1, nullptr, 0);
    if (index < 0) return false;
    const AVStream* stream = input->streams[index];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> decoder(
        avcodec_alloc_context3(codec), [](AVCodecContext* context) { avcodec_free_context(&context); });
    if (!codec || !decoder ||
        avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0 ||
        avcodec_open2(decoder.get(), codec, nullptr) < 0) {
        return false;
    }
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto drain = [&] {
        while (avcodec_receive_frame(decoder.get(), frame) >= 0) {
            const int64_t pts = frame->best_effort_timestamp;
            onFrame(*frame, pts == AV_NOPTS_VALUE ? 0 : pts * av_q2d(stream->time_base));
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(input.get(), packet) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(decoder.get(), packet) >= 0) drain();
        av_packet_unref(packet);
    }
    avcodec_send_packet(decoder.get(), nullptr);
    drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    return true;
}

// The first channel of the file's sound, decoded in order and scaled to -1..1.
inline std::vector<float> DecodeSound(const std::string& path, int* sampleRate = nullptr) {
    std::vector<float> sound;
    DecodeStream(path, AVMEDIA_TYPE_AUDIO, [&](const AVFrame& frame, double) {
        if (sampleRate) *sampleRate = frame.sample_rate;
        for (int i = 0; i < frame.nb_samples; ++i) {
            switch (frame.format) {
                case AV_SAMPLE_FMT_S16:
                    sound.push_back(reinterpret_cast<const int16_t*>(frame.data[0])
                                        [i * frame.ch_layout.nb_channels] / 32768.0f);
                    break;
                case AV_SAMPLE_FMT_S16P:
                    sound.push_back(reinterpret_cast<const int16_t*>(frame.data[0])[i] / 32768.0f);
                    break;
                case AV_SAMPLE_FMT_FLTP:
                    sound.push_back(reinterpret_cast<const float*>(frame.data[0])[i]);
                    break;
                case AV_SAMPLE_FMT_FLT:
                    sound.push_back(reinterpret_cast<const float*>(frame.data[0])
                                        [i * frame.ch_layout.nb_channels]);
                    break;
                default: return;
            }
        }
    });
    return sound;
}

// Root mean square of `count` samples from `first`.
inline double Rms(const std::vector<float>& sound, std::size_t first, std::size_t count) {
    double sum = 0;
    for (std::size_t i = first; i < first + count && i < sound.size(); ++i) sum += sound[i] * sound[i];
    return count ? std::sqrt(sum / count) : 0;
}

// The strongest whole frequency (in Hz) between 50 Hz and 2 kHz of one second of sound from
// `first`, found by a plain discrete Fourier sum at every whole frequency.
inline int StrongestFrequency(const std::vector<float>& sound, std::size_t first, int sampleRate) {
    int best = 0;
    double bestPower = -1;
    for (int hz = 50; hz <= 2000; ++hz) {
        std::complex<double> sum;
        const std::complex<double> step = std::polar(1.0, -2 * M_PI * hz / sampleRate);
        std::complex<double> turn = 1;
        for (int i = 0; i < sampleRate && first + i < sound.size(); ++i) {
            sum += static_cast<double>(sound[first + i]) * turn;
            turn *= step;
        }
        if (std::norm(sum) > bestPower) {
            bestPower = std::norm(sum);
            best = hz;
        }
    }
    return best;
}

}  // namespace recording::testing
