#include <gtest/gtest.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <chrono>
#include <filesystem>
#include <thread>

#include "effects/EffectEngine.h"
#include "effects/FaceFollowing.h"
#include "effects/FaceTracker.h"
#include "tests/effects/LoaderTestSupport.h"
#include "tests/support/Prerequisite.h"

using effects::EffectEngine;
using effects::TrackedFace;
using namespace loader_test;

namespace {

const cv::Rect2d kReference = effects::ReferenceFace({480, 360});

// The photograph the test set-up fetches (tests/support/fetch_face_photo.sh), as a 480 x 360
// frame with the face at `offset` from where the photograph has it; empty when it is missing.
cv::Mat FacePhoto(cv::Point offset = {0, 0}) {
    const cv::Mat photo = cv::imread(QUENVALOR_BUILD_DIR "/test-data/face.png", cv::IMREAD_COLOR);
    if (photo.empty()) return {};
    cv::Mat frame;
    cv::resize(photo(cv::Rect(64, 0, 384, 288)), frame, {480, 360}, 0, 0, cv::INTER_AREA);
    const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, offset.x, 0, 1, offset.y);
    cv::Mat moved;
    cv::warpAffine(frame, moved, shift, frame.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return moved;
}

cv::Point2d Centre(const cv::Rect2d& r) {
    return {r.x + r.width / 2, r.y + r.height / 2};
}

}  // namespace

TEST(Effects_FaceFollowing, ReferenceFaceMapsOntoTheFaceAndBack) {
    EXPECT_EQ(kReference, cv::Rect2d(165, 75, 150, 190));
    EXPECT_EQ(effects::ReferenceFace({1280, 720}), cv::Rect2d(440, 150, 400, 380));
    // The reference face itself lands exactly on the face, in its width.
    const cv::Rect2d face(300, 100, 75, 75);
    const cv::Rect2d onFace = effects::PlaceOnFace(kReference, kReference, face);
    EXPECT_EQ(Centre(onFace), Centre(face));
    EXPECT_DOUBLE_EQ(onFace.width, 75);
    // Sunglasses authored 30 above the centre, half the face wide: half as wide on a face half
    // the size, 15 above its centre.
    const cv::Rect2d glasses(202.5, 125, 75, 30);
    const cv::Rect2d placed = effects::PlaceOnFace(glasses, kReference, face);
    EXPECT_DOUBLE_EQ(placed.width, 37.5);
    EXPECT_DOUBLE_EQ(placed.y, Centre(face).y - 22.5);
    EXPECT_DOUBLE_EQ(Centre(placed).x, Centre(face).x);
    const cv::Rect2d back = effects::AuthoredFromPlaced(placed, kReference, face);
    EXPECT_NEAR(back.x, glasses.x, 1e-9);
    EXPECT_NEAR(back.y, glasses.y, 1e-9);
    EXPECT_NEAR(back.width, glasses.width, 1e-9);
}

TEST(Effects_FaceFollowing, EffectsKeepToTheirFaceAndTheUsersOffset) {
    const effect_file_test::ScratchFolder folder("face-following");
    EffectEngine engine(480, 360);
    engine.SetPaintMode(false);
    const std::string glasses =
        WriteEffect(folder, "glasses.eft", PictureDescriptor(1, {60, 20}, {210, 150}));
    const std::string hat = WriteEffect(folder, "hat.eft", PictureDescriptor(1, {80, 40}, {200, 40}));
    for (const std::string& path : {glasses, hat}) ASSERT_TRUE(engine.LoadEffectFile(path, -1));

    EXPECT_FALSE(engine.HasFollowers());
    EXPECT_FALSE(engine.SetFollowsFace(folder / "not-loaded.eft", true));
    EXPECT_FALSE(engine.FollowsFace(folder / "not-loaded.eft").has_value());
    ASSERT_TRUE(engine.SetFollowsFace(glasses, true));
    EXPECT_EQ(engine.FollowsFace(glasses), true);
    EXPECT_EQ(engine.FollowsFace(hat), false);
    EXPECT_TRUE(engine.HasFollowers());

    // One face, half the reference's size, in the left half: the glasses go with it, the hat
    // stays where its file put it.
    const TrackedFace left{7, {60, 100, 75, 95}};
    engine.FollowFaces({left});
    const effects::EffectRect onLeft = engine.Describe(0)->rect;
    EXPECT_EQ(onLeft.right - onLeft.left, 30);
    EXPECT_EQ(onLeft.left, 83) << "97.5, the face's centre, less half of 30 off the reference's";
    EXPECT_EQ(engine.Describe(1)->rect, (effects::EffectRect{200, 40, 280, 80}));

    // A second face appears nearer the effect's old place: it keeps to the face it was on, which
    // moves; with no face in view it stays where it was last.
    const TrackedFace right{8, {200, 100, 150, 190}};
    const TrackedFace leftMoved{7, {90, 110, 75, 95}};
    engine.FollowFaces({right, leftMoved});
    EXPECT_EQ(engine.Describe(0)->rect.left, onLeft.left + 30);
    engine.FollowFaces({});
    EXPECT_EQ(engine.Describe(0)->rect.left, onLeft.left + 30);

    // Moved by the user 20 to the right on that face: the offset stays as the face moves on.
    engine.Select(0);
    const effects::EffectRect before = engine.Describe(0)->rect;
    engine.MouseDown(before.left + 5, before.top + 5);
    engine.MouseMove(before.left + 25, before.top + 5);
    engine.MouseUp();
    engine.FollowFaces({{7, {130, 110, 75, 95}}});
    EXPECT_EQ(engine.Describe(0)->rect.left, before.left + 20 + 40);
    EXPECT_EQ(engine.Describe(0)->rect.top, before.top);

    engine.SetFollowsFace(glasses, false);
    EXPECT_FALSE(engine.HasFollowers());
}

