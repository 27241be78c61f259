// Recordings cut off by a kill, found and repaired at the next start.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "AviProbe.h"
#include "tests/support/Prerequisite.h"
#include "CrashWriter.h"
#include "RunningRoad.h"
#include "recording/RecorderWorker.h"
#include "recording/CrashRepair.h"

using recording::IsRecordingFileName;
using recording::IsUnfinishedAvi;
using recording::RepairResult;
using recording::RepairUnfinishedRecordings;
using recording::testing::CommandOutput;
using recording::testing::FfprobeInstalled;
using recording::testing::ProbeAvi;
using recording::testing::ScratchFolder;
using namespace std::chrono_literals;

namespace {

std::string Contents(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

void SetChangeTime(const std::string& path, std::chrono::system_clock::time_point when) {
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    const timespec times[2] = {{ns / 1'000'000'000, ns % 1'000'000'000},
                               {ns / 1'000'000'000, ns % 1'000'000'000}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

double Duration(const std::string& path) {
    return std::atof(
        CommandOutput("ffprobe -v error -show_entries format=duration -of csv=p=0 '" + path + "'")
            .c_str());
}

}  // namespace

TEST(Recording_CrashRepair, RecordingKilledFourSecondsInBecomesACompleteFile) {
    ScratchFolder folder;
    const std::string path = folder.File("2026-12-07 10-04-31.avi");
    ASSERT_GT(recording::testing::RecordUntilKilled(path, 4s), 0);
    ASSERT_TRUE(IsUnfinishedAvi(path));
    const int packetsBefore = ProbeAvi(path).videoPackets;

    const std::atomic<bool> cancel{false};
    const auto result =
        RepairUnfinishedRecordings(folder.path(), std::chrono::system_clock::now(), cancel);
    EXPECT_EQ(result.repaired, 1);
    EXPECT_EQ(result.failed, 0);
    EXPECT_FALSE(IsUnfinishedAvi(path));
    EXPECT_GE(ProbeAvi(path).videoPackets, packetsBefore - 1) << "all whole frames are kept";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "the repaired file took the original's place";
    if (!FfprobeInstalled()) return;
    EXPECT_EQ(CommandOutput("ffprobe -v warning '" + path + "'"), "");
    EXPECT_GE(Duration(path), 3.0);
}

TEST(Recording_CrashRepair, OnlyTheProgramsOwnCutOffRecordingsFromBeforeTheStartAreTouched) {
    EXPECT_TRUE(IsRecordingFileName("2010-05-17 14-03-09.avi"));
    EXPECT_TRUE(IsRecordingFileName("2010-05-17 14-03-09 (12).avi"));
    EXPECT_FALSE(IsRecordingFileName("2010-05-17 14-03-09.jpg"));
    EXPECT_FALSE(IsRecordingFileName("holiday.avi"));
    EXPECT_FALSE(IsRecordingFileName("2010-05-17 14-03-09 (0).avi"));

    ScratchFolder folder;
    const std::string cutOff = folder.File("cut.tmp");
    ASSERT_GT(recording::testing::RecordUntilKilled(cutOff, 1500ms), 0);
    const std::string bytes = Contents(cutOff);
    const auto start = std::chrono::system_clock::now();
    const auto earlier = start - 1h;
    auto place = [&](const std::string& name, const std::string& content,
                     std::chrono::system_clock::time_point changed) {
        std::ofstream(folder.File(name), std::ios::binary) << content;
        SetChangeTime(folder.File(name), changed);
        return folder.File(name);
    };
    // Not the program's name; changed after this run started; not an AVI's inside; and an
    // AVI header over nothing readable.
    const std::string foreign = place("holiday.avi", bytes, earlier);
    const std::string current = place("2026-12-07 10-00-00.avi", bytes, start + 1s);
    const std::string text = place("2026-12-07 10-00-01.avi", "just some text", earlier);
    std::string broken = bytes.substr(0, 12) + std::string(4000, '\x7f');
    broken[4] = broken[5] = broken[6] = broken[7] = '\xff';
    const std::string unreadable = place("2026-12-07 10-00-02.avi", broken, earlier);
    const std::string repairable = place("2026-12-07 10-00-03 (2).avi", bytes, earlier);
    std::filesystem::remove(cutOff);

    const std::atomic<bool> cancel{false};
    const auto result = RepairUnfinishedRecordings(folder.path(), start, cancel);
    EXPECT_EQ(result.repaired, 1);
    EXPECT_EQ(result.failed, 0) << "a file without the program's mark is not the program's";
    EXPECT_FALSE(IsUnfinishedAvi(repairable));
    EXPECT_EQ(Contents(foreign), bytes);
    EXPECT_EQ(Contents(current), bytes);
    EXPECT_EQ(Contents(text), "just some text");
    EXPECT_EQ(Contents(unreadable), broken) << "a file that cannot be repaired is left as it is";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 5)
        << "no repair copy is left behind";
}

// The repair's later steps failing as a disk or a user could make them fail: the copy does not
// read back (cut short), the copy is gone before it can take the original's place, and the repair
// job stopped while it holds a complete copy. Each time the original stays as it was and no copy
// is left behind.
TEST(Recording_CrashRepair, RepairThatFailsOrIsStoppedLeavesTheOriginalUntouched) {
    ScratchFolder folder;
    const std::string path = folder.File("2026-12-07 10-04-31.avi");
    ASSERT_GT(recording::testing::RecordUntilKilled(path, 1500ms), 0);
    const std::string original = Contents(path);
    const auto start = std::chrono::system_clock::now() + 1s;
    // Each failure is told once, with its reason; the list that keeps it is cleared for the next.
    const std::string told = folder.File(recording::kUnrepairedListName);
    auto expectUntouched = [&](const char* what) {
        EXPECT_EQ(Contents(path), original) << what;
        std::filesystem::remove(told);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
            << what << ": no copy is left behind";
    };
    const std::atomic<bool> cancel{false};

    recording::RepairObserver cutShort;
    cutShort.written = [](const std::string& copy) {
        std::filesystem::resize_file(copy, std::filesystem::file_size(copy) / 2);
    };
    RepairResult result = RepairUnfinishedRecordings(folder.path(), start, cancel, cutShort);
    EXPECT_EQ(result.repaired, 0);
    EXPECT_EQ(result.failed, 1);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].name, "2026-12-07 10-04-31.avi");
    EXPECT_EQ(result.failures[0].reason, "its repaired copy did not read back whole");
    result = RepairUnfinishedRecordings(folder.path(), start, cancel, cutShort);
    EXPECT_EQ(result.failed, 0) << "a failure is told once";
    EXPECT_TRUE(result.failures.empty());
    expectUntouched("a copy that does not read back");

