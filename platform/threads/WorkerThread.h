#pragma once
// A worker thread that can be waited for with a time limit. A thread that does not end in time
// is left running on its own (detached) when the object goes away, as the serial port does with
// a reader that will not stop: its body must then touch only state that outlives the object.
#include <functional>
#include <memory>
#include <thread>

class CWorkerThread {
public:
    CWorkerThread() = default;
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts `body` on a new thread; false when one is still attached.
    bool Start(std::function<void()> body);
    // Waits up to timeoutMs (negative: for ever); true when the thread has ended (it is then joined).
    bool Wait(int timeoutMs);
    // Stops waiting for a thread that has not ended; it runs on unattended.
    void Abandon();
    bool IsRunning() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
