// Memory over a long recording: everything the recorder keeps per frame or per sound buffer must
// be bounded, so an hour's recording runs in the memory of its first minute. The recorder's clock
// is moved a minute at a time and it fills each minute as fast as it can, from the same picture
// and a steady sound.

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "AviProbe.h"
#include "capture/AudioCapture.h"
#include "recording/RecorderWorker.h"
#include "recording/RoadRecording.h"

using namespace std::chrono_literals;

namespace {

// Sound laid on the recorder's clock, 20 ms at a time, as a microphone delivers it.
class SteadySound : public capture::SoundFeed {
public:
    void AddListener(capture::SoundListener* listener) override {
        std::lock_guard lock(mutex_);
        listener_ = listener;
    }
    void RemoveListener(capture::SoundListener*) override {
        std::lock_guard lock(mutex_);
        listener_ = nullptr;
    }
    void Deliver(std::chrono::nanoseconds from, std::chrono::nanoseconds to) {
        constexpr auto kBuffer = 20ms;
        const std::vector<int16_t> buffer(48'000 / 50 * 2, 1000);
        for (auto at = from; at < to; at += kBuffer) {
            std::lock_guard lock(mutex_);
            if (listener_) listener_->OnSound(std::chrono::steady_clock::time_point(at), buffer);
        }
    }

private:
    std::mutex mutex_;
    capture::SoundListener* listener_ = nullptr;
};

// Bytes in use on the heap, over every allocation arena.
std::size_t HeapInUse() { return mallinfo2().uordblks; }

}  // namespace

TEST(Recording_RecorderMemory, AnHoursRecordingStaysInTheMemoryOfItsFirstMinute) {
    for (const capture::RoadConfig& road :
         {capture::RoadConfig::Classic(), capture::RoadConfigFromText("1280x720")}) {
        SCOPED_TRACE(road.recording.width);
        recording::testing::ScratchFolder folder;
        capture::FrameRoad frameRoad;
        frameRoad.Reconfigure(road, nullptr);
        std::atomic<int64_t> now{0};
        SteadySound sound;
        recording::RecorderOptions options;
        options.now = [&] {
            return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(now));
        };
        options.settings = recording::EncoderSettingsFor(road);
        options.createEncoder = [road] { return recording::CreateEncoderFor(road); };
        options.sound = &sound;
        recording::RecorderWorker recorder(
            folder.File(recording::RecordingFileName(0, road)), frameRoad, options);
        std::string error;
        ASSERT_TRUE(recorder.Start(error)) << error;
        frameRoad.RunPass();

        constexpr int kMinutes = 4;
        std::size_t afterFirstMinute = 0;
        for (int minute = 0; minute < kMinutes; ++minute) {
            const std::chrono::nanoseconds from(now.load());
            sound.Deliver(from, from + 60s);
            now = (from + 60s).count();
            frameRoad.RunPass();
            // The minute is filled once the frame count stops changing.
            int64_t written = -1;
            while (written != recorder.FramesWritten()) {
                written = recorder.FramesWritten();
                std::this_thread::sleep_for(100ms);
            }
            if (minute == 0) afterFirstMinute = HeapInUse();
        }
        const int64_t grown =
            static_cast<int64_t>(HeapInUse()) - static_cast<int64_t>(afterFirstMinute);
        recorder.StopAndWait();
        EXPECT_EQ(recorder.FramesWritten(), kMinutes * 60 * road.framesPerSecond + 1);
        // Under a megabyte an hour: the file's own table of where each fragment starts, which
        // its end needs, is all that may grow.
        EXPECT_LT(grown, (1 << 20) / 60 * (kMinutes - 1)) << "grew by " << grown << " bytes";
    }
}
