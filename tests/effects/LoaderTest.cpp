#include <gtest/gtest.h>
#include <zlib.h>

#include <opencv2/core.hpp>

#include <cstdlib>
#include <string>
#include <vector>

#include "effects/AnimationEffect.h"
#include "effects/EffectLoader.h"
#include "effects/FilterEffect.h"
#include "effects/OverlayEffect.h"
#include "effects/PngDecoder.h"
#include "effects/SceneEffect.h"
#include "tests/effects/LoaderTestSupport.h"

using effects::EffectDescriptor;
using effects::Quadrangle;
using namespace loader_test;

namespace {

const cv::Size kFrame(480, 360);

// A PNG written chunk by chunk, for what OpenCV cannot write: palettes with transparency, and
// headers that lie about the picture's size.
struct HandMadePng {
    std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

    void Chunk(const std::string& type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> body(type.begin(), type.end());
        body.insert(body.end(), data.begin(), data.end());
        PutBigEndian(static_cast<uint32_t>(data.size()));
        bytes.insert(bytes.end(), body.begin(), body.end());
        PutBigEndian(static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
    }
    void Header(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType) {
        std::vector<uint8_t> data;
        for (uint32_t value : {width, height}) {
            for (int shift = 24; shift >= 0; shift -= 8) data.push_back(uint8_t(value >> shift));
        }
        data.insert(data.end(), {bitDepth, colourType, 0, 0, 0});
        Chunk("IHDR", data);
    }
    void Pixels(const std::vector<uint8_t>& filteredRows) {
        std::vector<uint8_t> packed(compressBound(uLong(filteredRows.size())));
        uLongf size = packed.size();
        compress(packed.data(), &size, filteredRows.data(), uLong(filteredRows.size()));
        packed.resize(size);
        Chunk("IDAT", packed);
        Chunk("IEND", {});
    }
    void PutBigEndian(uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(uint8_t(value >> shift));
    }
};

cv::Vec4b FirstPixel(const effects::DecodedPicture& picture) {
    return {picture.pixels[0], picture.pixels[1], picture.pixels[2], picture.pixels[3]};
}

}  // namespace

TEST(Effects_PngDecoder, RowsComeBottomUpInBlueGreenRedAlpha) {
    cv::Mat picture(3, 2, CV_8UC4, cv::Scalar(1, 2, 3, 4));
    picture.at<cv::Vec4b>(2, 1) = {10, 20, 30, 40};  // bottom right as seen
    const auto decoded = effects::DecodePng(EncodePng(picture));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 2);
    EXPECT_EQ(decoded->height, 3);
    ASSERT_EQ(decoded->pixels.size(), 24u);
    EXPECT_EQ(std::vector<uint8_t>(decoded->pixels.begin() + 4, decoded->pixels.begin() + 8),
              (std::vector<uint8_t>{10, 20, 30, 40}));
    EXPECT_EQ(FirstPixel(*decoded), cv::Vec4b(1, 2, 3, 4));
}

