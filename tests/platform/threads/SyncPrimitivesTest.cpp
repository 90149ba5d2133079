#include <gtest/gtest.h>
#include <poll.h>

#include "platform/threads/Event.h"
#include "platform/threads/StopSignal.h"
#include "platform/threads/WorkerThread.h"

TEST(StopSignal, RequestIsVisibleThroughPollUntilReset) {
    CStopSignal stop;
    EXPECT_FALSE(stop.Requested());
    stop.Request();
    stop.Request();
    EXPECT_TRUE(stop.Requested());
    pollfd p{stop.PollFd(), POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 0), 1);
    EXPECT_TRUE(stop.WaitFor(1000));
    stop.Reset();
    EXPECT_FALSE(stop.Requested());
    EXPECT_FALSE(stop.WaitFor(0));
}

TEST(Event, AutoResetWakesOneWaitManualResetStaysSet) {
    CEvent autoReset;
    autoReset.Set();
    EXPECT_TRUE(autoReset.Wait(0));
    EXPECT_FALSE(autoReset.Wait(0));

    CEvent manual(true, true);
    EXPECT_TRUE(manual.Wait(0));
    EXPECT_TRUE(manual.Wait(0));
    manual.Reset();
    EXPECT_FALSE(manual.Wait(0));
}

TEST(WorkerThread, WaitWithATimeLimit) {
    CEvent release(true);
    CWorkerThread thread;
    ASSERT_TRUE(thread.Start([&] { release.Wait(); }));
    EXPECT_FALSE(thread.Start([] {}));
    EXPECT_FALSE(thread.Wait(0));
    EXPECT_TRUE(thread.IsRunning());
    release.Set();
    EXPECT_TRUE(thread.Wait(-1));
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_TRUE(thread.Start([] {}));
    EXPECT_TRUE(thread.Wait(-1));
}
