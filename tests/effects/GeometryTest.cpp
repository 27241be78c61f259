#include <gtest/gtest.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <numbers>

#include "effects/FilterEffect.h"
#include "effects/QuadMapping.h"
#include "effects/Warps.h"
#include "tests/effects/EffectTestSupport.h"

using effects::FilterEffect;
using effects::Quadrangle;
using namespace effects_test;

namespace {

cv::Mat RunKind(int kind, const cv::Mat& input, int rotation = 0) {
    FilterEffect filter;
    filter.settings.filterKind = kind;
    filter.settings.rotationDegrees = rotation;
    cv::Mat image = input.clone();
    EXPECT_TRUE(filter.RunFilter(image));
    return image;
}

// A circular warp written out plainly on the bottom-up working picture.
cv::Mat ReferenceWarp(const cv::Mat& frame, int type, int factor) {
    cv::Mat working;
    cv::flip(frame, working, 0);
    cv::Mat result(working.size(), CV_8UC3);
    const int W = working.cols, H = working.rows;
    const int xmid = W / 2, ymid = H / 2;
    const int rmax = static_cast<int>(std::sqrt(double(xmid * xmid + ymid * ymid)));
    if (factor == 0) factor = 1;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double nx = xmid - x, ny = ymid - y;
            const double radius = std::sqrt(nx * nx + ny * ny);
            int sx = -1, sy = -1;
            if (radius < rmax) {
                double angle = std::atan2(ny, nx);
                if (type <= 2) {
                    double r2 = radius;
                    if (type == 0) r2 = radius * radius / rmax;
                    if (type == 1) r2 = std::sqrt(radius * rmax);
                    if (type == 2) angle += radius / factor;
                    sx = xmid + int(r2 * std::cos(angle));
                    sy = ymid - int(r2 * std::sin(angle));
                } else if (type == 3) {
                    sx = int(std::fabs(angle * W / (2 * std::numbers::pi)));
                    sy = int(std::fabs(H * radius / rmax));
                } else {
                    sx = x + (x % 32) - 16;
                    sy = y;
                }
            }
            if (sx < 0 || sy < 0 || sx >= W || sy >= H) sx = sy = 0;
            result.at<cv::Vec3b>(y, x) = working.at<cv::Vec3b>(sy, sx);
        }
    }
    cv::Mat back;
    cv::flip(result, back, 0);
    return back;
}

cv::Mat MapQuads(const cv::Mat& input, const std::vector<Quadrangle>& quads) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kQuadrangles;
    filter.SetQuads(quads);
    cv::Mat image = input.clone();
    EXPECT_TRUE(filter.RunFilter(image));
    return image;
}

Quadrangle Cell(int x, int y, int w, int h) {
    return {cv::Point(x, y), {x, y + h}, {x + w, y + h}, {x + w, y}};
}

}  // namespace

struct WarpCase {
    int kind, type, factor;
};

class Effects_CircularWarps : public ::testing::TestWithParam<WarpCase> {};

TEST_P(Effects_CircularWarps, MatchThePlainWorkingPictureLoop) {
    const WarpCase c = GetParam();
    for (cv::Size size : {cv::Size(480, 360), cv::Size(33, 20), cv::Size(1, 1)}) {
        const cv::Mat input = RandomFrame(size.width, size.height, c.kind);
        EXPECT_EQ(CountDifferences(RunKind(c.kind, input), ReferenceWarp(input, c.type, c.factor)),
                  0)
            << "kind " << c.kind << " at " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Effects_CircularWarps,
                         ::testing::Values(WarpCase{9, 4, 1}, WarpCase{10, 3, 100},
                                           WarpCase{11, 1, 100}, WarpCase{12, 0, 100},
                                           WarpCase{13, 2, 100}));

TEST(Effects_CircularWarps, MapIsRebuiltWhenTheFrameSizeChanges) {
    FilterEffect filter;
    filter.settings.filterKind = effects::FilterKind::kBulge;
    for (cv::Size size : {cv::Size(40, 30), cv::Size(30, 40), cv::Size(40, 30)}) {
        const cv::Mat input = RandomFrame(size.width, size.height, 3);
        cv::Mat image = input.clone();
        ASSERT_TRUE(filter.RunFilter(image));
        EXPECT_EQ(CountDifferences(image, ReferenceWarp(input, 0, 100)), 0) << size;
    }
}

TEST(Effects_CircularWarps, SwirlKeepsTheCentreAndTurnsOneRadianAtRadius100) {
    const cv::Mat input = RandomFrame(480, 360, 17);
    const cv::Mat out = RunKind(effects::FilterKind::kSwirl, input);
    // Working point (240, 180) is frame row 179.
    EXPECT_EQ(out.at<cv::Vec3b>(179, 240), input.at<cv::Vec3b>(179, 240));
    // Working point (140, 180): radius 100, angle 0 + 1 rad: source (240 + 54, 180 - 84) = (294,
    // 96), frame row 359 - 96.
    EXPECT_EQ(out.at<cv::Vec3b>(179, 140), input.at<cv::Vec3b>(263, 294));
}

TEST(Effects_CircularWarps, RippleColumnZeroReadsTheFirstPixelOfTheLastRow) {
    const cv::Mat input = RandomFrame(480, 360, 18);
    const cv::Mat out = RunKind(effects::FilterKind::kRipple, input);
    EXPECT_EQ(out.at<cv::Vec3b>(180, 0), input.at<cv::Vec3b>(359, 0)) << "column -16 is outside";
    EXPECT_EQ(out.at<cv::Vec3b>(180, 16), input.at<cv::Vec3b>(180, 16));
    EXPECT_EQ(out.at<cv::Vec3b>(180, 20), input.at<cv::Vec3b>(180, 24));
    EXPECT_EQ(out.at<cv::Vec3b>(0, 0), input.at<cv::Vec3b>(359, 0)) << "the corner lies on rmax";
}

TEST(Effects_Mirror, ColumnXTakesTheColumnOpposite) {
    const cv::Mat input = RandomFrame(7, 3, 19);
    const cv::Mat out = RunKind(effects::FilterKind::kMirror, input);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(out.at<cv::Vec3b>(1, c), input.at<cv::Vec3b>(1, 6 - c));
    }
}

