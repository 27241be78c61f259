// Times every filter kind, the warps, the rotation, the quadrangle mapping and the compositing of
// a masked animation on a 480 x 360 frame, single-threaded, each beside the nearest OpenCV
// operation measured in the same run. After the runs a table gives each operation's time per
// frame, its share of the 50 ms budget of a 20-frame-per-second frameRoad and its ratio to the
// OpenCV operation.

#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "effects/AnimationEffect.h"
#include "effects/FilterEffect.h"
#include "effects/Warps.h"
#include "bench/FastestRunReporter.h"
#include "platform/Clock.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;
constexpr double kBudgetMs = 50.0;

// A camera-like frame: smooth colour gradients with some grain.
const cv::Mat& SourceFrame() {
    static const cv::Mat frame = [] {
        cv::Mat image(kHeight, kWidth, CV_8UC3);
        for (int r = 0; r < kHeight; ++r) {
            for (int c = 0; c < kWidth; ++c) {
                image.at<cv::Vec3b>(r, c) = {
                    static_cast<uint8_t>(c * 255 / kWidth), static_cast<uint8_t>(r * 255 / kHeight),
                    static_cast<uint8_t>((c + r) * 255 / (kWidth + kHeight))};
            }
        }
        cv::Mat grain(image.size(), CV_16SC3);
        cv::RNG(7).fill(grain, cv::RNG::UNIFORM, -12, 13);
        cv::add(image, grain, image, cv::noArray(), CV_8U);
        return image;
    }();
    return frame;
}

using Operation = std::function<void()>;

struct Pair {
    std::string name;      // our operation
    std::string analogue;  // the OpenCV operation it is compared with
};
std::vector<Pair> pairs;
std::map<std::string, std::function<Operation()>> analogues;

void Time(benchmark::State& state, const Operation& operation) {
    for (auto _ : state) operation();
}

void Register(const std::string& name, const std::function<Operation()>& make) {
    benchmark::RegisterBenchmark(name.c_str(), [make](benchmark::State& state) {
        Time(state, make());
    })->Unit(benchmark::kMicrosecond);
}

// A filter of `kind` run on a frame in place, set up by `configure`.
void AddFilter(const std::string& name, int kind, const std::string& analogue,
               const std::function<void(effects::FilterEffect&)>& configure = {}) {
    pairs.push_back({name, analogue});
    Register(name, [kind, configure] {
        auto filter = std::make_shared<effects::FilterEffect>();
        filter->settings.filterKind = kind;
        if (configure) configure(*filter);
        auto frame = std::make_shared<cv::Mat>(SourceFrame().clone());
        filter->RunFilter(*frame);  // builds what depends on the frame size only
        return [filter, frame] { filter->RunFilter(*frame); };
    });
}

void AddAnalogue(const std::string& name,
                 const std::function<void(const cv::Mat&, cv::Mat&)>& run) {
    analogues[name] = [run] {
        auto output = std::make_shared<cv::Mat>();
        return [run, output] { run(SourceFrame(), *output); };
    };
}

cv::Mat ByteLut() {
    cv::Mat lut(1, 256, CV_8U);
    for (int i = 0; i < 256; ++i) lut.at<uint8_t>(0, i) = static_cast<uint8_t>(255 - i);
    return lut;
}

void HlsRoundTrip(const cv::Mat& in, cv::Mat& out) {
    cv::cvtColor(in, out, cv::COLOR_BGR2HLS);
    cv::cvtColor(out, out, cv::COLOR_HLS2BGR);
}

// A nearest-sampling remap through the same sampling pattern as one of the circular warps.
void AddRemapAnalogue(const std::string& name, effects::CircularWarp warp, int factor) {
    const std::vector<int32_t> offsets = BuildCircularWarpMap({kWidth, kHeight}, warp, factor);
    cv::Mat mapX(kHeight, kWidth, CV_32F), mapY(kHeight, kWidth, CV_32F);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        mapX.at<float>(i / kWidth, i % kWidth) = static_cast<float>(offsets[i] / 3 % kWidth);
        mapY.at<float>(i / kWidth, i % kWidth) = static_cast<float>(offsets[i] / 3 / kWidth);
    }
    auto map = std::make_shared<cv::Mat>();
    cv::Mat unused;
    cv::convertMaps(mapX, mapY, *map, unused, CV_16SC2, true);
    AddAnalogue(name, [map](const cv::Mat& in, cv::Mat& out) {
        cv::remap(in, out, *map, cv::noArray(), cv::INTER_NEAREST);
    });
}

