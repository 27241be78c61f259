#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <thread>

#include "AviProbe.h"
#include "recording/RecorderWorker.h"
#include "tests/support/FileSizeLimit.h"

using capture::FramePipeline;
using recording::AudioTrackCodec;
using recording::MMBoxInstance;
using recording::RecorderOptions;
using recording::RecorderWorker;
using recording::testing::AviFacts;
using recording::testing::ProbeAvi;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;

namespace {

// A clock the test moves by hand.
class ManualClock {
public:
    void Set(std::chrono::nanoseconds sinceStart) { now_ = sinceStart.count(); }
    std::function<std::chrono::steady_clock::time_point()> Function() {
        return [this] {
            return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(now_));
        };
    }

private:
    std::atomic<int64_t> now_{0};
};

RecorderOptions WithClock(ManualClock& clock) {
    RecorderOptions options;
    options.now = clock.Function();
    return options;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The real encoder, except that writing video fails from the `failAt`-th packet on, the way a
// full disk fails.
class DiskFullEncoder : public MMBoxInstance {
public:
    explicit DiskFullEncoder(int failAt)
        : inner_(recording::CreateMMBoxDLLInstance()), failAt_(failAt) {}
    bool OpenFile(const recording::EncoderSettings& s, const std::string& p) override {
        return inner_->OpenFile(s, p);
    }
    bool Begin(const recording::EncoderSettings& s) override { return inner_->Begin(s); }
    int PutVideoFrame(std::span<const uint8_t> f) override { return inner_->PutVideoFrame(f); }
    bool PutAudio(std::span<const uint8_t> a) override { return inner_->PutAudio(a); }
    int GetVideoPacket(std::span<uint8_t> b, int* n) override {
        return inner_->GetVideoPacket(b, n);
    }
    int GetAudioPacket(std::span<uint8_t> b, int* n) override {
        return inner_->GetAudioPacket(b, n);
    }
    bool WriteVideoPacket(std::span<const uint8_t> p) override {
        if (++written_ >= failAt_) return false;
        return inner_->WriteVideoPacket(p);
    }
    bool WriteAudioPacket(std::span<const uint8_t> p) override {
        return inner_->WriteAudioPacket(p);
    }
    bool Finish() override { return inner_->Finish(); }
    std::string LastError() const override {
        return written_ >= failAt_ ? "No space left on device" : inner_->LastError();
    }

private:
    std::unique_ptr<MMBoxInstance> inner_;
    int failAt_;
    int written_ = 0;
};

}  // namespace

TEST(Recording_RecorderWorker, FileLengthFollowsTheClockWhenThePipelineFallsBehind) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    RecorderWorker recorder(folder.File("slow.avi"), pipeline, WithClock(clock));
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    // Three frames in the first 100 ms, then the camera stalls until the stop at 3.03 s.
    for (auto at : {0ms, 50ms, 100ms}) {
        clock.Set(at);
        pipeline.RunPass();
        std::this_thread::sleep_for(10ms);
    }
    clock.Set(3030ms);
    recorder.StopAndWait();

    EXPECT_EQ(recorder.FramesWritten(), 61) << "3.03 s at 20 frames per second";
    EXPECT_EQ(ProbeAvi(folder.File("slow.avi")).videoPackets, 61);
    EXPECT_EQ(recorder.FailureText(), std::nullopt);
}

TEST(Recording_RecorderWorker, FramesThatComeFasterThanTheClockAreSkipped) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    RecorderWorker recorder(folder.File("fast.avi"), pipeline, WithClock(clock));
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(530ms);
    for (int pass = 0; pass < 40; ++pass) {
        pipeline.RunPass();
        std::this_thread::sleep_for(2ms);
    }
    recorder.StopAndWait();
    EXPECT_EQ(recorder.FramesWritten(), 11) << "0.53 s, not 40 frames";
    EXPECT_EQ(ProbeAvi(folder.File("fast.avi")).videoPackets, 11);
}

