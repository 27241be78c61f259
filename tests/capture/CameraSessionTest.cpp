#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <atomic>
#include <mutex>
#include <thread>

#include "CameraTestSupport.h"
#include "capture/CameraSession.h"
#include "capture/GstSupport.h"

using capture::CameraDescription;
using capture::CameraFailure;
using capture::CameraState;
using capture_test::WaitUntil;
using namespace std::chrono_literals;

namespace {

constexpr const char* kPatternId = "pattern:camera|Pattern Camera";
constexpr const char* kDeskId = "/dev/video0|Desk Camera";

// --- a second camera, listed before the pattern camera as a real one is --------------------------

struct DeskDevice {
    GstDevice parent;
};
struct DeskDeviceClass {
    GstDeviceClass parent_class;
};
struct DeskProvider {
    GstDeviceProvider parent;
};
struct DeskProviderClass {
    GstDeviceProviderClass parent_class;
};

GType DeskDeviceType() {
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(DeskDeviceClass);
        info.class_init = [](gpointer klass, gpointer) {
            GST_DEVICE_CLASS(klass)->create_element = [](GstDevice*, const gchar* name) {
                GstElement* source = gst_element_factory_make("videotestsrc", name);
                g_object_set(source, "is-live", TRUE, nullptr);
                return source;
            };
        };
        info.instance_size = sizeof(DeskDevice);
        return g_type_register_static(GST_TYPE_DEVICE, "QuenvalorTestDeskDevice", &info,
                                      GTypeFlags(0));
    }();
    return type;
}

// Lists "Desk Camera" (device /dev/video0) while `deskCameraPlugged` is set.
std::atomic<bool> deskCameraPlugged{false};

void RegisterDeskCamera() {
    static std::once_flag once;
    std::call_once(once, [] {
        capture::EnsureGstreamerInitialised();
        GTypeInfo info{};
        info.class_size = sizeof(DeskProviderClass);
        info.class_init = [](gpointer klass, gpointer) {
            gst_device_provider_class_set_static_metadata(GST_DEVICE_PROVIDER_CLASS(klass),
                                                          "Desk camera", "Video/Source",
                                                          "A second camera for the tests", "tests");
            GST_DEVICE_PROVIDER_CLASS(klass)->probe = [](GstDeviceProvider*) -> GList* {
                if (!deskCameraPlugged) return nullptr;
                GstCaps* caps = gst_caps_from_string("video/x-raw");
                GstStructure* properties = gst_structure_new(
                    "properties", "device.path", G_TYPE_STRING, "/dev/video0", nullptr);
                GObject* device = G_OBJECT(g_object_new(
                    DeskDeviceType(), "display-name", "Desk Camera", "caps", caps, "device-class",
                    "Video/Source", "properties", properties, nullptr));
                gst_caps_unref(caps);
                gst_structure_free(properties);
                return g_list_append(nullptr, device);
            };
        };
        info.instance_size = sizeof(DeskProvider);
        gst_device_provider_register(
            nullptr, "quenvalortestdeskprovider", GST_RANK_PRIMARY,
            g_type_register_static(GST_TYPE_DEVICE_PROVIDER, "QuenvalorTestDeskProvider", &info,
                                   GTypeFlags(0)));
    });
}

// --- what the session tells -------------------------------------------------------------------

class HeardEvents : public capture::CameraEvents {
public:
    void CamerasChanged(const std::vector<CameraDescription>& cameras) override {
        std::lock_guard lock(mutex_);
        lists_.push_back(cameras.size());
    }
    void CameraStateChanged(const std::string& id, CameraState state) override {
        std::lock_guard lock(mutex_);
        states_.push_back({id, state});
    }
    void CameraOpenFailed(const std::string& id, CameraFailure failure) override {
        std::lock_guard lock(mutex_);
        failures_.push_back({id, failure});
    }
    std::vector<std::pair<std::string, CameraState>> States() const {
        std::lock_guard lock(mutex_);
        return states_;
    }
    std::vector<std::pair<std::string, CameraFailure>> Failures() const {
        std::lock_guard lock(mutex_);
        return failures_;
    }
    std::vector<size_t> ListSizes() const {
        std::lock_guard lock(mutex_);
        return lists_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<std::string, CameraState>> states_;
    std::vector<std::pair<std::string, CameraFailure>> failures_;
    std::vector<size_t> lists_;
};

// A frame road running as in the program with a camera session on it.
class Capture_CameraSession : public ::testing::Test {
protected:
    void TearDown() override {
        session_.Stop();
        deskCameraPlugged = false;
    }

    bool Reaches(CameraState state, const std::string& id) {
        return WaitUntil([&] { return session_.State() == state && session_.CurrentCamera() == id; });
    }
    cv::Mat Output() const {
        cv::Mat output;
        frameRoad_.CopyOutputFrame(output);
        return output;
    }
    // The output the road makes of the "no camera" placard.
    static cv::Mat NoCameraOutput() {
        cv::Mat preview(360, 480, CV_8UC3);
        capture::DrawPlacard(capture::Placard::NoCamera, preview);
        cv::Mat output;
        cv::resize(preview, output, cv::Size(320, 240), 0, 0, cv::INTER_LINEAR);
        return output;
    }
    bool OutputIs(const cv::Mat& expected) const {
        return cv::norm(Output(), expected, cv::NORM_INF) == 0;
    }
    // Whether the output shows new camera pictures.
    bool OutputMoves() const {
        const cv::Mat before = Output();
        return WaitUntil([&] { return !OutputIs(before) && !OutputIs(NoCameraOutput()); });
    }

