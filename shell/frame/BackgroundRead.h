#pragma once
// A read of a job file on a worker thread whose result is handed to the UI thread: the worker
// posts `message` with the read's number to a window when done, and the window's handler takes
// the result. A read that was stopped or replaced hands nothing over. The worker gives way to the
// UI thread, which on one core would otherwise wait for it.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "platform/messages/Messages.h"
#include "platform/threads/ThreadPriority.h"
#include "platform/threads/WorkerThread.h"

template <class Result>
class BackgroundRead {
public:
    // Fills the result; gives up early (its result unused) once the stop flag is set.
    using Reader = std::function<void(Result&, const std::atomic<bool>& stop)>;

    BackgroundRead() = default;
    ~BackgroundRead() { Stop(); }
    BackgroundRead(const BackgroundRead&) = delete;
    BackgroundRead& operator=(const BackgroundRead&) = delete;

    void Start(Reader read, HWND notify, UINT message) {
        Stop();
        auto job = std::make_shared<Job>();
        job_ = job;
        const WPARAM number = ++number_;
        worker_.Start([job, read = std::move(read), notify, message, number] {
            GiveWayToOtherThreads();
            read(job->result, job->stop);
            PostMessage(notify, message, number, 0);
        });
    }
    // The result of the read that posted `number`, when it is the current one.
    std::optional<Result> Finish(WPARAM number) {
        if (!job_ || number != number_ || !worker_.Wait(-1)) return std::nullopt;
        std::optional<Result> result(std::move(job_->result));
        job_.reset();
        return result;
    }
    void Stop() {
        if (job_) job_->stop = true;
        worker_.Wait(-1);
        job_.reset();
    }
    // True when no read is running (any longer) after up to timeoutMs.
    bool Wait(int timeoutMs) { return worker_.Wait(timeoutMs); }

private:
    struct Job {
        std::atomic<bool> stop{false};
        Result result{};
    };
    CWorkerThread worker_;
    std::shared_ptr<Job> job_;
    WPARAM number_ = 0;
};
