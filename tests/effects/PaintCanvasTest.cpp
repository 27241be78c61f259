#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <vector>

#include "effects/EffectEngine.h"
#include "effects/PaintCanvas.h"
#include "tests/effects/EffectTestSupport.h"

using effects::PaintCanvas;
using effects_test::CountDifferences;
using effects_test::RandomFrame;

namespace {

struct Canvas {
    PaintCanvas canvas;
    cv::Mat frame = cv::Mat::zeros(360, 480, CV_8UC3);
    Canvas() { EXPECT_TRUE(canvas.Create(480, 360, effects::EffectKind::kPaintCanvas)); }

    // One stroke as the engine drives it: pressed, then one Apply per pointer position.
    void Stroke(const std::vector<cv::Point>& points) {
        canvas.SetSelected(true);
        EXPECT_TRUE(canvas.Apply(frame, true));
        for (cv::Point point : points) {
            canvas.SetPosition(point.x, point.y);
            EXPECT_TRUE(canvas.Apply(frame, true));
        }
        canvas.SetSelected(false);
        canvas.EndStroke();
    }
    uint8_t Coverage(int x, int y) const { return canvas.CoverageMask().at<uint8_t>(y, x); }
};

// The blend written out plainly, pixel by pixel.
cv::Mat ReferenceBlend(const cv::Mat& frame, const cv::Mat& colour, const cv::Mat& mask) {
    cv::Mat out = frame.clone();
    for (int y = 0; y < frame.rows; ++y) {
        for (int x = 0; x < frame.cols; ++x) {
            const int m = mask.at<uint8_t>(y, x);
            for (int c = 0; c < 3; ++c) {
                const int f = frame.at<cv::Vec3b>(y, x)[c];
                out.at<cv::Vec3b>(y, x)[c] =
                    uint8_t((f * (255 - m) + m * colour.at<cv::Vec3b>(y, x)[c]) * 0.003921569);
            }
        }
    }
    return out;
}

}  // namespace

TEST(Effects_PaintCanvas, FreshCanvasCoversTheFrameAndLeavesItAlone) {
    Canvas c;
    const cv::Mat input = RandomFrame(480, 360, 3);
    cv::Mat frame = input.clone();
    ASSERT_TRUE(c.canvas.Apply(frame, true));
    EXPECT_EQ(CountDifferences(frame, input), 0);
    EXPECT_EQ(c.canvas.HitTest(0, 0), effects::kZoneBody);
    EXPECT_EQ(c.canvas.HitTest(479, 359), effects::kZoneBody);
    EXPECT_EQ(c.canvas.HitTest(480, 100), effects::kZoneOutside);
    EXPECT_EQ(c.canvas.HitTest(-1, 100), effects::kZoneOutside);
    PaintCanvas uncreated;
    EXPECT_FALSE(uncreated.Apply(frame, true));
}

