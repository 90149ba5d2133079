#pragma once
// A waitable event, manual- or auto-reset, for hand-shakes between threads (waits in real time).
#include <condition_variable>
#include <mutex>

class CEvent {
public:
    explicit CEvent(bool manualReset = false, bool initiallySet = false)
        : manualReset_(manualReset), set_(initiallySet) {}
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    void Set();
    void Reset();
    // Waits up to timeoutMs (negative: for ever); true when the event was set. An auto-reset
    // event is cleared by the wait that sees it.
    bool Wait(int timeoutMs = -1);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const bool manualReset_;
    bool set_;
};
