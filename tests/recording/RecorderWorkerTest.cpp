#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "AviProbe.h"
#include "EncoderDoubles.h"
#include "recording/RecorderWorker.h"
#include "tests/support/FileSizeLimit.h"

using capture::FrameRoad;
using recording::AudioTrackCodec;
using recording::MMBoxInstance;
using recording::RecorderOptions;
using recording::RecorderWorker;
using recording::testing::AviFacts;
using recording::testing::ForwardingEncoder;
using recording::testing::StuckFinishEncoder;
using recording::testing::StuckGate;
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

// Writing video fails from the `failAt`-th packet on, the way a full disk fails; with
// `finishFails`, finishing the file fails too, as it does when the disk stays full.
class DiskFullEncoder : public ForwardingEncoder {
public:
    explicit DiskFullEncoder(int failAt, bool finishFails = false)
        : failAt_(failAt), finishFails_(finishFails) {}
    bool WriteVideoPacket(std::span<const uint8_t> p) override {
        if (++written_ >= failAt_) return false;
        return inner_->WriteVideoPacket(p);
    }
    bool Finish() override { return !finishFails_ && inner_->Finish(); }
    std::string LastError() const override {
        return written_ >= failAt_ ? "No space left on device" : inner_->LastError();
    }

private:
    int failAt_;
    bool finishFails_;
    int written_ = 0;
};

// The `throwAt`-th video frame throws, as a fault deep inside a library might.
class ThrowingEncoder : public ForwardingEncoder {
public:
    explicit ThrowingEncoder(int throwAt) : throwAt_(throwAt) {}
    int PutVideoFrame(std::span<const uint8_t> f) override {
        if (++frames_ >= throwAt_) throw std::runtime_error("bad frame");
        return inner_->PutVideoFrame(f);
    }

private:
    int throwAt_;
    int frames_ = 0;
};

// What a recorder reported through onFailure, from its thread.
struct FailureLog {
    std::mutex mutex;
    std::string last;
    std::atomic<int> count{0};
    std::function<void(const std::string&)> Callback() {
        return [this](const std::string& message) {
            std::lock_guard lock(mutex);
            last = message;
            ++count;
        };
    }
    std::string Last() {
        std::lock_guard lock(mutex);
        return last;
    }
};

// A file system whose free space the test sets.
struct FreeSpace {
    std::atomic<uint64_t> bytes{uint64_t{1} << 40};
    std::function<std::optional<uint64_t>(const std::string&)> Function() {
        return [this](const std::string&) { return std::optional<uint64_t>(bytes.load()); };
    }
};

}  // namespace

TEST(Recording_RecorderWorker, FileLengthFollowsTheClockWhenTheRoadFallsBehind) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderWorker recorder(folder.File("slow.avi"), frameRoad, WithClock(clock));
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    // Three frames in the first 100 ms, then the camera stalls until the stop at 3.03 s.
    for (auto at : {0ms, 50ms, 100ms}) {
        clock.Set(at);
        frameRoad.RunPass();
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
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderWorker recorder(folder.File("fast.avi"), frameRoad, WithClock(clock));
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(530ms);
    for (int pass = 0; pass < 40; ++pass) {
        frameRoad.RunPass();
        std::this_thread::sleep_for(2ms);
    }
    recorder.StopAndWait();
    EXPECT_EQ(recorder.FramesWritten(), 11) << "0.53 s, not 40 frames";
    EXPECT_EQ(ProbeAvi(folder.File("fast.avi")).videoPackets, 11);
}

