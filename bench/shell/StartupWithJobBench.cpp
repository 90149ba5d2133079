// Start-up on a job that has stored for a season: the program's start to its first painted screen,
// then its resident memory and peak once what it reads after that screen is in (the record file,
// the map's points by the job's display rule), with 100,000 and 1,000,000 stored points.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "bench/shell/ProgramRun.h"

namespace {

void BM_StartWithJob(benchmark::State& state) {
    Program first = Spawn("", true);
    WaitForFirstPaint(first);
    Stop(first, true);
    FillDefaultJob(first.work / "root", state.range(0));
    double rss = 0, peak = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Program p = Spawn("", true, true);
        WaitForFirstPaint(p);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        // Long enough for the reads after the first screen at a million points.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        rss = static_cast<double>(StatusKiB(p.pid, "VmRSS")) / 1024.0;
        peak = static_cast<double>(StatusKiB(p.pid, "VmHWM")) / 1024.0;
        Stop(p, true);
    }
    state.counters["rss_MiB"] = rss;
    state.counters["peak_MiB"] = peak;
    std::filesystem::remove_all(first.work);
}
BENCHMARK(BM_StartWithJob)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
