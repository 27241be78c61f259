// Recordings with sound: the pattern camera and the pattern microphone through the whole road,
// and the microphone list and choice.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "AviProbe.h"
#include "MediaDecode.h"
#include "capture/AudioCapture.h"
#include "capture/PatternDevices.h"
#include "recording/RecorderWorker.h"

using capture::AudioCapture;
using capture::CCaptureDevice;
using capture::FramePipeline;
using capture::MicrophoneState;
using recording::RecorderOptions;
using recording::RecorderWorker;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;

namespace {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The pattern camera on the frame road as the program runs it, woken every 50 ms.
class PatternRoad {
public:
    PatternRoad() {
        setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
        auto camera = std::make_unique<CCaptureDevice>();
        if (camera->OpenDevice(CCaptureDevice::GetDeviceCount() - 1, 320, 240))
            pipeline.ReplaceDevice(std::move(camera));
        worker_ = std::thread([this] { capture::CaptureWorker(&pipeline); });
        ticker_ = std::thread([this] {
            while (!stop_) {
                pipeline.tickEvent.Set();
                std::this_thread::sleep_for(50ms);
            }
        });
    }
    ~PatternRoad() {
        stop_ = true;
        ticker_.join();
        pipeline.stopCapture = 1;
        pipeline.tickEvent.Set();
        worker_.join();
    }
    FramePipeline pipeline;

private:
    std::atomic<bool> stop_{false};
    std::thread worker_;
    std::thread ticker_;
};

// Where each beep of `sound` starts (in seconds): the first loud sample after a quiet stretch.
std::vector<double> BeepOnsets(const std::vector<float>& sound, int rate) {
    std::vector<double> onsets;
    std::size_t quiet = static_cast<std::size_t>(rate);  // counts as quiet before the file starts
    for (std::size_t i = 0; i < sound.size(); ++i) {
        if (std::abs(sound[i]) > 0.05f) {
            if (quiet >= static_cast<std::size_t>(rate / 2)) onsets.push_back(double(i) / rate);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return onsets;
}

// When each run of frames with the white square starts (in seconds).
std::vector<double> SquareOnsets(const std::string& path) {
    std::vector<double> onsets;
    bool previous = false;
    recording::testing::DecodeStream(path, AVMEDIA_TYPE_VIDEO, [&](const AVFrame& frame, double time) {
        double sum = 0;
        for (int y = 8; y < 32; ++y)
            for (int x = 8; x < 32; ++x) sum += frame.data[0][y * frame.linesize[0] + x];
        // White is Y 235; the brightest bar of the pattern is Y 180.
        const bool square = sum / (24 * 24) > 215;
        if (square && !previous) onsets.push_back(time);
        previous = square;
    });
    return onsets;
}

}  // namespace

TEST(Recording_Sound, PatternMicrophoneIsListedAndChosenByDefaultWithoutASoundServer) {
    setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
    const auto microphones = capture::ListMicrophones();
    const auto pattern = std::find_if(microphones.begin(), microphones.end(), [](const auto& m) {
        return m.name == capture::kPatternMicrophoneName;
    });
    ASSERT_NE(pattern, microphones.end());
    EXPECT_EQ(pattern->id, std::string(capture::kPatternMicrophonePath) + "|" +
                               capture::kPatternMicrophoneName);
    EXPECT_EQ(microphones.back().name, capture::kPatternMicrophoneName) << "pattern devices last";
    EXPECT_EQ(capture::ChooseMicrophone(microphones, pattern->id), pattern - microphones.begin());
    EXPECT_EQ(capture::ChooseMicrophone(microphones, capture::kNoMicrophone), -1);
    EXPECT_EQ(capture::ChooseMicrophone(microphones, "gone|Unplugged Microphone"), -1);
}

TEST(Recording_Sound, ChoiceByIdentityDefaultSourceOrFirstListed) {
    std::vector<capture::MicrophoneSource> sources(3);
    sources[0].id = "a|First";
    sources[1].id = "b|Second";
    sources[2].id = "c|Third";
    EXPECT_EQ(capture::ChooseMicrophone(sources, ""), 0) << "no server default: the first";
    sources[2].isDefault = true;
    EXPECT_EQ(capture::ChooseMicrophone(sources, ""), 2) << "the server's default";
    EXPECT_EQ(capture::ChooseMicrophone(sources, "b|Second"), 1);
    EXPECT_EQ(capture::ChooseMicrophone({}, ""), -1);
}

TEST(Recording_Sound, BeepsAndWhiteSquaresOfThePatternSourcesMeetWithinOneFrame) {
    setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
    ScratchFolder folder;
    const std::string path = folder.File("sync.avi");
    PatternRoad road;
    ASSERT_TRUE(road.pipeline.HasDevice());
    AudioCapture microphone;
    microphone.Start(std::string(capture::kPatternMicrophonePath) + "|" +
                     capture::kPatternMicrophoneName);
    ASSERT_TRUE(WaitFor([&] { return microphone.State() == MicrophoneState::Live; }, 5s));
    RecorderOptions options;
    options.sound = &microphone;
    RecorderWorker recorder(path, road.pipeline, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    std::this_thread::sleep_for(11s);
    recorder.StopAndWait();
    microphone.Stop();

    int rate = 0;
    const std::vector<float> sound = recording::testing::DecodeSound(path, &rate);
    ASSERT_EQ(rate, 48000);
    const std::vector<double> beeps = BeepOnsets(sound, rate);
    const std::vector<double> squares = SquareOnsets(path);
    ASSERT_GE(beeps.size(), 10u);
    ASSERT_GE(squares.size(), 10u);
    // Every beep has its square within one frame period (50 ms), and there are no extra ones.
    // (A beep in the file's last frame may come after the last picture.)
    const double end = static_cast<double>(sound.size()) / rate;
    for (const double beep : beeps) {
        if (beep > end - 0.1) continue;
        const auto nearest = std::min_element(squares.begin(), squares.end(), [&](double a, double b) {
            return std::abs(a - beep) < std::abs(b - beep);
        });
        EXPECT_LE(std::abs(*nearest - beep), 0.0505) << "beep at " << beep << " s, square at "
                                                     << *nearest << " s";
    }
    EXPECT_LE(std::max(beeps.size(), squares.size()) - std::min(beeps.size(), squares.size()), 1u);
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"), "");
    }
}
