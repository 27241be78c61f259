// Checks the effect set that the build installs beside the program: its folders and
// thumbnails, and that every effect loads into the engine, shows on a frame and, taken
// together, the set uses every kind of effect the loader knows.

#include <gtest/gtest.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "effects/EffectEngine.h"
#include "effects/EffectFile.h"
#include "effects/PngDecoder.h"
#include "tests/effects/EffectTestSupport.h"

namespace fs = std::filesystem;
using effects_test::FixedClock;

namespace {

constexpr int kFrameWidth = 480;
constexpr int kFrameHeight = 360;
const std::vector<std::string> kCategories = {"Animations", "Distortions", "Filters", "Scenes",
                                              "Faces",      "Accessories", "Frames"};
// The folders as the program names them, with their trailing separator.
const std::string kEffectsFolder = std::string(QUENVALOR_BUILD_DIR) + "/Effects/";
const std::string kThumbnailsFolder = std::string(QUENVALOR_BUILD_DIR) + "/EffectsBmps/";

struct InstalledEffect {
    std::string category;
    std::string path;
    effects::EffectDescriptor descriptor;
};

std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& ext) {
    std::vector<std::string> files;
    if (!fs::is_directory(folder)) return files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ext) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The browser's rules: swap the folder by its length in characters and the last three
// characters for the other extension.
std::string ThumbnailOf(const std::string& effectPath) {
    std::string path = kThumbnailsFolder + effectPath.substr(kEffectsFolder.size());
    return path.replace(path.size() - 3, 3, "bmp");
}

std::string EffectOf(const std::string& thumbnailPath) {
    std::string path = kEffectsFolder + thumbnailPath.substr(kThumbnailsFolder.size());
    return path.replace(path.size() - 3, 3, "eft");
}

const std::vector<InstalledEffect>& InstalledEffects() {
    static const std::vector<InstalledEffect> installed = [] {
        std::vector<InstalledEffect> list;
        for (const std::string& category : kCategories) {
            for (const std::string& path : FilesWithExtension(kEffectsFolder + category, ".eft")) {
                effects::EffectFile file;
                const effects::EffectDescriptor* descriptor =
                    file.Open(path, true) ? file.ReadDescriptor() : nullptr;
                EXPECT_NE(descriptor, nullptr) << path << " does not read as an effect file";
                if (descriptor) list.push_back({category, path, *descriptor});
            }
        }
        return list;
    }();
    return installed;
}

// A frame that no geometric or colour operation leaves as it was: smooth gradients in every
// direction under a pattern of coloured blocks, different on every side.
cv::Mat TestFrame() {
    cv::Mat frame(kFrameHeight, kFrameWidth, CV_8UC3);
    for (int r = 0; r < frame.rows; ++r) {
        for (int c = 0; c < frame.cols; ++c) {
            const bool block = ((c / 24) + (r / 18)) % 3 == 0;
            frame.at<cv::Vec3b>(r, c) =
                cv::Vec3b(static_cast<uint8_t>(c * 255 / kFrameWidth),
                          static_cast<uint8_t>(r * 255 / kFrameHeight),
                          static_cast<uint8_t>(block ? 40 + (c * r) % 160 : 220 - c / 4));
        }
    }
    return frame;
}

int ChangedPixels(const cv::Mat& a, const cv::Mat& b) {
    cv::Mat difference;
    cv::absdiff(a, b, difference);
    cv::Mat changed;
    cv::transform(difference, changed, cv::Matx13f(1, 1, 1));
    return cv::countNonZero(changed > 3);
}

// The frames an effect renders onto copies of `input` at the given times, in order, on one
// engine whose clocks start at the first of them.
std::vector<cv::Mat> RenderAt(const std::string& path, const cv::Mat& input,
                              const std::vector<uint32_t>& times,
                              effects::EffectEngine* engineOut = nullptr) {
    effects::EffectEngine own(kFrameWidth, kFrameHeight);
    effects::EffectEngine& engine = engineOut ? *engineOut : own;
    std::vector<cv::Mat> frames;
    if (!engine.LoadEffectFile(path, -1)) return frames;
    FixedClock clock(0);
    for (const uint32_t time : times) {
        clock.Set(time);
        cv::Mat frame = input.clone();
        engine.Render(frame, false);
        frames.push_back(frame);
    }
    return frames;
}

int TotalDelay(const effects::EffectDescriptor& d) {
    return std::accumulate(d.delays.begin(), d.delays.end(), 0);
}

