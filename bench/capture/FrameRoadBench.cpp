// Times one pass of the frame road (scaling, effects, preview hand-over, output) with nothing on
// and with three everyday effects on (a picture frame, a looping masked animation and a sepia
// filter), single-threaded, in classic and at every larger recording size, and prints what the
// effects add per frame against the pass with none, measured in the same run; and what the
// virtual camera adds to each 1280 x 720 frame while a program reads it.

#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "capture/FrameRoad.h"
#include "effects/EffectEngine.h"
#include "effects/EffectFileWriter.h"
#include "bench/FastestRunReporter.h"
#include "platform/Clock.h"
#include "studio/EffectStage.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;

std::vector<uint8_t> Png(const cv::Mat& bgra) {
    std::vector<uint8_t> png;
    cv::imencode(".png", bgra, png);
    return png;
}

// Writes the three effects into `folder` and returns their paths.
std::vector<std::string> WriteThreeEffects(const std::filesystem::path& folder) {
    std::vector<std::string> paths;
    const auto write = [&](const std::string& name, effects::EffectDescriptor d) {
        d.imageSize = static_cast<int32_t>(d.image.size());
        const std::string path = (folder / name).string();
        std::string error;
        if (!effects::WriteEffectFile(path, d, {}, error)) std::fprintf(stderr, "%s\n", error.c_str());
        paths.push_back(path);
    };

    // A gold frame 24 pixels wide around a transparent middle, over the whole frame.
    cv::Mat frame(kHeight, kWidth, CV_8UC4, cv::Scalar(40, 170, 220, 255));
    frame(cv::Rect(24, 24, kWidth - 48, kHeight - 48)).setTo(cv::Scalar(0, 0, 0, 0));
    effects::EffectDescriptor picture;
    picture.type = 0;
    picture.frameCount = 1;
    picture.delays = {100};
    picture.width = kWidth;
    picture.height = kHeight;
    picture.image = Png(frame);
    write("frame.eft", picture);

    // Four 160 x 120 frames with a round alpha mask, looping at 100 ms a frame.
    cv::Mat strip(4 * 120, 160, CV_8UC4, cv::Scalar(0, 0, 0, 0));
    for (int i = 0; i < 4; ++i) {
        cv::Mat cell = strip(cv::Rect(0, i * 120, 160, 120));
        cv::circle(cell, {80, 60}, 50 - 5 * i, cv::Scalar(60 * i, 200, 255 - 40 * i, 255), -1);
    }
    effects::EffectDescriptor animation;
    animation.type = 1;
    animation.frameCount = 4;
    animation.delays = {100, 100, 100, 100};
    animation.width = 160;
    animation.height = 120;
    animation.x = 300;
    animation.y = 40;
    animation.image = Png(strip);
    write("animation.eft", animation);

    effects::EffectDescriptor sepia;
    sepia.type = 5;
    sepia.filterCode = 11;
    sepia.frameCount = 1;
    sepia.delays = {100};
    sepia.image = Png(cv::Mat(8, 8, CV_8UC4, cv::Scalar::all(255)));
    write("sepia.eft", sepia);
    return paths;
}

// Sunglasses 150 x 50 around the reference face's eyes, and a camera-like frame with a face
// drawn as a bright oval, so the pass has a face-sized picture to hand to the tracker.
std::string WriteSunglasses(const std::filesystem::path& folder) {
    effects::EffectDescriptor glasses;
    glasses.type = 1;
    glasses.frameCount = 1;
    glasses.delays = {100};
    glasses.width = 150;
    glasses.height = 50;
    glasses.x = 165;
    glasses.y = 135;
    glasses.image = Png(cv::Mat(50, 150, CV_8UC4, cv::Scalar(20, 20, 20, 230)));
    glasses.imageSize = static_cast<int32_t>(glasses.image.size());
    const std::string path = (folder / "sunglasses.eft").string();
    std::string error;
    effects::WriteEffectFile(path, glasses, {}, error);
    return path;
}

struct NullSink : capture::PreviewSink {
    void PresentPreview(const cv::Mat& frame) override { benchmark::DoNotOptimize(frame.data); }
};

void Pass(benchmark::State& state, bool withEffects,
          const capture::RoadConfig& road = capture::RoadConfig::Classic()) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quenvalor-road-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    effects::EffectEngine engine(road.studio.width, road.studio.height);
    if (withEffects) {
        for (const std::string& path : WriteThreeEffects(folder)) {
            if (!engine.LoadEffectFile(path, -1)) state.SkipWithError("an effect did not load");
        }
    }
    studio::EffectStage stage(&engine, nullptr);
    capture::FrameRoad frameRoad;
    NullSink sink;
    frameRoad.previewSink = &sink;
    frameRoad.Reconfigure(road, &stage);
    uint32_t now = 1000;
    for (auto _ : state) {
        // The animation moves on by a frame's time each pass, as it does live.
        platform::Clock::SetFixedTime(now += 50);
        frameRoad.RunPass();
    }
    std::filesystem::remove_all(folder);
}