TEST(Effects_FaceTracker, FindsThePhotographsFaceAndFollowsItSmoothly) {
    const std::string cascade = effects::FaceTracker::FindCascade();
    QUENVALOR_REQUIRE(!cascade.empty(), "no frontal-face cascade (package opencv-data)");
    const cv::Mat still = FacePhoto();
    QUENVALOR_REQUIRE(!still.empty(), "no face photograph (tests/support/fetch_face_photo.sh)");

    effects::FaceTracker tracker(cascade, still.size());
    ASSERT_TRUE(tracker.Available());
    const std::vector<cv::Rect> found = tracker.DetectNow(still);
    ASSERT_EQ(found.size(), 1u);
    const cv::Rect face = found[0];
    EXPECT_GT(face.width, 80);

    // Offered through the road: the detector runs on its own thread, never more often than
    // its interval, and the face appears once a detection is done.
    const auto waitForFaces = [&tracker](const cv::Mat& frame, uint32_t now) {
        tracker.Offer(frame, now);
        for (int i = 0; i < 200; ++i) {
            std::vector<TrackedFace> faces = tracker.Step();
            if (!faces.empty()) return faces;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::vector<TrackedFace>{};
    };
    std::vector<TrackedFace> faces = waitForFaces(still, 1000);
    ASSERT_EQ(faces.size(), 1u);
    const int id = faces[0].id;
    EXPECT_LT(cv::norm(Centre(faces[0].rect) - Centre(cv::Rect2d(face))), 5.0);

    // The face moves 40 pixels to the right: the followed face moves part of the way each step,
    // without overshooting, and keeps its identity.
    const cv::Mat moved = FacePhoto({40, 0});
    const double startX = Centre(faces[0].rect).x;
    tracker.Offer(moved, 1300);
    std::vector<double> xs;
    for (int i = 0; i < 300 && (xs.empty() || xs.back() < startX + 38); ++i) {
        faces = tracker.Step();
        ASSERT_EQ(faces.size(), 1u);
        EXPECT_EQ(faces[0].id, id);
        xs.push_back(Centre(faces[0].rect).x);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_GE(xs.size(), 3u);
    for (size_t i = 1; i < xs.size(); ++i) {
        EXPECT_GE(xs[i], xs[i - 1]);
        EXPECT_LT(xs[i] - xs[i - 1], 20.0) << "a jump";
        EXPECT_LE(xs[i], startX + 45);
    }
    EXPECT_GT(xs.back(), startX + 30);
}

TEST(Effects_FaceTracker, WithoutTheCascadeItIsUnavailableAndFindsNothing) {
    effects::FaceTracker tracker("/nonexistent/cascade.xml", {480, 360});
    EXPECT_FALSE(tracker.Available());
    const cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(90));
    tracker.Offer(frame, 0);
    EXPECT_TRUE(tracker.Step().empty());
    EXPECT_TRUE(tracker.DetectNow(frame).empty());
}
