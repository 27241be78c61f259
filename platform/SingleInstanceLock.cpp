#include "platform/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && access(runtime, W_OK) == 0) return runtime;
    return "/tmp";
}

SingleInstanceLock::SingleInstanceLock(std::string name) {
    // /tmp is shared between users, so the user id keeps one user's lock from blocking another.
    const std::string folder = RuntimeFolder();
    path_ = folder + "/" + name;
    if (folder == "/tmp") path_ += "-" + std::to_string(getuid());
    path_ += ".lock";
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) close(fd_);
}

SingleInstanceLock::Result SingleInstanceLock::TryAcquire() {
    if (fd_ >= 0) return Result::Acquired;
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Failed;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? Result::AlreadyHeld : Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}

}  // namespace platform
