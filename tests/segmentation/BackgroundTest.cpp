#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <chrono>
#include <filesystem>
#include <thread>

#include "effects/FaceTracker.h"
#include "segmentation/Background.h"
#include "segmentation/PersonMask.h"
#include "tests/support/Prerequisite.h"

using namespace segmentation;

namespace {

const std::string kModel = QUENVALOR_BUILD_DIR "/models/selfie_segmentation_landscape.tflite";

// The portrait the tests fetch, its top 16:9 part made 640 x 360 (landscape, as a camera
// gives), and its face.
struct Portrait {
    cv::Mat picture;
    cv::Rect face;
};
Portrait LoadPortrait() {
    const cv::Mat photo = cv::imread(QUENVALOR_BUILD_DIR "/test-data/face.png", cv::IMREAD_COLOR);
    if (photo.empty()) return {};
    Portrait portrait;
    cv::resize(photo(cv::Rect(0, 0, photo.cols, photo.cols * 9 / 16)), portrait.picture, {640, 360},
               0, 0, cv::INTER_AREA);
    effects::FaceTracker tracker(effects::FaceTracker::FindCascade(), portrait.picture.size());
    const auto faces = tracker.DetectNow(portrait.picture);
    if (!faces.empty()) portrait.face = faces.front();
    return portrait;
}

// How much fine detail a region holds: the variance of its Laplacian.
double Detail(const cv::Mat& picture) {
    cv::Mat grey, laplacian;
    cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
    cv::Laplacian(grey, laplacian, CV_32F);
    cv::Scalar mean, deviation;
    cv::meanStdDev(laplacian, mean, deviation);
    return deviation[0] * deviation[0];
}

double MeanDifference(const cv::Mat& a, const cv::Mat& b) {
    cv::Mat difference;
    cv::absdiff(a, b, difference);
    const cv::Scalar mean = cv::mean(difference);
    return (mean[0] + mean[1] + mean[2]) / 3;
}

// The inner half of the face, and the two top corners (the backdrop beside the head).
cv::Rect Inner(const cv::Rect& face) {
    return {face.x + face.width / 4, face.y + face.height / 4, face.width / 2, face.height / 2};
}
std::vector<cv::Rect> TopCorners(cv::Size size) {
    const int side = size.height / 5;
    return {{0, 0, side, side}, {size.width - side, 0, side, side}};
}

}  // namespace

TEST(Segmentation_Mask, SmoothingDampsDoubtAndFollowsSureChanges) {
    MaskSmoother smoother;
    const cv::Mat person(2, 2, CV_32F, cv::Scalar(1.0f));
    EXPECT_EQ(smoother.Add(person).at<float>(0, 0), 1.0f);  // the first mask is taken whole
    // A mask that hesitates (1/2) moves the kept one only by the least share: 1 - 0.5 * 0.3.
    const cv::Mat doubt(2, 2, CV_32F, cv::Scalar(0.5f));
    EXPECT_FLOAT_EQ(smoother.Add(doubt).at<float>(1, 1), 0.85f);
    // A sure change (to 0) is followed at once: sureness 1 takes all of it.
    const cv::Mat room(2, 2, CV_32F, cv::Scalar(0.0f));
    EXPECT_FLOAT_EQ(smoother.Add(room).at<float>(0, 1), 0.0f);
    // Sureness 0.6 (a value of 0.8) takes 0.3 + 0.7 * 0.36 = 0.552 of the way from 0.
    const cv::Mat likely(2, 2, CV_32F, cv::Scalar(0.8f));
    EXPECT_NEAR(smoother.Add(likely).at<float>(0, 0), 0.8f * 0.552f, 1e-6f);
    // A mask of another size starts afresh.
    const cv::Mat other(3, 3, CV_32F, cv::Scalar(0.5f));
    EXPECT_FLOAT_EQ(smoother.Add(other).at<float>(2, 2), 0.5f);
}

