#pragma once

// The frame road as the program runs it, for the live recording tests: the pattern camera and the
// capture worker, which makes a pass at the road's rate (every 50 ms in classic).

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "capture/CCaptureDevice.h"
#include "capture/FrameRoad.h"
#include "capture/RoadConfig.h"

namespace recording::testing {

class RunningRoad {
public:
    explicit RunningRoad(const capture::RoadConfig& road = capture::RoadConfig::Classic()) {
        setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
        frameRoad.Reconfigure(road, nullptr);
        auto camera = std::make_unique<capture::CCaptureDevice>();
        if (camera->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, road.camera.width,
                               road.camera.height, road.framesPerSecond)) {
            frameRoad.ReplaceDevice(std::move(camera));
        }
        worker_ = std::thread([this] { capture::CaptureWorker(&frameRoad); });
    }
    ~RunningRoad() {
        frameRoad.stopCapture = 1;
        frameRoad.tickEvent.Set();
        worker_.join();
    }
    RunningRoad(const RunningRoad&) = delete;
    RunningRoad& operator=(const RunningRoad&) = delete;

    capture::FrameRoad frameRoad;

private:
    std::thread worker_;
};

}  // namespace recording::testing
