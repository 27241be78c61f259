#pragma once

// The frame road as the program runs it, for the live recording tests: the pattern camera, the
// capture worker, and a tick every 50 ms.

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "capture/CCaptureDevice.h"
#include "capture/FramePipeline.h"

namespace recording::testing {

class RunningPipeline {
public:
    RunningPipeline() {
        setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
        auto camera = std::make_unique<capture::CCaptureDevice>();
        if (camera->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, 320, 240)) {
            pipeline.ReplaceDevice(std::move(camera));
        }
        worker_ = std::thread([this] { capture::CaptureWorker(&pipeline); });
        ticker_ = std::thread([this] {
            while (!stopTicks_) {
                pipeline.tickEvent.Set();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    ~RunningPipeline() {
        stopTicks_ = true;
        ticker_.join();
        pipeline.stopCapture = 1;
        pipeline.tickEvent.Set();
        worker_.join();
    }
    RunningPipeline(const RunningPipeline&) = delete;
    RunningPipeline& operator=(const RunningPipeline&) = delete;

    capture::FramePipeline pipeline;

private:
    std::atomic<bool> stopTicks_{false};
    std::thread worker_;
    std::thread ticker_;
};

}  // namespace recording::testing
