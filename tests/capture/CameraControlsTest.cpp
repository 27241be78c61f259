#include <gtest/gtest.h>
#include <linux/videodev2.h>

#include <opencv2/core.hpp>

#include <cerrno>
#include <map>
#include <mutex>
#include <tuple>

#include "CameraTestSupport.h"
#include "capture/CameraControls.h"
#include "capture/CameraSession.h"
#include "capture/PictureAdjustment.h"

using capture::CameraControl;
using capture::ControlSetting;
using capture::PictureAdjustment;
using capture_test::WaitUntil;

namespace {

constexpr const char* kPatternId = "pattern:camera|Pattern Camera";

// --- a V4L2 camera as its device node answers ---------------------------------------------------

struct FakeControl {
    v4l2_queryctrl query;
    int value;
};

// A webcam with brightness, saturation (in steps of 5), gain (which fails every write), white
// balance with its automatic switch (on; the temperature cannot be set meanwhile) and exposure
// with its automatic menu (aperture priority), and power line frequency as a menu. It has no
// contrast and no hue.
class FakeV4l2Camera {
public:
    FakeV4l2Camera() {
        Add(V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, -64, 64, 1, 0);
        Add(V4L2_CID_SATURATION, V4L2_CTRL_TYPE_INTEGER, 0, 100, 5, 50);
        Add(V4L2_CID_GAIN, V4L2_CTRL_TYPE_INTEGER, 0, 255, 1, 32);
        Add(V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CTRL_TYPE_INTEGER, 2800, 6500, 10, 4600);
        Add(V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CTRL_TYPE_BOOLEAN, 0, 1, 1, 1);
        Add(V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, 3, 2047, 1, 250);
        Add(V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, 0, 3, 1, V4L2_EXPOSURE_APERTURE_PRIORITY);
        Add(V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_MENU, 0, 2, 1, 1);
    }

    int Ioctl(unsigned long request, void* argument) {
        std::lock_guard lock(mutex_);
        if (request == VIDIOC_QUERYCTRL) {
            auto* query = static_cast<v4l2_queryctrl*>(argument);
            const auto found = controls_.find(query->id);
            if (found == controls_.end()) return Fail(EINVAL);
            *query = found->second.query;
            return 0;
        }
        auto* control = static_cast<v4l2_control*>(argument);
        const auto found = controls_.find(control->id);
        if (found == controls_.end()) return Fail(EINVAL);
        if (request == VIDIOC_G_CTRL) {
            control->value = found->second.value;
            return 0;
        }
        if (request != VIDIOC_S_CTRL) return Fail(ENOTTY);
        if (control->id == V4L2_CID_GAIN) return Fail(EIO);
        if (control->id == V4L2_CID_WHITE_BALANCE_TEMPERATURE && Value(V4L2_CID_AUTO_WHITE_BALANCE))
            return Fail(EBUSY);
        found->second.value = control->value;
        return 0;
    }

    int Value(uint32_t id) const { return controls_.at(id).value; }

private:
    void Add(uint32_t id, v4l2_ctrl_type type, int minimum, int maximum, int step, int value) {
        v4l2_queryctrl query{};
        query.id = id;
        query.type = type;
        query.minimum = minimum;
        query.maximum = maximum;
        query.step = step;
        query.default_value = value;
        controls_[id] = {query, value};
    }
    static int Fail(int error) {
        errno = error;
        return -1;
    }

