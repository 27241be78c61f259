#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "capture/CCaptureDevice.h"
#include "capture/FrameRoad.h"

// What the camera tests share: a pattern camera that can be unplugged, a running frame road, and
// a bounded wait.
namespace capture_test {

// The pattern camera opened at 320 x 240; null when it does not open.
inline std::unique_ptr<capture::CCaptureDevice> OpenPatternCamera() {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    auto device = std::make_unique<capture::CCaptureDevice>();
    if (!device->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, 320, 240)) return nullptr;
    return device;
}

// Switches the pattern camera on for one test, with a presence file of the test's own, plugged
// in at first. The camera is plugged in while the file exists; a file reading "busy" makes it
// report itself busy, one reading "frozen" stops its frames.
class PatternCameraPresence {
public:
    PatternCameraPresence() {
        char folder[] = "/tmp/quenvalor-presence-XXXXXX";
        if (mkdtemp(folder)) folder_ = folder;
        file_ = folder_ + "/camera";
        Plug();
        setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
        setenv("QUENVALOR_PATTERN_CAMERA_PRESENCE", file_.c_str(), 1);
    }
    ~PatternCameraPresence() {
        unsetenv("QUENVALOR_PATTERN_CAMERA_PRESENCE");
        unsetenv("QUENVALOR_PATTERN_CAMERA_MODES");
        std::remove(file_.c_str());
        rmdir(folder_.c_str());
    }
    PatternCameraPresence(const PatternCameraPresence&) = delete;
    PatternCameraPresence& operator=(const PatternCameraPresence&) = delete;

    void Plug(const std::string& text = "") { std::ofstream(file_) << text; }
    void Unplug() { std::remove(file_.c_str()); }

private:
    std::string folder_;
    std::string file_;
};

// Polls `condition` every ten milliseconds for up to `limit`; whether it came true.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A frame road running as in the program: the capture worker, which makes a pass every 50 ms.
// The road's device is dropped at the end.
class RunningRoad {
public:
    RunningRoad()
        : worker_([this] { capture::CaptureWorker(&frameRoad); }) {}
    ~RunningRoad() {
        frameRoad.stopCapture = 1;
        frameRoad.tickEvent.Set();
        worker_.join();
        frameRoad.ReplaceDevice(nullptr);
    }
    RunningRoad(const RunningRoad&) = delete;
    RunningRoad& operator=(const RunningRoad&) = delete;

    capture::FrameRoad frameRoad;

private:
    std::thread worker_;
};

}  // namespace capture_test
