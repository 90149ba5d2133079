#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "bench/foundation/LibraryBytes.h"
#include "bench/foundation/ProcessMemory.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"

namespace {

class BenchFrame : public ICoordLibraryHost {
public:
    CString JobFolder() const override { return L"\\Jobs\\big"; }
    CString JobFileName() const override { return L"big.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\big\\data"; }
    void Wgs84ToLocalPlane(double, double, double, double& n, double& e, double& h) override {
        n = e = h = 0;
    }
    GeoPointChoice PickGeoPoint(CWnd*) override { return {}; }
};

// From opening the library dialog on a job's library of N points until every row is listed, the
// first page drawn and the commands are back; what the open dialog holds per point beyond its line
// in the file, and the process's peak.
void BM_CoordLibDialogUsable(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-coordlib-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "Jobs/big");
    const auto points = static_cast<int>(state.range(0));
    {
        std::ofstream out(root / "Jobs/big/big.lib", std::ios::binary);
        constexpr int kBlock = 10000;
        for (int first = 0; first < points; first += kBlock)
            out << LibraryBytes(first, std::min(kBlock, points - first));
    }
    const double lineBytes =
        static_cast<double>(std::filesystem::file_size(root / "Jobs/big/big.lib")) / points;
    SetDeviceRoot(root);
    InitCommonControls();
    BenchFrame frame;
    CUiDriver ui;
    ui.Pump();
    const double residentBefore = ResidentBytes();
    double beyondLine = 0;
    for (auto _ : state) {
        CCoordLibDlg dlg(frame, nullptr);
        dlg.Create(CCoordLibDlg::IDD);
        while (dlg.IsLoading()) ui.Pump();
        ui.Pump();
        benchmark::DoNotOptimize(dlg.List().GetItemCount());
        state.PauseTiming();
        beyondLine = (ResidentBytes() - residentBefore) / points - lineBytes;
        dlg.DestroyWindow();
        ui.Pump();
        state.ResumeTiming();
    }
    state.counters["B_per_point_beyond_line"] = beyondLine;
    state.counters["peak_MB"] = PeakResidentBytes() / 1048576.0;
    std::filesystem::remove_all(root);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordLibDialogUsable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
