#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include <filesystem>
#include <fstream>

#include "AviProbe.h"
#include "capture/FrameRoad.h"
#include "recording/Snapshot.h"

using capture::CCaptureDevice;
using capture::FrameRoad;
using recording::testing::ScratchFolder;

namespace {

void UsePatternCamera(FrameRoad& frameRoad) {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    auto device = std::make_unique<CCaptureDevice>();
    ASSERT_TRUE(device->OpenDevice(CCaptureDevice::GetDeviceCount() - 1, 320, 240));
    frameRoad.ReplaceDevice(std::move(device));
}

// A snapshot of the road's output frame of this moment, as the session takes one.
std::optional<std::string> SaveSnapshot(const FrameRoad& frameRoad, const std::string& path,
                                        std::string& error) {
    cv::Mat picture;
    frameRoad.CopyOutputFrame(picture);
    return recording::SaveSnapshot(picture, path, error);
}

}  // namespace

TEST(Recording_Snapshot, WritesTheOutputFrameAsA320By240Jpeg) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    UsePatternCamera(frameRoad);
    frameRoad.RunPass();
    const std::string path = folder.File("2010-05-17 14-03-09.jpg");
    std::string error;
    ASSERT_TRUE(SaveSnapshot(frameRoad, path, error)) << error;

    const cv::Mat saved = cv::imread(path, cv::IMREAD_COLOR);
    ASSERT_EQ(saved.size(), cv::Size(320, 240));
    cv::Mat output;
    frameRoad.CopyOutputFrame(output);
    ASSERT_GT(cv::countNonZero(output.reshape(1)), 0) << "the pattern, not black";
    // JPEG is lossy; colours and their places must still match, rows top first.
    EXPECT_LT(cv::norm(saved, output, cv::NORM_L1) / output.total() / 3, 6.0);
}

TEST(Recording_Snapshot, WithoutACameraTheSnapshotIsBlack) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    std::string error;
    ASSERT_TRUE(SaveSnapshot(frameRoad, folder.File("black.jpg"), error)) << error;
    const cv::Mat saved = cv::imread(folder.File("black.jpg"), cv::IMREAD_COLOR);
    ASSERT_EQ(saved.size(), cv::Size(320, 240));
    double brightest = 0;
    cv::minMaxLoc(saved.reshape(1), nullptr, &brightest);
    EXPECT_LE(brightest, 2.0);
}

TEST(Recording_Snapshot, FolderThatDoesNotExistIsReported) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    const std::string path = folder.File("gone/a.jpg");
    std::string error;
    EXPECT_FALSE(SaveSnapshot(frameRoad, path, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Recording_Snapshot, SnapshotsUnderOneNameNeverReplaceAFileOrFollowALink) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    UsePatternCamera(frameRoad);
    frameRoad.RunPass();
    const std::string path = folder.File("2010-05-17 14-03-09.jpg");
    const std::string target = folder.File("target");
    { std::ofstream(target) << "keep"; }
    std::filesystem::create_symlink(target, folder.File("2010-05-17 14-03-09 (2).jpg"));
    std::string error;
    EXPECT_EQ(SaveSnapshot(frameRoad, path, error), path) << error;
    const auto firstSize = std::filesystem::file_size(path);
    EXPECT_EQ(SaveSnapshot(frameRoad, path, error), folder.File("2010-05-17 14-03-09 (3).jpg"))
        << error;
    EXPECT_EQ(std::filesystem::file_size(path), firstSize);
    EXPECT_EQ(cv::imread(folder.File("2010-05-17 14-03-09 (3).jpg")).size(), cv::Size(320, 240));
    std::string kept;
    std::ifstream(target) >> kept;
    EXPECT_EQ(kept, "keep");
}
