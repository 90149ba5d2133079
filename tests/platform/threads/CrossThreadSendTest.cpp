#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "platform/messages/Messages.h"
#include "platform/threads/Event.h"
#include "platform/threads/StopSignal.h"
#include "platform/threads/UiThread.h"
#include "platform/threads/WorkerThread.h"

namespace {
constexpr UINT kData = WM_USER + 999;

class CDataWindow final : public IMessageTarget {
public:
    CDataWindow() : hwnd(RegisterMessageTarget(this)) {}
    ~CDataWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kData) return 0;
        ++handled;
        onUiThread = IsUiThread();
        if (stopInsideHandler) stopInsideHandler->Request();
        return static_cast<LRESULT>(wParam) + lParam;
    }
    HWND hwnd;
    int handled = 0;
    bool onUiThread = false;
    CStopSignal* stopInsideHandler = nullptr;
};
}  // namespace

TEST(CrossThreadSend, WorkerWaitsForTheUiThreadAndGetsItsResult) {
    CDataWindow window;
    std::atomic<bool> done{false};
    CrossThreadSendResult outcome{};
    LRESULT result = 0;
    LRESULT plainResult = 0;
    std::thread worker([&] {
        CStopSignal stop;
        outcome = SendMessageFromWorker(window.hwnd, kData, 40, 2, stop, &result);
        plainResult = SendMessage(window.hwnd, kData, 1, 1);
        done = true;
        PostMessage(window.hwnd, WM_NULL, 0, 0);
    });
    RunMessageLoop([&] { return !done; });
    worker.join();
    EXPECT_EQ(outcome, CrossThreadSendResult::kHandled);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(plainResult, 2);
    EXPECT_EQ(window.handled, 2);
    EXPECT_TRUE(window.onUiThread);
}

// A closing port stops its reader while the UI thread is busy closing it: the reader, blocked in
// the send, is released and its withdrawn message never reaches the window.
TEST(CrossThreadSend, StopReleasesABlockedWorkerAndWithdrawsTheMessage) {
    CDataWindow window;
    BindUiThread();
    CStopSignal stop;
    CEvent aboutToSend;
    CrossThreadSendResult outcome{};
    CWorkerThread reader;
    reader.Start([&] {
        aboutToSend.Set();
        outcome = SendMessageFromWorker(window.hwnd, kData, 1, 2, stop, nullptr);
    });
    aboutToSend.Wait();
    stop.Request();
    ASSERT_TRUE(reader.Wait(5000));
    EXPECT_EQ(outcome, CrossThreadSendResult::kAbandoned);
    EXPECT_FALSE(PumpPendingMessages());
    EXPECT_EQ(window.handled, 0);
}

TEST(CrossThreadSend, StopDuringTheHandlerWaitsForItsResult) {
    CDataWindow window;
    CStopSignal stop;
    window.stopInsideHandler = &stop;
    std::atomic<bool> done{false};
    CrossThreadSendResult outcome{};
    LRESULT result = 0;
    std::thread worker([&] {
        outcome = SendMessageFromWorker(window.hwnd, kData, 5, 5, stop, &result);
        done = true;
        PostMessage(window.hwnd, WM_NULL, 0, 0);
    });
    RunMessageLoop([&] { return !done; });
    worker.join();
    EXPECT_EQ(outcome, CrossThreadSendResult::kHandled);
    EXPECT_EQ(result, 10);
}

TEST(CrossThreadSend, WindowDestroyedBeforeDispatchOrAbsent) {
    BindUiThread();
    auto window = std::make_unique<CDataWindow>();
    const HWND hwnd = window->hwnd;
    CStopSignal stop;
    CEvent aboutToSend;
    std::atomic<CrossThreadSendResult> outcome{CrossThreadSendResult::kHandled};
    std::thread worker([&] {
        aboutToSend.Set();
        outcome = SendMessageFromWorker(hwnd, kData, 1, 2, stop, nullptr);
    });
    aboutToSend.Wait();
    window.reset();
    while (outcome != CrossThreadSendResult::kNoWindow) PumpPendingMessages();
    worker.join();
    EXPECT_EQ(SendMessageFromWorker(HWND(), kData, 0, 0, stop), CrossThreadSendResult::kNoWindow);
}