    recording::RepairObserver copyGone;
    copyGone.readBack = [](const std::string& copy) { std::filesystem::remove(copy); };
    result = RepairUnfinishedRecordings(folder.path(), start, cancel, copyGone);
    EXPECT_EQ(result.failed, 1);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].reason, "its repaired copy could not take its place");
    expectUntouched("a copy that cannot be renamed");

    // The job's thread holds on the written copy until the job has been stopped; it is then left
    // behind by Stop and must drop the copy by itself once it goes on.
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool reached = false;
        bool open = false;
    };
    auto gate = std::make_shared<Gate>();
    recording::RepairObserver held;
    held.written = [gate](const std::string&) {
        std::unique_lock lock(gate->mutex);
        gate->reached = true;
        gate->changed.notify_all();
        gate->changed.wait(lock, [&] { return gate->open; });
    };
    auto doneCalled = std::make_shared<std::atomic<bool>>(false);
    {
        recording::RepairJob job(
            folder.path(), start, [doneCalled](const RepairResult&) { *doneCalled = true; }, held);
        {
            std::unique_lock lock(gate->mutex);
            ASSERT_TRUE(gate->changed.wait_for(lock, 30s, [&] { return gate->reached; }));
        }
        job.Stop(50ms);
        EXPECT_FALSE(job.HasEnded());
        {
            std::lock_guard lock(gate->mutex);
            gate->open = true;
        }
        gate->changed.notify_all();
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (!job.HasEnded() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        EXPECT_TRUE(job.HasEnded());
    }
    EXPECT_FALSE(*doneCalled) << "a stopped job reports nothing";
    expectUntouched("a stopped job");
}

