// Tests of the effect set generator: its painting helpers, and the pictures and descriptors it
// makes, checked against what the loader does with them.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>

#include "effects/EffectLoader.h"
#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/EffectSet.h"
#include "tools/fxgen/Painting.h"

using Json = nlohmann::ordered_json;

namespace {

const cv::Size kFrame(fxgen::kFrameWidth, fxgen::kFrameHeight);

int AlphaAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

QImage OpaqueSquare(int size, const QColor& colour) {
    QImage image = fxgen::NewLayer(size, size);
    image.fill(colour);
    return image;
}

// The effects made once for all tests, with their entries.
struct MadeEffect {
    fxgen::EffectEntry entry;
    fxgen::PackedEffect packed;
};

const std::vector<MadeEffect>& MadeEffects() {
    static const std::vector<MadeEffect> made = [] {
        std::vector<MadeEffect> list;
        for (fxgen::EffectEntry& entry : fxgen::EffectSet()) {
            fxgen::PackedEffect packed = entry.make();
            list.push_back({std::move(entry), std::move(packed)});
        }
        return list;
    }();
    return made;
}

std::vector<effects::EffectDescriptor::Quad> QuadsFromJson(const Json& list) {
    std::vector<effects::EffectDescriptor::Quad> quads;
    for (const Json& corners : list) {
        effects::EffectDescriptor::Quad& quad = quads.emplace_back();
        for (size_t i = 0; i < 4; ++i)
            quad[i] = {corners[i][0].get<int>(), corners[i][1].get<int>()};
    }
    return quads;
}

// The quadrangles the loader builds from a descriptor in JSON form, in frame pixels.
std::vector<effects::Quadrangle> LoadedQuads(const Json& json, int sizeMode) {
    effects::EffectDescriptor d;
    d.sizeMode = sizeMode;
    d.referenceSize = json.value("referenceSize", 0);
    d.quadsPixels = QuadsFromJson(json.value("quadsPixels", Json::array()));
    d.quadsScaled = QuadsFromJson(json.value("quadsScaled", Json::array()));
    const auto quads = effects::QuadsFromDescriptor(d, kFrame);
    return quads.value_or(std::vector<effects::Quadrangle>{});
}

// Signed distance of a point to a quadrangle: positive inside.
double DistanceInside(const effects::Quadrangle& quad, cv::Point2f point) {
    const std::vector<cv::Point> contour(quad.begin(), quad.end());
    return cv::pointPolygonTest(contour, point, true);
}

}  // namespace

TEST(Tools_FxgenPainting, BlurKeepsAFlatPictureAndSpreadsAPoint) {
    QImage flat = OpaqueSquare(20, QColor(200, 100, 50));
    const QImage before = flat.copy();
    fxgen::Blur(flat, 3);
    EXPECT_EQ(flat, before);

    QImage point = fxgen::NewLayer(31, 31);
    point.setPixelColor(15, 15, Qt::white);
    fxgen::Blur(point, 2);
    EXPECT_LT(AlphaAt(point, 15, 15), 255);
    EXPECT_GT(AlphaAt(point, 15, 15), AlphaAt(point, 18, 15));
    EXPECT_GT(AlphaAt(point, 18, 15), 0);
    EXPECT_EQ(AlphaAt(point, 15, 22), 0);  // beyond three passes of radius 2
    // Symmetric about the point.
    EXPECT_EQ(AlphaAt(point, 12, 15), AlphaAt(point, 18, 15));
    EXPECT_EQ(AlphaAt(point, 15, 12), AlphaAt(point, 15, 18));
}

TEST(Tools_FxgenPainting, CutWindowClearsTheInsideWithASoftEdge) {
    QImage image = OpaqueSquare(100, Qt::red);
    QPainterPath window;
    window.addRect(30, 30, 40, 40);
    fxgen::CutWindow(image, window, 8);
    EXPECT_EQ(AlphaAt(image, 50, 50), 0);
    EXPECT_EQ(AlphaAt(image, 5, 5), 255);
    std::set<int> acrossEdge;
    for (int x = 20; x <= 40; ++x) acrossEdge.insert(AlphaAt(image, x, 50));
    EXPECT_GE(acrossEdge.size(), 5u) << "the edge is not feathered";
    // Fading monotonically from the frame into the window.
    for (int x = 20; x < 40; ++x) EXPECT_GE(AlphaAt(image, x, 50), AlphaAt(image, x + 1, 50));
}

