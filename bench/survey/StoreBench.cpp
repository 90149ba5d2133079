#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBoxScript.h"
#include "survey/screens/SurveyPointStore.h"
#include "tests/survey/screens/DiskSurveyHost.h"

namespace {

CGpsState Fix() {
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.latitude = 30.2416666667;
    fix.longitude = 120.1716666667;
    fix.height = 12.5;
    fix.gridX = 3346995.098;
    fix.gridY = 516526.461;
    fix.gridH = 13.0;
    return fix;
}

// One automatic store as the map view makes it: the name saved to the system file (atomic replace,
// two syncs), the raw, point and library lines appended and synced.
void BM_AutomaticStore(benchmark::State& state) {
    const auto root =
        std::filesystem::temp_directory_path() / ("qz-bench-store-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "data");
    SetDeviceRoot(root);
    CMessageBoxScript boxes;
    DiskSurveyHost host;
    CSurveyPointStore store(host, nullptr);
    const CGpsState fix = Fix();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.StoreQuickPoint(fix, {.mode = kStoreAutomatic}).number);
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_AutomaticStore)->Unit(benchmark::kMicrosecond);

// The three lines of one point, built alone.
void BM_BuildStoreLines(benchmark::State& state) {
    SurveyPointRec point;
    point.name = L"桩1024";
    point.code = L"房角";
    point.antennaHeight = 1.8;
    point.pointKind = 3;
    RawStoreTail tail;
    tail.mode = 3;
    tail.autoInterval = 5.0;
    const CGpsState fix = Fix();
    for (auto _ : state) {
        SurveyPointRec copy = point;
        TakeFix(copy, fix);
        benchmark::DoNotOptimize(BuildStoreLines(copy, {{fix, tail}}));
    }
}
BENCHMARK(BM_BuildStoreLines)->Unit(benchmark::kMicrosecond);

}  // namespace
