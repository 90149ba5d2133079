// One refresh of each page of the receiver information dialog, as a position arrives (positions come
// at up to 20 Hz): the state copied in, the visible page formatted or drawn. The satellite table is
// rebuilt every time (two skies alternate).
#include <benchmark/benchmark.h>

#include "platform/testing/UiDriver.h"
#include "platform/ui/CommonControls.h"
#include "receiver/ReceiverMessages.h"
#include "receiver/screens/CGpsInfoDlg.h"
#include "tests/receiver/ReceiverHostDouble.h"

namespace {

// The receiver screens' frame double with what the information pages read: the job's parameters,
// both converters and the settings they show. Its port is never opened: the dialog's start command
// goes nowhere.
void SetUpFrame(ReceiverHostDouble& frame) {
    frame.jobParams.ellipsoid = {L"WGS84", 6378137.0, 298.257223563};
    for (CCoordTransform* t : {&frame.firstTransform, &frame.secondTransform}) {
        t->SetEllipsoid(6378137.0, 298.257223563);
        t->SetProjection(0, 0.0, 500000.0, 120.0, 1.0, 0.0, 0.0);
    }
    frame.settings.connection.nGAngle = 15;
    frame.settings.nBaseShowRef = 1;
}

CGpsState Sky(int shift) {
    CGpsState s;
    s.fixFlag = 1;
    s.latitude = 30.2416, s.longitude = 120.1716, s.height = 12.5;
    s.baseLat = 30.2400, s.baseLon = 120.1700, s.baseHeight = 10.0;
    s.gridX = 3346000.0, s.gridY = 516000.0, s.projX = 3346000.0, s.projY = 516000.0;
    s.baseType = L"RTCM", s.baseId = L"0001", s.solutionText = L"固定解";
    s.gpsInView = s.gpsUsedCount = 12;
    s.gloInView = s.gloUsedCount = 8;
    for (int i = 0; i < 12; ++i)
        s.gpsSatellites[static_cast<size_t>(i)] = {i + 1, (10 + 7 * i + shift) % 90, (30 * i + shift) % 360,
                                                   45, 1};
    for (int i = 0; i < 8; ++i)
        s.gloSatellites[static_cast<size_t>(i)] = {i + 38, (20 + 9 * i + shift) % 90, (45 * i + shift) % 360,
                                                   40, 0};
    return s;
}

void BM_InfoPageRefresh(benchmark::State& run) {
    InitCommonControls();
    CUiDriver ui;
    ReceiverHostDouble frame;
    SetUpFrame(frame);
    CGpsInfoDlg dlg(frame);
    dlg.Create(CGpsInfoDlg::IDD);
    dlg.m_tab.SetActivePage(static_cast<int>(run.range(0)));
    ui.Pump();
    const CGpsState skies[2] = {Sky(0), Sky(1)};
    int n = 0;
    for (auto _ : run) {
        dlg.SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&skies[n++ & 1]), 4);
        ui.Pump();
    }
    dlg.DestroyWindow();
    ui.Pump();
}
BENCHMARK(BM_InfoPageRefresh)
    ->ArgName("page")
    ->Arg(CGpsInfoDlg::kPosition)
    ->Arg(CGpsInfoDlg::kSky)
    ->Arg(CGpsInfoDlg::kSatellites)
    ->Arg(CGpsInfoDlg::kBase)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
