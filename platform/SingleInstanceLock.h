#pragma once

#include <string>

namespace platform {

// A per-user lock that lets one process of a name run at a time. It is an exclusive flock on
// a file in the user's runtime folder; the kernel drops it when the process ends, however it
// ends, so a crashed instance never blocks the next start.
class SingleInstanceLock {
public:
    enum class Result { Acquired, AlreadyHeld, Failed };

    explicit SingleInstanceLock(std::string name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting. Failed means the lock file could not be made; a caller
    // may then go on as if it had the lock.
    Result TryAcquire();
    const std::string& LockFilePath() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// The folder for per-user runtime files: $XDG_RUNTIME_DIR, or /tmp when it is not set.
std::string RuntimeFolder();

}  // namespace platform
