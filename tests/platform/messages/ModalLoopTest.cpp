#include <gtest/gtest.h>

#include <thread>

#include "RecordingTarget.h"
#include "platform/messages/Messages.h"
#include "platform/threads/StopSignal.h"
#include "platform/time/Clock.h"

namespace {
constexpr UINT kOpenModal = WM_USER;
constexpr UINT kScript = WM_USER + 1;
constexpr UINT kFromWorker = WM_USER + 2;
constexpr UINT kPosted = WM_USER + 3;
}  // namespace

// A modal loop entered from a handler keeps timers, posted and cross-thread-sent messages flowing.
TEST(ModalLoop, NestedLoopKeepsEverythingFlowing) {
    CVirtualClock clock;
    CRecordingTarget frame;
    CRecordingTarget dialog;
    std::thread worker;
    CrossThreadSendResult workerResult = CrossThreadSendResult::kNoWindow;
    LRESULT workerReply = 0;
    bool modalOpen = false;

    dialog.onMessage = [&](UINT message, WPARAM, LPARAM) -> LRESULT {
        switch (message) {
            case kOpenModal:
                modalOpen = true;
                SetTimer(dialog.hwnd, 5, 100);
                PostMessage(dialog.hwnd, kScript, 0, 0);
                RunMessageLoop([&] { return modalOpen; });
                KillTimer(dialog.hwnd, 5);
                return 0;
            case kScript:
                clock.Advance(250);
                PostMessage(frame.hwnd, kPosted, 0, 0);
                worker = std::thread([&] {
                    CStopSignal stop;
                    workerResult = SendMessageFromWorker(dialog.hwnd, kFromWorker, 0, 0, stop, &workerReply);
                });
                return 0;
            case kFromWorker:
                modalOpen = false;
                return 77;
        }
        return 0;
    };
    SetTimer(frame.hwnd, 9, 200);
    PostMessage(dialog.hwnd, kOpenModal, 0, 0);
    PumpPendingMessages();
    worker.join();

    EXPECT_EQ(workerResult, CrossThreadSendResult::kHandled);
    EXPECT_EQ(workerReply, 77);
    EXPECT_EQ(dialog.TimerIds(), (std::vector<WPARAM>{5, 5}));
    ASSERT_EQ(frame.received.size(), 2u);
    EXPECT_EQ(frame.received[0].message, WM_TIMER);  // the outer window's timer fired inside the modal loop
    EXPECT_EQ(frame.received[1].message, kPosted);
    EXPECT_FALSE(modalOpen);
}

// The idle handler runs in a modal loop too, each time it has emptied its queue: a program's
// screenshot follows a modal dialog.
TEST(ModalLoop, TheIdleHandlerRunsInsideANestedLoop) {
    CRecordingTarget dialog;
    int idleInModal = 0;
    bool modalOpen = false;
    dialog.onMessage = [&](UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == kOpenModal) {
            modalOpen = true;
            PostMessage(dialog.hwnd, kScript, 0, 0);
            RunMessageLoop([&] { return modalOpen; });
        } else if (message == kScript) {
            PostMessage(dialog.hwnd, kPosted, 0, 0);
        } else if (message == kPosted) {
            modalOpen = idleInModal == 0;
        }
        return 0;
    };
    SetIdleHandler([&] {
        if (!modalOpen) return;
        ++idleInModal;
        PostMessage(dialog.hwnd, kPosted, 0, 0);
    });
    PostMessage(dialog.hwnd, kOpenModal, 0, 0);
    PumpPendingMessages();
    SetIdleHandler({});
    EXPECT_EQ(idleInModal, 1);
}
