// One guidance update of each stake-out screen: a fix through its position handler, with the
// computation, the readout texts, the rings or bands and the plot drawn into the headless framebuffer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/files/DevicePath.h"
#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/ListCtrl.h"
#include "receiver/ReceiverMessages.h"
#include "resources/LineStakeDlg.h"
#include "resources/StakeLineLibDlg.h"
#include "resources/StakePointLibDlg.h"
#include "resources/StakeoutDlg.h"
#include "stakeout/screens/CLineStakeDlg.h"
#include "stakeout/screens/CStakeoutDlg.h"

namespace {

// The coordinate library's services: the guidance updates never pick from it.
class BenchLibrary : public ICoordLibraryHost {
public:
    CString JobFolder() const override { return L"\\Jobs\\road"; }
    CString JobFileName() const override { return L"road.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\road\\data"; }
    void Wgs84ToLocalPlane(double, double, double h, double& n, double& e, double& hOut) override {
        n = 0.0;
        e = 0.0;
        hOut = h;
    }
    GeoPointChoice PickGeoPoint(CWnd*) override { return {}; }
};

class BenchHost : public IStakeoutHost {
public:
    void ListenForPositions(HWND) override {}
    void StopListening(HWND) override {}
    int LogicalKey(UINT, UINT) const override { return 0; }
    CString JobFolder() const override { return L"\\Jobs\\road"; }
    CString JobFileName() const override { return L"road.qzs"; }
    CString DataFolder() const override { return L"\\Jobs\\road\\data"; }
    ICoordLibraryHost& CoordLibrary() const override { return library_; }
    CString PointFileName() const override { return L"road.xyh"; }
    std::vector<CString> JobOwnFiles() const override { return {}; }
    const GeneralSettingsBlock& Settings() const override { return settings_; }
    LinkValues Link() const override { return {0, 3, 1}; }
    StoredPointResult StorePoint(const CGpsState&, const StoreRequest&) override { return {}; }
    void ReacquireAndSave() override {}
    void RunDataVerify(CWnd*) override {}
    void ShowReceiverInfo(CWnd*, const CString&) override {}
    void ShowCoordinateView() override {}

private:
    GeneralSettingsBlock settings_;
    mutable BenchLibrary library_;
};

// A device root with the job's library and line files; removed afterwards.
struct DeviceRoot {
    DeviceRoot() {
        root = std::filesystem::temp_directory_path() / ("qz-bench-stakeout-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "Jobs/road/data");
        std::ofstream(root / "Jobs/road/road.ptb", std::ios::binary) << "0,K1,1000,2000,10,,\r\n";
        std::ofstream(root / "Jobs/road/road.lnb", std::ios::binary)
            << "L1,1000,2000,10,,L2,1100,2000,10,,0\r\n";
        SetDeviceRoot(root);
        InitCommonControls();
    }
    ~DeviceRoot() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
};

CGpsState Fix(double n, double e) {
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = kSolFixed;
    fix.solutionText = L"FIXED";
    fix.latitude = 30.0;
    fix.longitude = 114.0;
    fix.gridX = n;
    fix.gridY = e;
    fix.gpsUsedCount = 9;
    return fix;
}

// Chooses row 0 of the library that `button` opens.
void ChooseFirstRow(CUiDriver& ui, CDialog& screen, UINT libraryId, UINT listId, UINT button) {
    ui.OnModal(libraryId, [listId](CDialog& d) {
        auto* list = dynamic_cast<CListCtrl*>(d.GetDlgItem(static_cast<int>(listId)));
        list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    ui.Click(screen, static_cast<int>(button));
    ui.Pump();
}

// Positions alternate inside the close-up radius, so that the rings and the guide line are drawn.
void BM_PointGuidanceUpdate(benchmark::State& state) {
    DeviceRoot root;
    CUiDriver ui;
    BenchHost host;
    CStakeoutDlg dlg(host, nullptr);
    dlg.Create(pointstake::IDD);
    dlg.ShowWindow(SW_SHOW);
    ChooseFirstRow(ui, dlg, stakelib::IDD, stakelib::kList, pointstake::kLibrary);
    CGpsState fixes[2] = {Fix(1000.3, 2000.2), Fix(1000.2, 2000.3)};
    int i = 0;
    for (auto _ : state) {
        dlg.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fixes[i++ & 1]), 4);
        benchmark::DoNotOptimize(dlg.Readouts().distance);
    }
    dlg.DestroyWindow();
}
BENCHMARK(BM_PointGuidanceUpdate)->Unit(benchmark::kMicrosecond);

// Positions alternate beside the line within the prompt distance, so that the bands are drawn.
void BM_LineGuidanceUpdate(benchmark::State& state) {
    DeviceRoot root;
    CUiDriver ui;
    BenchHost host;
    CLineStakeDlg dlg(host, nullptr);
    dlg.Create(linestake::IDD);
    dlg.ShowWindow(SW_SHOW);
    ChooseFirstRow(ui, dlg, linelib::IDD, linelib::kList, linestake::kLibrary);
    CGpsState fixes[2] = {Fix(1050.0, 2000.5), Fix(1050.2, 1999.6)};
    int i = 0;
    for (auto _ : state) {
        dlg.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&fixes[i++ & 1]), 4);
        benchmark::DoNotOptimize(dlg.Readouts().offset);
    }
    dlg.DestroyWindow();
}
BENCHMARK(BM_LineGuidanceUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
