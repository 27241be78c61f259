// Times the person mask and the background drawn with it, on one thread: one mask of the
// landscape network (with the cost of each kind of operator), the edge refinement, the blurred
// background and the compositing of a 1280 x 720 frame, beside an OpenCV Gaussian blur of the
// same frame measured in the same run. After the runs a table gives each one's time, its ratio
// to the Gaussian blur, the cost of each kind of operator in one mask, and what the whole costs
// a core at 30 frames and 15 masks a second.

#include <benchmark/benchmark.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/FastestRunReporter.h"
#include "segmentation/Background.h"
#include "segmentation/PersonMask.h"

using namespace segmentation;

namespace {

const std::string kModels = QUENVALOR_BUILD_DIR "/models/";
constexpr const char* kReference = "opencv_gaussian_blur_5x5_1280x720";

// The portrait the tests fetch, as a 1280 x 720 frame; a gradient where it is missing.
const cv::Mat& Frame() {
    static const cv::Mat frame = [] {
        cv::Mat photo = cv::imread(QUENVALOR_BUILD_DIR "/test-data/face.png", cv::IMREAD_COLOR);
        cv::Mat out(720, 1280, CV_8UC3);
        if (photo.empty()) {
            for (int y = 0; y < out.rows; ++y)
                for (int x = 0; x < out.cols; ++x)
                    out.at<cv::Vec3b>(y, x) = cv::Vec3b(x / 5, y / 3, (x + y) / 8);
        } else {
            CoverSize(photo, out.size(), out);
        }
        return out;
    }();
    return frame;
}

std::unique_ptr<PersonSegmenter> Segmenter(const char* name) {
    std::string error;
    auto segmenter = PersonSegmenter::Load(kModels + name, error);
    if (!segmenter) std::fprintf(stderr, "%s\n", error.c_str());
    return segmenter;
}

void Mask(benchmark::State& state, const char* name) {
    auto segmenter = Segmenter(name);
    if (!segmenter) return state.SkipWithError("no model (tools/install-deps.sh)");
    for (auto _ : state) benchmark::DoNotOptimize(segmenter->Segment(Frame()).data);
}

cv::Mat Alpha() {
    auto segmenter = Segmenter("selfie_segmentation_landscape.tflite");
    cv::Mat alpha;
    if (segmenter)
        RefineMask(Frame(), segmenter->Segment(Frame()), alpha);
    else
        alpha = cv::Mat(Frame().size(), CV_8U, cv::Scalar(128));
    return alpha;
}

void Refine(benchmark::State& state) {
    const cv::Mat coarse(144, 256, CV_32F, cv::Scalar(0.5));
    cv::Mat alpha;
    for (auto _ : state) RefineMask(Frame(), coarse, alpha);
}

void Blur(benchmark::State& state) {
    const cv::Mat alpha = Alpha();
    cv::Mat blurred;
    for (auto _ : state) BlurBackground(Frame(), alpha, static_cast<int>(state.range(0)), blurred);
}

void CompositeFrame(benchmark::State& state) {
    const cv::Mat alpha = Alpha();
    cv::Mat background(Frame().size(), CV_8UC3, cv::Scalar(30, 200, 60)), out;
    for (auto _ : state) Composite(Frame(), background, alpha, out);
}

void OfferCopy(benchmark::State& state) {
    cv::Mat copy;
    for (auto _ : state) Frame().copyTo(copy);
}

void GaussianReference(benchmark::State& state) {
    cv::Mat out;
    for (auto _ : state) cv::GaussianBlur(Frame(), out, {5, 5}, 0);
}

}  // namespace

int main(int argc, char** argv) {
    cv::setNumThreads(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("mask_landscape_256x144", Mask,
                                 "selfie_segmentation_landscape.tflite")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("mask_square_256x256", Mask, "selfie_segmentation.tflite")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("refine_1280x720", Refine)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("blur_background_1280x720", Blur)
        ->Arg(50)
        ->Arg(100)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("composite_1280x720", CompositeFrame)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("offer_copy_1280x720", OfferCopy)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kReference, GaussianReference)->Unit(benchmark::kMicrosecond);
    bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto& ms = reporter.milliseconds;
    const double reference = ms.count(kReference) ? ms[kReference] : 0.0;
    std::printf("\n| work (one thread) | ms | ratio to %s |\n|---|---:|---:|\n", kReference);
    for (const auto& [name, value] : ms)
        std::printf("| %s | %.3f | %.2f |\n", name.c_str(), value,
                    reference > 0 ? value / reference : 0.0);

    // The operators of one landscape mask, averaged over a hundred masks.
    if (auto segmenter = Segmenter("selfie_segmentation_landscape.tflite")) {
        OperatorCosts costs;
        constexpr int kRuns = 100;
        for (int i = 0; i < kRuns; ++i) segmenter->Segment(Frame(), &costs);
        std::printf(
            "\n| operator of the landscape network | calls per mask | ms per mask "
            "|\n|---|---:|---:|\n");
        for (int k = 0; k < kOpKindCount; ++k)
            if (costs.calls[k])
                std::printf("| %s | %ld | %.3f |\n", OpKindName(static_cast<OpKind>(k)),
                            costs.calls[k] / kRuns, 1000.0 * costs.seconds[k] / kRuns);
    }
    // Blur on at 1280 x 720, 30 frames and 15 masks a second: every other frame is copied to
    // the mask thread, which makes and refines its mask and blurs the room; every frame is
    // composited.
    const char* keys[] = {"mask_landscape_256x144", "refine_1280x720", "blur_background_1280x720/50",
                          "composite_1280x720", "offer_copy_1280x720"};
    bool all = true;
    for (const char* key : keys) all = all && ms.count(key);
    if (all) {
        const double perSecond = 15 * (ms["mask_landscape_256x144"] + ms["refine_1280x720"] +
                                       ms["offer_copy_1280x720"] + ms["blur_background_1280x720/50"]) +
                                 30 * ms["composite_1280x720"];
        std::printf(
            "\nBlur at 1280 x 720, 30 frames and 15 masks a second: %.1f ms of work a second, %.1f %% of a "
            "core\n",
            perSecond, perSecond / 10.0);
    }
    benchmark::Shutdown();
    return 0;
}
