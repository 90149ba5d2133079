#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/ui/CommonControls.h"
#include "survey/screens/CCoordViewDlg.h"
#include "tests/survey/screens/SurveyHostDouble.h"

namespace {

// A point file of N full 36-column lines with Chinese names.
std::string PointFileBytes(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes +=
            ToGbk(Format(L"桩%d,%.3f,%.3f,%.3f,房角,1.800,10,0.012,0.023,09,1.80,08:05:09,2026-12-07,1,0,0,3,"
                         L"0.00,12,71,45.500,0,0.000,,,3.456,,,0.000,0.000,,,备注,0,,,\r\n",
                         i, 3456789.0 + i, 512345.0 + i, 50.0 + i * 0.001));
    return bytes;
}

// From opening the view on a point file of N points until it is usable: the newest row selected
// and its name and coordinates shown below the list.
void BM_CoordViewUsable(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-coordview-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    std::ofstream(root / "big.xyh", std::ios::binary) << PointFileBytes(static_cast<int>(state.range(0)));
    SetDeviceRoot(root);
    InitCommonControls();
    CUiDriver ui;
    SurveyHostDouble host;
    host.pointFile = L"\\big.xyh";
    for (auto _ : state) {
        CCoordViewDlg view(host);
        view.Create(CCoordViewDlg::IDD);
        view.UpdateWindow();
        benchmark::DoNotOptimize(view.List().GetNextItem(-1, LVNI_SELECTED));
        state.PauseTiming();
        view.DestroyWindow();
        ui.Pump();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(root);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CoordViewUsable)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