TEST(Effects_PaintCanvas, DefaultStrokeIsWhiteAndTwoPixelsWideAndBlendsByCoverage) {
    Canvas c;
    c.Stroke({{100, 100}, {200, 100}});
    int coveredRows = 0;
    for (int y = 90; y <= 110; ++y) coveredRows += c.Coverage(150, y) == 255;
    EXPECT_GE(coveredRows, 2);
    EXPECT_LE(coveredRows, 3);
    EXPECT_EQ(c.canvas.ColourLayer().at<cv::Vec3b>(100, 150), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(c.Coverage(250, 100), 0);
    EXPECT_EQ(c.Coverage(50, 50), 0) << "the first stroke starts at its first point, not (0, 0)";

    const cv::Mat input = RandomFrame(480, 360, 4);
    cv::Mat frame = input.clone();
    c.canvas.Apply(frame, false);
    EXPECT_EQ(CountDifferences(
                  frame, ReferenceBlend(input, c.canvas.ColourLayer(), c.canvas.CoverageMask())),
              0);
    EXPECT_EQ(frame.at<cv::Vec3b>(100, 150), cv::Vec3b(255, 255, 255));
}

TEST(Effects_PaintCanvas, StrokeStartsAtTheFirstMoveAndAStillPointerMakesADot) {
    Canvas c;
    c.Stroke({});  // a click without movement
    EXPECT_EQ(cv::countNonZero(c.canvas.CoverageMask()), 0);
    c.Stroke({{50, 50}, {50, 50}, {50, 50}});
    EXPECT_EQ(c.Coverage(50, 50), 255);
    EXPECT_EQ(c.Coverage(55, 50), 0);
}

TEST(Effects_PaintCanvas, EraserRemovesPaintAndTheFrameShowsAgain) {
    Canvas c;
    c.canvas.SetBrushWidth(5);
    c.canvas.SetBrushColour(10, 20, 30);
    c.Stroke({{100, 100}, {200, 100}});
    EXPECT_EQ(c.canvas.ColourLayer().at<cv::Vec3b>(100, 150), cv::Vec3b(30, 20, 10));
    c.canvas.SetEraser(true);
    c.canvas.SetBrushWidth(20);
    c.Stroke({{90, 100}, {210, 100}});
    c.Stroke({{300, 300}, {320, 300}});  // over nothing
    EXPECT_EQ(cv::countNonZero(c.canvas.CoverageMask()), 0);
    const cv::Mat input = RandomFrame(480, 360, 5);
    cv::Mat frame = input.clone();
    c.canvas.Apply(frame, false);
    EXPECT_EQ(CountDifferences(frame, input), 0);
}

TEST(Effects_PaintCanvas, WithPaintingOffStrokesStayButNothingIsDrawn) {
    Canvas c;
    c.Stroke({{10, 10}, {60, 10}});
    const cv::Mat painted = c.canvas.CoverageMask().clone();
    c.canvas.SetPaintEnabled(false);
    c.Stroke({{10, 200}, {60, 200}});
    EXPECT_EQ(CountDifferences(c.canvas.CoverageMask(), painted), 0);
    cv::Mat frame = cv::Mat::zeros(360, 480, CV_8UC3);
    c.canvas.Apply(frame, false);
    EXPECT_EQ(frame.at<cv::Vec3b>(10, 30), cv::Vec3b(255, 255, 255));
    c.canvas.Clear();
    EXPECT_EQ(cv::countNonZero(c.canvas.CoverageMask()), 0);
}

TEST(Effects_PaintCanvas,
     BrushWidthsOutsideTheRangeAreRefusedAndFramesLargerThanTheCanvasAreClipped) {
    Canvas c;
    EXPECT_FALSE(c.canvas.SetBrushWidth(0));
    EXPECT_FALSE(c.canvas.SetBrushWidth(PaintCanvas::kMaxBrushWidth + 1));
    EXPECT_EQ(c.canvas.BrushWidth(), PaintCanvas::kDefaultBrushWidth);

    PaintCanvas small;
    ASSERT_TRUE(small.Create(100, 80, effects::EffectKind::kPaintCanvas));
    small.SetSelected(true);
    small.Apply(c.frame, false);
    small.SetPosition(0, 79);
    small.Apply(c.frame, false);
    small.SetPosition(99, 79);
    ASSERT_TRUE(small.Apply(c.frame, false));
    EXPECT_EQ(c.frame.at<cv::Vec3b>(79, 50), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(cv::countNonZero(c.frame.rowRange(81, 360).reshape(1)), 0);
}

TEST(Effects_PaintCanvas, StrokesDoNotJoinWhenNoRenderFallsBetweenThem) {
    effects::EffectEngine engine(480, 360);
    cv::Mat frame = cv::Mat::zeros(360, 480, CV_8UC3);
    engine.MouseDown(10, 20);
    for (cv::Point p : {cv::Point(20, 20), cv::Point(40, 20)}) {
        engine.Render(frame, true);
        engine.MouseMove(p.x, p.y);
    }
    engine.Render(frame, true);
    engine.MouseUp();
    engine.MouseDown(100, 100);  // at once, before the next frame
    for (cv::Point p : {cv::Point(110, 110), cv::Point(120, 110)}) {
        engine.Render(frame, true);
        engine.MouseMove(p.x, p.y);
    }
    engine.Render(frame, true);
    engine.MouseUp();
    const auto& canvas = dynamic_cast<const PaintCanvas&>(*engine.GetItem(-2));
    EXPECT_EQ(canvas.CoverageMask().at<uint8_t>(20, 30), 255);
    EXPECT_EQ(canvas.CoverageMask().at<uint8_t>(110, 115), 255);
    EXPECT_EQ(canvas.CoverageMask().at<uint8_t>(65, 75), 0) << "no line from (40, 20) on";
    EXPECT_EQ(canvas.CoverageMask().at<uint8_t>(20, 40), 255);
}
