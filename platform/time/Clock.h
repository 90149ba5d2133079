#pragma once
// One clock for the whole program: real, or virtual in tests.
// Local time is UTC plus the program's own offset (SetLocalTimeOffsetMinutes), never the host's
// time zone.
#include <cstdint>

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
// On the UI thread under the virtual clock this advances time without blocking; timers that fall
// due meanwhile fire when the message loop next runs (never inside the sleeping handler, as on
// the device). Elsewhere it blocks in real time.
void Sleep(DWORD ms);
void GetLocalTime(SYSTEMTIME* out);
void GetSystemTime(SYSTEMTIME* out);

// The device's local time zone, in minutes east of UTC (default 0).
void SetLocalTimeOffsetMinutes(int minutes);
int GetLocalTimeOffsetMinutes();

// Milliseconds on the program clock since an arbitrary start; 64 bits, never wraps. Timers run on it.
uint64_t ProgramTimeMs();
bool IsVirtualClock();

// Installs the virtual clock for its lifetime (tests). Its UTC starts at 2024-01-01 00:00:00.
class CVirtualClock {
public:
    explicit CVirtualClock(DWORD startTick = 0);
    ~CVirtualClock();
    CVirtualClock(const CVirtualClock&) = delete;
    CVirtualClock& operator=(const CVirtualClock&) = delete;
    // Moves time forward, firing due timers in order. On the UI thread each timer fires at its
    // own moment (GetTickCount inside the handler reads its due time); messages posted before
    // and during the advance are dispatched too.
    void Advance(DWORD ms);
    void SetUtc(const SYSTEMTIME& utc);
};