TEST(Effects_PngDecoder, EveryColourTypeBecomesEightBitBgraAndNoAlphaMeansOpaque) {
    EXPECT_EQ(FirstPixel(*effects::DecodePng(EncodePng(cv::Mat(2, 2, CV_8UC1, cv::Scalar(77))))),
              cv::Vec4b(77, 77, 77, 255));
    EXPECT_EQ(
        FirstPixel(*effects::DecodePng(EncodePng(cv::Mat(2, 2, CV_8UC3, cv::Scalar(10, 20, 30))))),
        cv::Vec4b(10, 20, 30, 255));
    EXPECT_EQ(FirstPixel(*effects::DecodePng(
                  EncodePng(cv::Mat(2, 2, CV_16UC4, cv::Scalar(0, 65535, 32896, 65535))))),
              cv::Vec4b(0, 255, 128, 255));

    HandMadePng palette;  // one entry, red 200 green 100 blue 50, alpha 60 from tRNS
    palette.Header(1, 1, 8, 3);
    palette.Chunk("PLTE", {200, 100, 50});
    palette.Chunk("tRNS", {60});
    palette.Pixels({0, 0});
    const auto decoded = effects::DecodePng(palette.bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(FirstPixel(*decoded), cv::Vec4b(50, 100, 200, 60));
}

TEST(Effects_PngDecoder, DamagedDataAndOversizedHeadersAreRefused) {
    const std::vector<uint8_t> good = EncodePng(cv::Mat(16, 16, CV_8UC4, cv::Scalar::all(9)));
    EXPECT_FALSE(effects::DecodePng({}));
    EXPECT_FALSE(effects::DecodePng(std::vector<uint8_t>(good.begin(), good.begin() + 8)));
    EXPECT_FALSE(effects::DecodePng(std::vector<uint8_t>(good.begin(), good.end() - 30)));
    std::vector<uint8_t> badCrc = good;
    badCrc[40] ^= 0xff;  // inside IDAT
    EXPECT_FALSE(effects::DecodePng(badCrc));

    // Headers whose pixels would take gigabytes, or far more than the data could inflate to.
    for (const auto& [width, height] : {std::pair{100000u, 1u}, {16384u, 16384u}, {4000u, 4000u}}) {
        HandMadePng bomb;
        bomb.Header(width, height, 8, 6);
        bomb.Pixels(std::vector<uint8_t>(1000, 0));
        EXPECT_FALSE(effects::DecodePng(bomb.bytes)) << width << " x " << height;
    }
}

struct TypeCase {
    int type;
    int kind;  // -1: nothing is built
};
class Effects_LoaderTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(Effects_LoaderTypes, TypeChoosesTheClass) {
    const auto effect =
        effects::BuildEffect(PictureDescriptor(GetParam().type, {40, 30}, {5, 6}), kFrame);
    if (GetParam().kind < 0) {
        EXPECT_EQ(effect, nullptr);
        return;
    }
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->GetKind(), GetParam().kind);
    const bool filter = GetParam().kind == effects::EffectKind::kFilter;
    EXPECT_EQ(dynamic_cast<effects::FilterEffect*>(effect.get()) != nullptr, filter);
    EXPECT_EQ(effect->Position(), filter ? cv::Point(0, 0) : cv::Point(5, 6));
    if (auto* overlay = dynamic_cast<effects::OverlayEffect*>(effect.get())) {
        EXPECT_EQ(overlay->LoadSize(), cv::Size(40, 30));
    } else {
        EXPECT_EQ(effect->GetSize(), filter ? kFrame : cv::Size(40, 30));
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, Effects_LoaderTypes,
                         ::testing::Values(TypeCase{0, 5}, TypeCase{1, 1}, TypeCase{2, 0},
                                           TypeCase{3, 5}, TypeCase{4, 5}, TypeCase{5, 0},
                                           TypeCase{6, 4}, TypeCase{7, -1}, TypeCase{-1, -1}));

struct CodeCase {
    int type;
    int code;
    int filterKind;  // -1: nothing is built
};
class Effects_LoaderCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(Effects_LoaderCodes, CodeChoosesTheFilterKind) {
    EffectDescriptor d;
    d.type = GetParam().type;
    (d.type == 2 ? d.distortionCode : d.filterCode) = GetParam().code;
    const auto effect = effects::BuildEffect(d, kFrame);
    if (GetParam().filterKind < 0) {
        EXPECT_EQ(effect, nullptr);
        return;
    }
    auto* filter = dynamic_cast<effects::FilterEffect*>(effect.get());
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->settings.filterKind, GetParam().filterKind);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Effects_LoaderCodes,
    ::testing::Values(CodeCase{2, 0, 5}, CodeCase{2, 1, 5}, CodeCase{2, 2, 11}, CodeCase{2, 3, 12},
                      CodeCase{2, 4, 13}, CodeCase{2, 5, 9}, CodeCase{2, 6, 10}, CodeCase{2, 7, 15},
                      CodeCase{2, 8, 14}, CodeCase{2, 9, 0}, CodeCase{2, -1, 0}, CodeCase{5, 0, 7},
                      CodeCase{5, 1, 6}, CodeCase{5, 2, 0}, CodeCase{5, 3, 8}, CodeCase{5, 4, 16},
                      CodeCase{5, 5, 22}, CodeCase{5, 6, -1}, CodeCase{5, 7, 4}, CodeCase{5, 8, 17},
                      CodeCase{5, 9, 18}, CodeCase{5, 10, 3}, CodeCase{5, 11, 21},
                      CodeCase{5, 12, 20}, CodeCase{5, 13, 19}, CodeCase{5, 14, 0}));

