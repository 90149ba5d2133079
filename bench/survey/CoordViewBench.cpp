#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench/foundation/ProcessMemory.h"
#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/ui/CommonControls.h"
#include "survey/screens/CCoordViewDlg.h"
#include "tests/survey/screens/SurveyHostDouble.h"

namespace {

// Points first to first + count - 1 as full 36-column lines with Chinese names.
std::string PointFileBytes(int first, int count) {
    std::string bytes;
    for (int i = first; i < first + count; ++i)
        bytes +=
            ToGbk(Format(L"桩%d,%.3f,%.3f,%.3f,房角,1.800,10,0.012,0.023,09,1.80,08:05:09,2026-12-07,1,0,0,3,"
                         L"0.00,12,71,45.500,0,0.000,,,3.456,,,0.000,0.000,,,备注,0,,,\r\n",
                         i, 3456789.0 + i, 512345.0 + i, 50.0 + i * 0.001));
    return bytes;
}

// From opening the view on a point file of N points until it is usable: the newest row selected
// and its name and coordinates shown below the list; at the file's first opening in the run, or
// again (its rows kept). The heap the open view holds per point (the allocator's count: resident
// size would hide memory reused from writing the file), against the file's bytes per point: the
// view keeps where its lines begin, never a copy of the file.
void BM_CoordViewUsable(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-coordview-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    const auto points = static_cast<int>(state.range(0));
    const bool again = state.range(1) != 0;
    {
        std::ofstream out(root / "big.xyh", std::ios::binary);
        constexpr int kBlock = 10000;
        for (int first = 0; first < points; first += kBlock)
            out << PointFileBytes(first, std::min(kBlock, points - first));
    }
    const double lineBytes = static_cast<double>(std::filesystem::file_size(root / "big.xyh")) / points;
    SetDeviceRoot(root);
    InitCommonControls();
    CUiDriver ui;
    ui.Pump();
    double heldPerPoint = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto host = std::make_unique<SurveyHostDouble>();
        host->pointFile = L"\\big.xyh";
        const double heapBefore = static_cast<double>(mallinfo2().uordblks);
        if (again) {
            CCoordViewDlg first(*host);
            first.Create(CCoordViewDlg::IDD);
            first.DestroyWindow();
            ui.Pump();
        }
        state.ResumeTiming();
        {
            // The view ends before the host it gives its rows back to.
            CCoordViewDlg view(*host);
            view.Create(CCoordViewDlg::IDD);
            view.UpdateWindow();
            benchmark::DoNotOptimize(view.List().GetNextItem(-1, LVNI_SELECTED));
            state.PauseTiming();
            heldPerPoint = (static_cast<double>(mallinfo2().uordblks) - heapBefore) / points;
            view.DestroyWindow();
            ui.Pump();
        }
        host.reset();
        state.ResumeTiming();
    }
    state.counters["B_per_point_held"] = heldPerPoint;
    state.counters["B_per_point_in_file"] = lineBytes;
    state.counters["peak_MB"] = PeakResidentBytes() / 1048576.0;
    std::filesystem::remove_all(root);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordViewUsable)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->ArgNames({"points", "again"})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
