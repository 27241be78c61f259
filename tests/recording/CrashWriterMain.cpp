// Records the pattern camera into the file named on the command line until the process is
// killed. Prints "recording" once the file has been started.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "capture/FramePipeline.h"
#include "recording/RecorderWorker.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.avi>\n", argv[0]);
        return 2;
    }
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    capture::FramePipeline pipeline;
    auto camera = std::make_unique<capture::CCaptureDevice>();
    if (camera->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, 320, 240)) {
        pipeline.ReplaceDevice(std::move(camera));
    }
    recording::RecorderWorker recorder(argv[1], pipeline);
    std::string error;
    if (!recorder.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("recording\n");
    std::fflush(stdout);
    while (true) {
        pipeline.RunPass();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