    capture_test::PatternCameraPresence presence_;
    capture_test::RunningRoad road_;
    capture::FrameRoad& frameRoad_ = road_.frameRoad;
    HeardEvents events_;
    capture::CameraSession session_{frameRoad_, events_, 320, 240};
};

}  // namespace

TEST_F(Capture_CameraSession, UnpluggedCameraTurnsIntoTheNoCameraPictureAndComesBackByItself) {
    session_.Start("");
    EXPECT_EQ(frameRoad_.CurrentPlacard(), capture::Placard::Opening);
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    EXPECT_TRUE(OutputMoves());

    presence_.Unplug();
    ASSERT_TRUE(Reaches(CameraState::Lost, kPatternId));
    EXPECT_TRUE(WaitUntil([&] { return OutputIs(NoCameraOutput()); }));
    EXPECT_TRUE(WaitUntil([&] { return session_.Cameras().empty(); }));

    presence_.Plug();
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    EXPECT_TRUE(OutputMoves());
    EXPECT_EQ(session_.Cameras(), (std::vector<CameraDescription>{{kPatternId, "Pattern Camera"}}));

    // Opening, delivering, lost, delivering again; no failure is reported for any of it.
    std::vector<CameraState> states;
    for (const auto& [id, state] : events_.States()) states.push_back(state);
    EXPECT_EQ(states, (std::vector<CameraState>{CameraState::Opening, CameraState::Live,
                                                CameraState::Lost, CameraState::Live}));
    EXPECT_EQ(events_.ListSizes(), (std::vector<size_t>{1, 0, 1}));
    EXPECT_TRUE(events_.Failures().empty());
}

TEST_F(Capture_CameraSession, CameraThatStopsSendingIsLostAndReopenedWhenItSendsAgain) {
    session_.Start("");
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    presence_.Plug("frozen");
    ASSERT_TRUE(Reaches(CameraState::Lost, kPatternId));
    EXPECT_TRUE(WaitUntil([&] { return OutputIs(NoCameraOutput()); }));
    EXPECT_EQ(session_.Cameras().size(), 1u) << "a stuck camera stays plugged in";
    presence_.Plug();
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    EXPECT_TRUE(OutputMoves());
}

TEST_F(Capture_CameraSession, WithoutACameraAtStartTheFirstOnePluggedInIsTaken) {
    presence_.Unplug();
    session_.Start(kPatternId);
    ASSERT_TRUE(Reaches(CameraState::NoCamera, ""));
    EXPECT_TRUE(WaitUntil([&] { return OutputIs(NoCameraOutput()); }));
    presence_.Plug();
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    EXPECT_TRUE(OutputMoves());
    EXPECT_TRUE(events_.Failures().empty());
}

TEST_F(Capture_CameraSession, RemembersACameraByIdentityWhateverIsPluggedInBeforeIt) {
    RegisterDeskCamera();
    deskCameraPlugged = true;
    session_.Start(kPatternId);
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    const std::vector<CameraDescription> cameras = session_.Cameras();
    ASSERT_EQ(cameras.size(), 2u);
    EXPECT_EQ(cameras[0].id, kDeskId);

    // Without a remembered camera, or with one that is not plugged in, the first is opened.
    for (const char* remembered : {"", "/dev/video7|Gone Camera"}) {
        capture::CameraSession other(frameRoad_, events_, 320, 240);
        session_.Stop();
        frameRoad_.ReplaceDevice(nullptr);
        other.Start(remembered);
        EXPECT_TRUE(WaitUntil(
            [&] { return other.State() == CameraState::Live && other.CurrentCamera() == kDeskId; }))
            << remembered;
    }
}

TEST_F(Capture_CameraSession, FailedChoicesAreReportedByKindAndTheCameraBeforeComesBack) {
    session_.Start("");
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));

    // A camera that is not there any more: an open failure, and the pattern camera returns.
    session_.Choose("/dev/video9|Unplugged Camera");
    ASSERT_TRUE(WaitUntil([&] { return events_.Failures().size() == 1; }));
    EXPECT_EQ(events_.Failures()[0],
              std::make_pair(std::string("/dev/video9|Unplugged Camera"), CameraFailure::Failed));
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));

    // The camera held by another program: "busy" on its bus while it starts. Once it is free, it
    // is opened again by itself.
    presence_.Plug("busy");
    session_.Choose(kPatternId);
    ASSERT_TRUE(WaitUntil([&] { return events_.Failures().size() == 2; }));
    EXPECT_EQ(events_.Failures()[1], std::make_pair(std::string(kPatternId), CameraFailure::Busy));
    ASSERT_TRUE(Reaches(CameraState::Unavailable, kPatternId));
    EXPECT_TRUE(WaitUntil([&] { return OutputIs(NoCameraOutput()); }));
    presence_.Plug();
    ASSERT_TRUE(Reaches(CameraState::Live, kPatternId));
    EXPECT_TRUE(OutputMoves());
    EXPECT_EQ(events_.Failures().size(), 2u);
}
