#pragma once

// The frame road as the program runs it, for the live recording tests: the pattern camera and the
// capture worker, which makes a pass at the road's rate (every 50 ms in classic).

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "capture/CCaptureDevice.h"
#include "capture/FramePipeline.h"
#include "capture/RoadConfig.h"

namespace recording::testing {

class RunningPipeline {
public:
    explicit RunningPipeline(const capture::RoadConfig& road = capture::RoadConfig::Classic()) {
        setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
        pipeline.Reconfigure(road, nullptr, nullptr);
        auto camera = std::make_unique<capture::CCaptureDevice>();
        if (camera->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, road.camera.width,
                               road.camera.height, road.framesPerSecond)) {
            pipeline.ReplaceDevice(std::move(camera));
        }
        worker_ = std::thread([this] { capture::CaptureWorker(&pipeline); });
    }
    ~RunningPipeline() {
        pipeline.stopCapture = 1;
        pipeline.tickEvent.Set();
        worker_.join();
    }
    RunningPipeline(const RunningPipeline&) = delete;
    RunningPipeline& operator=(const RunningPipeline&) = delete;

    capture::FramePipeline pipeline;

private:
    std::thread worker_;
};

}  // namespace recording::testing
