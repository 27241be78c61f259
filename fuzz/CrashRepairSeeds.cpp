// Writes a small seed corpus of recordings for the crash repair's fuzz target into the folder
// given as the only argument: one short AVI file made by the program's own encoder, finished, and
// the same file cut off at several places as a crash would leave it.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "recording/MMBoxEncoder.h"

namespace {

bool WriteRecording(const std::string& path) {
    auto encoder = recording::CreateMMBoxDLLInstance(recording::AudioTrackCodec::Pcm);
    recording::EncoderSettings settings = recording::MakeEncoderSettings();
    settings.width = 32;
    settings.height = 24;
    settings.audioSampleRate = 4000;
    if (!encoder || !encoder->OpenFile(settings, path) || !encoder->Begin(settings)) return false;
    std::vector<uint8_t> frame(settings.width * settings.height * 3 / 2, 128);
    const std::vector<uint8_t> sound(recording::AudioBytesPerFrame(settings), 0);
    std::vector<uint8_t> packet(1 << 16);
    for (int i = 0; i < 6; ++i) {
        std::fill(frame.begin(), frame.begin() + settings.width * settings.height, 40 * i);
        if (!encoder->PutAudio(sound)) return false;
        int length = 0;
        while (encoder->GetAudioPacket(packet, &length) > 0)
            encoder->WriteAudioPacket({packet.data(), static_cast<std::size_t>(length)});
        const int ready = encoder->PutVideoFrame(frame);
        for (int p = 0; p < ready && encoder->GetVideoPacket(packet, &length) > 0; ++p)
            encoder->WriteVideoPacket({packet.data(), static_cast<std::size_t>(length)});
    }
    return encoder->Finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    const std::string finished = folder + "/finished.avi";
    std::remove(finished.c_str());
    if (!WriteRecording(finished)) {
        std::fprintf(stderr, "cannot write a recording\n");
        return 1;
    }
    std::ifstream stream(finished, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(stream), {}};
    // Cut off, as a crash leaves it: the RIFF size never filled in, the index missing, and the
    // data ending part-way.
    for (const double share : {0.9, 0.6, 0.3}) {
        std::string cut = bytes.substr(0, static_cast<std::size_t>(bytes.size() * share));
        std::fill(cut.begin() + 4, cut.begin() + 8, '\xff');
        std::ofstream(folder + "/cut-" + std::to_string(static_cast<int>(share * 100)) + ".avi",
                      std::ios::binary) << cut;
    }
    return 0;
}
