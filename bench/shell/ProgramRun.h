#pragma once
// The built program run as the user starts it, for the benchmarks that time it from outside: on a
// device root in a work folder of its own, with a screenshot kept so that its first painted screen
// can be seen, and its memory read from /proc.
#include <sys/types.h>
#include <time.h>

#include <filesystem>
#include <string>

struct Program {
    pid_t pid = -1;
    std::filesystem::path work;
};

// The work folder of this benchmark process; its device root is work / "root".
std::filesystem::path WorkFolder();
// The program run: the one built beside the benchmarks, or the one QZ_BENCH_QUORIN names (to set an
// earlier build beside this one).
const char* ProgramPath();
// A fresh work folder unless `keepWork` (a device root laid out by an earlier run stays). `pty`
// stands behind COM2, COM3 and COM5 when given.
Program Spawn(const std::string& pty, bool headless, bool keepWork = false);
void Stop(Program& p, bool keepWork = false);
void WaitForFirstPaint(const Program& p);
// Waits until the screen has not changed for `still` seconds; the seconds from `start` (the real
// time clock's, taken before the spawn) to its last change.
double WaitForStillScreen(const Program& p, const timespec& start, double still);
// Waits until the program has gone idle after its first painted screen (its threads used under a
// millisecond of CPU in 300 ms): the seconds from `start` to the screen's last change before that,
// and in `cpuSeconds` the CPU its threads had used by then. The splash leaving later is not counted.
double WaitForIdleScreen(const Program& p, const timespec& start, double& cpuSeconds);
// A line of /proc/PID/status in KiB: "VmRSS" (resident now) or "VmHWM" (its peak).
long StatusKiB(pid_t pid, const char* key);