TEST(Recording_RecorderWorker, FolderThatCannotTakeTheFileFailsAtStart) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    std::string unwritable = folder.File("locked");
    std::filesystem::create_directory(unwritable);
    std::filesystem::permissions(
        unwritable, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (geteuid() == 0) unwritable = "/sys";  // the superuser writes anywhere, but not into sysfs

    for (const std::string& path : {folder.File("missing/a.avi"), unwritable + "/a.avi"}) {
        RecorderWorker recorder(path, frameRoad);
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
    FrameRoad frameRoad;
    RecorderOptions options;
    options.createEncoder = [] { return std::unique_ptr<MMBoxInstance>(); };
    RecorderWorker recorder(folder.File("a.avi"), frameRoad, options);
    std::string error;
    EXPECT_FALSE(recorder.Start(error));
    EXPECT_EQ(error, "The video encoder could not be started.");
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.avi")));
}

TEST(Recording_RecorderWorker, WriteFailurePartWayIsReportedOnceAndTheFramesBeforeItAreKept) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderOptions options = WithClock(clock);
    options.createEncoder = [] { return std::make_unique<DiskFullEncoder>(6); };
    std::atomic<int> reports{0};
    std::string reported;
    options.onFailure = [&](const std::string& message) {
        reported = message;
        ++reports;
    };
    RecorderWorker recorder(folder.File("full.avi"), frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(2s);
    frameRoad.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); })) << "ends by itself";
    recorder.StopAndWait();

    EXPECT_EQ(reports.load(), 1);
    EXPECT_NE(reported.find("No space left on device"), std::string::npos) << reported;
    EXPECT_TRUE(reported.ends_with("What was recorded before has been kept.")) << reported;
    EXPECT_EQ(recorder.FailureText(), reported);
    const AviFacts facts = ProbeAvi(folder.File("full.avi"));
    EXPECT_TRUE(facts.opened);
    EXPECT_EQ(facts.videoPackets, 5) << "the frames written before the failure";

    // A disk that stays full: the file cannot be finished, and the message says so, not that it
    // was kept.
    options.createEncoder = [] { return std::make_unique<DiskFullEncoder>(6, true); };
    options.freeBytes = [](const std::string&) { return std::optional<uint64_t>(300u << 20); };
    RecorderWorker stuck(folder.File("stuck.avi"), frameRoad, options);
    clock.Set(0s);
    ASSERT_TRUE(stuck.Start(error)) << error;
    clock.Set(2s);
    frameRoad.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return stuck.HasEnded(); }));
    stuck.StopAndWait();
    EXPECT_EQ(reports.load(), 2);
    EXPECT_EQ(reported.find("has been kept"), std::string::npos) << reported;
    EXPECT_NE(reported.find("could not be finished (No space left on device); the next start "
                            "repairs it when there is room for a copy of it"),
              std::string::npos)
        << reported;
}

TEST(Recording_RecorderWorker, FileSizeLimitPartWayIsReported) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderOptions options = WithClock(clock);
    std::atomic<int> reports{0};
    options.onFailure = [&](const std::string&) { ++reports; };
    RecorderWorker recorder(folder.File("limited.avi"), frameRoad, options);
    std::string error;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(recorder.Start(error)) << error;
        // A minute of recording is far more than the limit allows.
        for (int second = 1; second <= 60 && !recorder.HasEnded(); ++second) {
            clock.Set(std::chrono::seconds(second));
            frameRoad.RunPass();
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
    FrameRoad frameRoad;
    ManualClock clock;
    auto first =
        std::make_unique<RecorderWorker>(folder.File("first.avi"), frameRoad, WithClock(clock));
    std::string error;
    ASSERT_TRUE(first->Start(error)) << error;
    frameRoad.RunPass();
    clock.Set(1030ms);
    first->RequestStop();
    RecorderWorker second(folder.File("second.avi"), frameRoad, WithClock(clock));
    ASSERT_TRUE(second.Start(error)) << error;

    // The first recording ends on its own stop request while the second one runs on.
    for (int pass = 0; pass < 5; ++pass) {
        frameRoad.RunPass();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(WaitUntil([&] { return first->HasEnded(); }));
    EXPECT_FALSE(second.HasEnded());
    first.reset();

    clock.Set(3060ms);
    frameRoad.RunPass();
    second.StopAndWait();
    EXPECT_EQ(ProbeAvi(folder.File("first.avi")).videoPackets, 21) << "1.03 s";
    EXPECT_EQ(ProbeAvi(folder.File("second.avi")).videoPackets, 41) << "2.03 s";
}

TEST(Recording_RecorderWorker, TakenNameGetsANumberAndNoFileIsReplaced) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    const std::string path = folder.File("2010-05-17 14-03-09.avi");
    RecorderWorker first(path, frameRoad, WithClock(clock));
    std::string error;
    ASSERT_TRUE(first.Start(error)) << error;
    EXPECT_EQ(first.OutputPath(), path);
    clock.Set(5030ms);  // the first one still has 100 frames to write when it sees its stop
    first.RequestStop();
    // Started within the same second: a name of its own, while the first finishes undisturbed.
    RecorderWorker second(path, frameRoad, WithClock(clock));
    ASSERT_TRUE(second.Start(error)) << error;
    EXPECT_EQ(second.OutputPath(), folder.File("2010-05-17 14-03-09 (2).avi"));
    // A link planted at the next free name is not written through.
    const std::string target = folder.File("target");
    std::ofstream(target) << "keep";
    std::filesystem::create_symlink(target, folder.File("2010-05-17 14-03-09 (3).avi"));
    RecorderWorker third(path, frameRoad, WithClock(clock));
    ASSERT_TRUE(third.Start(error)) << error;
    EXPECT_EQ(third.OutputPath(), folder.File("2010-05-17 14-03-09 (4).avi"));
    clock.Set(5560ms);
    first.StopAndWait();
    second.StopAndWait();
    third.StopAndWait();

    EXPECT_EQ(ProbeAvi(first.OutputPath()).videoPackets, 101) << "5.03 s, whole";
    EXPECT_EQ(ProbeAvi(second.OutputPath()).videoPackets, 11) << "0.53 s";
    EXPECT_EQ(ProbeAvi(third.OutputPath()).videoPackets, 11);
    std::string kept;
    std::ifstream(target) >> kept;
    EXPECT_EQ(kept, "keep");
    if (recording::testing::FfprobeInstalled()) {
        for (const RecorderWorker* each : {&first, &second, &third})
            EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" +
                                                        each->OutputPath() + "'"),
                      "");
    }
}