    std::mutex mutex_;
    std::map<uint32_t, FakeControl> controls_;
};

const CameraControl* Find(const std::vector<CameraControl>& controls, const std::string& key) {
    for (const CameraControl& control : controls)
        if (control.key == key) return &control;
    return nullptr;
}

TEST(CameraControlsTest, V4l2CameraIsSetThroughItsNodeAndTheRoadFillsWhatItLacks) {
    FakeV4l2Camera camera;
    PictureAdjustment adjustment;
    adjustment.Set(PictureAdjustment::Contrast, 70);  // left over from the camera before
    capture::CameraControls controls(
        capture::MakeV4l2Controls([&](unsigned long request, void* argument) {
            return camera.Ioctl(request, argument);
        }),
        &adjustment);
    EXPECT_TRUE(adjustment.IsNeutral());

    const std::vector<CameraControl> listed = controls.List();
    std::vector<std::string> keys;
    for (const CameraControl& control : listed) keys.push_back(control.key + (control.software ? "*" : ""));
    EXPECT_EQ(keys, (std::vector<std::string>{"brightness", "contrast*", "saturation", "hue*", "gain",
                                              "exposure", "white_balance_temperature",
                                              "power_line_frequency"}));
    const CameraControl* whiteBalance = Find(listed, "white_balance_temperature");
    ASSERT_TRUE(whiteBalance);
    EXPECT_TRUE(whiteBalance->hasAuto && whiteBalance->autoOn && whiteBalance->autoDefault);
    EXPECT_EQ(whiteBalance->label, "White balance temperature");
    // The road's own controls have the ranges and defaults of a camera's colour balance.
    const CameraControl* contrast = Find(listed, "contrast");
    EXPECT_EQ(std::tuple(contrast->minimum, contrast->maximum, contrast->defaultValue, contrast->value),
              std::tuple(0, 200, 100, 100));

    // Values are clamped to the range and put on the control's steps.
    EXPECT_EQ(controls.Set("brightness", 1000), 64);
    EXPECT_EQ(camera.Value(V4L2_CID_BRIGHTNESS), 64);
    EXPECT_EQ(controls.Set("saturation", 33), 35);
    EXPECT_EQ(camera.Value(V4L2_CID_SATURATION), 35);
    // An automatic control's value is the camera's.
    EXPECT_FALSE(controls.Set("white_balance_temperature", 5000));
    EXPECT_FALSE(controls.Set("sharpness", 1));

    // Kept settings: the automatic switch goes first, so the temperature can then be set; the
    // gain the camera refuses is named; the software contrast goes to the road.
    capture::ControlSettings kept;
    kept["white_balance_temperature"] = ControlSetting{5003, false};
    kept["gain"] = ControlSetting{10, std::nullopt};
    kept["contrast"] = ControlSetting{50, std::nullopt};
    kept["power_line_frequency"] = ControlSetting{2, std::nullopt};
    kept["unknown"] = ControlSetting{1, std::nullopt};
    EXPECT_EQ(controls.Apply(kept), std::vector<std::string>{"Gain"});
    EXPECT_EQ(camera.Value(V4L2_CID_AUTO_WHITE_BALANCE), 0);
    EXPECT_EQ(camera.Value(V4L2_CID_WHITE_BALANCE_TEMPERATURE), 5000);
    EXPECT_EQ(adjustment.Get(PictureAdjustment::Contrast), 50);
    EXPECT_EQ(camera.Value(V4L2_CID_POWER_LINE_FREQUENCY), 2);

    // Exposure's automatic mode is a menu: manual, or aperture priority.
    EXPECT_TRUE(controls.SetAuto("exposure", false));
    EXPECT_EQ(camera.Value(V4L2_CID_EXPOSURE_AUTO), V4L2_EXPOSURE_MANUAL);
    EXPECT_TRUE(controls.SetAuto("exposure", true));
    EXPECT_EQ(camera.Value(V4L2_CID_EXPOSURE_AUTO), V4L2_EXPOSURE_APERTURE_PRIORITY);
    EXPECT_FALSE(controls.SetAuto("brightness", true));

    // Reset brings every control back to its default, the automatic ones to automatic; the
    // gain's refusal is told again.
    EXPECT_EQ(controls.Reset(), std::vector<std::string>{"Gain"});
    EXPECT_EQ(camera.Value(V4L2_CID_BRIGHTNESS), 0);
    EXPECT_EQ(camera.Value(V4L2_CID_AUTO_WHITE_BALANCE), 1);
    EXPECT_TRUE(adjustment.IsNeutral());
}

// The colour matrix works on B, G, R in that order: a neutral one keeps the picture, no
// saturation gives grey, and a half turn of hue makes red cyan.
TEST(CameraControlsTest, ColourAdjustmentKeepsChannelOrder) {
    cv::Mat picture(2, 2, CV_8UC3, cv::Scalar(30, 60, 200));
    cv::Mat same = picture.clone();
    capture::AdjustColours(same, 0, 1, 1, 0);
    EXPECT_LE(cv::norm(same, picture, cv::NORM_INF), 1);
    cv::Mat grey = picture.clone();
    capture::AdjustColours(grey, 0, 1, 0, 0);
    const cv::Vec3b pixel = grey.at<cv::Vec3b>(0, 0);
    EXPECT_NEAR(pixel[0], pixel[2], 1);
    EXPECT_NEAR(pixel[1], pixel[2], 1);
    cv::Mat turned(1, 1, CV_8UC3, cv::Scalar(0, 0, 255));
    capture::AdjustColours(turned, 0, 1, 1, 180);
    const cv::Vec3b cyan = turned.at<cv::Vec3b>(0, 0);
    EXPECT_LT(cyan[2], 60);
    EXPECT_GT(cyan[0], 60);
    EXPECT_GT(cyan[1], 60);
    // In the settings' units: brightness 100 adds 127 to every channel, contrast 50 halves the
    // distance from mid-grey.
    cv::Mat bright(1, 1, CV_8UC3, cv::Scalar(30, 60, 100));
    capture::ApplyColourBalance(bright, 100, 100, 100, 0);
    EXPECT_LE(cv::norm(bright.at<cv::Vec3b>(0, 0), cv::Vec3b(157, 187, 227), cv::NORM_INF), 1);
    cv::Mat flat(1, 1, CV_8UC3, cv::Scalar(28, 60, 228));
    capture::ApplyColourBalance(flat, 0, 50, 100, 0);
    EXPECT_LE(cv::norm(flat.at<cv::Vec3b>(0, 0), cv::Vec3b(78, 94, 178), cv::NORM_INF), 1);
}

// --- the pattern camera in a camera session ----------------------------------------------------

class ControlEvents : public capture::CameraEvents {
public:
    void CamerasChanged(const std::vector<capture::CameraDescription>&) override {}
    void CameraStateChanged(const std::string&, capture::CameraState) override {}
    void CameraOpenFailed(const std::string&, capture::CameraFailure) override {}
    void CameraControlsApplied(const std::string& id, const std::vector<std::string>& refused) override {
        std::lock_guard lock(mutex_);
        applied_.push_back({id, refused});
    }
    std::vector<std::pair<std::string, std::vector<std::string>>> Applied() const {
        std::lock_guard lock(mutex_);
        return applied_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<std::string, std::vector<std::string>>> applied_;
};

// How far the road's camera picture is from grey: the mean difference between its colour
// channels (a large number while the road shows no camera picture).
double Colourfulness(const capture::FrameRoad& road) {
    cv::Mat frame;
    std::optional<std::chrono::steady_clock::time_point> captured;
    road.CopyOutputFrame(frame, &captured);
    if (!captured) return 255;
    std::vector<cv::Mat> channels;
    cv::split(frame, channels);
    cv::Mat blueGreen;
    cv::Mat greenRed;
    cv::absdiff(channels[0], channels[1], blueGreen);
    cv::absdiff(channels[1], channels[2], greenRed);
    return (cv::mean(blueGreen)[0] + cv::mean(greenRed)[0]) / 2;
}

// The mean level of the road's camera picture over its three channels (0 while it has none).
double Lightness(const capture::FrameRoad& road) {
    cv::Mat frame;
    std::optional<std::chrono::steady_clock::time_point> captured;
    road.CopyOutputFrame(frame, &captured);
    if (!captured) return 0;
    const cv::Scalar mean = cv::mean(frame);
    return (mean[0] + mean[1] + mean[2]) / 3;
}

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
    ~ScopedVariable() { unsetenv(name_); }

private:
    const char* name_;
};

// The settings kept for the camera are applied when it opens and again when it returns after
// being unplugged: the pattern camera's own saturation turns its bars grey.
TEST(CameraControlsTest, KeptSettingsApplyWheneverTheCameraOpens) {
    capture_test::PatternCameraPresence presence;
    capture_test::RunningRoad running;
    ControlEvents events;
    capture::CameraSession session(running.frameRoad, events, 320, 240);
    capture::ControlSettings kept;
    kept["saturation"] = ControlSetting{0, std::nullopt};
    session.KeepControls(kPatternId, kept);
    session.Start(kPatternId);
    ASSERT_TRUE(WaitUntil([&] { return events.Applied().size() == 1; }));
    EXPECT_EQ(events.Applied()[0], (std::pair<std::string, std::vector<std::string>>{kPatternId, {}}));
    const auto controls = session.Controls();
    ASSERT_TRUE(controls);
    const std::vector<CameraControl> listed = controls->List();
    ASSERT_EQ(listed.size(), 4u);
    for (const CameraControl& control : listed) EXPECT_FALSE(control.software) << control.key;
    EXPECT_EQ(Find(listed, "saturation")->value, 0);
    EXPECT_TRUE(WaitUntil([&] { return Colourfulness(running.frameRoad) < 2; }));
    EXPECT_TRUE(running.frameRoad.adjustment.IsNeutral());
    // The camera's own brightness lightens its picture at once.
    const double before = Lightness(running.frameRoad);
    EXPECT_EQ(controls->Set("brightness", 100), 100);
    EXPECT_TRUE(WaitUntil([&] { return Lightness(running.frameRoad) > before + 40; }));

    presence.Unplug();
    ASSERT_TRUE(WaitUntil([&] { return !session.Controls(); }));
    presence.Plug();
    ASSERT_TRUE(WaitUntil([&] { return events.Applied().size() == 2; }, std::chrono::seconds(10)));
    EXPECT_EQ(session.Controls()->List()[2].value, 0);
    EXPECT_TRUE(WaitUntil([&] { return Colourfulness(running.frameRoad) < 2; }));
    session.Stop();
}

// A camera that offers only a brightness it will not change: the refusal is told by name, and
// the road's own saturation greys the picture.
TEST(CameraControlsTest, RefusedControlsAreNamedAndMissingOnesAreTheRoads) {
    capture_test::PatternCameraPresence presence;
    const ScopedVariable offered("QUENVALOR_PATTERN_CAMERA_CONTROLS", "brightness=fixed");
    capture_test::RunningRoad running;
    ControlEvents events;
    capture::CameraSession session(running.frameRoad, events, 320, 240);
    capture::ControlSettings kept;
    kept["brightness"] = ControlSetting{200, std::nullopt};
    kept["saturation"] = ControlSetting{-100, std::nullopt};
    session.KeepControls(kPatternId, kept);
    session.Start(kPatternId);
    ASSERT_TRUE(WaitUntil([&] { return events.Applied().size() == 1; }));
    EXPECT_EQ(events.Applied()[0].second, std::vector<std::string>{"Brightness"});
    const std::vector<CameraControl> listed = session.Controls()->List();
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_FALSE(Find(listed, "brightness")->software);
    EXPECT_EQ(Find(listed, "brightness")->value, 0);
    EXPECT_TRUE(Find(listed, "saturation")->software);
    // Out of its range, the kept saturation is clamped to 0.
    EXPECT_EQ(running.frameRoad.adjustment.Get(PictureAdjustment::Saturation), 0);
    EXPECT_TRUE(WaitUntil([&] { return Colourfulness(running.frameRoad) < 2; }));
    session.Stop();
}

}  // namespace