effects::Quadrangle Trapezoid() {
    return {cv::Point(60, 20), {10, 340}, {470, 330}, {400, 40}};
}

void RegisterAll() {
    const cv::Mat lut = ByteLut();
    AddAnalogue("cv::LUT", [lut](const cv::Mat& in, cv::Mat& out) { cv::LUT(in, lut, out); });
    AddAnalogue("cv::cvtColor to grey and back", [](const cv::Mat& in, cv::Mat& out) {
        cv::Mat grey;
        cv::cvtColor(in, grey, cv::COLOR_RGB2GRAY);
        cv::cvtColor(grey, out, cv::COLOR_GRAY2BGR);
    });
    AddAnalogue("cv::Laplacian of grey", [](const cv::Mat& in, cv::Mat& out) {
        cv::Mat grey;
        cv::cvtColor(in, grey, cv::COLOR_RGB2GRAY);
        cv::Laplacian(grey, out, CV_16S, 3);
    });
    AddAnalogue("cv::LUT + cv::cvtColor HLS round trip", [lut](const cv::Mat& in, cv::Mat& out) {
        cv::LUT(in, lut, out);
        HlsRoundTrip(out, out);
    });
    AddAnalogue("cv::cvtColor grey, threshold, HLS round trip, LUT",
                [lut](const cv::Mat& in, cv::Mat& out) {
                    cv::Mat grey;
                    cv::cvtColor(in, grey, cv::COLOR_RGB2GRAY);
                    cv::threshold(grey, grey, 128, 255, cv::THRESH_BINARY);
                    cv::cvtColor(grey, out, cv::COLOR_GRAY2BGR);
                    HlsRoundTrip(out, out);
                    cv::LUT(out, lut, out);
                });
    AddAnalogue("cv::filter2D 3x3", [](const cv::Mat& in, cv::Mat& out) {
        const cv::Mat kernel = (cv::Mat_<float>(3, 3) << 0, -1, 0, -1, 5, -1, 0, -1, 0);
        cv::filter2D(in, out, -1, kernel);
    });
    AddAnalogue("cv::filter2D 5x5", [](const cv::Mat& in, cv::Mat& out) {
        cv::filter2D(in, out, -1, cv::Mat::ones(5, 5, CV_32F) / 25.0);
    });
    AddAnalogue("cv::resize nearest 1/4 and back", [](const cv::Mat& in, cv::Mat& out) {
        cv::Mat small;
        cv::resize(in, small, {}, 0.25, 0.25, cv::INTER_NEAREST);
        cv::resize(small, out, in.size(), 0, 0, cv::INTER_NEAREST);
    });
    AddAnalogue("cv::erode 3x3",
                [](const cv::Mat& in, cv::Mat& out) { cv::erode(in, out, cv::Mat()); });
    AddAnalogue("cv::randu + cv::add", [](const cv::Mat& in, cv::Mat& out) {
        static cv::Mat noise(in.size(), CV_16SC3);
        cv::randu(noise, -25, 26);
        cv::add(in, noise, out, cv::noArray(), CV_8U);
    });
    AddRemapAnalogue("cv::remap nearest (ripple map)", effects::CircularWarp::kRipple, 1);
    AddRemapAnalogue("cv::remap nearest (polar map)", effects::CircularWarp::kPolarUnwrap, 100);
    AddRemapAnalogue("cv::remap nearest (pinch map)", effects::CircularWarp::kPinch, 100);
    AddRemapAnalogue("cv::remap nearest (bulge map)", effects::CircularWarp::kBulge, 100);
    AddRemapAnalogue("cv::remap nearest (swirl map)", effects::CircularWarp::kSwirl, 100);
    AddAnalogue("cv::flip", [](const cv::Mat& in, cv::Mat& out) { cv::flip(in, out, 1); });
    AddAnalogue("cv::warpAffine", [](const cv::Mat& in, cv::Mat& out) {
        const cv::Mat turn = cv::getRotationMatrix2D({239.5f, 179.5f}, 30, 1.0);
        cv::warpAffine(in, out, turn, in.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    });
    AddAnalogue("cv::warpPerspective", [](const cv::Mat& in, cv::Mat& out) {
        const effects::Quadrangle quad = Trapezoid();
        const cv::Point2f from[4] = {{0, 0}, {0, kHeight}, {kWidth, kHeight}, {kWidth, 0}};
        const cv::Point2f to[4] = {quad[0], quad[1], quad[2], quad[3]};
        in.copyTo(out);
        cv::warpPerspective(in, out, cv::getPerspectiveTransform(from, to), in.size(),
                            cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
    });
    analogues["cv::blendLinear 200x150"] = [] {
        auto weights = std::make_shared<std::pair<cv::Mat, cv::Mat>>();
        weights->first.create(150, 200, CV_32F);
        for (int r = 0; r < 150; ++r) weights->first.row(r).setTo(r / 149.0f);
        weights->second = 1.0f - weights->first;
        auto layer = std::make_shared<cv::Mat>(150, 200, CV_8UC3, cv::Scalar(40, 90, 200));
        auto frame = std::make_shared<cv::Mat>(SourceFrame().clone());
        return [weights, layer, frame] {
            cv::Mat area = (*frame)(cv::Rect(100, 80, 200, 150));
            cv::blendLinear(*layer, area, weights->first, weights->second, area);
        };
    };

    AddFilter("kind 0 grey", effects::FilterKind::kGrey, "cv::cvtColor to grey and back");
    AddFilter("kind 3 negative", effects::FilterKind::kNegative, "cv::LUT");
    AddFilter("kind 4 pencil sketch", effects::FilterKind::kPencilSketch, "cv::Laplacian of grey");
    AddFilter("kind 5 one quadrangle", effects::FilterKind::kQuadrangles, "cv::warpPerspective",
              [](effects::FilterEffect& f) { f.SetQuads({Trapezoid()}); });
    AddFilter("kind 5 2x2 grid", effects::FilterKind::kQuadrangles, "cv::warpPerspective",
              [](effects::FilterEffect& f) {
                  f.SetQuads({{cv::Point(0, 0), {0, 180}, {240, 180}, {240, 0}},
                              {cv::Point(0, 180), {0, 360}, {240, 360}, {240, 180}},
                              {cv::Point(240, 0), {240, 180}, {480, 180}, {480, 0}},
                              {cv::Point(240, 180), {240, 360}, {480, 360}, {480, 180}}});
              });
    AddFilter("kind 6 brightness, contrast, saturation", effects::FilterKind::kLightAndSaturation,
              "cv::LUT + cv::cvtColor HLS round trip", [](effects::FilterEffect& f) {
                  f.settings.brightness = 20;
                  f.settings.contrast = 30;
                  f.settings.saturation = 40;
              });
    AddFilter("kind 7 colour shift", effects::FilterKind::kColourShift, "cv::LUT",
              [](effects::FilterEffect& f) {
                  f.settings.redShift = 30;
                  f.settings.greenShift = -20;
                  f.settings.blueShift = 10;
              });
    AddFilter("kind 8 emboss", effects::FilterKind::kEmboss, "cv::filter2D 3x3");
    AddFilter("kind 9 ripple", effects::FilterKind::kRipple, "cv::remap nearest (ripple map)");
    AddFilter("kind 10 polar unwrap", effects::FilterKind::kPolarUnwrap,
              "cv::remap nearest (polar map)");
    AddFilter("kind 11 pinch", effects::FilterKind::kPinch, "cv::remap nearest (pinch map)");
    AddFilter("kind 12 bulge", effects::FilterKind::kBulge, "cv::remap nearest (bulge map)");
    AddFilter("kind 13 swirl", effects::FilterKind::kSwirl, "cv::remap nearest (swirl map)");
    AddFilter("kind 14 mirror", effects::FilterKind::kMirror, "cv::flip");
    AddFilter("kind 15 rotation 30 degrees", effects::FilterKind::kRotation, "cv::warpAffine",
              [](effects::FilterEffect& f) { f.settings.rotationDegrees = 30; });
    AddFilter("kind 16 mosaic", effects::FilterKind::kMosaic, "cv::resize nearest 1/4 and back");
    AddFilter("kind 17 3x3 kernel", effects::FilterKind::kKernel3, "cv::filter2D 3x3",
              [](effects::FilterEffect& f) {
                  const int32_t sharpen[9] = {0, -1, 0, -1, 5, -1, 0, -1, 0};
                  f.SetKernel(sharpen, 1, 0);
              });
    AddFilter("kind 18 5x5 kernel", effects::FilterKind::kKernel5, "cv::filter2D 5x5",
              [](effects::FilterEffect& f) {
                  std::vector<int32_t> box(25, 1);
                  f.SetKernel(box, 25, 0);
              });
    AddFilter("kind 19 erosion", effects::FilterKind::kErosion, "cv::erode 3x3");
    AddFilter("kind 20 two-tone sepia", effects::FilterKind::kTwoToneSepia,
              "cv::cvtColor grey, threshold, HLS round trip, LUT");
    AddFilter("kind 21 sepia", effects::FilterKind::kSepia,
              "cv::LUT + cv::cvtColor HLS round trip");
    AddFilter("kind 22 noise", effects::FilterKind::kNoise, "cv::randu + cv::add");
    // One rand() call per channel, as the noise filter once drew its values: the reference its
    // own generator is measured against.
    pairs.push_back({"rand() x 480 x 360 x 3 (the draws of kind 22)", "cv::randu + cv::add"});
    Register(pairs.back().name, [] {
        return [] {
            int sum = 0;
            for (int i = 0; i < kWidth * kHeight * 3; ++i) sum += std::rand();
            benchmark::DoNotOptimize(sum);
        };
    });
    // A whole filter effect as drawn: the frame copied, filtered, scaled into the layer and
    // composited back.
    pairs.push_back({"kind 21 sepia, whole Apply", "cv::LUT + cv::cvtColor HLS round trip"});
    Register(pairs.back().name, [] {
        auto filter = std::make_shared<effects::FilterEffect>();
        filter->settings.filterKind = effects::FilterKind::kSepia;
        filter->SetSize(kWidth, kHeight);
        auto frame = std::make_shared<cv::Mat>(SourceFrame().clone());
        return [filter, frame] { filter->Apply(*frame, false); };
    });

    pairs.push_back({"compositing 200x150 animation with mask", "cv::blendLinear 200x150"});
    Register(pairs.back().name, [] {
        // Three 200 x 150 frames with an alpha ramp, drawn onto the middle of the frame.
        cv::Mat colour(450, 200, CV_8UC3, cv::Scalar(40, 90, 200));
        effects::DecodedPicture picture;
        picture.width = 200;
        picture.height = 450;
        picture.pixels.resize(200 * 450 * 4);
        for (int r = 0; r < 450; ++r) {
            for (int c = 0; c < 200; ++c) {
                uint8_t* p = &picture.pixels[(r * 200 + c) * 4];
                p[0] = 40, p[1] = 90, p[2] = 200, p[3] = static_cast<uint8_t>(r % 150 * 255 / 149);
            }
        }
        auto animation = std::make_shared<effects::AnimationEffect>();
        animation->Load(picture, effects::EffectKind::kAnimation, 3, 200, 150);
        const int32_t delays[3] = {100, 100, 100};
        animation->SetDelays(delays);
        animation->SetPosition(100, 80);
        auto frame = std::make_shared<cv::Mat>(SourceFrame().clone());
        return [animation, frame] { animation->Apply(*frame, false); };
    });

    for (const auto& [name, make] : analogues) Register(name, make);
}

}  // namespace

int main(int argc, char** argv) {
    cv::setNumThreads(1);
    platform::Clock::SetFixedTime(1000);
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    bench::FastestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf(
        "\n| operation (480 x 360, one thread) | ms per frame | share of 50 ms | OpenCV analogue | "
        "analogue ms | ratio |\n");
    std::printf("|---|---:|---:|---|---:|---:|\n");
    for (const Pair& pair : pairs) {
        const auto ours = reporter.milliseconds.find(pair.name);
        const auto theirs = reporter.milliseconds.find(pair.analogue);
        if (ours == reporter.milliseconds.end() || theirs == reporter.milliseconds.end()) continue;
        std::printf("| %s | %.3f | %.2f %% | %s | %.3f | %.2f |\n", pair.name.c_str(), ours->second,
                    100.0 * ours->second / kBudgetMs, pair.analogue.c_str(), theirs->second,
                    ours->second / theirs->second);
    }
    benchmark::Shutdown();
    return 0;
}
