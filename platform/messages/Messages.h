#pragma once
// Window messages between the program's windows and threads: send, post, the cross-thread send
// used by the serial reader, timers and the message loop with nested modal loops.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/base/WinTypes.h"

class CStopSignal;

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_USER = 0x0400;

// A queued message as the loop sees it before dispatch.
struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
};

// Whatever receives messages (a window, a dialog, a test double) registers under a handle.
class IMessageTarget {
public:
    virtual ~IMessageTarget() = default;
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Handles are never reused. Windows live on the UI thread (platform/threads/UiThread.h); the first
// registration binds it when nothing has yet.
HWND RegisterMessageTarget(IMessageTarget* target);
void UnregisterMessageTarget(HWND hwnd);
// Hands a live handle to another target (a window subclassed by another object); false when dead.
bool RebindMessageTarget(HWND hwnd, IMessageTarget* target);
bool IsWindow(HWND hwnd);

// On the UI thread: handled at once. From another thread: waits until the UI thread has handled
// it. Dead or null handle: nothing happens, 0 is returned.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// From any thread: queued for the UI thread. FALSE for a dead or null handle.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// From a worker thread: blocks until the UI thread has handled the message, or until `stop` is
// requested. On abandonment the message is withdrawn, so the UI thread never sees data the worker
// no longer owns. A stop that comes while the UI thread is already inside the handler waits for
// that handler to return (the data is in use): a handler must not wait for its own sender.
// Called on the UI thread it is handled at once.
enum class CrossThreadSendResult { kHandled, kAbandoned, kNoWindow };
CrossThreadSendResult SendMessageFromWorker(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            const CStopSignal& stop, LRESULT* result = nullptr);

// Timers deliver WM_TIMER (wParam = id, lParam = 0) to the window on the program clock, after
// sent and posted messages; a late timer fires once. Setting an existing id restarts it.
// Periods below 10 ms are 10 ms. A destroyed window's timers die with it.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// When the next timer falls due on the program clock (ProgramTimeMs); none without timers.
std::optional<uint64_t> NextTimerDueMs();

// Dispatches cross-thread-sent and posted messages and due timers until `keepRunning` is false
// (checked before each dispatch). Nested calls (modal dialogs) keep everything flowing. Under the
// virtual clock an idle loop waits for other threads or for the clock to be advanced.
void RunMessageLoop(const std::function<bool()>& keepRunning);
// Runs whenever a message loop, a modal one included, has dispatched all it had and is about to
// wait; empty: nothing.
void SetIdleHandler(std::function<void()> handler);
// Dispatches what is ready now without waiting; true when anything was dispatched.
bool PumpPendingMessages();

// The window layer's part in the loop: posted messages pass its filter before dispatch (keys and
// taps reach PreTranslateMessage and dialog navigation there), and its paint phase runs after
// sent and posted messages and before timers, as WM_PAINT does.
class IMessageLoopHooks {
public:
    virtual ~IMessageLoopHooks() = default;
    // True when the message was consumed and must not be dispatched.
    virtual bool FilterPosted(const MSG& msg) = 0;
    // Paints one window that needs it; true when it did.
    virtual bool PaintOne() = 0;
    // Under the virtual clock a loop has waited seconds of real time with nothing arriving from
    // other threads: nothing can end it but a test's intervention.
    virtual void OnStalled() = 0;
};
void SetMessageLoopHooks(IMessageLoopHooks* hooks);
