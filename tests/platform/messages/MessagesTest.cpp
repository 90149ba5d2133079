#include "platform/messages/Messages.h"

#include <gtest/gtest.h>

#include <memory>

#include "RecordingTarget.h"
#include "platform/time/Clock.h"

TEST(Messages, SendIsHandledAtOncePostWaitsForTheLoopInOrder) {
    CRecordingTarget target;
    target.onMessage = [](UINT message, WPARAM w, LPARAM) -> LRESULT {
        return message == WM_USER ? w * 2 : 0;
    };
    EXPECT_EQ(SendMessage(target.hwnd, WM_USER, 21, 0), 42);
    EXPECT_TRUE(PostMessage(target.hwnd, WM_USER + 1, 1, 0));
    EXPECT_TRUE(PostMessage(target.hwnd, WM_USER + 1, 2, 0));
    ASSERT_EQ(target.received.size(), 1u);
    EXPECT_TRUE(PumpPendingMessages());
    ASSERT_EQ(target.received.size(), 3u);
    EXPECT_EQ(target.received[1].wParam, 1u);
    EXPECT_EQ(target.received[2].wParam, 2u);
    EXPECT_FALSE(PumpPendingMessages());
}

TEST(Messages, DeadAndNullHandlesDoNothing) {
    CVirtualClock clock;
    auto target = std::make_unique<CRecordingTarget>();
    const HWND dead = target->hwnd;
    ASSERT_TRUE(IsWindow(dead));
    EXPECT_TRUE(PostMessage(dead, WM_USER, 0, 0));
    EXPECT_NE(SetTimer(dead, 7, 100), 0u);
    target.reset();

    EXPECT_FALSE(IsWindow(dead));
    EXPECT_FALSE(IsWindow(HWND()));
    EXPECT_EQ(SendMessage(dead, WM_USER, 1, 2), 0);
    EXPECT_EQ(SendMessage(nullptr, WM_USER, 1, 2), 0);
    EXPECT_FALSE(PostMessage(dead, WM_USER, 0, 0));
    EXPECT_FALSE(PostMessage(nullptr, WM_USER, 0, 0));
    EXPECT_EQ(SetTimer(dead, 7, 100), 0u);
    EXPECT_FALSE(KillTimer(dead, 7));
    // The message posted before the window died and its timer are dropped.
    clock.Advance(1000);
    EXPECT_FALSE(PumpPendingMessages());
    // A new window never gets the dead one's handle.
    CRecordingTarget next;
    EXPECT_NE(next.hwnd, dead);
    EXPECT_EQ(SendMessage(dead, WM_USER, 1, 2), 0);
    EXPECT_TRUE(next.received.empty());
}

TEST(Timers, FireInDueOrderAtTheirOwnMoments) {
    CVirtualClock clock(1000);
    CRecordingTarget target;
    SetTimer(target.hwnd, 1, 300);
    SetTimer(target.hwnd, 2, 500);
    clock.Advance(999);
    EXPECT_EQ(target.TimerIds(), (std::vector<WPARAM>{1, 2, 1, 1}));
    clock.Advance(1);
    EXPECT_EQ(target.TimerIds(), (std::vector<WPARAM>{1, 2, 1, 1, 2}));
    std::vector<DWORD> ticks;
    for (const ReceivedMessage& m : target.received) ticks.push_back(m.tick);
    EXPECT_EQ(ticks, (std::vector<DWORD>{1300, 1500, 1600, 1900, 2000}));
    EXPECT_EQ(GetTickCount(), 2000u);
}

TEST(Timers, KillRestartAndLateFiring) {
    CVirtualClock clock;
    CRecordingTarget target;
    target.onMessage = [&](UINT message, WPARAM id, LPARAM) -> LRESULT {
        if (message == WM_TIMER && id == 1) KillTimer(target.hwnd, 1);
        return 0;
    };
    SetTimer(target.hwnd, 1, 100);
    SetTimer(target.hwnd, 2, 100);
    clock.Advance(50);
    SetTimer(target.hwnd, 2, 100);  // restarts: next due at 150
    clock.Advance(300);
    EXPECT_EQ(target.TimerIds(), (std::vector<WPARAM>{1, 2, 2, 2}));
    EXPECT_EQ(target.received[1].tick, 150u);

    // A sleeping UI thread lets the timer fall behind; the loop then fires it once.
    target.received.clear();
    Sleep(1000);
    EXPECT_TRUE(target.received.empty());
    PumpPendingMessages();
    EXPECT_EQ(target.TimerIds(), (std::vector<WPARAM>{2}));
    EXPECT_TRUE(KillTimer(target.hwnd, 2));
    EXPECT_FALSE(KillTimer(target.hwnd, 2));
}

TEST(Timers, SleepInsideAHandlerNeverReentersIt) {
    CVirtualClock clock;
    CRecordingTarget target;
    int depth = 0;
    int maxDepth = 0;
    target.onMessage = [&](UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message != WM_TIMER) return 0;
        maxDepth = std::max(maxDepth, ++depth);
        Sleep(250);
        --depth;
        return 0;
    };
    SetTimer(target.hwnd, 1, 100);
    clock.Advance(1000);
    EXPECT_EQ(maxDepth, 1);
    ASSERT_GE(target.received.size(), 2u);
    for (size_t i = 1; i < target.received.size(); ++i)
        EXPECT_GE(target.received[i].tick - target.received[i - 1].tick, 250u);
}
