#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <algorithm>

#include "CameraTestSupport.h"
#include "capture/AudioCapture.h"
#include "capture/CameraSession.h"
#include "capture/DeviceList.h"
#include "capture/VirtualCamera.h"
#include "tests/support/Prerequisite.h"

using capture::CameraState;
using capture_test::WaitUntil;
using namespace std::chrono_literals;

namespace {

constexpr const char* kNode = "quenvalor-capture-camera";
constexpr const char* kIdentity = "pipewire:quenvalor-capture-camera|Desk Camera";

class Quiet : public capture::CameraEvents {
    void CamerasChanged(const std::vector<capture::CameraDescription>&) override {}
    void CameraStateChanged(const std::string&, CameraState) override {}
    void CameraOpenFailed(const std::string&, capture::CameraFailure) override {}
};

// A PipeWire daemon and WirePlumber of the test's own, in a D-Bus session of their own, with a
// camera node published while Plug() holds (see tests/support/pipewire_camera.sh).
class PipeWireCamera {
public:
    PipeWireCamera() {
        char folder[] = "/tmp/quenvalor-pipewire-XXXXXX";
        if (!mkdtemp(folder)) return;
        folder_ = folder;
        Plug();
        const std::string script = QUENVALOR_SOURCE_DIR "/tests/support/pipewire_camera.sh";
        child_ = fork();
        if (child_ == 0) {
            execlp("dbus-run-session", "dbus-run-session", "--", "bash", script.c_str(),
                   folder_.c_str(), kNode, "Desk Camera", static_cast<char*>(nullptr));
            _exit(127);
        }
        WaitUntil([&] { return Exists("ready") || Exists("problem") || Ended(); }, 30s);
        if (Exists("ready")) {
            setenv("PIPEWIRE_RUNTIME_DIR", (folder_ + "/runtime").c_str(), 1);
        } else {
            std::getline(std::ifstream(folder_ + "/problem"), problem_);
            if (problem_.empty())
                problem_ = exitStatus_ == 127 ? "dbus-run-session is not installed"
                                              : "the PipeWire services did not start";
        }
    }
    ~PipeWireCamera() {
        unsetenv("PIPEWIRE_RUNTIME_DIR");
        if (child_ > 0) {
            std::ofstream(folder_ + "/stop");
            int status = 0;
            waitpid(child_, &status, 0);
        }
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }
    PipeWireCamera(const PipeWireCamera&) = delete;
    PipeWireCamera& operator=(const PipeWireCamera&) = delete;

    bool Running() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    void Plug() { std::ofstream(folder_ + "/present"); }
    void Unplug() { std::filesystem::remove(folder_ + "/present"); }

private:
    bool Exists(const char* name) const { return std::filesystem::exists(folder_ + "/" + name); }
    bool Ended() {
        int status = 0;
        if (child_ <= 0 || waitpid(child_, &status, WNOHANG) != child_) return false;
        child_ = -1;
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return true;
    }

    std::string folder_;
    std::string problem_;
    pid_t child_ = -1;
    int exitStatus_ = 0;
};

bool Listed(const capture::CameraSession& session, const std::string& name = "Desk Camera") {
    for (const auto& camera : session.Cameras())
        if (camera.name == name) return true;
    return false;
}

// The virtual camera's notices, kept in order.
class Notices : public capture::VirtualCameraEvents {
public:
    void VirtualCameraChanged(const capture::VirtualCameraStatus& status) override {
        std::lock_guard lock(mutex_);
        told_.push_back(status);
    }
    bool Saw(capture::VirtualCameraStatus status) const {
        std::lock_guard lock(mutex_);
        return std::find(told_.begin(), told_.end(), status) != told_.end();
    }

private:
    mutable std::mutex mutex_;
    std::vector<capture::VirtualCameraStatus> told_;
};

}  // namespace

