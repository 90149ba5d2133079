#pragma once
// A one-way stop request that a worker can wait on or poll together with a file descriptor.
class CStopSignal {
public:
    CStopSignal();
    ~CStopSignal();
    CStopSignal(const CStopSignal&) = delete;
    CStopSignal& operator=(const CStopSignal&) = delete;

    void Request();
    void Reset();
    bool Requested() const;
    // Readable while a stop is requested; for poll() beside a port.
    int PollFd() const;
    // Waits up to timeoutMs (real time); true when stop was requested.
    bool WaitFor(int timeoutMs) const;

private:
    int fd_;
};
