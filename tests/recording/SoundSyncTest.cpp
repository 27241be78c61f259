// Recordings with sound: the pattern camera and the pattern microphone through the whole road,
// and the microphone list and choice.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "AviProbe.h"
#include "MediaDecode.h"
#include "RunningRoad.h"
#include "capture/AudioCapture.h"
#include "capture/PatternDevices.h"
#include "recording/RecorderWorker.h"
#include "recording/RoadRecording.h"

using capture::AudioCapture;
using capture::FrameRoad;
using capture::MicrophoneState;
using recording::RecorderOptions;
using recording::RecorderWorker;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;

namespace {

// The sanitizer builds run the frame road several times slower, so that it may miss the first
// frame with the square and show the next one: there a square may lie one frame period further
// off.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
constexpr int kFramePeriodsAllowed = 2;
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer) || __has_feature(address_sanitizer)
constexpr int kFramePeriodsAllowed = 2;
#else
constexpr int kFramePeriodsAllowed = 1;
#endif
#else
constexpr int kFramePeriodsAllowed = 1;
#endif

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// A beep of the sound: where it starts (in seconds), the first loud sample after a quiet
// stretch, and whether it lasts its whole 100 ms. A shorter one was cut by a gap in the sound (the
// microphone starting or coming back part-way through it, or falling behind on a busy machine),
// so its start is not where the clock put it.
struct Beep {
    double onset;
    bool whole;
};

