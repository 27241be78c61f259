#include "platform/SingleInstanceLock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// A folder only its owner, this user, can change: nobody else can plant or swap a file there.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return !folder.empty() && folder.front() == '/' && lstat(folder.c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The home folder of the passwd entry, which no environment variable changes.
std::string AccountHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir) {
        return {};
    }
    return found->pw_dir;
}

// `folder`, made (one level) when it is missing, when it is private to the user; else empty.
std::string PrivateFolderMade(const std::string& folder) {
    if (folder.empty()) return {};
    mkdir(folder.c_str(), 0700);
    return IsPrivateFolder(folder) ? folder : std::string();
}

}  // namespace

std::string RuntimeFolder() {
    // The runtime folder a session names; then the one the login manager keeps per user, which
    // every login of the user shares even where the variable is missing; then a folder in the
    // user's own home. Never a folder other users can write to.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && IsPrivateFolder(runtime)) return runtime;
    const std::string perUser = "/run/user/" + std::to_string(getuid());
    if (IsPrivateFolder(perUser)) return perUser;
    const std::string home = AccountHome();
    if (!IsPrivateFolder(home)) return {};
    return PrivateFolderMade(home + "/.cache");
}

SingleInstanceLock::SingleInstanceLock(std::string name) {
    const std::string folder = RuntimeFolder();
    if (!folder.empty()) path_ = folder + "/" + name + ".lock";
}

SingleInstanceLock::~SingleInstanceLock() {
    if (bell_ >= 0) {
        close(bell_);
        unlink(BellPath().c_str());
    }
    if (fd_ >= 0) close(fd_);
}

SingleInstanceLock::Result SingleInstanceLock::TryAcquire() {
    if (fd_ >= 0) return Result::Acquired;
    if (path_.empty()) return Result::Failed;
    // Never through a link, and only a plain file of this user's with no other names.
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Failed;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != getuid() ||
        info.st_nlink != 1) {
        close(fd);
        return Result::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? Result::AlreadyHeld : Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}

namespace {

// The address of the socket at `path`; false when the path does not fit.
bool BellAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

std::string SingleInstanceLock::BellPath() const {
    return path_.empty() ? std::string() : path_.substr(0, path_.size() - 5) + ".bell";
}

int SingleInstanceLock::ListenForOtherStarts() {
    if (fd_ < 0 || bell_ >= 0) return bell_;
    sockaddr_un address;
    if (!BellAddress(BellPath(), address)) return -1;
    const int bell = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (bell < 0) return -1;
    // A socket left by an instance that crashed is this user's, in this user's private folder;
    // holding the lock means nobody listens on it any more.
    unlink(address.sun_path);
    if (bind(bell, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(bell, 4) != 0) {
        close(bell);
        return -1;
    }
    bell_ = bell;
    return bell_;
}

bool SingleInstanceLock::RingRunningInstance() const {
    sockaddr_un address;
    if (!BellAddress(BellPath(), address)) return false;
    // The running instance takes the lock a moment before it listens: a start that comes in
    // between tries again for up to two seconds.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (attempt > 0) usleep(100'000);
        const int bell = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (bell < 0) return false;
        const char ring = '!';
        const bool answered =
            connect(bell, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
            send(bell, &ring, 1, MSG_NOSIGNAL) == 1;
        close(bell);
        if (answered) return true;
    }
    return false;
}

void SingleInstanceLock::TakeRing(int listening) {
    const int caller = accept4(listening, nullptr, nullptr, SOCK_CLOEXEC);
    if (caller >= 0) close(caller);
}

}  // namespace platform
