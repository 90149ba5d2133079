#pragma once
// The message layer's one queue: window handles, posted and cross-thread-sent messages, timers.
// Everything is dispatched on the UI thread; other threads only enqueue.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/messages/Messages.h"
#include "platform/time/ClockDriver.h"

class CMessageDispatcher final : public IClockDriver {
public:
    static CMessageDispatcher& Instance();

    HWND Register(IMessageTarget* target);
    void Unregister(HWND hwnd);
    bool Rebind(HWND hwnd, IMessageTarget* target);
    bool IsAlive(HWND hwnd);
    IMessageTarget* Lookup(HWND hwnd);
    void SetHooks(IMessageLoopHooks* hooks) { hooks_ = hooks; }

    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    CrossThreadSendResult SendFromWorker(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         const CStopSignal& stop, LRESULT* result);

    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(HWND hwnd, UINT_PTR id);

    // Dispatches one ready item: a cross-thread send first, then a posted message, then a timer
    // due by `timerLimit` (and by now).
    bool DispatchOne(uint64_t timerLimit = UINT64_MAX);
    // Blocks until something may be ready: a message from another thread, a real timer falling due
    // or the virtual clock moving; false when `stallMs` of real time passed under the virtual clock
    // with none of these.
    bool WaitForWork(int stallMs);
    IMessageLoopHooks* Hooks() const { return hooks_; }

    std::optional<uint64_t> NextTimerDue() override;
    // Dispatches what is ready; timers only as far as they were due on entry, so that a handler
    // that sleeps on the virtual clock cannot keep the pump going for ever.
    bool DispatchReady() override;
    void TimeChanged() override;

private:
    struct PostedMessage {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct SentMessage {
        PostedMessage m;
        int doneFd;
        bool handling = false;
        bool windowGone = false;
        LRESULT result = 0;
    };
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT period;
        uint64_t due;
        uint64_t order;
    };

    CMessageDispatcher();
    ~CMessageDispatcher() override;
    Timer* EarliestTimerLocked();
    void Wake();

    std::mutex mutex_;
    std::condition_variable work_;
    uint64_t wakeups_ = 0;
    uint32_t nextHandle_ = 1;
    uint64_t nextTimerOrder_ = 0;
    std::unordered_map<uint32_t, IMessageTarget*> targets_;
    std::deque<std::shared_ptr<SentMessage>> sent_;
    std::deque<PostedMessage> posted_;
    std::vector<Timer> timers_;
    IMessageLoopHooks* hooks_ = nullptr;
};