TEST(Effects_Loader, FilterRowsCopyOnlyTheirOwnSettings) {
    EffectDescriptor d;
    d.type = 5;
    d.redShift = 1, d.greenShift = 2, d.blueShift = 3;
    d.brightness = 4, d.contrast = 5, d.saturation = 6;
    d.rotationDegrees = 30;
    for (int i = 0; i < 25; ++i) d.kernel5[size_t(i)] = i + 100;
    d.kernel3 = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    d.kernelDivisor = 7, d.kernelOffset = 11;
    const auto settingsFor = [&](int type, int code) {
        d.type = type;
        (type == 2 ? d.distortionCode : d.filterCode) = code;
        return dynamic_cast<effects::FilterEffect&>(*effects::BuildEffect(d, kFrame)).settings;
    };
    const auto shift = settingsFor(5, 0);
    EXPECT_EQ(std::make_tuple(shift.redShift, shift.greenShift, shift.blueShift, shift.brightness),
              std::make_tuple(1, 2, 3, 0));
    const auto light = settingsFor(5, 1);
    EXPECT_EQ(std::make_tuple(light.brightness, light.contrast, light.saturation, light.redShift),
              std::make_tuple(4, 5, 6, 0));
    const auto three = settingsFor(5, 8);
    EXPECT_EQ(three.kernel3, d.kernel3);
    EXPECT_EQ(three.kernel5, effects::FilterSettings{}.kernel5);
    EXPECT_EQ(std::make_tuple(three.kernelDivisor, three.kernelOffset), std::make_tuple(7, 11));
    EXPECT_EQ(settingsFor(5, 9).kernel5, d.kernel5);
    EXPECT_EQ(settingsFor(2, 7).rotationDegrees, 30);
    EXPECT_EQ(settingsFor(2, 8).rotationDegrees, 0);
}

TEST(Effects_Loader, SizeModeOneIsPercentOfTheFrameAndPositionsStayPixels) {
    EffectDescriptor d = PictureDescriptor(1, {7, 7}, {30, 40});
    d.sizeMode = 1;
    d.widthPercent = 50;
    d.heightPercent = 33;
    auto effect = effects::BuildEffect(d, kFrame);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->GetSize(), cv::Size(240, 118));
    EXPECT_EQ(effect->Position(), cv::Point(30, 40));
    d.sizeMode = 2;
    EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr);
}

TEST(Effects_Loader, RandomPositionTakesXFromTheSecondDraw) {
    EffectDescriptor d = PictureDescriptor(1, {20, 20}, {400, 300});
    d.randomPosition = 1;
    std::srand(17);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(17);
    EXPECT_EQ(effects::BuildEffect(d, kFrame)->Position(), cv::Point(second % 200, first % 200));
    for (int i = 0; i < 50; ++i) {
        const cv::Point at = effects::BuildEffect(d, kFrame)->Position();
        EXPECT_TRUE(at.x >= 0 && at.x < 200 && at.y >= 0 && at.y < 200) << at;
    }
}

