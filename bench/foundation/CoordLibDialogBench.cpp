#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bench/foundation/LibraryBytes.h"
#include "foundation/FrameServices.h"
#include "foundation/screens/CCoordLibDlg.h"
#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"

namespace {

class BenchFrame : public IFoundationFrame {
public:
    int mode = kScreenModeNormal;
    int& ScreenMode() override { return mode; }
    CString RootFolder() const override { return L"\\Jobs"; }
    CString JobFolder() const override { return L"\\Jobs\\big"; }
    CString JobFileName() const override { return L"big.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\big\\data"; }
    std::vector<PointRecord>& DisplayPoints() override { return points; }
    std::vector<PointRecord> points;
    void Wgs84ToLocalPlane(double, double, double, double& n, double& e, double& h) override {
        n = e = h = 0;
    }
};

// From opening the library dialog on a job's library of N points until every row is listed and
// the commands are back.
void BM_CoordLibDialogUsable(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-coordlib-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "Jobs/big");
    std::ofstream(root / "Jobs/big/big.lib", std::ios::binary)
        << LibraryBytes(static_cast<int>(state.range(0)));
    SetDeviceRoot(root);
    InitCommonControls();
    BenchFrame frame;
    SetFoundationFrame(&frame);
    CUiDriver ui;
    for (auto _ : state) {
        CCoordLibDlg dlg;
        dlg.Create(CCoordLibDlg::IDD);
        while (dlg.IsLoading()) ui.Pump();
        benchmark::DoNotOptimize(dlg.List().GetItemCount());
        state.PauseTiming();
        dlg.DestroyWindow();
        ui.Pump();
        state.ResumeTiming();
    }
    SetFoundationFrame(nullptr);
    std::filesystem::remove_all(root);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordLibDialogUsable)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
