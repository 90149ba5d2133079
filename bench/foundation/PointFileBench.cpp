#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bench/foundation/ProcessMemory.h"
#include "foundation/PointLines.h"
#include "platform/files/DevicePath.h"

namespace {

// LoadPointFile of a point file of N full lines (36 fields), from the disk to the display list.
void BM_LoadPointFile(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-points-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    SetDeviceRoot(root);
    {
        std::ofstream out(root / "p.xyh", std::ios::binary);
        for (int i = 0; i < state.range(0); ++i)
            out << "P" << i << ",3456789.123,512345.678,45.600,pole,1.800,10,0.012,0.020,12,1.50,12:00:00,"
                << "2011-09-26,3,0,0,0,0.00,0,0,0.000,0,0.000,a,b,0.000,c,d,0.000,0.000,e,f,g,0,t1,t2,\r\n";
    }
    const double residentBefore = ResidentBytes();
    std::vector<PointRecord> points;
    for (auto _ : state) {
        LoadPointFile(L"\\p.xyh", points);
        benchmark::DoNotOptimize(points.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    const double lineBytes = static_cast<double>(std::filesystem::file_size(root / "p.xyh")) / state.range(0);
    // What the loaded list holds per point beyond its line's bytes, and the process's peak.
    state.counters["B_per_point_beyond_line"] =
        (ResidentBytes() - residentBefore) / state.range(0) - lineBytes;
    state.counters["peak_MB"] = PeakResidentBytes() / 1048576.0;
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_LoadPointFile)->Arg(20000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