TEST(Effects_Loader, FrameCountsThatCannotCutThePictureAreRefused) {
    for (int frameCount : {0, -3, 9}) {  // the picture is 8 rows high
        EffectDescriptor d = PictureDescriptor(1, {20, 20}, {0, 0});
        d.frameCount = frameCount;
        d.delays.assign(size_t(std::max(frameCount, 0)), 100);
        for (int type : {0, 1, 6}) {
            d.type = type;
            EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr) << frameCount << " type " << type;
        }
    }
    EffectDescriptor strip = PictureDescriptor(1, {20, 20}, {0, 0});
    strip.frameCount = 8;
    strip.delays.assign(8, 50);
    auto animation = effects::BuildEffect(strip, kFrame);
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(dynamic_cast<effects::AnimationEffect&>(*animation).FrameCount(), 8);
}

TEST(Effects_Loader, QuadranglesExchangeTheirLastTwoCornersAndScaleFromReferenceUnits) {
    EffectDescriptor d;
    d.quadsPixels = {{{{10, 10}, {10, 50}, {90, 10}, {90, 50}}}};
    d.quadsScaled = {{{{0, 0}, {-1, 999}, {1000, 500}, {500, 1000}}}};
    d.referenceSize = 1000;
    const Quadrangle pixels = {cv::Point(10, 10), {10, 50}, {90, 50}, {90, 10}};
    EXPECT_EQ(effects::QuadsFromDescriptor(d, kFrame), std::vector<Quadrangle>{pixels});
    d.sizeMode = 1;  // -480 / 1000 truncates toward zero
    const Quadrangle scaled = {cv::Point(0, 0), {0, 359}, {240, 360}, {480, 180}};
    EXPECT_EQ(effects::QuadsFromDescriptor(d, kFrame), std::vector<Quadrangle>{scaled});

    d.quadsScaled[0][0] = {2000000000, 0};  // no 32-bit product, and no int result either
    d.referenceSize = 1;
    EXPECT_FALSE(effects::QuadsFromDescriptor(d, kFrame));
    d.referenceSize = 0;
    EXPECT_FALSE(effects::QuadsFromDescriptor(d, kFrame));
    d.sizeMode = 2;
    EXPECT_FALSE(effects::QuadsFromDescriptor(d, kFrame));
}

TEST(Effects_Loader, QuadranglesReachDistortionsAndScenesOrRefuseThem) {
    EffectDescriptor d = PictureDescriptor(6, {40, 40}, {0, 0});
    d.quadCount = 1;
    d.quadsPixels = {{{{10, 10}, {10, 50}, {90, 10}, {90, 50}}}};
    d.quadsScaled = d.quadsPixels;
    const Quadrangle expected = {cv::Point(10, 10), {10, 50}, {90, 50}, {90, 10}};
    auto scene = effects::BuildEffect(d, kFrame);
    ASSERT_NE(scene, nullptr);
    EXPECT_TRUE(dynamic_cast<effects::SceneEffect&>(*scene).HasQuads());
    EXPECT_EQ(dynamic_cast<effects::SceneEffect&>(*scene).WorkingQuads(),
              std::vector<Quadrangle>{expected});
    d.type = 2;
    EXPECT_EQ(dynamic_cast<effects::FilterEffect&>(*effects::BuildEffect(d, kFrame)).Quads(),
              std::vector<Quadrangle>{expected});

    d.sizeMode = 1;  // referenceSize 0: the corners are unknown
    EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr);
    d.type = 6;
    EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr);

    EffectDescriptor none;  // distortion code 0 without quadrangles
    none.type = 2;
    none.sizeMode = 5;
    auto filter = effects::BuildEffect(none, kFrame);
    ASSERT_NE(filter, nullptr);
    EXPECT_TRUE(dynamic_cast<effects::FilterEffect&>(*filter).Quads().empty());
}