TEST(Recording_RecorderWorker, TooLittleFreeSpaceRefusesTheStart) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    FreeSpace space;
    space.bytes = RecorderWorker::kMinimumFreeToStart - 1;
    RecorderOptions options;
    options.freeBytes = space.Function();
    RecorderWorker recorder(folder.File("a.avi"), frameRoad, options);
    std::string error;
    EXPECT_FALSE(recorder.Start(error));
    EXPECT_NE(error.find("not enough free space"), std::string::npos) << error;
    EXPECT_NE(error.find("199 MiB free"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    space.bytes = RecorderWorker::kMinimumFreeToStart;
    RecorderWorker enough(folder.File("a.avi"), frameRoad, options);
    EXPECT_TRUE(enough.Start(error)) << error;
}

TEST(Recording_RecorderWorker, DiskNearlyFullStopsTheRecordingWithAPlayableFile) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    FreeSpace space;
    RecorderOptions options = WithClock(clock);
    options.freeBytes = space.Function();
    FailureLog failures;
    options.onFailure = failures.Callback();
    RecorderWorker recorder(folder.File("nearly-full.avi"), frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(1050ms);
    frameRoad.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return recorder.FramesWritten() >= 21; }));
    EXPECT_FALSE(recorder.HasEnded()) << "plenty of room so far";
    // Another program fills the disk.
    space.bytes = RecorderWorker::kMinimumFreeWhileRecording - 1;
    clock.Set(2100ms);
    frameRoad.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); })) << "stops by itself";

    EXPECT_EQ(failures.count.load(), 1);
    EXPECT_NE(failures.Last().find("disk is nearly full"), std::string::npos) << failures.Last();
    const AviFacts facts = ProbeAvi(folder.File("nearly-full.avi"));
    EXPECT_TRUE(facts.opened);
    EXPECT_EQ(facts.videoPackets, 22) << "up to the frame before the check that stopped it";
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" +
                                                    folder.File("nearly-full.avi") + "'"),
                  "");
    }
}

TEST(Recording_RecorderWorker, OutputFolderThatGoesAwayIsNoticedAtTheNextCheck) {
    for (const std::string how : {"deleted", "renamed"}) {
        ScratchFolder folder;
        const std::string output = folder.File("output");
        std::filesystem::create_directory(output);
        FrameRoad frameRoad;
        ManualClock clock;
        RecorderOptions options = WithClock(clock);
        FailureLog failures;
        options.onFailure = failures.Callback();
        RecorderWorker recorder(output + "/a.avi", frameRoad, options);
        std::string error;
        ASSERT_TRUE(recorder.Start(error)) << error;
        if (how == "deleted")
            std::filesystem::remove_all(output);
        else
            std::filesystem::rename(output, folder.File("elsewhere"));
        clock.Set(RecorderWorker::kWatchInterval + 10ms);
        frameRoad.RunPass();
        ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); })) << how;
        EXPECT_EQ(failures.count.load(), 1) << how;
        EXPECT_NE(failures.Last().find("deleted, renamed or unmounted"), std::string::npos)
            << failures.Last();
        if (how == "renamed") {
            EXPECT_TRUE(ProbeAvi(folder.File("elsewhere/a.avi")).opened)
                << "the file in the renamed folder is finished";
        }
    }
}

