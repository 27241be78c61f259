#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "CameraTestSupport.h"
#include "capture/CCaptureDevice.h"
#include "capture/PatternCamera.h"
#include "capture/VideoSources.h"

using capture::CameraFailure;
using capture::CameraMode;
using capture::CCaptureDevice;
using namespace std::chrono_literals;

namespace {

class Capture_PatternDevice : public ::testing::Test {
protected:
    void Plug(const std::string& text) { presence_.Plug(text); }
    void Unplug() { presence_.Unplug(); }

    // The pattern camera's device from a monitor, or null when it is not listed.
    static const capture::VideoSource* Pattern(const std::vector<capture::VideoSource>& sources) {
        for (const capture::VideoSource& source : sources)
            if (source.name == capture::kPatternCameraName) return &source;
        return nullptr;
    }

    // Waits for the next device message on a started monitor's bus, up to five seconds.
    static GstMessageType NextDeviceMessage(GstBus* bus) {
        capture::MessageRef message(gst_bus_timed_pop_filtered(
            bus, 5 * GST_SECOND,
            GstMessageType(GST_MESSAGE_DEVICE_ADDED | GST_MESSAGE_DEVICE_REMOVED)));
        return message ? GST_MESSAGE_TYPE(message.get()) : GST_MESSAGE_UNKNOWN;
    }

    capture_test::PatternCameraPresence presence_;
};

}  // namespace

TEST(Capture_PatternCameraModes, ReadsMediaAndSizeEntriesAndSkipsTheRest) {
    EXPECT_EQ(capture::ParseCameraModes("image/jpeg 1280x720"),
              (std::vector<CameraMode>{{"image/jpeg", 1280, 720}}));
    EXPECT_EQ(capture::ParseCameraModes(" video/x-raw 640x480 ;image/jpeg 320x240;"),
              (std::vector<CameraMode>{{"video/x-raw", 640, 480}, {"image/jpeg", 320, 240}}));
    EXPECT_TRUE(capture::ParseCameraModes("video/x-h264 1920x1080;image/jpeg 0x0;image/jpeg;"
                                          "video/x-raw 640x480 extra;garbage")
                    .empty());

    unsetenv("QUENVALOR_PATTERN_CAMERA_MODES");
    const std::vector<CameraMode> defaults = capture::PatternCameraModes();
    EXPECT_EQ(defaults, capture::DefaultPatternCameraModes());
    for (const CameraMode& mode : {CameraMode{"video/x-raw", 320, 240},
                                   CameraMode{"video/x-raw", 1920, 1080},
                                   CameraMode{"image/jpeg", 320, 240},
                                   CameraMode{"image/jpeg", 1920, 1080}})
        EXPECT_NE(std::find(defaults.begin(), defaults.end(), mode), defaults.end()) << mode.media;
    setenv("QUENVALOR_PATTERN_CAMERA_MODES", "nothing readable", 1);
    EXPECT_EQ(capture::PatternCameraModes(), capture::DefaultPatternCameraModes());
    unsetenv("QUENVALOR_PATTERN_CAMERA_MODES");
}

TEST_F(Capture_PatternDevice, IsAVideoSourceOfTheDeviceMonitorWithAStableIdentity) {
    const auto sources = capture::ListVideoSources(capture::NewVideoSourceMonitor().get());
    const capture::VideoSource* pattern = Pattern(sources);
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(&sources.back(), pattern) << "the pattern camera comes after real cameras";
    EXPECT_EQ(pattern->id, "pattern:camera|Pattern Camera");
    gchar* deviceClass = gst_device_get_device_class(pattern->device.get());
    EXPECT_STREQ(deviceClass, "Video/Source");
    g_free(deviceClass);

    Unplug();
    EXPECT_EQ(Pattern(capture::ListVideoSources(capture::NewVideoSourceMonitor().get())), nullptr);
}

