#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <cstdlib>

#include "capture/CCaptureDevice.h"

using capture::CCaptureDevice;

namespace {

// The pattern camera is listed last, after any real cameras of the machine.
int PatternCameraPosition() { return CCaptureDevice::GetDeviceCount() - 1; }

}  // namespace

TEST(Capture_PatternCamera, IsListedOnlyWhenSwitchedOn) {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    const int withPattern = CCaptureDevice::GetDeviceCount();
    char name[64] = "untouched";
    ASSERT_EQ(CCaptureDevice::GetDeviceName(withPattern - 1, name, sizeof name), 1);
    EXPECT_STREQ(name, "Pattern Camera");

    setenv("QUENVALOR_PATTERN_CAMERA", "0", 1);
    EXPECT_EQ(CCaptureDevice::GetDeviceCount(), withPattern - 1);
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
}

TEST(Capture_PatternCamera, NameIsCutToTheBufferAndPastTheEndLeavesItAlone) {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    char shortName[8];
    CCaptureDevice::GetDeviceName(PatternCameraPosition(), shortName, sizeof shortName);
    EXPECT_STREQ(shortName, "Pattern");
    char name[16] = "untouched";
    CCaptureDevice::GetDeviceName(PatternCameraPosition() + 1, name, sizeof name);
    EXPECT_STREQ(name, "untouched");
}

TEST(Capture_PatternCamera, OpensAt320x240AndDeliversChangingFrames) {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    CCaptureDevice device;
    ASSERT_TRUE(device.OpenDevice(PatternCameraPosition(), 320, 240));
    EXPECT_EQ(device.Width(), 320);
    EXPECT_EQ(device.Height(), 240);

    const cv::Mat* first = device.QueryFrame();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->type(), CV_8UC3);
    ASSERT_EQ(first->cols, 320);
    ASSERT_EQ(first->rows, 240);
    const cv::Mat firstCopy = first->clone();
    const cv::Mat* second = device.QueryFrame();
    ASSERT_NE(second, nullptr);
    EXPECT_GT(cv::norm(firstCopy, *second, cv::NORM_L1), 0.0) << "the picture must move";
}

TEST(Capture_Device, DeliversRowsTopDown) {
    CCaptureDevice device;
    // Black picture with a white band added above it: the white rows must come first.
    ASSERT_TRUE(device.OpenSourceDescription(
        "videotestsrc is-live=true pattern=black ! video/x-raw,width=64,height=24 ! "
        "videobox top=-24 fill=white",
        64, 48));
    const cv::Mat* frame = device.QueryFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_GT(cv::mean(frame->rowRange(0, 20))[0], 230.0);
    EXPECT_LT(cv::mean(frame->rowRange(28, 48))[0], 25.0);
}

TEST(Capture_Device, DeliversBgrByteOrder) {
    CCaptureDevice device;
    // A solid red source (ARGB 0xffff0000).
    ASSERT_TRUE(device.OpenSourceDescription(
        "videotestsrc is-live=true pattern=solid-color foreground-color=0xffff0000", 64, 48));
    const cv::Mat* frame = device.QueryFrame();
    ASSERT_NE(frame, nullptr);
    const cv::Vec3b pixel = frame->at<cv::Vec3b>(10, 10);
    EXPECT_LT(pixel[0], 10);   // blue
    EXPECT_LT(pixel[1], 10);   // green
    EXPECT_GT(pixel[2], 245);  // red
}

TEST(Capture_Device, GrabFromAStalledCameraGivesUpWithoutAFrame) {
    CCaptureDevice device;
    // One frame every twenty seconds: after the first, the camera is as good as stuck.
    ASSERT_TRUE(device.OpenSourceDescription(
        "videotestsrc is-live=true ! video/x-raw,framerate=1/20", 64, 48));
    ASSERT_NE(device.QueryFrame(), nullptr);
    EXPECT_EQ(device.QueryFrame(), nullptr);
}

TEST(Capture_Device, FailedOrClosedDeviceNeverDeliversAndNeverBlocks) {
    CCaptureDevice device;
    EXPECT_EQ(device.QueryFrame(), nullptr);
    EXPECT_FALSE(device.OpenDevice(-1, 320, 240));
    EXPECT_FALSE(device.OpenDevice(1000, 320, 240));
    EXPECT_EQ(device.QueryFrame(), nullptr);

    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    ASSERT_TRUE(device.OpenDevice(PatternCameraPosition(), 320, 240));
    device.CloseDevice();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.Width(), 0);
    EXPECT_EQ(device.QueryFrame(), nullptr);
}
