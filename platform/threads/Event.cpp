#include "platform/threads/Event.h"

#include <chrono>

void CEvent::Set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    if (manualReset_)
        changed_.notify_all();
    else
        changed_.notify_one();
}

void CEvent::Reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool CEvent::Wait(int timeoutMs) {
    std::unique_lock lock(mutex_);
    auto isSet = [this] { return set_; };
    if (timeoutMs < 0)
        changed_.wait(lock, isSet);
    else if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet))
        return false;
    if (!manualReset_) set_ = false;
    return true;
}