// The hot-plug path over PipeWire: the camera is known by its node name, opened, lost when its
// node goes away, reopened by itself when a node of the same name comes back, and found again by
// a later session. The sessions stop while the road still holds the camera, as the program quits.
TEST(Capture_PipeWireCamera, IsKnownByNodeNameAndReopenedWhenItComesBack) {
    unsetenv("QUENVALOR_PATTERN_CAMERA");
    PipeWireCamera camera;
    QUENVALOR_REQUIRE(camera.Running(), camera.Problem());
    Quiet events;
    {
        capture_test::RunningRoad road;
        capture::CameraSession session(road.frameRoad, events, 320, 240);
        session.Start("");
        ASSERT_TRUE(WaitUntil([&] { return session.State() == CameraState::Live; }, 20s));
        EXPECT_EQ(session.CurrentCamera(), kIdentity);
        // The sound side lists microphones now and then, through the same PipeWire provider.
        capture::ListMicrophones();

        camera.Unplug();
        EXPECT_TRUE(WaitUntil([&] { return session.State() == CameraState::Lost; }, 20s));
        EXPECT_TRUE(WaitUntil([&] { return !Listed(session); }, 20s));
        camera.Plug();
        EXPECT_TRUE(WaitUntil([&] { return session.State() == CameraState::Live; }, 20s));
        EXPECT_EQ(session.CurrentCamera(), kIdentity);
        session.Stop();
    }
    capture_test::RunningRoad road;
    capture::CameraSession session(road.frameRoad, events, 320, 240);
    session.Start(kIdentity);
    EXPECT_TRUE(WaitUntil([&] { return session.State() == CameraState::Live; }, 20s));
    EXPECT_EQ(session.CurrentCamera(), kIdentity);
    session.Stop();
}

// The virtual camera over a real daemon, fed by a running road: PipeWire lists it as a camera, the
// program's own camera list does not offer it, a program reading it is counted while it reads, and
// it goes away when stopped. Without a daemon it says so and publishes nothing.
TEST(Capture_VirtualCamera, IsReadByOtherProgramsAndNeverOfferedToTheUser) {
    using State = capture::VirtualCameraStatus::State;
    unsetenv("QUENVALOR_PATTERN_CAMERA");
    {
        char empty[] = "/tmp/quenvalor-no-pipewire-XXXXXX";
        ASSERT_TRUE(mkdtemp(empty));
        setenv("PIPEWIRE_RUNTIME_DIR", empty, 1);
        capture::FrameHub hub;
        Notices notices;
        capture::VirtualCamera camera(hub, notices);
        camera.Start({320, 240}, 20);
        EXPECT_EQ(camera.Status().state, State::NeedsPipeWire);
        EXPECT_FALSE(hub.HasConsumers());
        unsetenv("PIPEWIRE_RUNTIME_DIR");
        rmdir(empty);
    }

    PipeWireCamera daemon;
    QUENVALOR_REQUIRE(daemon.Running(), daemon.Problem());
    Quiet quiet;
    Notices notices;
    capture_test::RunningRoad road;
    capture::CameraSession session(road.frameRoad, quiet, 320, 240);
    session.Start("");
    capture::VirtualCamera camera(road.frameRoad.studioFrames, notices);
    camera.Start({480, 360}, 20);
    ASSERT_EQ(camera.Status().state, State::On);

    ASSERT_TRUE(WaitUntil([&] { return Listed(session, capture::VirtualCamera::kDescription); }, 20s));
    capture::DeviceList offered;
    offered.Refresh(session.Cameras());
    bool deskCamera = false;
    for (int entry = 0; entry < offered.Count(); ++entry) {
        EXPECT_NE(offered[entry].name, capture::VirtualCamera::kDescription);
        deskCamera = deskCamera || offered[entry].name == "Desk Camera";
    }
    EXPECT_TRUE(deskCamera);

    const std::string reader = std::string("gst-launch-1.0 -q pipewiresrc target-object=") +
                               capture::VirtualCamera::kNodeName +
                               " num-buffers=40 ! videoconvert ! fakesink >/dev/null 2>&1";
    EXPECT_EQ(std::system(reader.c_str()), 0);
    EXPECT_TRUE(notices.Saw({State::On, 1}));
    EXPECT_TRUE(WaitUntil([&] { return camera.Status().readers == 0; }, 10s));

    camera.Stop();
    EXPECT_TRUE(notices.Saw({State::Off, 0}));
    EXPECT_FALSE(road.frameRoad.studioFrames.HasConsumers());
    EXPECT_TRUE(WaitUntil([&] { return !Listed(session, capture::VirtualCamera::kDescription); }, 20s));
    session.Stop();
}
