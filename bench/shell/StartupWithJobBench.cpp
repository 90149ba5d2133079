// Start-up on a job that has stored for a season: the program's start to its first painted screen,
// then its resident memory and peak once what it reads after that screen is in (the record file,
// the map's points by the job's display rule), with 100,000 and 1,000,000 stored points.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "bench/shell/ProgramRun.h"

namespace {

// The default job's point file and record file with `points` lines each, as stores write them.
void FillDefaultJob(const std::filesystem::path& root, long points) {
    const std::filesystem::path data = root / "Program Files" / "Jobs" / "vorna" / "data";
    std::ofstream xyh(data / "vorna.xyh", std::ios::binary), rec(data / "vorna.rec", std::ios::binary);
    for (long i = 0; i < points; ++i) {
        xyh << "P" << i << ",3456789.123,512345.678,45.600,pole,1.800,10,0.012,0.020,12,1.50,12:00:00,"
            << "2011-09-26,3,0,0,0,0.00,0,0,0.000,0,0.000,a,b,0.000,c,d,0.000,0.000,e,f,g,0,t1,t2,\r\n";
        rec << "P" << i << ",3456789.1230,512345.6780,45.6000,pole\r\n";
    }
}

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
