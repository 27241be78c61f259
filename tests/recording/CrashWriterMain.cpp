// Records the pattern camera into the file named on the command line until the process is
// killed. Prints "recording" once the file has been started.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "capture/FrameRoad.h"
#include "recording/RecorderWorker.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.avi>\n", argv[0]);
        return 2;
    }
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    capture::FrameRoad frameRoad;
    auto camera = std::make_unique<capture::CCaptureDevice>();
    if (camera->OpenDevice(capture::CCaptureDevice::GetDeviceCount() - 1, 320, 240)) {
        frameRoad.ReplaceDevice(std::move(camera));
    }
    recording::RecorderWorker recorder(argv[1], frameRoad);
    std::string error;
    if (!recorder.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("recording\n");
    std::fflush(stdout);
    while (true) {
        frameRoad.RunPass();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
