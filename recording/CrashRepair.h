#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include <string_view>

namespace recording {

// Whether `fileName` is a name this program gives its recordings: a file stamp, optionally
// numbered, with ".avi" ("2010-05-17 14-03-09.avi", "2010-05-17 14-03-09 (2).avi").
bool IsRecordingFileName(std::string_view fileName);

// Whether the file at `path` is an AVI file cut off before it was finished (a crash, a power cut,
// a kill): its RIFF chunks were never closed, so their sizes are still the placeholder or run
// past the end of the file. A file that is no AVI at all is not unfinished.
bool IsUnfinishedAvi(const std::string& path);

// The two moments of a repair at which the hidden copy stands complete beside the original: once
// it is written (before it is read back) and once it has read back (before it replaces the
// original). Tests step in there to make the later steps fail as a disk or a user could.
struct RepairObserver {
    std::function<void(const std::string& copyPath)> written;
    std::function<void(const std::string& copyPath)> readBack;
};

// Whether the AVI file at `path` carries this program's mark (kRecordingMark) in its header.
bool IsOwnRecording(const std::string& path);

// Rewrites the unfinished recording at `path` into a complete AVI file with the same streams,
// packets (a cut-off last packet is dropped) and metadata tags, and the original's mode, owner
// and group (where the user may set them) and times. The repaired copy is written beside it under
// a hidden name, synced to the disk and read back; only then does it take the original's place.
// False, with the original left as it was and no copy left behind, when the file cannot be read,
// the copy cannot be written, does not read back or cannot take the original's place, or
// `cancel` is set meanwhile.
// `whyNot`, when given, receives the reason of a failure, for the user.
bool RepairRecording(const std::string& path, const std::atomic<bool>& cancel,
                     const RepairObserver& observer = {}, std::string* whyNot = nullptr);

struct RepairFailure {
    std::string name;    // the file's name in its folder
    std::string reason;  // for the user: "it is write-protected", ...
};

struct RepairResult {
    int repaired = 0;
    int failed = 0;  // unfinished recordings left as they were
    std::vector<RepairFailure> failures;  // why each one failed, when this is its first failure
};

// The hidden file in an output folder that keeps the recordings repair has failed on (name, size
// and time of last change), so that each failure is told once: a later start leaves such a file
// alone and does not count it, until it changes.
inline constexpr const char* kUnrepairedListName = ".quenvalor-unrepaired";

// Repairs every unfinished recording of this program in `folder` (its name and its mark) that was
// last changed before `before` (so a recording this run has started is never taken for a cut-off
// one) and that no process writes or repairs now (see FileOutput). A write-protected file is
// left alone and counted as failed; a failure is told once (see kUnrepairedListName).
RepairResult RepairUnfinishedRecordings(const std::string& folder,
                                        std::chrono::system_clock::time_point before,
                                        const std::atomic<bool>& cancel,
                                        const RepairObserver& observer = {});

// RepairUnfinishedRecordings on a thread of its own, so whoever starts it never waits for the
// disk. `done` is called on that thread with the result, unless the job was stopped first.
class RepairJob {
public:
    static constexpr std::chrono::milliseconds kStopWait{2000};

    RepairJob(std::string folder, std::chrono::system_clock::time_point before,
              std::function<void(const RepairResult&)> done, RepairObserver observer = {});
    // Stop(kStopWait).
    ~RepairJob();
    RepairJob(const RepairJob&) = delete;
    RepairJob& operator=(const RepairJob&) = delete;

    // Asks the repair to stop (a file being rewritten keeps its original) and waits at most
    // `limit` for it. A thread still stuck after that (a hung network mount) is left behind; it
    // keeps its own state alive and never calls `done`.
    void Stop(std::chrono::milliseconds limit);
    bool HasEnded() const;

private:
    struct Shared {
        std::atomic<bool> cancel{false};
        mutable std::mutex mutex;
        std::condition_variable changed;
        bool ended = false;
        std::function<void(const RepairResult&)> done;
    };
    std::shared_ptr<Shared> shared_;
};

}  // namespace recording