bool ShowsPicture(int type) {
    return type != 2 && type != 5;
}

}  // namespace

TEST(Tools_EffectSet, EveryCategoryHoldsSeveralEffectsWithThumbnails) {
    for (const std::string& category : kCategories) {
        SCOPED_TRACE(category);
        EXPECT_GE(FilesWithExtension(kEffectsFolder + category, ".eft").size(), 3u);
        EXPECT_TRUE(fs::is_directory(kThumbnailsFolder + category));
    }
}

TEST(Tools_EffectSet, EffectsAndThumbnailsPairUpByTheBrowsersPathRules) {
    for (const std::string& category : kCategories) {
        const std::vector<std::string> effectFiles =
            FilesWithExtension(kEffectsFolder + category, ".eft");
        const std::vector<std::string> thumbnails =
            FilesWithExtension(kThumbnailsFolder + category, ".bmp");
        EXPECT_EQ(effectFiles.size(), thumbnails.size()) << category;
        for (const std::string& effect : effectFiles) {
            EXPECT_TRUE(fs::is_regular_file(ThumbnailOf(effect))) << effect << " has no thumbnail";
        }
        for (const std::string& thumbnail : thumbnails) {
            EXPECT_TRUE(fs::is_regular_file(EffectOf(thumbnail))) << thumbnail << " has no effect";
        }
    }
}

TEST(Tools_EffectSet, ThumbnailsAre24BitPicturesOfTheGridsBitmapSize) {
    for (const std::string& category : kCategories) {
        for (const std::string& path : FilesWithExtension(kThumbnailsFolder + category, ".bmp")) {
            SCOPED_TRACE(path);
            std::ifstream stream(path, std::ios::binary);
            char header[54] = {};
            ASSERT_TRUE(stream.read(header, sizeof header));
            auto number = [&header](int offset, int bytes) {
                int32_t value = 0;
                for (int i = bytes - 1; i >= 0; --i) {
                    value = value * 256 + static_cast<uint8_t>(header[offset + i]);
                }
                return value;
            };
            EXPECT_EQ(std::string(header, 2), "BM");
            EXPECT_EQ(number(18, 4), 72);  // 90 % of the grid's 80 x 60 items
            EXPECT_EQ(std::abs(number(22, 4)), 54);
            EXPECT_EQ(number(28, 2), 24);  // bits per pixel
            EXPECT_EQ(number(30, 4), 0);   // uncompressed
            // A real picture, not a flat or empty one.
            const cv::Mat picture = cv::imread(path, cv::IMREAD_COLOR);
            ASSERT_FALSE(picture.empty());
            cv::Scalar mean, deviation;
            cv::meanStdDev(picture, mean, deviation);
            EXPECT_GT(deviation[0] + deviation[1] + deviation[2], 30);
        }
    }
}

TEST(Tools_EffectSet, EveryEffectLoadsAndChangesTheFrame) {
    const cv::Mat input = TestFrame();
    ASSERT_FALSE(InstalledEffects().empty());
    for (const InstalledEffect& effect : InstalledEffects()) {
        SCOPED_TRACE(effect.path);
        const std::vector<cv::Mat> frames = RenderAt(effect.path, input, {0, 250, 500, 1000});
        ASSERT_EQ(frames.size(), 4u) << "the engine refuses the file";
        int mostChanged = 0;
        for (const cv::Mat& frame : frames)
            mostChanged = std::max(mostChanged, ChangedPixels(frame, input));
        // Even the smallest sprite covers more than half a percent of the frame.
        EXPECT_GT(mostChanged, kFrameWidth * kFrameHeight / 200);
    }
}

TEST(Tools_EffectSet, StripsAnimateWithADelayPerFrameAndPlayOnceOnesEnd) {
    const cv::Mat input = TestFrame();
    int strips = 0;
    int playOnce = 0;
    for (const InstalledEffect& effect : InstalledEffects()) {
        const effects::EffectDescriptor& d = effect.descriptor;
        if (!ShowsPicture(d.type) || d.frameCount < 2) continue;
        SCOPED_TRACE(effect.path);
        ++strips;
        ASSERT_EQ(d.delays.size(), static_cast<size_t>(d.frameCount));
        EXPECT_TRUE(std::all_of(d.delays.begin(), d.delays.end(), [](int ms) { return ms > 0; }));
        const int period = TotalDelay(d);
        effects::EffectEngine engine(kFrameWidth, kFrameHeight);
        const std::vector<cv::Mat> frames =
            RenderAt(effect.path, input,
                     {0, static_cast<uint32_t>(period / 2), static_cast<uint32_t>(period + 1),
                      static_cast<uint32_t>(10 * period + 1)},
                     &engine);
        ASSERT_EQ(frames.size(), 4u);
        EXPECT_GT(ChangedPixels(frames[0], frames[1]), 0) << "the strip does not move";
        const auto info = engine.Describe(0);
        ASSERT_TRUE(info);
        if (d.playOnce != 0) {
            ++playOnce;
            EXPECT_FALSE(info->active) << "a play-once strip still runs after its last frame";
        } else {
            EXPECT_TRUE(info->active);
        }
    }
    EXPECT_GE(strips, 3);
    EXPECT_GE(playOnce, 1);
    EXPECT_GE(strips - playOnce, 1);
}

