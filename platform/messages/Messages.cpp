#include "platform/messages/Messages.h"

#include "platform/messages/MessageDispatcher.h"
#include "platform/threads/StopSignal.h"
#include "platform/threads/UiThread.h"

namespace {
CMessageDispatcher& Queue() { return CMessageDispatcher::Instance(); }
}  // namespace

HWND RegisterMessageTarget(IMessageTarget* target) {
    BindUiThreadIfUnbound();
    return Queue().Register(target);
}

void UnregisterMessageTarget(HWND hwnd) { Queue().Unregister(hwnd); }

bool IsWindow(HWND hwnd) { return hwnd && Queue().IsAlive(hwnd); }

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

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) { return hwnd ? Queue().SetTimer(hwnd, id, elapseMs) : 0; }

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return hwnd ? Queue().KillTimer(hwnd, id) : FALSE; }

void RunMessageLoop(const std::function<bool()>& keepRunning) {
    BindUiThreadIfUnbound();
    while (keepRunning()) {
        if (!Queue().DispatchOne()) Queue().WaitForWork();
    }
}

bool PumpPendingMessages() {
    BindUiThreadIfUnbound();
    return Queue().DispatchReady();
}
