#include "platform/time/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/threads/UiThread.h"
#include "platform/time/CivilTime.h"
#include "platform/time/ClockDriver.h"

namespace {
using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point g_realStart = SteadyClock::now();
std::atomic<IClockDriver*> g_driver{nullptr};
std::atomic<int> g_localOffsetMinutes{0};

// Virtual clock state; the program time starts at the virtual start tick.
std::atomic<bool> g_virtual{false};
std::atomic<uint64_t> g_virtualNow{0};
std::atomic<int64_t> g_virtualUtcAtZeroMs{0};

constexpr int64_t kVirtualUtcStartSeconds = 1704067200;  // 2024-01-01 00:00:00 UTC

int64_t UtcNowMs() {
    if (g_virtual) return g_virtualUtcAtZeroMs + static_cast<int64_t>(g_virtualNow.load());
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void BreakDown(int64_t ms, SYSTEMTIME* out) {
    const int64_t seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    SYSTEMTIME t;
    if (!SecondsToSystemTime(seconds, &t)) return;
    t.wMilliseconds = static_cast<WORD>(ms - seconds * 1000);
    *out = t;
}

void MoveVirtualTimeTo(uint64_t target) {
    uint64_t now = g_virtualNow;
    while (now < target && !g_virtualNow.compare_exchange_weak(now, target)) {
    }
}
}  // namespace

void SetClockDriver(IClockDriver* driver) {
    g_driver = driver;
}

uint64_t ProgramTimeMs() {
    if (g_virtual) return g_virtualNow;
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - g_realStart).count());
}

bool IsVirtualClock() {
    return g_virtual;
}

DWORD GetTickCount() {
    return static_cast<DWORD>(ProgramTimeMs());
}

void Sleep(DWORD ms) {
    if (g_virtual && IsUiThread()) {
        MoveVirtualTimeTo(g_virtualNow + ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void GetSystemTime(SYSTEMTIME* out) {
    BreakDown(UtcNowMs(), out);
}

void GetLocalTime(SYSTEMTIME* out) {
    BreakDown(UtcNowMs() + g_localOffsetMinutes * 60000LL, out);
}

void SetLocalTimeOffsetMinutes(int minutes) {
    g_localOffsetMinutes = minutes;
}

int GetLocalTimeOffsetMinutes() {
    return g_localOffsetMinutes;
}

CVirtualClock::CVirtualClock(DWORD startTick) {
    BindUiThreadIfUnbound();
    g_virtualNow = startTick;
    g_virtualUtcAtZeroMs = kVirtualUtcStartSeconds * 1000 - static_cast<int64_t>(startTick);
    g_virtual = true;
}

CVirtualClock::~CVirtualClock() {
    g_virtual = false;
    if (IClockDriver* driver = g_driver) driver->TimeChanged();
}

void CVirtualClock::Advance(DWORD ms) {
    const uint64_t target = g_virtualNow + ms;
    IClockDriver* driver = g_driver;
    if (!driver || !IsUiThread()) {
        MoveVirtualTimeTo(target);
        if (driver) driver->TimeChanged();
        return;
    }
    driver->DispatchReady();
    for (;;) {
        auto due = driver->NextTimerDue();
        if (!due || *due > target) break;
        MoveVirtualTimeTo(*due);
        if (!driver->DispatchReady()) break;
    }
    MoveVirtualTimeTo(target);
    driver->DispatchReady();
}

void CVirtualClock::SetUtc(const SYSTEMTIME& utc) {
    const int64_t ms =
        CivilToSeconds(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond) * 1000 +
        utc.wMilliseconds;
    g_virtualUtcAtZeroMs = ms - static_cast<int64_t>(g_virtualNow.load());
}
