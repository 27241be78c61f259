#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/SingleInstanceLock.h"

using platform::SingleInstanceLock;

namespace {

// Runs TryAcquire in a child process and returns what it got.
SingleInstanceLock::Result AcquireInChildProcess(const std::string& name) {
    const pid_t child = fork();
    if (child == 0) {
        SingleInstanceLock lock(name);
        _exit(static_cast<int>(lock.TryAcquire()));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<SingleInstanceLock::Result>(WEXITSTATUS(status));
}

std::string UniqueLockName() {
    return "QuenvalorLockTest-" + std::to_string(getpid());
}

}  // namespace

TEST(Platform_SingleInstanceLock, SecondProcessIsRefusedWhileTheFirstHoldsIt) {
    const std::string name = UniqueLockName();
    {
        SingleInstanceLock first(name);
        ASSERT_EQ(first.TryAcquire(), SingleInstanceLock::Result::Acquired);
        EXPECT_EQ(AcquireInChildProcess(name), SingleInstanceLock::Result::AlreadyHeld);
    }
    // Released when its holder goes away, as when a process ends.
    EXPECT_EQ(AcquireInChildProcess(name), SingleInstanceLock::Result::Acquired);
}

TEST(Platform_SingleInstanceLock, LockOfAProcessThatEndedIsFree) {
    const std::string name = UniqueLockName() + "-ended";
    const pid_t child = fork();
    if (child == 0) {
        SingleInstanceLock lock(name);
        lock.TryAcquire();
        _exit(0);  // ends without releasing anything by hand
    }
    waitpid(child, nullptr, 0);
    SingleInstanceLock lock(name);
    EXPECT_EQ(lock.TryAcquire(), SingleInstanceLock::Result::Acquired);
}

// Sets XDG_RUNTIME_DIR for one test and puts back its old value.
class RuntimeVariable {
public:
    explicit RuntimeVariable(const char* value) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        if (value)
            setenv("XDG_RUNTIME_DIR", value, 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeVariable() {
        if (saved_)
            setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> saved_;
};

TEST(Platform_SingleInstanceLock, LockStaysInAFolderOfTheUsersOwnWhateverTheEnvironment) {
    // Unset, or naming a folder everybody may write to: neither leads to a shared folder.
    for (const char* value : {static_cast<const char*>(nullptr), "/tmp", "relative"}) {
        RuntimeVariable runtime(value);
        SingleInstanceLock lock(UniqueLockName());
        ASSERT_EQ(lock.TryAcquire(), SingleInstanceLock::Result::Acquired);
        const std::string folder = lock.LockFilePath().substr(0, lock.LockFilePath().rfind('/'));
        struct stat info {};
        ASSERT_EQ(lstat(folder.c_str(), &info), 0) << folder;
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_uid, getuid()) << folder;
        EXPECT_EQ(info.st_mode & (S_IWGRP | S_IWOTH), 0u) << folder;
        EXPECT_EQ(lock.LockFilePath().rfind("/tmp/", 0), std::string::npos);
        // The place is the same for every process of the user that sees this environment.
        EXPECT_EQ(AcquireInChildProcess(UniqueLockName()), SingleInstanceLock::Result::AlreadyHeld);
        unlink(lock.LockFilePath().c_str());
    }
}

TEST(Platform_SingleInstanceLock, PlantedLockFileIsNeverUsed) {
    char pattern[] = "/tmp/quenvalor-runtime-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    RuntimeVariable runtime(folder.c_str());
    const std::string name = UniqueLockName();
    const std::string path = folder + "/" + name + ".lock";
    const std::string target = folder + "/target";

    // A symbolic link: not followed, so its target is never made.
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
    EXPECT_EQ(SingleInstanceLock(name).TryAcquire(), SingleInstanceLock::Result::Failed);
    struct stat info {};
    EXPECT_NE(lstat(target.c_str(), &info), 0) << "the link was followed";
    unlink(path.c_str());

    // A second name for another file.
    close(open(target.c_str(), O_CREAT | O_WRONLY, 0600));
    ASSERT_EQ(link(target.c_str(), path.c_str()), 0);
    EXPECT_EQ(SingleInstanceLock(name).TryAcquire(), SingleInstanceLock::Result::Failed);
    unlink(path.c_str());

    // A file of another user (only the superuser can make one here).
    if (geteuid() == 0) {
        close(open(path.c_str(), O_CREAT | O_WRONLY, 0666));
        ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
        EXPECT_EQ(SingleInstanceLock(name).TryAcquire(), SingleInstanceLock::Result::Failed);
        unlink(path.c_str());
    }
    unlink(target.c_str());
    rmdir(folder.c_str());
}

TEST(Platform_SingleInstanceLock, ASecondStartRingsTheRunningInstance) {
    const std::string name = UniqueLockName() + "-bell";
    SingleInstanceLock running(name);
    ASSERT_EQ(running.TryAcquire(), SingleInstanceLock::Result::Acquired);
    SingleInstanceLock second(name);
    EXPECT_FALSE(second.RingRunningInstance()) << "nobody listens";
    const int bell = running.ListenForOtherStarts();
    ASSERT_GE(bell, 0);
    ASSERT_EQ(second.TryAcquire(), SingleInstanceLock::Result::AlreadyHeld);
    EXPECT_TRUE(second.RingRunningInstance());
    pollfd ready{bell, POLLIN, 0};
    ASSERT_EQ(poll(&ready, 1, 1000), 1) << "the ring reached the running instance";
    SingleInstanceLock::TakeRing(bell);
    EXPECT_EQ(poll(&ready, 1, 0), 0) << "one ring is taken once";
}
