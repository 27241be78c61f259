// A recording from a real sound server: the test runs its own PulseAudio server whose default
// source carries a 440 Hz sine, and records from it as the program does with no setting.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <gst/gst.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "AviProbe.h"
#include "MediaDecode.h"
#include "capture/AudioCapture.h"
#include "recording/RecorderWorker.h"
#include "tests/support/Prerequisite.h"

extern char** environ;

using capture::AudioCapture;
using capture::MicrophoneState;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;

namespace {

// A PulseAudio server of the test's own, on a socket in a scratch folder, with a null sink
// "tone" that a 440 Hz sine plays into; the sink's monitor is the server's default source, which
// streams steadily as a microphone does. PULSE_SERVER points this process at it.
class PulseServer {
public:
    PulseServer() {
        socket_ = folder_.File("native");
        const std::string runtime = folder_.File("runtime");
        std::filesystem::create_directory(runtime);
        const std::string protocol =
            "module-native-protocol-unix socket=" + socket_ + " auth-anonymous=1";
        std::vector<std::string> arguments = {
            // Should the test die, the server ends once its clients are gone.
            "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=20", "--system=false",
            "--use-pid-file=false", "--disallow-exit", "--log-target=stderr", "--log-level=0",
            "-L", protocol, "-L", "module-null-sink sink_name=tone rate=48000 channels=2",
            "-L", "module-always-sink"};
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        // The server keeps its runtime files in the scratch folder, away from any real session.
        std::vector<std::string> environment = {"XDG_RUNTIME_DIR=" + runtime,
                                                "HOME=" + folder_.path()};
        for (char** each = environ; *each; ++each) {
            const std::string entry = *each;
            if (entry.rfind("XDG_RUNTIME_DIR=", 0) != 0 && entry.rfind("HOME=", 0) != 0)
                environment.push_back(entry);
        }
        std::vector<char*> envp;
        for (std::string& entry : environment) envp.push_back(entry.data());
        envp.push_back(nullptr);
        // Its output goes to a file, so that a server outliving a crashed test never holds the
        // test runner's output open.
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        const std::string log = folder_.File("server.log");
        posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&files, 1, 2);
        const int spawned = posix_spawnp(&pid_, "pulseaudio", &files, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&files);
        if (spawned != 0) {
            pid_ = -1;
            return;
        }
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!std::filesystem::exists(socket_) && std::chrono::steady_clock::now() < deadline) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(20ms);
        }
        if (!std::filesystem::exists(socket_)) return;
        setenv("PULSE_SERVER", ("unix:" + socket_).c_str(), 1);
        GError* error = nullptr;
        tone_ = gst_parse_launch(
            "audiotestsrc is-live=true freq=440 volume=0.5 ! "
            "audio/x-raw,format=S16LE,rate=48000,channels=2 ! pulsesink device=tone",
            &error);
        if (error) {
            g_error_free(error);
            return;
        }
        running_ = tone_ && gst_element_set_state(tone_, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    }
    ~PulseServer() {
        if (tone_) {
            gst_element_set_state(tone_, GST_STATE_NULL);
            gst_object_unref(tone_);
        }
        unsetenv("PULSE_SERVER");
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Running() const { return running_; }

private:
    ScratchFolder folder_;
    std::string socket_;
    pid_t pid_ = -1;
    GstElement* tone_ = nullptr;
    bool running_ = false;
};

}  // namespace

TEST(Recording_SoundServer, DefaultSourceOfTheServerIsRecordedOverTheWholeFile) {
    QUENVALOR_REQUIRE(std::system("command -v pulseaudio >/dev/null 2>&1") == 0,
                      "pulseaudio is not installed");
    capture::ListMicrophones();  // starts GStreamer before the server's tone pipeline is made
    PulseServer server;
    QUENVALOR_REQUIRE(server.Running(), "the PulseAudio server did not start");

    const auto microphones = capture::ListMicrophones();
    const int chosen = capture::ChooseMicrophone(microphones, "");
    ASSERT_GE(chosen, 0);
    EXPECT_TRUE(microphones[chosen].isDefault) << microphones[chosen].name;
    EXPECT_EQ(microphones[chosen].id, "tone.monitor|" + microphones[chosen].name);

    AudioCapture microphone;
    microphone.Start("");
    // Live, and hearing the tone, which the server takes a moment to start playing.
    ASSERT_TRUE([&] {
        for (int wait = 0; wait < 1000 && microphone.Level() < 0.2; ++wait)
            std::this_thread::sleep_for(10ms);
        return microphone.Level() >= 0.2;
    }());
    EXPECT_EQ(microphone.State(), MicrophoneState::Live);
    ScratchFolder folder;
    const std::string path = folder.File("server.avi");
    capture::FrameRoad frameRoad;
    recording::RecorderOptions options;
    options.sound = &microphone;
    recording::RecorderWorker recorder(path, frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    std::this_thread::sleep_for(5s);
    recorder.StopAndWait();
    microphone.Stop();

    int rate = 0;
    const std::vector<float> sound = recording::testing::DecodeSound(path, &rate);
    ASSERT_EQ(rate, 48000);
    ASSERT_GE(sound.size(), 5u * 48000 - 2400);
    // Every second of the file, its last one included, is the tone, well above silence.
    for (std::size_t second = 0; second < 5; ++second) {
        const std::size_t first = std::min(second * 48000, sound.size() - 48000);
        EXPECT_GT(recording::testing::Rms(sound, first, 48000), 0.1) << "second " << second;
        // Within 2 Hz: the server's sink may slip the tone's phase now and then, which moves
        // the peak of a one-second spectrum by a bin.
        EXPECT_NEAR(recording::testing::StrongestFrequency(sound, first, 48000), 440, 2)
            << "second " << second;
    }
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"), "");
    }
}