// A recording still being written, by this process or a stalled one, however old its last change
// looks, is left to its recorder.
TEST(Recording_CrashRepair, ARecordingStillBeingWrittenIsNeverTouched) {
    ScratchFolder folder;
    const std::string path = folder.File("2026-12-07 10-04-31.avi");
    recording::testing::RunningRoad running;
    {
        recording::RecorderWorker recorder(path, running.frameRoad);
        std::string error;
        ASSERT_TRUE(recorder.Start(error)) << error;
        std::this_thread::sleep_for(1500ms);
        ASSERT_TRUE(IsUnfinishedAvi(path));
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        const std::atomic<bool> cancel{false};
        const RepairResult result =
            RepairUnfinishedRecordings(folder.path(), std::chrono::system_clock::now() + 1h, cancel);
        EXPECT_EQ(result.repaired, 0);
        EXPECT_EQ(result.failed, 0);
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the recorder's file was replaced";
        recorder.RequestStop();
    }
    EXPECT_FALSE(IsUnfinishedAvi(path)) << "the recorder finished its file after all";
}

// What repair keeps: another program's cut-off AVI of a stamp name stays as it was, a
// write-protected recording is left alone and counted, and a repaired one keeps its mode, its
// times and its tags (the program's mark among them).
TEST(Recording_CrashRepair, RepairKeepsOtherProgramsFilesProtectedFilesAndWhatTheUserSet) {
    QUENVALOR_REQUIRE(FfprobeInstalled(), "ffmpeg is not installed");
    ScratchFolder folder;
    const std::string foreign = folder.File("2026-12-07 10-00-00.avi");
    // Written to a pipe, so its sizes are never filled in: cut off, to all appearances.
    CommandOutput("ffmpeg -v error -f lavfi -i testsrc=size=320x240:rate=20 -t 1 -metadata title=Mine "
                  "-f avi pipe:1 > '" + foreign + "'");
    ASSERT_TRUE(IsUnfinishedAvi(foreign));
    const std::string protectedPath = folder.File("2026-12-07 10-00-01.avi");
    const std::string ours = folder.File("2026-12-07 10-00-02.avi");
    ASSERT_GT(recording::testing::RecordUntilKilled(ours, 1500ms), 0);
    std::filesystem::copy_file(ours, protectedPath);
    chmod(protectedPath.c_str(), 0444);
    chmod(ours.c_str(), 0640);
    const auto start = std::chrono::system_clock::now();
    const auto earlier = start - 1h;
    for (const std::string& path : {foreign, protectedPath, ours}) SetChangeTime(path, earlier);
    const std::string foreignBytes = Contents(foreign);
    const std::string protectedBytes = Contents(protectedPath);

    const std::atomic<bool> cancel{false};
    const RepairResult result = RepairUnfinishedRecordings(folder.path(), start, cancel);
    EXPECT_EQ(result.repaired, 1);
    EXPECT_EQ(result.failed, 1) << "the write-protected one";
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].reason, "it is write-protected");
    EXPECT_EQ(Contents(foreign), foreignBytes);
    EXPECT_EQ(Contents(protectedPath), protectedBytes);
    EXPECT_FALSE(IsUnfinishedAvi(ours));
    EXPECT_TRUE(recording::IsOwnRecording(ours)) << "the tags were not kept";
    struct stat repaired {};
    ASSERT_EQ(stat(ours.c_str(), &repaired), 0);
    EXPECT_EQ(repaired.st_mode & 07777, 0640u);
    EXPECT_EQ(repaired.st_mtim.tv_sec,
              std::chrono::duration_cast<std::chrono::seconds>(earlier.time_since_epoch()).count());
}
