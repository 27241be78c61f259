#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "AviProbe.h"
#include "recording/ColourConversion.h"
#include "recording/EncoderSettings.h"
#include "recording/MMBoxEncoder.h"
#include "recording/RoadRecording.h"

extern "C" {
#include <libavutil/frame.h>
}

using namespace recording;
using recording::testing::AviFacts;
using recording::testing::ProbeAvi;
using recording::testing::ScratchFolder;

namespace {

constexpr std::size_t kFrameBytes = I420FrameBytes(320, 240);

// A 4:2:0 frame with one value per plane.
std::vector<uint8_t> FlatFrame(uint8_t y, uint8_t cb, uint8_t cr) {
    std::vector<uint8_t> frame(kFrameBytes, y);
    std::fill(frame.begin() + 320 * 240, frame.begin() + 320 * 240 + 160 * 120, cb);
    std::fill(frame.begin() + 320 * 240 + 160 * 120, frame.end(), cr);
    return frame;
}

// Drives the encoder the way the recorder does, `frames` times with the same picture.
void EncodeFrames(MMBoxInstance& encoder, const std::vector<uint8_t>& frame, int frames,
                  const EncoderSettings& settings = MakeEncoderSettings()) {
    std::vector<uint8_t> silence(AudioBytesPerFrame(settings), 0);
    std::vector<uint8_t> audioPacket(512000), videoPacket(1024000);
    for (int i = 0; i < frames; ++i) {
        int length = 0;
        ASSERT_TRUE(encoder.PutAudio(silence));
        while (encoder.GetAudioPacket(audioPacket, &length) > 0) {
            ASSERT_TRUE(encoder.WriteAudioPacket({audioPacket.data(), size_t(length)}));
        }
        ASSERT_GE(length, 0);
        const int ready = encoder.PutVideoFrame(frame);
        ASSERT_GE(ready, 0) << encoder.LastError();
        for (int packet = 0; packet < ready; ++packet) {
            ASSERT_GT(encoder.GetVideoPacket(videoPacket, &length), 0);
            ASSERT_TRUE(encoder.WriteVideoPacket({videoPacket.data(), size_t(length)}));
        }
    }
}

bool WriteRecording(const std::string& path, int frames, AudioTrackCodec audio,
                    const std::vector<uint8_t>& frame = FlatFrame(120, 128, 128)) {
    auto encoder = CreateMMBoxDLLInstance(audio);
    const EncoderSettings settings = MakeEncoderSettings();
    if (!encoder || !encoder->OpenFile(settings, path) || !encoder->Begin(settings)) return false;
    EncodeFrames(*encoder, frame, frames);
    return encoder->Finish();
}

// Decodes the first video frame of the file and returns the values at the centre of its planes.
std::vector<int> FirstFrameCentre(const std::string& path) {
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0) return {};
    avformat_find_stream_info(input, nullptr);
    const int video = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* codec = avcodec_find_decoder(input->streams[video]->codecpar->codec_id);
    AVCodecContext* decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, input->streams[video]->codecpar);
    avcodec_open2(decoder, codec, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    std::vector<int> centre;
    while (centre.empty() && av_read_frame(input, packet) >= 0) {
        if (packet->stream_index == video && avcodec_send_packet(decoder, packet) >= 0 &&
            avcodec_receive_frame(decoder, frame) >= 0) {
            for (int plane = 0; plane < 3; ++plane) {
                const int x = plane == 0 ? 160 : 80, y = plane == 0 ? 120 : 60;
                centre.push_back(frame->data[plane][y * frame->linesize[plane] + x]);
            }
        }
        av_packet_unref(packet);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&input);
    return centre;
}

}  // namespace

TEST(Recording_EncoderSettings, BlockHoldsTheFieldsAtTheirOffsets) {
    const EncoderSettings settings = MakeEncoderSettings();
    const auto* words = reinterpret_cast<const int32_t*>(&settings);
    const int32_t expected[] = {320, 240, 20,    1, 48000,  2,     0,    16,   320, 240,
                                24,  1,   48000, 2, 384000, 64000, 1006, 2002, 100};
    for (int i = 0; i < 19; ++i) EXPECT_EQ(words[i], expected[i]) << "offset " << 4 * i;
    for (int i = 19; i < 286; ++i) ASSERT_EQ(words[i], 0) << "offset " << 4 * i;
    EXPECT_EQ(AudioBytesPerFrame(settings), 9600u);
}

