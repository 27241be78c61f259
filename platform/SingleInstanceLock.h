#pragma once

#include <string>

namespace platform {

// A per-user lock that lets one process of a name run at a time. It is an exclusive flock on
// a file in the user's runtime folder (see RuntimeFolder); the kernel drops it when the process
// ends, however it ends, so a crashed instance never blocks the next start. The file is opened
// without following links and must be a plain file of the user's own.
class SingleInstanceLock {
public:
    enum class Result { Acquired, AlreadyHeld, Failed };

    explicit SingleInstanceLock(std::string name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting. Failed means the lock file could not be made or is not
    // the user's own plain file; a caller may then go on as if it had the lock.
    Result TryAcquire();
    const std::string& LockFilePath() const { return path_; }

    // The running instance's doorbell, a socket beside the lock file that a second start rings
    // to ask for the running window. After Acquired: the listening descriptor (the lock's own,
    // closed with it), or -1 when none could be made.
    int ListenForOtherStarts();
    // After AlreadyHeld: rings the running instance; false when nobody answers.
    bool RingRunningInstance() const;
    // Takes one ring from the doorbell once `listening` is readable.
    static void TakeRing(int listening);

private:
    std::string BellPath() const;

    std::string path_;
    int fd_ = -1;
    int bell_ = -1;
};

// The folder for per-user runtime files, always one that belongs to the user and that no other
// user can write to: $XDG_RUNTIME_DIR when it is such a folder, else /run/user/<uid> when it
// is, else ".cache" in the home folder of the user's account (made when missing). Empty when
// none of them will do.
std::string RuntimeFolder();

}  // namespace platform
