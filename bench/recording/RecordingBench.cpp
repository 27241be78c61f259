// The recorder's per-frame work: the colour conversion (against OpenCV's own BGR to I420
// conversion, single-threaded, in the same run) and the encoding of one frame into the file.
// Each benchmark reports its share of the time a frame may take (50 ms at 20 frames per second;
// 33 ms for the 1280 x 720 MP4 encoding at 30).

#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <ctime>
#include <filesystem>
#include <vector>

#include "recording/ColourConversion.h"
#include "recording/EncoderSettings.h"
#include "recording/MMBoxEncoder.h"
#include "recording/RoadRecording.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// Measures the thread's CPU time over a benchmark loop and reports it as the share of the
// 50 ms a frame may take ("budget_share", 1 = the whole budget).
class BudgetShare {
public:
    explicit BudgetShare(double frameSeconds = 0.050)
        : frameSeconds_(frameSeconds), start_(ThreadSeconds()) {}
    void Report(benchmark::State& state) const {
        const double perFrame =
            (ThreadSeconds() - start_) / static_cast<double>(state.iterations());
        state.counters["budget_share"] = perFrame / frameSeconds_;
    }

private:
    static double ThreadSeconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
    }
    double frameSeconds_;
    double start_;
};

cv::Mat RandomFrame() {
    cv::Mat frame(kHeight, kWidth, CV_8UC3);
    cv::theRNG().state = 20100517;
    cv::randu(frame, 0, 256);
    return frame;
}

// A picture that moves smoothly, like a camera's: frame `index` of a looping pan.
cv::Mat MovingFrame(int index, int width = kWidth, int height = kHeight) {
    cv::Mat frame(height, width, CV_8UC3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int u = x + 4 * index, v = y + 2 * index;
            frame.at<cv::Vec3b>(y, x) = cv::Vec3b(static_cast<uchar>(u ^ v), static_cast<uchar>(u),
                                                  static_cast<uchar>(v * 3));
        }
    }
    return frame;
}

void BM_ConvertBgrToI420(benchmark::State& state) {
    const cv::Mat frame = RandomFrame();
    std::vector<uint8_t> target(recording::I420FrameBytes(kWidth, kHeight));
    const BudgetShare share;
    for (auto _ : state) {
        recording::ConvertBgrToI420(frame.data, target.data(), kWidth, kHeight);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    share.Report(state);
}
BENCHMARK(BM_ConvertBgrToI420);

void BM_ConvertBgrToI420ByTables(benchmark::State& state) {
    const cv::Mat frame = RandomFrame();
    std::vector<uint8_t> target(recording::I420FrameBytes(kWidth, kHeight));
    recording::InitColourTables();
    const BudgetShare share;
    for (auto _ : state) {
        recording::ConvertBgrToI420ByTables(frame.data, target.data(), kWidth, kHeight);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    share.Report(state);
}
BENCHMARK(BM_ConvertBgrToI420ByTables);

void BM_OpenCvBgrToI420(benchmark::State& state) {
    cv::setNumThreads(1);
    const cv::Mat frame = RandomFrame();
    cv::Mat target;
    const BudgetShare share;
    for (auto _ : state) {
        cv::cvtColor(frame, target, cv::COLOR_BGR2YUV_I420);
        benchmark::DoNotOptimize(target.data);
        benchmark::ClobberMemory();
    }
    share.Report(state);
}
BENCHMARK(BM_OpenCvBgrToI420);

// One frame as the recorder writes it for `road`: audio in and out, conversion, video in and out.
void EncodeOneFrame(benchmark::State& state, const capture::RoadConfig& road) {
    const int width = road.recording.width, height = road.recording.height;
    const std::string path = (std::filesystem::temp_directory_path() /
                              recording::RecordingFileName(0, road)).string();
    std::filesystem::remove(path);
    const recording::EncoderSettings settings = recording::EncoderSettingsFor(road);
    auto encoder = recording::CreateEncoderFor(road);
    if (!encoder || !encoder->OpenFile(settings, path) || !encoder->Begin(settings)) {
        state.SkipWithError("the encoder did not start");
        return;
    }
    std::vector<cv::Mat> frames;
    for (int index = 0; index < 40; ++index) frames.push_back(MovingFrame(index, width, height));
    std::vector<uint8_t> converted(recording::I420FrameBytes(width, height));
    std::vector<uint8_t> silence(recording::AudioBytesPerFrame(settings), 0);
    std::vector<uint8_t> audioPacket(512000), videoPacket(1024000);
    std::size_t next = 0;
    const BudgetShare share(1.0 / road.framesPerSecond);
    for (auto _ : state) {
        int length = 0;
        encoder->PutAudio(silence);
        if (encoder->GetAudioPacket(audioPacket, &length) > 0) {
            encoder->WriteAudioPacket({audioPacket.data(), static_cast<std::size_t>(length)});
        }
        recording::ConvertBgrToI420(frames[next].data, converted.data(), width, height);
        next = (next + 1) % frames.size();
        const int ready = encoder->PutVideoFrame(converted);
        for (int packet = 0; packet < ready; ++packet) {
            encoder->GetVideoPacket(videoPacket, &length);
            encoder->WriteVideoPacket({videoPacket.data(), static_cast<std::size_t>(length)});
        }
    }
    encoder->Finish();
    std::filesystem::remove(path);
    share.Report(state);
}
void BM_EncodeOneFrame(benchmark::State& state) {
    EncodeOneFrame(state, capture::RoadConfig::Classic());
}
BENCHMARK(BM_EncodeOneFrame);

void BM_EncodeOneFrame1280x720Mp4(benchmark::State& state) {
    EncodeOneFrame(state, capture::RoadConfigFromText("1280x720"));
}
BENCHMARK(BM_EncodeOneFrame1280x720Mp4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