TEST(Effects_Rotation, ZeroKeepsThePictureAndHalfATurnTurnsItAboutItsCentre) {
    for (cv::Size size : {cv::Size(480, 360), cv::Size(31, 20)}) {
        const cv::Mat input = RandomFrame(size.width, size.height, 20);
        EXPECT_EQ(CountDifferences(RunKind(effects::FilterKind::kRotation, input, 0), input), 0)
            << size;
        cv::Mat turned;
        cv::flip(input, turned, -1);
        EXPECT_EQ(CountDifferences(RunKind(effects::FilterKind::kRotation, input, 180), turned), 0)
            << size;
        EXPECT_EQ(CountDifferences(RunKind(effects::FilterKind::kRotation, input, 360), input), 0)
            << size;
    }
}

TEST(Effects_Rotation, QuarterTurnIsCounterClockwiseOnScreen) {
    const cv::Mat input = RandomFrame(9, 9, 21);
    const cv::Mat out = RunKind(effects::FilterKind::kRotation, input, 90);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(out.at<cv::Vec3b>(y, x), input.at<cv::Vec3b>(x, 8 - y)) << x << ", " << y;
    }
}

TEST(Effects_Quadrangles, SourceQuadrangleLeavesThePicture) {
    const cv::Mat input = RandomFrame(48, 36, 22);
    EXPECT_EQ(CountDifferences(MapQuads(input, {Cell(0, 0, 48, 36)}), input), 0);
    EXPECT_EQ(CountDifferences(MapQuads(input, {}), input), 0);
}

TEST(Effects_Quadrangles, TwoByTwoGridShowsTheWholePictureAtHalfSizeFourTimes) {
    const cv::Mat input = RandomFrame(480, 360, 23);
    // Column by column, as the grid is built.
    const cv::Mat out = MapQuads(input, {Cell(0, 0, 240, 180), Cell(0, 180, 240, 180),
                                         Cell(240, 0, 240, 180), Cell(240, 180, 240, 180)});
    int wrong = 0;
    for (int y = 0; y < 360; ++y) {
        for (int x = 0; x < 480; ++x)
            wrong += out.at<cv::Vec3b>(y, x) != input.at<cv::Vec3b>(2 * (y % 180), 2 * (x % 240));
    }
    EXPECT_EQ(wrong, 0);
}

TEST(Effects_Quadrangles, TriangleShowsTheFarHalfInTheMidpointQuadrangle) {
    const cv::Mat input = RandomFrame(480, 360, 24);
    // First two corners coincide: corners move to (200, 100), (200, 200), (300, 300), (300, 100)
    // and the right half of the picture fills them; the same mapping squeezes the left half in
    // front of the edge at x = 200, short of the coinciding corners.
    const Quadrangle triangle = {cv::Point(100, 100), {100, 100}, {300, 300}, {300, 100}};
    const cv::Mat out = MapQuads(input, {triangle});
    EXPECT_EQ(out.at<cv::Vec3b>(100, 200), input.at<cv::Vec3b>(0, 240));
    cv::Mat changed;
    cv::compare(out, input, changed, cv::CMP_NE);
    cv::cvtColor(changed, changed, cv::COLOR_BGR2GRAY);
    const cv::Rect drawn = cv::boundingRect(changed);
    EXPECT_GT(drawn.x, 110);
    EXPECT_GE(drawn.y, 99);
    EXPECT_LE(drawn.br().x, 302);
    EXPECT_LE(drawn.br().y, 302);
    EXPECT_GT(drawn.area(), 100 * 150);
}

TEST(Effects_Quadrangles, ShapesWithThreeCornersOnALineAreSkipped) {
    const cv::Mat input = RandomFrame(64, 48, 25);
    const Quadrangle line = {cv::Point(10, 10), {10, 20}, {10, 30}, {40, 20}};
    const Quadrangle closedLast = {cv::Point(10, 10), {10, 40}, {40, 40}, {10, 10}};
    const Quadrangle point = {cv::Point(5, 5), {5, 5}, {5, 5}, {5, 5}};
    EXPECT_EQ(CountDifferences(MapQuads(input, {line, closedLast, point}), input), 0);
}

TEST(Effects_Quadrangles, WarpingOnlyTheReachableAreaMatchesAFullFrameWarp) {
    const cv::Mat input = RandomFrame(160, 120, 26);
    cv::RNG rng(27);
    for (int i = 0; i < 40; ++i) {
        Quadrangle quad;
        for (cv::Point& p : quad) p = {rng.uniform(-40, 200), rng.uniform(-40, 160)};
        cv::Mat expected = input.clone();
        const cv::Point2f from[4] = {{0, 0}, {0, 120}, {160, 120}, {160, 0}};
        const cv::Point2f to[4] = {quad[0], quad[1], quad[2], quad[3]};
        cv::warpPerspective(input, expected, cv::getPerspectiveTransform(from, to), input.size(),
                            cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
        EXPECT_EQ(CountDifferences(MapQuads(input, {quad}), expected), 0) << "quadrangle " << i;
    }
}