TEST(Recording_RecorderWorker, ExceptionOnTheRecordersThreadFinishesTheFileAndIsReported) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderOptions options = WithClock(clock);
    options.createEncoder = [] { return std::make_unique<ThrowingEncoder>(11); };
    FailureLog failures;
    options.onFailure = failures.Callback();
    RecorderWorker recorder(folder.File("thrown.avi"), frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(1s);
    frameRoad.RunPass();
    ASSERT_TRUE(WaitUntil([&] { return recorder.HasEnded(); }));
    EXPECT_EQ(failures.count.load(), 1);
    EXPECT_NE(failures.Last().find("internal error (bad frame)"), std::string::npos)
        << failures.Last();
    EXPECT_EQ(ProbeAvi(folder.File("thrown.avi")).videoPackets, 10) << "finished, readable";
}

TEST(Recording_RecorderWorker, RecorderStuckInAWriteCanBeLeftBehindWithoutItsRoad) {
    ScratchFolder folder;
    auto gate = std::make_shared<StuckGate>();
    auto frameRoad = std::make_unique<FrameRoad>();
    RecorderOptions options;
    options.createEncoder = [gate] { return std::make_unique<StuckFinishEncoder>(gate); };
    FailureLog failures;
    options.onFailure = failures.Callback();
    auto recorder = std::make_unique<RecorderWorker>(folder.File("stuck.avi"), *frameRoad, options);
    std::string error;
    ASSERT_TRUE(recorder->Start(error)) << error;
    recorder->RequestStop();
    EXPECT_FALSE(recorder->WaitUntilEnded(50ms)) << "the bounded wait gives up";
    RecorderWorker* left = recorder.get();
    RecorderWorker::Abandon(std::move(recorder));
    frameRoad.reset();  // the window goes away
    gate->Open();      // the mount comes back
    EXPECT_TRUE(left->WaitUntilEnded(5s));
    EXPECT_EQ(failures.count.load(), 0);
    EXPECT_TRUE(ProbeAvi(folder.File("stuck.avi")).opened);
}

TEST(Recording_RecorderWorker, DestroyingARunningRecorderFinishesItsFile) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    {
        RecorderWorker recorder(folder.File("quit.avi"), frameRoad, WithClock(clock));
        std::string error;
        ASSERT_TRUE(recorder.Start(error)) << error;
        clock.Set(1030ms);
        frameRoad.RunPass();
    }
    EXPECT_EQ(ProbeAvi(folder.File("quit.avi")).videoPackets, 21);
}

TEST(Recording_RecorderWorker, SoundAndPictureAdvanceTogetherThroughTheFile) {
    ScratchFolder folder;
    FrameRoad frameRoad;
    ManualClock clock;
    RecorderWorker recorder(folder.File("interleaved.avi"), frameRoad, WithClock(clock));
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    clock.Set(10s);
    recorder.StopAndWait();

    const auto packets = recording::testing::PacketTimesInFileOrder(folder.File("interleaved.avi"));
    ASSERT_FALSE(packets.empty());
    // Reading the file from the front, the sound read so far never lags or leads the pictures
    // read so far by more than a second, and both tracks last the whole recording.
    double audioEnd = 0, videoEnd = 0;
    int audioPackets = 0;
    for (const auto& packet : packets) {
        (packet.audio ? audioEnd : videoEnd) = std::max(packet.audio ? audioEnd : videoEnd,
                                                        packet.end);
        audioPackets += packet.audio;
        if (audioEnd > 0 && videoEnd > 0) {
            ASSERT_LE(std::abs(audioEnd - videoEnd), 1.0)
                << "at packet " << (&packet - packets.data()) << ": sound at " << audioEnd
                << " s, picture at " << videoEnd << " s";
        }
    }
    EXPECT_NEAR(videoEnd, 10.0, 0.06);
    EXPECT_NEAR(audioEnd, 10.0, 0.06);
    EXPECT_GT(audioPackets, 0);
}