TEST(Tools_FxgenPainting, StackFramesPutsEachFrameBelowTheLast) {
    const QImage strip = fxgen::StackFrames(
        {OpaqueSquare(4, Qt::red), OpaqueSquare(4, Qt::green), OpaqueSquare(4, Qt::blue)});
    ASSERT_EQ(strip.size(), QSize(4, 12));
    EXPECT_EQ(strip.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(strip.pixelColor(2, 5), QColor(Qt::green));
    EXPECT_EQ(strip.pixelColor(2, 11), QColor(Qt::blue));
    EXPECT_TRUE(fxgen::StackFrames({}).isNull());
}

TEST(Tools_FxgenPainting, RandomRepeatsItsSequenceAndReachesBothEnds) {
    fxgen::Random first(42), second(42), other(43);
    std::set<int> seen;
    bool differs = false;
    for (int i = 0; i < 500; ++i) {
        const int value = first.Int(-2, 2);
        EXPECT_EQ(value, second.Int(-2, 2));
        differs = differs || other.Int(-2, 2) != value;
        seen.insert(value);
        const double uniform = first.Uniform(1.5, 2.5);
        second.Uniform(1.5, 2.5);
        EXPECT_GE(uniform, 1.5);
        EXPECT_LT(uniform, 2.5);
    }
    EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1, 2}));
    EXPECT_TRUE(differs);
    // Seed 0 must not stall the generator.
    fxgen::Random zero(0);
    EXPECT_NE(zero.Next(), zero.Next());
}

TEST(Tools_FxgenPainting, ShapesFillTheBoxesTheyAreGiven) {
    const QRectF heart = fxgen::HeartPath({100, 50}, 80, 60).boundingRect();
    EXPECT_NEAR(heart.center().x(), 100, 1);
    EXPECT_NEAR(heart.width(), 80, 6);
    EXPECT_NEAR(heart.bottom(), 80, 1);
    const QRectF star = fxgen::StarPath({0, 0}, 10, 4, 5, 0).boundingRect();
    EXPECT_NEAR(star.top(), -10, 1e-9);  // the first point is straight up
    EXPECT_LE(star.width(), 20);
}

TEST(Tools_FxgenSet, NamesAreUniqueFileNamesInTheSevenCategories) {
    const std::vector<std::string>& categories = fxgen::Categories();
    ASSERT_EQ(categories.size(), 7u);
    std::set<std::string> names;
    const std::regex fileName("[a-z][a-z0-9_]*");
    for (const fxgen::EffectEntry& entry : fxgen::EffectSet()) {
        EXPECT_NE(std::find(categories.begin(), categories.end(), entry.category),
                  categories.end());
        EXPECT_TRUE(std::regex_match(entry.name, fileName)) << entry.name;
        EXPECT_TRUE(names.insert(entry.category + "/" + entry.name).second) << entry.name;
        // Thumbnails keep the frame's 4:3 shape and come from inside the frame.
        const QRect area = entry.thumbnailArea;
        EXPECT_TRUE(QRect(0, 0, kFrame.width, kFrame.height).contains(area)) << entry.name;
        EXPECT_EQ(area.width() * 3, area.height() * 4) << entry.name;
    }
}

TEST(Tools_FxgenSet, PicturesHoldTheirFramesAtTheSizeTheyAreShown) {
    for (const MadeEffect& made : MadeEffects()) {
        const Json& d = made.packed.descriptor;
        const int type = d["type"];
        SCOPED_TRACE(made.entry.name);
        if (type == 2 || type == 5) {
            EXPECT_TRUE(made.packed.picture.isNull());
            continue;
        }
        const QImage& picture = made.packed.picture;
        const int frames = d["frameCount"];
        ASSERT_GE(frames, 1);
        EXPECT_EQ(d["delays"].size(), static_cast<size_t>(frames));
        ASSERT_EQ(picture.height() % frames, 0);
        const QSize frameSize(picture.width(), picture.height() / frames);
        if (d["sizeMode"] == 0) {
            EXPECT_EQ(frameSize, QSize(d["width"], d["height"]));
        } else {
            EXPECT_EQ(frameSize, QSize(kFrame.width, kFrame.height));
            EXPECT_EQ(d["widthPercent"], 100);
            EXPECT_EQ(d["heightPercent"], 100);
        }
        // Each frame differs from the next in a strip.
        for (int i = 0; i + 1 < frames; ++i) {
            EXPECT_NE(
                picture.copy(0, i * frameSize.height(), frameSize.width(), frameSize.height()),
                picture.copy(0, (i + 1) * frameSize.height(), frameSize.width(),
                             frameSize.height()));
        }
    }
}