TEST(Effects_Loader, GridRunsColumnByColumnOverTheFrame) {
    const std::vector<Quadrangle> grid = effects::GridQuads(3, 2, kFrame);
    ASSERT_EQ(grid.size(), 6u);
    const std::vector<cv::Point> corners = {{0, 0},     {0, 180}, {160, 0},
                                            {160, 180}, {320, 0}, {320, 180}};
    for (size_t i = 0; i < grid.size(); ++i) {
        const cv::Point c = corners[i];
        EXPECT_EQ(grid[i], (Quadrangle{c, c + cv::Point(0, 180), c + cv::Point(160, 180),
                                       c + cv::Point(160, 0)}));
    }
    EXPECT_EQ(effects::GridQuads(7, 1, kFrame).back()[2], cv::Point(476, 360));
    EXPECT_TRUE(effects::GridQuads(0, 2, kFrame).empty());
    EXPECT_TRUE(effects::GridQuads(3, -1, kFrame).empty());
    EXPECT_TRUE(effects::GridQuads(481, 1, kFrame).empty()) << "cells below a pixel";
    EXPECT_EQ(effects::GridQuads(480, 360, kFrame).size(), 480u * 360u);
}

TEST(Effects_Loader, OverlayKeepsPlacementAndLoop) {
    EffectDescriptor d = PictureDescriptor(3, {40, 30}, {0, 0});
    d.placement = 8;
    d.placementRect = {1, 2, 3, 4};
    d.playOnce = 1;
    auto built = effects::BuildEffect(d, kFrame);
    auto& overlay = dynamic_cast<effects::OverlayEffect&>(*built);
    EXPECT_EQ(overlay.Placement(), 8);
    EXPECT_EQ(overlay.PlacementRect(), d.placementRect);
    EXPECT_FALSE(overlay.Animation().Loops());
    d.placement = 9;
    auto other = effects::BuildEffect(d, kFrame);
    EXPECT_EQ(dynamic_cast<effects::OverlayEffect&>(*other).Placement(), 0);
    EXPECT_EQ(dynamic_cast<effects::OverlayEffect&>(*other).PlacementRect(),
              (std::array<int, 4>{}));
}

TEST(Effects_Loader, OverlaysStandWhereTheirFilePutsThemAsEveryOtherKindDoes) {
    for (const int type : {0, 1, 3, 4}) {
        const auto built = effects::BuildEffect(PictureDescriptor(type, {40, 30}, {100, 60}), kFrame);
        ASSERT_NE(built, nullptr) << type;
        EXPECT_EQ(built->GetRect(), (effects::EffectRect{100, 60, 140, 90})) << type;
        cv::Mat frame = cv::Mat::zeros(kFrame, CV_8UC3);
        built->Apply(frame, false);
        EXPECT_EQ(frame.at<cv::Vec3b>(60, 100), cv::Vec3b(0, 0, 255)) << type;
        EXPECT_EQ(frame.at<cv::Vec3b>(59, 99), cv::Vec3b(0, 0, 0)) << type;
    }
    EffectDescriptor random = PictureDescriptor(0, {20, 20}, {400, 300});
    random.randomPosition = 1;
    std::srand(17);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(17);
    const auto placed = effects::BuildEffect(random, kFrame);
    EXPECT_EQ(placed->GetRect()->left, second % 200);
    EXPECT_EQ(placed->GetRect()->top, first % 200);
}

TEST(Effects_Loader, GridsBeyondTheCellLimitAreRefused) {
    EffectDescriptor d = PictureDescriptor(2, {20, 20}, {0, 0});
    d.distortionCode = 1;
    d.gridColumns = 32;
    d.gridRows = 32;
    EXPECT_NE(effects::BuildEffect(d, kFrame), nullptr);
    d.gridColumns = 33;
    EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr);
    d.gridColumns = 480;
    d.gridRows = 360;
    EXPECT_EQ(effects::BuildEffect(d, kFrame), nullptr);
}