std::vector<Beep> FindBeeps(const std::vector<float>& sound, int rate) {
    std::vector<Beep> beeps;
    const std::size_t quietBefore = static_cast<std::size_t>(rate / 2);
    const std::size_t wholeBeep = static_cast<std::size_t>(rate * 0.095);
    std::size_t quiet = quietBefore;  // counts as quiet before the file starts
    std::size_t start = 0;
    std::size_t lastLoud = 0;
    bool inBeep = false;
    auto endBeep = [&] {
        if (inBeep) beeps.push_back({double(start) / rate, lastLoud - start >= wholeBeep});
        inBeep = false;
    };
    for (std::size_t i = 0; i < sound.size(); ++i) {
        if (std::abs(sound[i]) > 0.05f) {
            if (quiet >= quietBefore) {
                endBeep();
                start = i;
                inBeep = true;
            }
            lastLoud = i;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    endBeep();
    return beeps;
}

// The distance from `time` to the nearest of `times`.
double Nearest(const std::vector<double>& times, double time) {
    double nearest = 1e9;
    for (const double each : times) nearest = std::min(nearest, std::abs(each - time));
    return nearest;
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

// Classic AVI with MP3 at 20 frames per second, and MP4 with AAC at 30.
class Recording_SoundSync : public ::testing::TestWithParam<const char*> {};

TEST_P(Recording_SoundSync, BeepsAndWhiteSquaresOfThePatternSourcesMeetWithinOneFrame) {
    setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
    const capture::RoadConfig config = capture::RoadConfigFromText(GetParam());
    ScratchFolder folder;
    const std::string path = folder.File(recording::RecordingFileName(0, config));
    recording::testing::RunningRoad road(config);
    ASSERT_TRUE(road.frameRoad.HasDevice());
    AudioCapture microphone;
    microphone.Start(std::string(capture::kPatternMicrophonePath) + "|" +
                     capture::kPatternMicrophoneName);
    ASSERT_TRUE(WaitFor([&] { return microphone.State() == MicrophoneState::Live; }, 5s));
    RecorderOptions options;
    options.sound = &microphone;
    options.settings = recording::EncoderSettingsFor(config);
    options.createEncoder = [config] { return recording::CreateEncoderFor(config); };
    RecorderWorker recorder(path, road.frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    std::this_thread::sleep_for(11s);
    recorder.StopAndWait();
    microphone.Stop();

    int rate = 0;
    const std::vector<float> sound = recording::testing::DecodeSound(path, &rate);
    ASSERT_EQ(rate, 48000);
    const std::vector<Beep> beeps = FindBeeps(sound, rate);
    const std::vector<double> squares = SquareOnsets(path);
    ASSERT_GE(beeps.size(), 10u);
    ASSERT_GE(squares.size(), 10u);
    // Every whole beep has its square within one frame period (a beep in the file's last frame
    // may come after the last picture), and every square has its beep.
    const double framePeriod = 1.0 / config.framesPerSecond;
    const double end = static_cast<double>(sound.size()) / rate;
    std::vector<double> onsets;
    int timed = 0;
    for (const Beep& beep : beeps) {
        onsets.push_back(beep.onset);
        if (!beep.whole || beep.onset > end - 0.1) continue;
        ++timed;
        EXPECT_LE(Nearest(squares, beep.onset), kFramePeriodsAllowed * framePeriod + 0.0005)
            << "beep at " << beep.onset << " s";
    }
    EXPECT_GE(timed, 8);
    // The sound has no gap and skips no beep: every beep but one cut by the file's start or end
    // lasts its whole 100 ms, and each starts one second after the one before. A gap shorter
    // than the timeline's resync threshold would not cut a beep but shift the sound after it.
    for (std::size_t i = 0; i < beeps.size(); ++i) {
        const bool atAnEnd = beeps[i].onset < 0.1 || beeps[i].onset > end - 0.1;
        EXPECT_TRUE(beeps[i].whole || atAnEnd) << "a beep cut short at " << beeps[i].onset << " s";
        const bool previousInside = i > 0 && beeps[i - 1].onset >= 0.1;
        if (previousInside && !atAnEnd) {
            EXPECT_NEAR(beeps[i].onset - beeps[i - 1].onset, 1.0, 0.005)
                << "between the beeps at " << beeps[i - 1].onset << " and " << beeps[i].onset << " s";
        }
    }
    // The file's first picture is the one shown when the recording started, which may have been
    // captured in a beep just before: that square's beep is not in the file.
    for (const double square : squares) {
        if (square < framePeriod) continue;
        EXPECT_LE(Nearest(onsets, square), 0.1) << "a square at " << square << " s without a beep";
    }
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, Recording_SoundSync, ::testing::Values("320x240", "640x480"));

TEST(Recording_Sound, MicrophoneThatGoesAwayLeavesSilenceAndComesBack) {
    setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
    ScratchFolder folder;
    const std::string presence = folder.File("microphone-present");
    std::FILE* file = std::fopen(presence.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    setenv("QUENVALOR_PATTERN_MICROPHONE_PRESENCE", presence.c_str(), 1);

    std::vector<MicrophoneState> states;
    std::mutex statesMutex;
    AudioCapture microphone;
    microphone.Start(std::string(capture::kPatternMicrophonePath) + "|" +
                         capture::kPatternMicrophoneName,
                     [&](MicrophoneState state) {
                         std::lock_guard lock(statesMutex);
                         states.push_back(state);
                     });
    ASSERT_TRUE(WaitFor([&] { return microphone.State() == MicrophoneState::Live; }, 5s));
    FrameRoad frameRoad;
    RecorderOptions options;
    options.sound = &microphone;
    const std::string path = folder.File("gone.avi");
    RecorderWorker recorder(path, frameRoad, options);
    std::string error;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(recorder.Start(error)) << error;
    auto since = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    std::this_thread::sleep_for(1500ms);
    const double unplugged = since();
    std::remove(presence.c_str());
    EXPECT_TRUE(WaitFor([&] { return microphone.State() == MicrophoneState::Lost; }, 2s));
    std::this_thread::sleep_for(1500ms);
    file = std::fopen(presence.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_TRUE(WaitFor([&] { return microphone.State() == MicrophoneState::Live; }, 3s));
    const double back = since();
    std::this_thread::sleep_for(2s);
    recorder.RequestStop();
    const double recorded =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    recorder.StopAndWait();
    microphone.Stop();
    unsetenv("QUENVALOR_PATTERN_MICROPHONE_PRESENCE");

    {
        std::lock_guard lock(statesMutex);
        EXPECT_EQ(states, (std::vector<MicrophoneState>{MicrophoneState::Live, MicrophoneState::Lost,
                                                       MicrophoneState::Live}));
    }
    EXPECT_EQ(recorder.FailureText(), std::nullopt) << "the recording went on";
    int rate = 0;
    const std::vector<float> sound = recording::testing::DecodeSound(path, &rate);
    ASSERT_EQ(rate, 48000);
    // Sound over the whole recording: beeps before the loss and after the return, none in
    // between, and each beep where the clock put it (a second apart), not shifted by the gap.
    EXPECT_NEAR(sound.size() / 48000.0, recorded, 0.1);
    const std::vector<Beep> beeps = FindBeeps(sound, rate);
    ASSERT_GE(beeps.size(), 2u);
    EXPECT_LT(beeps.front().onset, 1.5);
    EXPECT_GT(beeps.back().onset, 3.5);
    std::vector<double> whole;
    for (const Beep& beep : beeps) {
        EXPECT_FALSE(beep.onset > unplugged + 0.1 && beep.onset < back - 0.1)
            << "a beep at " << beep.onset << " s, while the microphone was away";
        if (beep.whole) whole.push_back(beep.onset);
    }
    ASSERT_GE(whole.size(), 2u);
    for (std::size_t i = 1; i < whole.size(); ++i) {
        const double apart = whole[i] - whole[i - 1];
        EXPECT_NEAR(apart, std::round(apart), 0.005) << "beeps at " << whole[i - 1] << " and " << whole[i];
    }
}
