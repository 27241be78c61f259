// Canaries: faults planted on purpose in the program's own style of code, each run in a child
// process under the project's sanitizer suppressions, which must report it. They prove that the
// suppressions hide nothing of ours. Built into the ThreadSanitizer build (data races: one side in
// a Qt timer slot, one in a GStreamer pad probe, one in a memcpy of a frame) and into the
// AddressSanitizer build (a leak, with leak detection on).

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <thread>

#ifdef QUENVALOR_CANARIES_THREADS
#include <gst/gst.h>

#include <QCoreApplication>
#include <QTimer>
#include <opencv2/core.hpp>
#endif

using namespace std::chrono_literals;

namespace {

// What a planted fault's child process left: its exit status and what it wrote to stderr.
struct ChildRun {
    int status = -1;
    std::string errors;
};

// Runs this program again with `--plant name`, with the sanitizer settings in `environment`.
ChildRun RunPlanted(const char* name,
                    std::initializer_list<std::pair<const char*, std::string>> environment) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        for (const auto& [variable, value] : environment) setenv(variable, value.c_str(), 1);
        execl("/proc/self/exe", "sanitizer_canaries", "--plant", name, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    ChildRun run;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) run.errors.append(buffer, got);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

std::string Suppressions(const char* file) {
    return std::string(QUENVALOR_SOURCE_DIR) + "/tools/" + file;
}

#ifdef QUENVALOR_CANARIES_THREADS

// Written by two threads with nothing ordering them.
int sharedCount = 0;

void PlantedQtTimerRace() {
    int argc = 1;
    char name[] = "sanitizer_canaries";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    std::thread other([] {
        for (int i = 0; i < 100; ++i) {
            ++sharedCount;
            std::this_thread::sleep_for(1ms);
        }
    });
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++sharedCount;
        if (++ticks == 20) application.quit();
    });
    timer.start(5);
    QCoreApplication::exec();
    other.join();
}

GstPadProbeReturn CountInProbe(GstPad*, GstPadProbeInfo*, gpointer) {
    ++sharedCount;
    return GST_PAD_PROBE_OK;
}

void PlantedPadProbeRace() {
    gst_init(nullptr, nullptr);
    GstElement* pipeline =
        gst_parse_launch("videotestsrc num-buffers=50 ! fakesink name=sink sync=false", nullptr);
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
    GstPad* pad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, &CountInProbe, nullptr, nullptr);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    for (int i = 0; i < 100; ++i) {
        ++sharedCount;
        std::this_thread::sleep_for(1ms);
    }
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_message_unref(gst_bus_timed_pop_filtered(bus, GST_CLOCK_TIME_NONE,
                                                 static_cast<GstMessageType>(GST_MESSAGE_EOS)));
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pad);
    gst_object_unref(sink);
    gst_object_unref(pipeline);
}

void PlantedFrameCopyRace() {
    const cv::Mat camera(240, 320, CV_8UC3, cv::Scalar(10, 20, 30));
    cv::Mat frame(240, 320, CV_8UC3);
    cv::Mat shown(240, 320, CV_8UC3);
    const std::size_t bytes = frame.total() * frame.elemSize();
    std::thread grabber([&] {
        for (int i = 0; i < 50; ++i) {
            std::memcpy(frame.data, camera.data, bytes);
            std::this_thread::sleep_for(1ms);
        }
    });
    for (int i = 0; i < 50; ++i) {
        std::memcpy(shown.data, frame.data, bytes);
        std::this_thread::sleep_for(1ms);
    }
    grabber.join();
}

void ExpectRaceReported(const char* plant, const char* function) {
    const ChildRun run = RunPlanted(
        plant, {{"TSAN_OPTIONS", "halt_on_error=1 exitcode=66 suppressions=" + Suppressions("tsan.supp")}});
    EXPECT_EQ(run.status, 66) << run.errors;
    EXPECT_NE(run.errors.find("WARNING: ThreadSanitizer: data race"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(function), std::string::npos)
        << "the report names the planted code\n" << run.errors;
}

TEST(SanitizerCanary, RaceWithAQtTimerSlotIsReported) {
    ExpectRaceReported("qt-timer", "PlantedQtTimerRace");
}

TEST(SanitizerCanary, RaceWithAGStreamerPadProbeIsReported) {
    ExpectRaceReported("pad-probe", "CountInProbe");
}

TEST(SanitizerCanary, RaceThroughAFrameCopyIsReported) {
    ExpectRaceReported("frame-copy", "PlantedFrameCopyRace");
}

#endif

#ifdef QUENVALOR_CANARIES_LEAKS

void* volatile plantedLeak = nullptr;

[[gnu::noinline]] void PlantedLeak() {
    plantedLeak = new char[4096];
    plantedLeak = nullptr;
}

TEST(SanitizerCanary, LeakInOurCodeIsReported) {
    const ChildRun run =
        RunPlanted("leak", {{"ASAN_OPTIONS", "detect_leaks=1"},
                            {"LSAN_OPTIONS", "exitcode=23 suppressions=" + Suppressions("lsan.supp")}});
    EXPECT_EQ(run.status, 23) << run.errors;
    EXPECT_NE(run.errors.find("LeakSanitizer: detected memory leaks"), std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("PlantedLeak"), std::string::npos) << run.errors;
}

#endif

int Plant(const std::string& name) {
#ifdef QUENVALOR_CANARIES_THREADS
    if (name == "qt-timer") return PlantedQtTimerRace(), 0;
    if (name == "pad-probe") return PlantedPadProbeRace(), 0;
    if (name == "frame-copy") return PlantedFrameCopyRace(), 0;
#endif
#ifdef QUENVALOR_CANARIES_LEAKS
    if (name == "leak") return PlantedLeak(), 0;
#endif
    std::fprintf(stderr, "no canary '%s'\n", name.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--plant") == 0) return Plant(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