TEST_F(Capture_PatternDevice, NegotiatesARestrictedJpegModeAndOpensACameraOfAnyMode) {
    // The first frame of the pattern camera offering `modes`, opened for a picture of
    // `width` x `height` at `rate`; empty when it does not open.
    const auto firstFrame = [](const char* modes, int width, int height, int rate) {
        setenv("QUENVALOR_PATTERN_CAMERA_MODES", modes, 1);
        CCaptureDevice device;
        cv::Mat frame;
        if (device.OpenDevice(CCaptureDevice::GetDeviceCount() - 1, width, height, rate))
            if (const cv::Mat* grabbed = device.QueryFrame()) grabbed->copyTo(frame);
        return frame;
    };
    // The JPEG frames are encoded by the camera and decoded by the program.
    const cv::Mat jpeg = firstFrame("image/jpeg 320x240", 320, 240, 20);
    ASSERT_EQ(jpeg.size(), cv::Size(320, 240));
    EXPECT_GT(cv::mean(jpeg)[2], 40.0);
    // A camera without the asked size opens in the mode it has; the road scales it.
    EXPECT_EQ(firstFrame("image/jpeg 1280x720", 320, 240, 20).size(), cv::Size(1280, 720));
    // With larger and smaller modes on offer, an HD road gets the smallest that covers it.
    EXPECT_EQ(firstFrame("image/jpeg 1280x720;video/x-raw 1920x1080;video/x-raw 1280x720;"
                         "video/x-raw 640x480",
                         1280, 720, 30)
                  .size(),
              cv::Size(1280, 720));
}

TEST_F(Capture_PatternDevice, BusyCameraReportsBusyOnTheBusAndASlowOneIsNotBusy) {
    Plug("busy");
    CCaptureDevice busy;
    EXPECT_FALSE(busy.OpenDevice(CCaptureDevice::GetDeviceCount() - 1, 320, 240));
    EXPECT_EQ(busy.Failure(), CameraFailure::Busy);

    // A source whose first frame comes after a second and a half: the queue holds the frames
    // until it has that much.
    CCaptureDevice slow;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(slow.OpenSourceDescription(
        "videotestsrc is-live=true ! queue min-threshold-time=1500000000 max-size-time=0 "
        "max-size-buffers=0 max-size-bytes=0",
        64, 48));
    EXPECT_GT(std::chrono::steady_clock::now() - start, 1s) << "the first frame must be late";
    EXPECT_EQ(slow.Failure(), CameraFailure::None);
    EXPECT_GT(slow.FramesDelivered(), 0);
}

TEST_F(Capture_PatternDevice, UnpluggingLeavesTheMonitorAndFailsTheStreamAndPluggingReturns) {
    capture::GstRef<GstDeviceMonitor> monitor = capture::NewVideoSourceMonitor();
    ASSERT_TRUE(gst_device_monitor_start(monitor.get()));
    capture::GstRef<GstBus> bus(gst_device_monitor_get_bus(monitor.get()));
    const auto sources = capture::ListVideoSources(monitor.get());
    ASSERT_NE(Pattern(sources), nullptr);
    // Drop the messages of the start.
    while (capture::MessageRef message{gst_bus_pop(bus.get())}) {
    }

    CCaptureDevice device;
    ASSERT_TRUE(device.StartDevice(Pattern(sources)->device.get(), 320, 240));
    while (device.FramesDelivered() == 0) std::this_thread::sleep_for(10ms);
    ASSERT_NE(device.QueryFrame(), nullptr);

    Unplug();
    EXPECT_EQ(NextDeviceMessage(bus.get()), GST_MESSAGE_DEVICE_REMOVED);
    EXPECT_EQ(Pattern(capture::ListVideoSources(monitor.get())), nullptr);
    for (int wait = 0; wait < 100 && device.Failure() == CameraFailure::None; ++wait)
        std::this_thread::sleep_for(50ms);
    EXPECT_EQ(device.Failure(), CameraFailure::Failed);
    EXPECT_EQ(device.QueryFrame(), nullptr);

    Plug("");
    EXPECT_EQ(NextDeviceMessage(bus.get()), GST_MESSAGE_DEVICE_ADDED);
    const auto back = capture::ListVideoSources(monitor.get());
    ASSERT_NE(Pattern(back), nullptr);
    EXPECT_EQ(Pattern(back)->id, Pattern(sources)->id);
    gst_device_monitor_stop(monitor.get());
}
