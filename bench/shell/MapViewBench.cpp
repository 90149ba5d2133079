#include <benchmark/benchmark.h>

#include "platform/testing/UiDriver.h"
#include "receiver/ReceiverMessages.h"
#include "resources/MainViewForm.h"
#include "shell/frame/CMainFrame.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/shell/FrameProbe.h"

namespace {

CGpsState Fix(double n, double e) {
    CGpsState state;
    state.fixFlag = 1;
    state.hour = 12;
    state.gridX = n;
    state.gridY = e;
    state.solutionCode = 10;
    state.solutionText = L"FIXED";
    state.gpsUsedCount = 9;
    return state;
}

// The main view with N stored points spread over the plot, every one shown.
struct ViewSetUp {
    explicit ViewSetUp(int points) {
        frame.CreateFrame();
        frame.ShowWindow(SW_SHOW);
        JobSession& job = FrameProbe::Job(frame);
        GeneralSettingsBlock settings = job.Settings();
        settings.nShowSurveyPoint = -1;
        job.TakeLoaded(settings, job.CoordParams());
        for (int i = 0; i < points; ++i) {
            PointRecord p;
            p.name.Format(L"P%d", i);
            p.x = 1000.0 + (i * 37 % 180);
            p.y = 2000.0 + (i * 53 % 230);
            FrameProbe::DisplayPoints(frame).Append(p);
        }
        CGpsState state = Fix(1090.0, 2115.0);
        FrameProbe::View(frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&state), 4);
        FrameProbe::View(frame)->Canvas().SetView(995.0, 1995.0, 1.0);
        ui.Pump();
    }
    CUiDriver ui;
    CMainFrame frame;
};

// Invalidating the plot until the map, the furniture and every stored point are drawn again.
void BM_ViewFullPaint(benchmark::State& state) {
    ViewSetUp setUp(static_cast<int>(state.range(0)));
    CWnd* plot = FrameProbe::View(setUp.frame)->GetDlgItem(mainview::kPlot);
    for (auto _ : state) {
        plot->Invalidate();
        setUp.ui.Pump();
    }
}
BENCHMARK(BM_ViewFullPaint)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);

// One position message to the view: texts, the incremental map update, the automatic-store check.
void BM_ViewPositionMessage(benchmark::State& state) {
    ViewSetUp setUp(200);
    CGpsState fix = Fix(1090.0, 2115.0);
    for (auto _ : state) {
        fix.gridX += 0.001;
        CGpsState copy = fix;
        FrameProbe::View(setUp.frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&copy), 4);
    }
}
BENCHMARK(BM_ViewPositionMessage)->Unit(benchmark::kMicrosecond);

// The epoch's second message (its GGA after the position log) repeats the fix.
void BM_ViewSameFixAgain(benchmark::State& state) {
    ViewSetUp setUp(200);
    const CGpsState fix = Fix(1090.0, 2115.0);
    for (auto _ : state) {
        CGpsState copy = fix;
        FrameProbe::View(setUp.frame)->SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&copy), 1);
    }
}
BENCHMARK(BM_ViewSameFixAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
