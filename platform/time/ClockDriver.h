#pragma once
// The hook by which the message layer lets the virtual clock fire timers in order. The clock
// sits below the message layer, so the message layer registers itself here.
#include <cstdint>
#include <optional>

class IClockDriver {
public:
    virtual ~IClockDriver() = default;
    // The earliest due time of any timer on the program clock.
    virtual std::optional<uint64_t> NextTimerDue() = 0;
    // Dispatches everything ready at the current program time (UI thread only); true when
    // anything was dispatched.
    virtual bool DispatchReady() = 0;
    // Time moved on: a waiting message loop must look at its timers again.
    virtual void TimeChanged() = 0;
};

void SetClockDriver(IClockDriver* driver);
