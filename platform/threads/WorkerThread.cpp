#include "platform/threads/WorkerThread.h"

#include "platform/threads/Event.h"

struct CWorkerThread::Shared {
    CEvent ended{true, false};
};

CWorkerThread::~CWorkerThread() {
    if (thread_.joinable()) {
        if (shared_->ended.Wait(0))
            thread_.join();
        else
            thread_.detach();
    }
}

bool CWorkerThread::Start(std::function<void()> body) {
    if (thread_.joinable()) return false;
    shared_ = std::make_shared<Shared>();
    thread_ = std::thread([shared = shared_, body = std::move(body)] {
        body();
        shared->ended.Set();
    });
    return true;
}

bool CWorkerThread::Wait(int timeoutMs) {
    if (!thread_.joinable()) return true;
    if (!shared_->ended.Wait(timeoutMs)) return false;
    thread_.join();
    return true;
}

void CWorkerThread::Abandon() {
    if (thread_.joinable()) thread_.detach();
}

bool CWorkerThread::IsRunning() const {
    return thread_.joinable() && !shared_->ended.Wait(0);
}