TEST(Segmentation_Mask, RefinementTakesThePicturesEdge) {
    // A dark left half and a bright right half split at x = 200; the network's coarse mask (64
    // cells across, 6.25 pixels each) a ramp from 0 to 1 across x = 180..220, blocky as at its
    // low resolution and not on the edge.
    cv::Mat picture(240, 400, CV_8UC3, cv::Scalar(30, 30, 30));
    picture(cv::Rect(200, 0, 200, 240)).setTo(cv::Scalar(220, 220, 220));
    cv::Mat coarse(36, 64, CV_32F);
    for (int x = 0; x < 64; ++x)
        coarse.col(x).setTo(std::clamp(((x + 0.5f) * 6.25f - 180.0f) / 40.0f, 0.0f, 1.0f));
    cv::Mat alpha, stretched;
    RefineMask(picture, coarse, alpha);
    ASSERT_EQ(alpha.size(), picture.size());
    ASSERT_EQ(alpha.type(), CV_8U);
    cv::resize(coarse, stretched, picture.size(), 0, 0, cv::INTER_LINEAR);
    // Either side of the edge the refined mask is nearer the end than the coarse one, and the
    // step across the edge (x = 195 to 205) is more than twice the coarse mask's; far from the
    // edge it is the coarse mask's 0 or 1.
    const auto coarseAt = [&](int x) { return 255 * stretched.at<float>(120, x); };
    for (const int x : {190, 195}) EXPECT_LT(alpha.at<uint8_t>(120, x), coarseAt(x) - 10) << x;
    for (const int x : {205, 210}) EXPECT_GT(alpha.at<uint8_t>(120, x), coarseAt(x) + 10) << x;
    EXPECT_GT(alpha.at<uint8_t>(120, 205) - alpha.at<uint8_t>(120, 195),
              2 * (coarseAt(205) - coarseAt(195)));
    EXPECT_LT(alpha.at<uint8_t>(120, 60), 3);
    EXPECT_GT(alpha.at<uint8_t>(120, 340), 252);
}

TEST(Segmentation_Background, CompositingAndCoveringByHand) {
    const cv::Mat person(1, 3, CV_8UC3, cv::Scalar(200, 200, 200));
    const cv::Mat room(1, 3, CV_8UC3, cv::Scalar(100, 0, 255));
    const cv::Mat alpha = (cv::Mat_<uint8_t>(1, 3) << 0, 255, 128);
    cv::Mat out;
    Composite(person, room, alpha, out);
    EXPECT_EQ(out.at<cv::Vec3b>(0, 0), cv::Vec3b(100, 0, 255));
    EXPECT_EQ(out.at<cv::Vec3b>(0, 1), cv::Vec3b(200, 200, 200));
    // (100 * 127 + 200 * 128) / 255 = 150.2; (0 + 25600) / 255 = 100.4; (255 * 127 + 25600) /
    // 255 = 227.4.
    EXPECT_EQ(out.at<cv::Vec3b>(0, 2), cv::Vec3b(150, 100, 227));

    // A 100 x 50 picture whose columns count 0..99 covering 50 x 50: the middle 50 columns.
    cv::Mat wide(50, 100, CV_8UC3);
    for (int x = 0; x < 100; ++x) wide.col(x).setTo(cv::Scalar(x, x, x));
    cv::Mat covered;
    CoverSize(wide, {50, 50}, covered);
    ASSERT_EQ(covered.size(), cv::Size(50, 50));
    EXPECT_EQ(covered.at<cv::Vec3b>(10, 0)[0], 25);
    EXPECT_EQ(covered.at<cv::Vec3b>(10, 49)[0], 74);
}

