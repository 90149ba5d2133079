#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/CJobSettings.h"
#include "foundation/FollowedPointNames.h"
#include "foundation/PointLines.h"
#include "platform/files/DevicePath.h"
#include "platform/text/CodePage.h"

namespace {

// The names of a point file of N full lines: 1..N in order; 2..N with the last point "1" (every
// successor of the last point held); or N names that follow no order (each a run of its own).
enum Layout { kInOrder = 0, kLastIsOne = 1, kScattered = 2 };

std::string NameOf(int64_t i, int64_t n, int layout) {
    if (layout == kLastIsOne) return std::to_string(i + 1 == n ? 1 : i + 2);
    if (layout == kScattered) return "P" + std::to_string((i * 7919) % (3 * n) * 2 + 1);
    return std::to_string(i + 1);
}

std::filesystem::path WritePointFile(int64_t n, int layout) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-names-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    SetDeviceRoot(root);
    std::ofstream out(root / "p.xyh", std::ios::binary);
    for (int64_t i = 0; i < n; ++i)
        out << NameOf(i, n, layout)
            << ",3456789.123,512345.678,45.600,pole,1.800,10,0.012,0.020,12,1.50,12:00:00,"
            << "2011-09-26,3,0,0,0,0.00,0,0,0.000,0,0.000,a,b,0.000,c,d,0.000,0.000,e,f,g,0,t1,t2,\r\n";
    return root;
}

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// 打开文件 on a point file: the scan of its names and the first name proposed after it. The names
// the scan keeps are counted a point.
void BM_FirstProposalAfterOpen(benchmark::State& state) {
    const int64_t n = state.range(0);
    const auto root = WritePointFile(n, static_cast<int>(state.range(1)));
    CString proposed;
    for (auto _ : state) {
        CJobSettings job;
        job.LoadRecSaveNames(ScanLastNamesInFile(L"\\p.xyh", 1), 1);
        proposed = job.Store().NextName();
        benchmark::DoNotOptimize(proposed);
    }
    const size_t before = HeapInUse();
    const LastNames kept = ScanLastNamesInFile(L"\\p.xyh", 1);
    benchmark::DoNotOptimize(kept.taken.Holds(L"1"));  // as a proposal asks it
    state.counters["name_B_per_point"] = static_cast<double>(HeapInUse() - before) / static_cast<double>(n);
    state.SetLabel(ToUtf8(proposed));
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_FirstProposalAfterOpen)
    ->ArgsProduct({{20000, 1000000}, {kInOrder, kLastIsOne, kScattered}})
    ->Unit(benchmark::kMillisecond);

// The first proposal after a start: the names the point file holds read whole, the successor of its
// last point passed over them.
void BM_FirstProposalAfterStart(benchmark::State& state) {
    const int64_t n = state.range(0);
    const auto root = WritePointFile(n, static_cast<int>(state.range(1)));
    CString proposed;
    for (auto _ : state) {
        FollowedPointNames names;
        names.Follow(L"\\p.xyh");
        proposed = names.Held().FirstFree(NextPointNameOf(LastStoredPointName(L"\\p.xyh"), 1));
        benchmark::DoNotOptimize(proposed);
    }
    state.SetLabel(ToUtf8(proposed));
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_FirstProposalAfterStart)
    ->ArgsProduct({{20000, 1000000}, {kInOrder, kLastIsOne, kScattered}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
