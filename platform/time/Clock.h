#pragma once
// One clock for the whole program: real, or virtual in tests.
#include "platform/base/WinTypes.h"

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

DWORD GetTickCount();
// On the UI thread under the virtual clock this advances time (firing due timers) without blocking.
void Sleep(DWORD ms);
void GetLocalTime(SYSTEMTIME* out);
void GetSystemTime(SYSTEMTIME* out);

// Installs the virtual clock for its lifetime (tests).
class CVirtualClock {
public:
    explicit CVirtualClock(DWORD startTick = 0);
    ~CVirtualClock();
    CVirtualClock(const CVirtualClock&) = delete;
    CVirtualClock& operator=(const CVirtualClock&) = delete;
    // Moves time forward, firing due timers in order.
    void Advance(DWORD ms);
    void SetUtc(const SYSTEMTIME& utc);
};
