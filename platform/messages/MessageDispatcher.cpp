#include "platform/messages/MessageDispatcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "platform/threads/StopSignal.h"
#include "platform/threads/UiThread.h"
#include "platform/time/Clock.h"

namespace {
// Windows have no timer shorter than this; it also keeps a zero period from spinning.
constexpr UINT kMinimumTimerMs = 10;

// Each sending worker waits on its own eventfd, which the UI thread signals when done.
class CompletionFd {
public:
    CompletionFd() : fd_(eventfd(0, EFD_CLOEXEC)) {
        if (fd_ < 0) throw std::runtime_error("eventfd failed");
    }
    ~CompletionFd() { close(fd_); }
    int fd() const { return fd_; }

private:
    int fd_;
};

int ThreadCompletionFd() {
    thread_local CompletionFd fd;
    return fd.fd();
}

void Signal(int fd) {
    uint64_t one = 1;
    while (write(fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WaitAndDrain(int fd) {
    uint64_t value = 0;
    while (read(fd, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

// Which of the two descriptors became readable: 0 the first, 1 the second.
int PollEither(int first, int second) {
    pollfd fds[2] = {{first, POLLIN, 0}, {second, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) > 0) {
            if (fds[1].revents) return 1;
            if (fds[0].revents) return 0;
        } else if (errno != EINTR) {
            throw std::runtime_error("poll failed");
        }
    }
}
}  // namespace

CMessageDispatcher& CMessageDispatcher::Instance() {
    static CMessageDispatcher instance;
    return instance;
}

CMessageDispatcher::CMessageDispatcher() {
    SetClockDriver(this);
}

CMessageDispatcher::~CMessageDispatcher() {
    SetClockDriver(nullptr);
}

HWND CMessageDispatcher::Register(IMessageTarget* target) {
    if (!target) return HWND();
    std::lock_guard lock(mutex_);
    const uint32_t id = nextHandle_++;
    targets_[id] = target;
    return HWND(id);
}

void CMessageDispatcher::Unregister(HWND hwnd) {
    std::lock_guard lock(mutex_);
    targets_.erase(hwnd.id());
    std::erase_if(timers_, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

bool CMessageDispatcher::Rebind(HWND hwnd, IMessageTarget* target) {
    std::lock_guard lock(mutex_);
    auto it = targets_.find(hwnd.id());
    if (it == targets_.end() || !target) return false;
    it->second = target;
    return true;
}

bool CMessageDispatcher::IsAlive(HWND hwnd) {
    std::lock_guard lock(mutex_);
    return targets_.contains(hwnd.id());
}

IMessageTarget* CMessageDispatcher::Lookup(HWND hwnd) {
    std::lock_guard lock(mutex_);
    auto it = targets_.find(hwnd.id());
    return it == targets_.end() ? nullptr : it->second;
}

LRESULT CMessageDispatcher::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    IMessageTarget* target = Lookup(hwnd);
    return target ? target->HandleMessage(message, wParam, lParam) : 0;
}

void CMessageDispatcher::Wake() {
    ++wakeups_;
    work_.notify_all();
}

BOOL CMessageDispatcher::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard lock(mutex_);
    if (!targets_.contains(hwnd.id())) return FALSE;
    posted_.push_back({hwnd, message, wParam, lParam});
    Wake();
    return TRUE;
}

CrossThreadSendResult CMessageDispatcher::SendFromWorker(HWND hwnd, UINT message, WPARAM wParam,
                                                         LPARAM lParam, const CStopSignal& stop,
                                                         LRESULT* result) {
    if (!IsAlive(hwnd)) return CrossThreadSendResult::kNoWindow;
    if (!HasUiThread() || IsUiThread()) {
        const LRESULT r = Dispatch(hwnd, message, wParam, lParam);
        if (result) *result = r;
        return CrossThreadSendResult::kHandled;
    }
    auto item =
        std::make_shared<SentMessage>(SentMessage{{hwnd, message, wParam, lParam}, ThreadCompletionFd()});
    {
        std::lock_guard lock(mutex_);
        sent_.push_back(item);
        Wake();
    }
    if (PollEither(stop.PollFd(), item->doneFd) == 0) {
        std::unique_lock lock(mutex_);
        if (!item->handling) {
            std::erase(sent_, item);
            return CrossThreadSendResult::kAbandoned;
        }
        // The UI thread is inside the handler with our data: let it finish.
    }
    WaitAndDrain(item->doneFd);
    std::lock_guard lock(mutex_);
    if (item->windowGone) return CrossThreadSendResult::kNoWindow;
    if (result) *result = item->result;
    return CrossThreadSendResult::kHandled;
}

UINT_PTR CMessageDispatcher::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
    const UINT period = std::max(elapseMs, kMinimumTimerMs);
    std::lock_guard lock(mutex_);
    if (!targets_.contains(hwnd.id())) return 0;
    const uint64_t due = ProgramTimeMs() + period;
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it != timers_.end())
        *it = {hwnd, id, period, due, nextTimerOrder_++};
    else
        timers_.push_back({hwnd, id, period, due, nextTimerOrder_++});
    Wake();
    return id ? id : 1;
}

BOOL CMessageDispatcher::KillTimer(HWND hwnd, UINT_PTR id) {
    std::lock_guard lock(mutex_);
    return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) ? TRUE
                                                                                                : FALSE;
}

CMessageDispatcher::Timer* CMessageDispatcher::EarliestTimerLocked() {
    auto it = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    return it == timers_.end() ? nullptr : &*it;
}

bool CMessageDispatcher::DispatchOne(uint64_t timerLimit) {
    std::unique_lock lock(mutex_);
    if (!sent_.empty()) {
        std::shared_ptr<SentMessage> item = sent_.front();
        sent_.pop_front();
        item->handling = true;
        auto it = targets_.find(item->m.hwnd.id());
        IMessageTarget* target = it == targets_.end() ? nullptr : it->second;
        lock.unlock();
        const LRESULT r = target ? target->HandleMessage(item->m.message, item->m.wParam, item->m.lParam) : 0;
        lock.lock();
        item->result = r;
        item->windowGone = target == nullptr;
        Signal(item->doneFd);
        return true;
    }
    while (!posted_.empty()) {
        const PostedMessage m = posted_.front();
        posted_.pop_front();
        if (!targets_.contains(m.hwnd.id())) continue;  // its window died after the post
        lock.unlock();
        if (hooks_ && hooks_->FilterPosted(MSG{m.hwnd, m.message, m.wParam, m.lParam, GetTickCount()}))
            return true;
        Dispatch(m.hwnd, m.message, m.wParam, m.lParam);
        return true;
    }
    if (hooks_) {
        lock.unlock();
        if (hooks_->PaintOne()) return true;
        lock.lock();
    }
    Timer* timer = EarliestTimerLocked();
    const uint64_t now = ProgramTimeMs();
    if (!timer || timer->due > now || timer->due > timerLimit) return false;
    // A late timer fires once, as WM_TIMER does, and keeps its cadence when it can.
    timer->due += timer->period;
    if (timer->due <= now) timer->due = now + timer->period;
    timer->order = nextTimerOrder_++;
    const HWND hwnd = timer->hwnd;
    const UINT_PTR id = timer->id;
    lock.unlock();
    Dispatch(hwnd, WM_TIMER, id, 0);
    return true;
}

bool CMessageDispatcher::WaitForWork(int stallMs) {
    std::unique_lock lock(mutex_);
    const uint64_t seen = wakeups_;
    auto woken = [&] { return wakeups_ != seen || !sent_.empty() || !posted_.empty(); };
    if (woken()) return true;
    const Timer* timer = EarliestTimerLocked();
    if (IsVirtualClock() || !timer) {
        if (!IsVirtualClock()) {
            work_.wait(lock, woken);
            return true;
        }
        return work_.wait_for(lock, std::chrono::milliseconds(stallMs), woken);
    }
    const uint64_t now = ProgramTimeMs();
    if (timer->due <= now) return true;
    work_.wait_for(lock, std::chrono::milliseconds(timer->due - now), woken);
    return true;
}

std::optional<uint64_t> CMessageDispatcher::NextTimerDue() {
    std::lock_guard lock(mutex_);
    const Timer* timer = EarliestTimerLocked();
    if (!timer) return std::nullopt;
    return timer->due;
}

bool CMessageDispatcher::DispatchReady() {
    const uint64_t limit = ProgramTimeMs();
    bool any = false;
    while (DispatchOne(limit)) any = true;
    return any;
}

void CMessageDispatcher::TimeChanged() {
    std::lock_guard lock(mutex_);
    Wake();
}