TEST(Tools_EffectSet, WindowsOfFramesAndScenesShowTheCamera) {
    const cv::Mat black(kFrameHeight, kFrameWidth, CV_8UC3, cv::Scalar::all(0));
    const cv::Mat white(kFrameHeight, kFrameWidth, CV_8UC3, cv::Scalar::all(255));
    for (const InstalledEffect& effect : InstalledEffects()) {
        const int type = effect.descriptor.type;
        if (type != 0 && type != 6) continue;
        SCOPED_TRACE(effect.path);
        const std::vector<cv::Mat> onBlack = RenderAt(effect.path, black, {0});
        const std::vector<cv::Mat> onWhite = RenderAt(effect.path, white, {0});
        ASSERT_EQ(onBlack.size(), 1u);
        ASSERT_EQ(onWhite.size(), 1u);
        // Where the camera shows, the two renders differ.
        const int showing = ChangedPixels(onBlack[0], onWhite[0]);
        if (type == 6) {
            EXPECT_FALSE(effect.descriptor.quadsPixels.empty()) << "a scene without windows";
            EXPECT_GT(showing, kFrameWidth * kFrameHeight / 50);
        } else {
            EXPECT_GT(showing, kFrameWidth * kFrameHeight / 2);
        }
        EXPECT_LT(showing, kFrameWidth * kFrameHeight) << "the picture covers nothing";
    }
}

TEST(Tools_EffectSet, PicturesHaveSoftTransparentEdges) {
    for (const InstalledEffect& effect : InstalledEffects()) {
        if (!ShowsPicture(effect.descriptor.type)) continue;
        SCOPED_TRACE(effect.path);
        const auto picture = effects::DecodePng(effect.descriptor.image);
        ASSERT_TRUE(picture);
        int partlyTransparent = 0;
        for (size_t i = 3; i < picture->pixels.size(); i += 4) {
            if (picture->pixels[i] != 0 && picture->pixels[i] != 255) ++partlyTransparent;
        }
        // Edges are smoothed, so many pixels are neither clear nor opaque.
        EXPECT_GT(partlyTransparent, picture->width / 2) << "hard-edged picture";
    }
}

TEST(Tools_EffectSet, SetUsesEveryTypeDistortionAndFilterCode) {
    std::set<int> types, distortions, filters;
    bool randomPosition = false, quadsInPixels = false, quadsScaled = false;
    for (const InstalledEffect& effect : InstalledEffects()) {
        const effects::EffectDescriptor& d = effect.descriptor;
        types.insert(d.type);
        if (d.type == 2) distortions.insert(d.distortionCode);
        if (d.type == 5) filters.insert(d.filterCode);
        randomPosition = randomPosition || d.randomPosition != 0;
        if (d.type == 6) (d.sizeMode == 1 ? quadsScaled : quadsInPixels) = true;
    }
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(distortions, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    // Filter code 6 describes no effect, so no file of the set carries it.
    EXPECT_EQ(filters, (std::set<int>{0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_TRUE(randomPosition);
    EXPECT_TRUE(quadsInPixels);
    EXPECT_TRUE(quadsScaled);
}

TEST(Tools_EffectSet, EachCategoryHoldsItsKindOfEffect) {
    const std::map<std::string, std::set<int>> typesOf = {
        {"Animations", {1}}, {"Distortions", {2}}, {"Filters", {5}}, {"Scenes", {6}},
        {"Faces", {4}},      {"Accessories", {3}}, {"Frames", {0}}};
    for (const InstalledEffect& effect : InstalledEffects()) {
        EXPECT_TRUE(typesOf.at(effect.category).contains(effect.descriptor.type)) << effect.path;
    }
}
