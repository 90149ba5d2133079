// Start-up on a job that has stored for a season: the program's start to its first painted screen,
// then its resident memory and peak once what it reads after that screen is in (the record file,
// the map's points by the job's display rule), with 100,000 and 1,000,000 stored points; the first
// screen in an X11 window too, as the X server shows it. Then the same job with every point shown
// (显示点数 全部): the start to the map complete, and the memory resident then.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "bench/shell/ProgramRun.h"
#include "bench/shell/SeasonJob.h"
#include "bench/shell/ServerScreen.h"

namespace {

// A root the program laid out on its first run, its default job holding `points` points.
Program SeasonRoot(long points, bool everyPointShown) {
    Program first = Spawn("", true);
    WaitForFirstPaint(first);
    Stop(first, true);
    const std::filesystem::path job = first.work / "root" / "Program Files" / "Jobs" / "vorna";
    WriteSeasonPoints(job / "data", "vorna", points);
    if (everyPointShown) SetJobKey(job / "vorna.qzs", "nShowSurveyPoint", "-1");
    return first;
}

// The program's resident memory now and its peak, in MiB.
struct Memory {
    double rss = 0;
    double peak = 0;
    void Read(pid_t pid) {
        rss = static_cast<double>(StatusKiB(pid, "VmRSS")) / 1024.0;
        peak = static_cast<double>(StatusKiB(pid, "VmHWM")) / 1024.0;
    }
    void Report(benchmark::State& state) const {
        state.counters["rss_MiB"] = rss;
        state.counters["peak_MiB"] = peak;
    }
};

// Headless, the first screen is there when the program has written it; in an X11 window, when the
// server shows it.
void StartWithJob(benchmark::State& state, bool headless) {
    Display* display = headless || !std::getenv("DISPLAY") ? nullptr : XOpenDisplay(nullptr);
    if (!headless && !display) {
        state.SkipWithError("no DISPLAY for the X11 window");
        return;
    }
    Program first = SeasonRoot(state.range(0), false);
    Memory memory;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Program p = Spawn("", headless, true);
        auto shown = start;
        if (headless) {
            WaitForFirstPaint(p);
            shown = std::chrono::steady_clock::now();
        } else if (!WaitForServerShowsFirstPaint(display, p, shown)) {
            Stop(p, true);
            state.SkipWithError("the server did not show the first screen");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        // Long enough for the reads after the first screen at a million points.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        memory.Read(p.pid);
        Stop(p, true);
    }
    memory.Report(state);
    std::filesystem::remove_all(first.work);
    if (display) XCloseDisplay(display);
}
void BM_StartWithJob(benchmark::State& state) {
    StartWithJob(state, true);
}
void BM_StartWithJobX11(benchmark::State& state) {
    StartWithJob(state, false);
}
BENCHMARK(BM_StartWithJob)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_StartWithJobX11)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The map is complete at the screen's last change before the program goes idle: the points read
// after the first screen are drawn, and nothing else moves on a program with no receiver. The
// splash leaves later, on its timer, and is not the map. The program's CPU until then too.
void BM_MapCompleteEveryPointShown(benchmark::State& state) {
    Program first = SeasonRoot(state.range(0), true);
    Memory memory;
    double cpu = 0;
    for (auto _ : state) {
        timespec start{};
        clock_gettime(CLOCK_REALTIME, &start);
        Program p = Spawn("", true, true);
        state.SetIterationTime(WaitForIdleScreen(p, start, cpu));
        memory.Read(p.pid);
        Stop(p, true);
    }
    memory.Report(state);
    state.counters["program_cpu_ms"] = cpu * 1e3;
    std::filesystem::remove_all(first.work);
}
BENCHMARK(BM_MapCompleteEveryPointShown)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
