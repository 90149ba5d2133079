#include "platform/time/Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <thread>

TEST(VirtualClock, TickCountStartsWhereAskedAndWraps) {
    CVirtualClock clock(0xFFFFFF00u);
    EXPECT_TRUE(IsVirtualClock());
    EXPECT_EQ(GetTickCount(), 0xFFFFFF00u);
    clock.Advance(0x200);
    EXPECT_EQ(GetTickCount(), 0x100u);
    EXPECT_EQ(ProgramTimeMs(), 0x100000100ull);
}

TEST(VirtualClock, SleepOnTheUiThreadAdvancesWithoutBlocking) {
    CVirtualClock clock(1000);
    Sleep(3'600'000);  // an hour: would time the test out if it blocked
    EXPECT_EQ(GetTickCount(), 3'601'000u);
}

TEST(VirtualClock, SleepOnAWorkerLeavesVirtualTimeAlone) {
    CVirtualClock clock(0);
    std::thread worker([] { Sleep(1); });
    worker.join();
    EXPECT_EQ(GetTickCount(), 0u);
}

TEST(VirtualClock, UtcFollowsTheClockAndLocalTimeAddsTheProgramOffset) {
    // The host's zone must not matter.
    setenv("TZ", "America/St_Johns", 1);
    tzset();
    CVirtualClock clock;
    SYSTEMTIME utc{};
    utc.wYear = 2011;
    utc.wMonth = 9;
    utc.wDay = 26;
    utc.wHour = 23;
    utc.wMinute = 59;
    utc.wSecond = 58;
    clock.SetUtc(utc);
    clock.Advance(2500);
    SYSTEMTIME now;
    GetSystemTime(&now);
    EXPECT_EQ(now.wDay, 27);
    EXPECT_EQ(now.wHour, 0);
    EXPECT_EQ(now.wSecond, 0);
    EXPECT_EQ(now.wMilliseconds, 500);
    EXPECT_EQ(now.wDayOfWeek, 2);

    SetLocalTimeOffsetMinutes(8 * 60);
    GetLocalTime(&now);
    SetLocalTimeOffsetMinutes(0);
    EXPECT_EQ(now.wDay, 27);
    EXPECT_EQ(now.wHour, 8);
    EXPECT_EQ(now.wMinute, 0);
}

TEST(RealClock, TicksMoveForwardAndUtcIsPlausible) {
    EXPECT_FALSE(IsVirtualClock());
    const uint64_t before = ProgramTimeMs();
    EXPECT_GE(ProgramTimeMs(), before);
    SYSTEMTIME now;
    GetSystemTime(&now);
    EXPECT_GE(now.wYear, 2024);
}