TEST(Recording_RecorderWorker, FolderThatCannotTakeTheFileFailsAtStart) {
    ScratchFolder folder;
    FramePipeline pipeline;
    std::string unwritable = folder.File("locked");
    std::filesystem::create_directory(unwritable);
    std::filesystem::permissions(
        unwritable, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (geteuid() == 0) unwritable = "/sys";  // the superuser writes anywhere, but not into sysfs

    for (const std::string& path : {folder.File("missing/a.avi"), unwritable + "/a.avi"}) {
        RecorderWorker recorder(path, pipeline);
        std::string error;
        EXPECT_FALSE(recorder.Start(error)) << path;
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_GT(error.size(), path.size() + 30) << "says why: " << error;
        EXPECT_TRUE(recorder.HasEnded());
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST(Recording_RecorderWorker, MissingEncoderFailsAtStart) {
    ScratchFolder folder;
    FramePipeline pipeline;
    RecorderOptions options;
    options.createEncoder = [] { return std::unique_ptr<MMBoxInstance>(); };
    RecorderWorker recorder(folder.File("a.avi"), pipeline, options);
    std::string error;
    EXPECT_FALSE(recorder.Start(error));
    EXPECT_EQ(error, "The video encoder could not be started.");
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.avi")));
}

TEST(Recording_RecorderWorker, WriteFailurePartWayIsReportedOnceAndTheFramesBeforeItAreKept) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    RecorderOptions options = WithClock(clock);
    options.createEncoder = [] { return std::make_unique<DiskFullEncoder>(6); };
    std::atomic<int> reports{0};
    std::string reported;
    options.onFailure = [&](const std::string& message) {
        reported = message;
        ++reports;
    };
    RecorderWorker recorder(folder.File("full.avi"), pipeline, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(2s);
    pipeline.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); })) << "ends by itself";
    recorder.StopAndWait();

    EXPECT_EQ(reports.load(), 1);
    EXPECT_NE(reported.find("No space left on device"), std::string::npos) << reported;
    EXPECT_EQ(recorder.FailureText(), reported);
    const AviFacts facts = ProbeAvi(folder.File("full.avi"));
    EXPECT_TRUE(facts.opened);
    EXPECT_EQ(facts.videoPackets, 5) << "the frames written before the failure";
}

TEST(Recording_RecorderWorker, FileSizeLimitPartWayIsReported) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    RecorderOptions options = WithClock(clock);
    std::atomic<int> reports{0};
    options.onFailure = [&](const std::string&) { ++reports; };
    RecorderWorker recorder(folder.File("limited.avi"), pipeline, options);
    std::string error;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(recorder.Start(error)) << error;
        // A minute of recording is far more than the limit allows.
        for (int second = 1; second <= 60 && !recorder.HasEnded(); ++second) {
            clock.Set(std::chrono::seconds(second));
            pipeline.RunPass();
            std::this_thread::sleep_for(20ms);
        }
        ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); }));
    }
    EXPECT_EQ(reports.load(), 1);
    EXPECT_NE(recorder.FailureText(), std::nullopt);
    const AviFacts facts = ProbeAvi(folder.File("limited.avi"));
    EXPECT_TRUE(facts.opened);
    EXPECT_GT(facts.videoPackets, 0) << "what fitted is readable";
}

TEST(Recording_RecorderWorker, StopFollowedAtOnceByAStartKeepsTheRecordingsApart) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    auto first =
        std::make_unique<RecorderWorker>(folder.File("first.avi"), pipeline, WithClock(clock));
    std::string error;
    ASSERT_TRUE(first->Start(error)) << error;
    pipeline.RunPass();
    clock.Set(1030ms);
    first->RequestStop();
    RecorderWorker second(folder.File("second.avi"), pipeline, WithClock(clock));
    ASSERT_TRUE(second.Start(error)) << error;

    // The first recording ends on its own stop request while the second one runs on.
    for (int pass = 0; pass < 5; ++pass) {
        pipeline.RunPass();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(WaitUntil([&] { return first->HasEnded(); }));
    EXPECT_FALSE(second.HasEnded());
    first.reset();

    clock.Set(3060ms);
    pipeline.RunPass();
    second.StopAndWait();
    EXPECT_EQ(ProbeAvi(folder.File("first.avi")).videoPackets, 21) << "1.03 s";
    EXPECT_EQ(ProbeAvi(folder.File("second.avi")).videoPackets, 41) << "2.03 s";
}

TEST(Recording_RecorderWorker, SameNameWithinASecondReplacesTheFileTheFirstIsStillFinishing) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    const std::string path = folder.File("2010-05-17 14-03-09.avi");
    RecorderWorker first(path, pipeline, WithClock(clock));
    std::string error;
    ASSERT_TRUE(first.Start(error)) << error;
    clock.Set(5030ms);  // the first one still has 100 frames to write when it sees its stop
    first.RequestStop();
    RecorderWorker second(path, pipeline, WithClock(clock));
    ASSERT_TRUE(second.Start(error)) << error;
    clock.Set(5560ms);
    first.StopAndWait();
    second.StopAndWait();

    const AviFacts facts = ProbeAvi(path);
    EXPECT_TRUE(facts.opened);
    EXPECT_EQ(facts.videoPackets, 11) << "only the second recording, unmixed";
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"), "");
    }
}

TEST(Recording_RecorderWorker, DestroyingARunningRecorderFinishesItsFile) {
    ScratchFolder folder;
    FramePipeline pipeline;
    ManualClock clock;
    {
        RecorderWorker recorder(folder.File("quit.avi"), pipeline, WithClock(clock));
        std::string error;
        ASSERT_TRUE(recorder.Start(error)) << error;
        clock.Set(1030ms);
        pipeline.RunPass();
    }
    EXPECT_EQ(ProbeAvi(folder.File("quit.avi")).videoPackets, 21);
}
