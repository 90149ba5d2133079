#include "platform/messages/Messages.h"

#include <utility>

#include "platform/messages/MessageDispatcher.h"
#include "platform/threads/StopSignal.h"
#include "platform/threads/UiThread.h"

namespace {
CMessageDispatcher& Queue() {
    return CMessageDispatcher::Instance();
}

std::function<void()>& IdleHandler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void SetIdleHandler(std::function<void()> handler) {
    IdleHandler() = std::move(handler);
}

HWND RegisterMessageTarget(IMessageTarget* target) {
    BindUiThreadIfUnbound();
    return Queue().Register(target);
}

void UnregisterMessageTarget(HWND hwnd) {
    Queue().Unregister(hwnd);
}

bool RebindMessageTarget(HWND hwnd, IMessageTarget* target) {
    return Queue().Rebind(hwnd, target);
}

void SetMessageLoopHooks(IMessageLoopHooks* hooks) {
    Queue().SetHooks(hooks);
}

bool IsWindow(HWND hwnd) {
    return hwnd && Queue().IsAlive(hwnd);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd) return 0;
    if (HasUiThread() && !IsUiThread()) {
        // A worker's plain send waits for the UI thread as long as it takes.
        static const CStopSignal never;
        LRESULT result = 0;
        Queue().SendFromWorker(hwnd, message, wParam, lParam, never, &result);
        return result;
    }
    return Queue().Dispatch(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return hwnd ? Queue().Post(hwnd, message, wParam, lParam) : FALSE;
}

CrossThreadSendResult SendMessageFromWorker(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            const CStopSignal& stop, LRESULT* result) {
    if (!hwnd) return CrossThreadSendResult::kNoWindow;
    return Queue().SendFromWorker(hwnd, message, wParam, lParam, stop, result);
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
    return hwnd ? Queue().SetTimer(hwnd, id, elapseMs) : 0;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return hwnd ? Queue().KillTimer(hwnd, id) : FALSE;
}

std::optional<uint64_t> NextTimerDueMs() {
    return Queue().NextTimerDue();
}

void RunMessageLoop(const std::function<bool()>& keepRunning) {
    constexpr int kStallMs = 3000;
    BindUiThreadIfUnbound();
    while (keepRunning()) {
        if (Queue().DispatchOne()) continue;
        if (IdleHandler()) IdleHandler()();
        if (!Queue().WaitForWork(kStallMs))
            if (IMessageLoopHooks* hooks = Queue().Hooks()) hooks->OnStalled();
    }
}

bool PumpPendingMessages() {
    BindUiThreadIfUnbound();
    return Queue().DispatchReady();
}