TEST(Tools_FxgenSet, KaleidoscopeQuartersReachTheLoaderMirrored) {
    const auto made =
        std::find_if(MadeEffects().begin(), MadeEffects().end(),
                     [](const MadeEffect& m) { return m.entry.name == "kaleidoscope"; });
    ASSERT_NE(made, MadeEffects().end());
    const auto quads = LoadedQuads(made->packed.descriptor, 0);
    // The loader's order: where the frame's top-left, bottom-left, bottom-right and top-right
    // corners go. Every quarter has the frame's bottom-right corner at the centre.
    using P = cv::Point;
    const std::vector<effects::Quadrangle> expected = {
        {P(0, 0), P(0, 180), P(240, 180), P(240, 0)},
        {P(0, 360), P(0, 180), P(240, 180), P(240, 360)},
        {P(480, 0), P(480, 180), P(240, 180), P(240, 0)},
        {P(480, 360), P(480, 180), P(240, 180), P(240, 360)},
    };
    EXPECT_EQ(quads, expected);
    EXPECT_EQ(LoadedQuads(made->packed.descriptor, 1), expected);
}

TEST(Tools_FxgenSet, SceneWindowsLieInsideTheQuadranglesTheCameraIsDrawnInto) {
    int scenes = 0;
    for (const MadeEffect& made : MadeEffects()) {
        const Json& d = made.packed.descriptor;
        if (d["type"] != 6) continue;
        ++scenes;
        SCOPED_TRACE(made.entry.name);
        const auto quads = LoadedQuads(d, d["sizeMode"]);
        ASSERT_EQ(quads.size(), d["quadCount"].get<size_t>());
        ASSERT_FALSE(quads.empty());
        // Scaled corners land within the rounding of the pixel ones.
        const auto inPixels = LoadedQuads(d, 0);
        for (size_t q = 0; q < quads.size(); ++q) {
            for (size_t c = 0; c < 4; ++c) {
                EXPECT_LE(cv::norm(quads[q][c] - inPixels[q][c]), 2.0);
            }
        }
        const QImage& picture = made.packed.picture;
        const int frameHeight = picture.height() / d["frameCount"].get<int>();
        std::vector<int> clearInside(quads.size(), 0);
        for (int y = 0; y < frameHeight; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int alpha = AlphaAt(picture, x, y);
                if (alpha > 200) continue;
                // Where the camera shows through, a quadrangle must bring it.
                const cv::Point2f centre(x + 0.5f, y + 0.5f);
                double best = -1e9;
                for (size_t q = 0; q < quads.size(); ++q) {
                    const double inside = DistanceInside(quads[q], centre);
                    best = std::max(best, inside);
                    if (alpha == 0 && inside > 0) ++clearInside[q];
                }
                ASSERT_GE(best, -1.0) << "an unmapped hole at " << x << ", " << y;
            }
        }
        for (size_t q = 0; q < quads.size(); ++q) {
            EXPECT_GT(clearInside[q], 1000) << "quadrangle " << q << " has no window";
        }
    }
    EXPECT_GE(scenes, 3);
}

TEST(Tools_FxgenSet, FramesOpenOnTheMiddleOfThePicture) {
    for (const MadeEffect& made : MadeEffects()) {
        if (made.entry.category != "Frames") continue;
        SCOPED_TRACE(made.entry.name);
        const QImage& picture = made.packed.picture;
        EXPECT_LT(AlphaAt(picture, picture.width() / 2, picture.height() / 2), 128);
        int opaqueOnBorder = 0;
        for (int x = 0; x < picture.width(); ++x) {
            opaqueOnBorder += AlphaAt(picture, x, 4) > 200;
            opaqueOnBorder += AlphaAt(picture, x, picture.height() - 5) > 200;
        }
        EXPECT_GT(opaqueOnBorder, picture.width() / 2);
    }
}

int main(int argc, char** argv) {
    // Text is drawn with fonts, which need an application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
