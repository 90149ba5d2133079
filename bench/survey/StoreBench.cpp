#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "foundation/CJobSettings.h"
#include "platform/files/DevicePath.h"
#include "platform/messages/MessageBoxScript.h"
#include "survey/SurveyHost.h"
#include "survey/screens/SurveyPointStore.h"

namespace {

// The store state in memory, the files under a device root on disk; the name goes to the system file
// as the frame's host writes it.
class DiskHost final : public ISurveyHost {
public:
    DiskHost() {
        jobs_.SetVersionInfo(L"2011.09.26", L"\\Program Files");
        jobs_.SetSystemFilePath(L"\\qzsys.sys");
        jobs_.DefaultSystemParams(system_);
    }
    const GeneralSettingsBlock& Settings() const override { return settings_; }
    const PointStoreState& Store() const override { return jobs_.Store(); }
    const CGpsState& LatestFix() const override { return fix_; }
    AntennaConstants Antenna() const override { return {}; }
    StoreFilePaths StoreFiles() const override {
        return {L"\\data\\a.blh", L"\\data\\a.xyh", L"\\a.lib", L"2011.09.26", {}};
    }
    const AutoStoreState& AutoStore() const override { return auto_; }
    bool SaveSettings(const GeneralSettingsBlock&) override { return true; }
    bool SaveLastStoredName(const CString& name) override {
        system_.szLastSaveName = name;
        return jobs_.WriteSystemFile(system_);
    }
    void TakeStoredPoint(const SurveyPointRec& point, const StoredPointResult& result) override {
        jobs_.Store().point = point;
        jobs_.Store().lastResult = result;
    }
    void ListenForStore(HWND) override {}
    void StopListeningForStore(HWND) override {}
    void SetAutoStoring(bool) override {}
    void ResetAutoStoreCount() override {}
    void PlayTone() override {}

private:
    CJobSettings jobs_;
    LastFilesRecord system_;
    GeneralSettingsBlock settings_;
    CGpsState fix_;
    AutoStoreState auto_;
};

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
    DiskHost host;
    CSurveyPointStore store(host, nullptr);
    const CGpsState fix = Fix();
    for (auto _ : state) benchmark::DoNotOptimize(store.StoreQuickPoint(fix).number);
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