// A pass with the sunglasses on, following the face or not. The tracker's detections run on
// its own thread and are timed apart below.
void FollowingPass(benchmark::State& state, bool following) {
    const std::string cascade = effects::FaceTracker::FindCascade();
    if (cascade.empty()) {
        state.SkipWithError("no frontal-face cascade (opencv-data)");
        return;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quenvalor-follow-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    effects::EffectEngine engine(kWidth, kHeight);
    const std::string glasses = WriteSunglasses(folder);
    engine.LoadEffectFile(glasses, -1);
    engine.SetFollowsFace(glasses, following);
    effects::FaceTracker tracker(cascade, {kWidth, kHeight});
    studio::EffectStage stage(&engine, &tracker);
    capture::FrameRoad frameRoad;
    NullSink sink;
    frameRoad.previewSink = &sink;
    frameRoad.Reconfigure(capture::RoadConfig::Classic(), &stage);
    uint32_t now = 1000;
    for (auto _ : state) {
        platform::Clock::SetFixedTime(now += 50);
        frameRoad.RunPass();
    }
    std::filesystem::remove_all(folder);
}

// One detection as the tracker's thread runs it: a frame reduced to the detection width.
void Detection(benchmark::State& state) {
    effects::FaceTracker tracker(effects::FaceTracker::FindCascade(), {kWidth, kHeight});
    if (!tracker.Available()) {
        state.SkipWithError("no frontal-face cascade (opencv-data)");
        return;
    }
    cv::Mat frame(kHeight * effects::FaceTracker::kDetectionWidth / kWidth,
                  effects::FaceTracker::kDetectionWidth, CV_8UC3);
    cv::RNG(3).fill(frame, cv::RNG::UNIFORM, 0, 256);
    cv::GaussianBlur(frame, frame, {9, 9}, 3);
    for (auto _ : state) benchmark::DoNotOptimize(tracker.DetectNow(frame));
}

// What the virtual camera does with each 1280 x 720 frame while a program reads it: the
// conversion to I420 on its own thread and the copy into the node's buffer.
void VirtualCameraFrame(benchmark::State& state) {
    cv::Mat frame(720, 1280, CV_8UC3);
    cv::RNG(5).fill(frame, cv::RNG::UNIFORM, 0, 256);
    std::vector<uint8_t> converted(1280 * 720 * 3 / 2);
    std::vector<uint8_t> node(converted.size());
    for (auto _ : state) {
        cv::Mat i420(720 * 3 / 2, 1280, CV_8UC1, converted.data());
        cv::cvtColor(frame, i420, cv::COLOR_BGR2YUV_I420);
        std::memcpy(node.data(), converted.data(), converted.size());
        benchmark::DoNotOptimize(node.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("road pass, nothing on", [](benchmark::State& state) {
        Pass(state, false);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("road pass, frame + animation + sepia", [](benchmark::State& state) {
        Pass(state, true);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("road pass, sunglasses in place", [](benchmark::State& state) {
        FollowingPass(state, false);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("road pass, sunglasses following", [](benchmark::State& state) {
        FollowingPass(state, true);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("face detection at the detection width", Detection)
        ->Unit(benchmark::kMicrosecond);
    // The larger recording sizes, whose studio frame is the recording size.
    for (const capture::FrameSize& size : capture::RecordingSizes()) {
        const capture::RoadConfig road = capture::RoadConfig::ForRecordingSize(size);
        if (road.IsClassic()) continue;
        const std::string name = "road pass " + capture::RecordingSizeText(road);
        benchmark::RegisterBenchmark((name + ", nothing on").c_str(),
                                     [road](benchmark::State& state) { Pass(state, false, road); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + ", frame + animation + sepia").c_str(),
                                     [road](benchmark::State& state) { Pass(state, true, road); })
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("virtual camera frame 1280x720", VirtualCameraFrame)
        ->Unit(benchmark::kMicrosecond);
    bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto none = reporter.milliseconds.find("road pass, nothing on");
    const auto three = reporter.milliseconds.find("road pass, frame + animation + sepia");
    if (none != reporter.milliseconds.end() && three != reporter.milliseconds.end()) {
        std::printf("\nroad pass: %.3f ms with nothing on, %.3f ms with three effects "
                    "(ratio %.2f); the effects add %.3f ms a frame\n",
                    none->second, three->second, three->second / none->second,
                    three->second - none->second);
    }
    const auto placed = reporter.milliseconds.find("road pass, sunglasses in place");
    const auto following = reporter.milliseconds.find("road pass, sunglasses following");
    const auto detection = reporter.milliseconds.find("face detection at the detection width");
    if (placed != reporter.milliseconds.end() && following != reporter.milliseconds.end() &&
        detection != reporter.milliseconds.end()) {
        // At 20 passes a second, with a detection every kDetectionIntervalMs.
        const double detectionsPerSecond = 1000.0 / effects::FaceTracker::kDetectionIntervalMs;
        const double share = (20 * (following->second - placed->second) +
                              detectionsPerSecond * detection->second) / 10.0;
        std::printf("following: %.3f ms a pass against %.3f ms in place (ratio %.2f), a detection "
                    "%.3f ms; at 20 frames a second following costs %.1f %% of a core\n",
                    following->second, placed->second, following->second / placed->second,
                    detection->second, share);
    }
    const auto hdPass = reporter.milliseconds.find("road pass 1280x720, nothing on");
    const auto virtualFrame = reporter.milliseconds.find("virtual camera frame 1280x720");
    if (hdPass != reporter.milliseconds.end() && virtualFrame != reporter.milliseconds.end()) {
        std::printf("virtual camera at 1280 x 720: %.3f ms a frame against a road pass of %.3f ms "
                    "(ratio %.2f); at 30 frames a second it costs %.1f %% of a core\n",
                    virtualFrame->second, hdPass->second, virtualFrame->second / hdPass->second,
                    30 * virtualFrame->second / 10.0);
    }
    benchmark::Shutdown();
    return 0;
}