TEST(Recording_Encoder, WritesAnAviWithMpeg4VideoAndStereoAudio) {
    ScratchFolder folder;
    const std::string path = folder.File("clip.avi");
    ASSERT_TRUE(WriteRecording(path, 45, AudioTrackCodec::Mp3WhenAvailable));

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_EQ(facts.format, "avi");
    EXPECT_EQ(facts.streams, 2);
    EXPECT_EQ(facts.videoCodec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(facts.videoTag, MKTAG('X', 'V', 'I', 'D'));
    EXPECT_EQ(facts.width, 320);
    EXPECT_EQ(facts.height, 240);
    EXPECT_EQ(av_cmp_q(facts.frameRate, AVRational{20, 1}), 0);
    EXPECT_EQ(facts.videoPackets, 45);
    EXPECT_GE(facts.keyFrames, 3) << "a key frame every second";
    if (avcodec_find_encoder_by_name("libmp3lame")) {
        EXPECT_EQ(facts.audioCodec, AV_CODEC_ID_MP3);
    }
    EXPECT_EQ(facts.sampleRate, 48000);
    EXPECT_EQ(facts.channels, 2);
    EXPECT_GT(facts.audioPackets, 0);
}

TEST(Recording_Encoder, PcmAudioTrackWhenAsked) {
    ScratchFolder folder;
    const std::string path = folder.File("pcm.avi");
    ASSERT_TRUE(WriteRecording(path, 10, AudioTrackCodec::Pcm));
    const AviFacts facts = ProbeAvi(path);
    EXPECT_EQ(facts.audioCodec, AV_CODEC_ID_PCM_S16LE);
    EXPECT_EQ(facts.sampleRate, 48000);
    EXPECT_EQ(facts.channels, 2);
    EXPECT_EQ(facts.videoPackets, 10);
}

TEST(Recording_Encoder, PlanesArriveInYCbCrOrder) {
    ScratchFolder folder;
    const std::string path = folder.File("planes.avi");
    ASSERT_TRUE(WriteRecording(path, 1, AudioTrackCodec::Pcm, FlatFrame(200, 60, 170)));
    const std::vector<int> centre = FirstFrameCentre(path);
    ASSERT_EQ(centre.size(), 3u);
    EXPECT_NEAR(centre[0], 200, 3);
    EXPECT_NEAR(centre[1], 60, 3);
    EXPECT_NEAR(centre[2], 170, 3);
}

TEST(Recording_Encoder, ReportsFailuresInsteadOfIgnoringThem) {
    ScratchFolder folder;
    const EncoderSettings settings = MakeEncoderSettings();

    auto missingFolder = CreateMMBoxDLLInstance();
    ASSERT_NE(missingFolder, nullptr);
    EXPECT_FALSE(missingFolder->OpenFile(settings, folder.File("missing/clip.avi")));
    EXPECT_NE(missingFolder->LastError(), "");

    auto notBegun = CreateMMBoxDLLInstance();
    ASSERT_TRUE(notBegun->OpenFile(settings, folder.File("early.avi")));
    EXPECT_EQ(notBegun->PutVideoFrame(FlatFrame(0, 0, 0)), -1);
    EXPECT_FALSE(notBegun->PutAudio(std::vector<uint8_t>(9600)));

    auto oddSettings = CreateMMBoxDLLInstance();
    EncoderSettings odd = settings;
    odd.width = 321;
    ASSERT_TRUE(oddSettings->OpenFile(odd, folder.File("odd.avi")));
    EXPECT_FALSE(oddSettings->Begin(odd));
}

TEST(Recording_Encoder, PacketLargerThanTheBufferIsRefused) {
    ScratchFolder folder;
    const EncoderSettings settings = MakeEncoderSettings();
    auto encoder = CreateMMBoxDLLInstance();
    ASSERT_TRUE(encoder->OpenFile(settings, folder.File("small.avi")));
    ASSERT_TRUE(encoder->Begin(settings));
    ASSERT_EQ(encoder->PutVideoFrame(FlatFrame(90, 100, 110)), 1);
    std::vector<uint8_t> tiny(4);
    int length = 0;
    EXPECT_EQ(encoder->GetVideoPacket(tiny, &length), -1);
    EXPECT_FALSE(encoder->WriteVideoPacket(tiny)) << "nothing was handed out";
    EXPECT_TRUE(encoder->Finish());
}

TEST(Recording_Encoder, HdRoadWritesAFragmentedMp4ThatKeepsAllButItsLastSecondWhenCutOff) {
    ScratchFolder folder;
    const capture::RoadConfig road = capture::RoadConfigFromText("1280x720");
    const EncoderSettings settings = EncoderSettingsFor(road);
    const std::string path = folder.File(RecordingFileName(0, road));
    ASSERT_EQ(path.substr(path.size() - 4), ".mp4");
    auto encoder = CreateEncoderFor(road);
    ASSERT_NE(encoder, nullptr);
    ASSERT_TRUE(encoder->OpenFile(settings, path));
    ASSERT_TRUE(encoder->Begin(settings)) << encoder->LastError();
    // A moving picture: a bright bar steps across a grey frame.
    std::vector<uint8_t> frame(I420FrameBytes(1280, 720), 128);
    for (int second = 0; second < 3; ++second) {
        for (int step = 0; step < 30; ++step) {
            std::fill(frame.begin(), frame.begin() + 1280 * 720, 60);
            for (int row = 0; row < 720; ++row)
                std::fill_n(frame.begin() + row * 1280 + (second * 30 + step) * 12, 40, 230);
            EncodeFrames(*encoder, frame, 1, settings);
        }
    }
    // Cut off now, as a crash would: what is on the disk already plays.
    const std::string cut = folder.File("cut.mp4");
    std::filesystem::copy_file(path, cut);
    EXPECT_GE(ProbeAvi(cut).videoPackets, 60) << "all but the last second";
    ASSERT_TRUE(encoder->Finish()) << encoder->LastError();

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_NE(facts.format.find("mp4"), std::string::npos);
    EXPECT_EQ(facts.videoCodec, AV_CODEC_ID_H264);
    EXPECT_EQ(facts.width, 1280);
    EXPECT_EQ(facts.height, 720);
    EXPECT_EQ(av_cmp_q(facts.frameRate, AVRational{30, 1}), 0);
    EXPECT_EQ(facts.videoPackets, 90);
    EXPECT_GE(facts.keyFrames, 3) << "a key frame, and a fragment, every second";
    EXPECT_EQ(facts.audioCodec, AV_CODEC_ID_AAC);
    EXPECT_EQ(facts.sampleRate, 48000);
    EXPECT_EQ(facts.channels, 2);
    EXPECT_GT(facts.audioPackets, 0);
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"), "");
    }
}
