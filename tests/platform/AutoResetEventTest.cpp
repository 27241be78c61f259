#include <gtest/gtest.h>

#include <thread>

#include "platform/AutoResetEvent.h"

using platform::AutoResetEvent;
using namespace std::chrono_literals;

TEST(Platform_AutoResetEvent, SignalsWhileNobodyWaitsMergeIntoOne) {
    AutoResetEvent event;
    event.Set();
    event.Set();
    EXPECT_TRUE(event.WaitFor(0ms));
    EXPECT_FALSE(event.WaitFor(0ms)) << "a second wait must not find a second signal";
}

TEST(Platform_AutoResetEvent, StartsSignalledOnlyWhenAsked) {
    AutoResetEvent unsignalled;
    EXPECT_FALSE(unsignalled.WaitFor(0ms));
    AutoResetEvent signalled(true);
    EXPECT_TRUE(signalled.WaitFor(0ms));
}

TEST(Platform_AutoResetEvent, WakesAWaiterOnAnotherThread) {
    AutoResetEvent event;
    bool woke = false;
    std::thread waiter([&] {
        event.Wait();
        woke = true;
    });
    event.Set();
    waiter.join();
    EXPECT_TRUE(woke);
    EXPECT_FALSE(event.WaitFor(0ms)) << "the waiter must have consumed the signal";
}
