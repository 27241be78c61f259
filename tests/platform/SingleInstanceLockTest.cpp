#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
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

std::string UniqueLockName() { return "QuenvalorLockTest-" + std::to_string(getpid()); }

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

TEST(Platform_SingleInstanceLock, FallsBackToTmpWithoutAUsableRuntimeFolder) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/nonexistent-runtime-folder", 1);
    SingleInstanceLock lock(UniqueLockName());
    // Falls back to /tmp, which is writable, so the lock is still taken.
    EXPECT_EQ(lock.TryAcquire(), SingleInstanceLock::Result::Acquired);
    EXPECT_EQ(lock.LockFilePath().rfind("/tmp/", 0), 0u);
    if (saved)
        setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}
