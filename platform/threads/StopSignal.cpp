#include "platform/threads/StopSignal.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

// The signal is an eventfd whose counter is non-zero while a stop is requested, so that
// a reader can poll it beside its port and wake at once.
namespace {
int MakeEventFd() {
    int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0) throw std::runtime_error("eventfd failed");
    return fd;
}
}  // namespace

CStopSignal::CStopSignal() : fd_(MakeEventFd()) {}

CStopSignal::~CStopSignal() {
    close(fd_);
}

void CStopSignal::Request() {
    uint64_t one = 1;
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void CStopSignal::Reset() {
    uint64_t value = 0;
    while (read(fd_, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

bool CStopSignal::Requested() const {
    return WaitFor(0);
}

int CStopSignal::PollFd() const {
    return fd_;
}

bool CStopSignal::WaitFor(int timeoutMs) const {
    pollfd p{fd_, POLLIN, 0};
    for (;;) {
        int n = poll(&p, 1, timeoutMs);
        if (n >= 0) return n > 0 && (p.revents & POLLIN);
        if (errno != EINTR) return false;
    }
}