TEST(Segmentation_Background, StillPortraitBlurredOrReplacedAroundAnUnchangedFace) {
    QUENVALOR_REQUIRE(std::filesystem::exists(kModel),
                      "no segmentation model (tools/install-deps.sh)");
    const Portrait portrait = LoadPortrait();
    QUENVALOR_REQUIRE(!portrait.picture.empty(),
                      "no face photograph (tests/support/fetch_face_photo.sh)");
    ASSERT_FALSE(portrait.face.empty());
    const cv::Rect inner = Inner(portrait.face);

    std::string error;
    cv::Mat blurred;
    ASSERT_TRUE(BackgroundStage::ApplyToStill(kModel, {BackgroundMode::Blur, 60, ""},
                                              portrait.picture, blurred, error))
        << error;
    EXPECT_LT(MeanDifference(blurred(inner), portrait.picture(inner)), 2.0);
    for (const cv::Rect& corner : TopCorners(portrait.picture.size()))
        EXPECT_LT(Detail(blurred(corner)), Detail(portrait.picture(corner)) / 4) << corner;

    const std::string scene = testing::TempDir() + "/green_scene.png";
    ASSERT_TRUE(cv::imwrite(scene, cv::Mat(90, 160, CV_8UC3, cv::Scalar(40, 200, 60))));
    cv::Mat replaced;
    ASSERT_TRUE(BackgroundStage::ApplyToStill(kModel, {BackgroundMode::Replace, 50, scene},
                                              portrait.picture, replaced, error))
        << error;
    EXPECT_LT(MeanDifference(replaced(inner), portrait.picture(inner)), 2.0);
    for (const cv::Rect& corner : TopCorners(portrait.picture.size()))
        EXPECT_LT(MeanDifference(replaced(corner),
                                 cv::Mat(corner.size(), CV_8UC3, cv::Scalar(40, 200, 60))),
                  8.0);

    EXPECT_FALSE(BackgroundStage::ApplyToStill(kModel,
                                               {BackgroundMode::Replace, 50, "/nonexistent.png"},
                                               portrait.picture, replaced, error));
    EXPECT_EQ(error, "cannot read the picture /nonexistent.png");
}

TEST(Segmentation_Background, LiveStageMasksOnItsWorkerAndPassesPicturesWhileOff) {
    QUENVALOR_REQUIRE(std::filesystem::exists(kModel),
                      "no segmentation model (tools/install-deps.sh)");
    const Portrait portrait = LoadPortrait();
    QUENVALOR_REQUIRE(!portrait.picture.empty(),
                      "no face photograph (tests/support/fetch_face_photo.sh)");
    BackgroundStage stage(kModel);
    ASSERT_TRUE(stage.Available()) << stage.UnavailableReason();
    // Off by default: the very picture passes.
    EXPECT_EQ(&stage.Apply(portrait.picture, 0), &portrait.picture);

    ASSERT_TRUE(stage.Choose({BackgroundMode::Blur, 200, ""}));
    EXPECT_EQ(stage.Choice().blur, BackgroundChoice::kMaxBlur);  // clamped
    // The first pictures pass unchanged until the worker's first mask is there.
    const cv::Mat* result = &portrait.picture;
    uint32_t now = 0;
    for (int i = 0; i < 3000 && result == &portrait.picture; ++i, now += 10) {
        result = &stage.Apply(portrait.picture, now);
        if (result == &portrait.picture) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(result, &portrait.picture) << "no mask within 30 s";
    for (const cv::Rect& corner : TopCorners(portrait.picture.size()))
        EXPECT_LT(Detail((*result)(corner)), Detail(portrait.picture(corner)) / 4);

    ASSERT_TRUE(stage.Choose({BackgroundMode::None, 50, ""}));
    EXPECT_EQ(&stage.Apply(portrait.picture, now), &portrait.picture);
}

TEST(Segmentation_Background, WithoutTheModelEverythingPassesAndSaysWhy) {
    BackgroundStage stage("/nonexistent/models/selfie_segmentation_landscape.tflite");
    EXPECT_FALSE(stage.Available());
    EXPECT_EQ(stage.UnavailableReason(),
              "cannot open /nonexistent/models/selfie_segmentation_landscape.tflite");
    std::string error;
    EXPECT_FALSE(stage.Choose({BackgroundMode::Blur, 50, ""}, &error));
    EXPECT_EQ(error, stage.UnavailableReason());
    const cv::Mat picture(36, 64, CV_8UC3, cv::Scalar(1, 2, 3));
    EXPECT_EQ(&stage.Apply(picture, 0), &picture);
}
