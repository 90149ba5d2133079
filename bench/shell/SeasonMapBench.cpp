// The main map of a season's job with every point shown: a repaint at the scale 全图 gives and at
// the default scale (1 m a pixel) within the site; and the heap a point stored by automatic storing
// leaves behind when the map does not show it (the default display rule).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <memory>
#include "bench/shell/SeasonJob.h"

#include "foundation/JobSettingsFiles.h"
#include "platform/files/DevicePath.h"
#include "platform/serial/SerialPortMap.h"
#include "platform/testing/UiDriver.h"
#include "receiver/ReceiverMessages.h"
#include "resources/MainViewForm.h"
#include "shell/dialogs/CSplashWnd.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/CQuorinApp.h"
#include "shell/view/CFrmGraphView.h"
#include "tests/shell/FrameProbe.h"

namespace {

double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The program started on a device root of its own whose job's point file is a season's job of
// `points`, shown by `rule`, stored automatically by distance when storing runs.
struct SeasonFrame {
    SeasonFrame(long points, int rule) {
        std::filesystem::remove_all(root);
        SetDeviceRoot(root);
        SetSerialDevicePath(3, (root / "no-receiver").string());
        std::filesystem::create_directories(root / "Program Files/Jobs/road/data");
        WriteSystemFile();
        std::ofstream(root / "Program Files/Jobs/road/road.qzs", std::ios::binary)
            << "\r\n[DataSave Par]\r\nnSaveType=3\r\nnAsMode=1\r\nszdAutoSaveDis=0.01\r\nnAsCondition=0\r\n"
            << "nShowSurveyPoint=" << rule << "\r\n";
        WriteSeasonPoints(root / "Program Files/Jobs/road/data", "road", points);
        app.InitInstance();
        ui.Advance(CSplashWnd::kShowMs);
        FrameProbe::DisplayFill(Frame()).WaitForRead(-1);
        FrameProbe::Records(Frame()).WaitForLoad(-1);
        ui.Pump();
    }
    ~SeasonFrame() {
        Frame().DestroyWindow();
        SetSerialDevicePath(3, "");
        std::filesystem::remove_all(root);
    }
    // The system file as the program writes it, naming the road job: one with a key missing is
    // damaged, and its notice box would stand in every run.
    static void WriteSystemFile() {
        JobSettingsFiles files;
        files.SetSystemFilePath(L"\\Program Files\\qzsys.sys");
        LastFilesRecord system;
        files.DefaultSystemParams(system);
        system.szIniFile = L"\\Program Files\\Jobs\\road\\road.qzs";
        system.szDataFile = L"road.xyh";
        files.WriteSystemFile(system);
    }
    CMainFrame& Frame() { return *app.MainFrame(); }
    CFrmGraphView& View() { return *FrameProbe::View(Frame()); }
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("qz-bench-season-" + std::to_string(getpid()));
    CUiDriver ui;
    CQuorinApp app;
};

// Arg 0: the scale 全图 gives; arg 1: 1 m a pixel, the plot within the site.
void BM_SeasonMapRepaint(benchmark::State& state) {
    SeasonFrame season(1000000, -1);
    CFrmGraphView& view = season.View();
    if (state.range(0) == 0)
        view.FitAll();
    else
        view.Canvas().SetView(kSiteMetres / 2, kSiteMetres / 2, 1.0);
    CWnd* plot = view.GetDlgItem(mainview::kPlot);
    plot->Invalidate();
    season.ui.Pump();
    for (auto _ : state) {
        plot->Invalidate();
        season.ui.Pump();
    }
    state.counters["markers"] = static_cast<double>(view.Markers().size());
}
BENCHMARK(BM_SeasonMapRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The repaint at the scale 全图 gives when the view has just moved by a pixel (every other time
// back): the markers are found and drawn afresh, as after a pan or a zoom.
void BM_SeasonMapMovedRepaint(benchmark::State& state) {
    SeasonFrame season(1000000, -1);
    CFrmGraphView& view = season.View();
    view.FitAll();
    CPlotCanvas& canvas = view.Canvas();
    const double n = canvas.OriginN(), e = canvas.OriginE(), scale = canvas.MetresPerPixel();
    CWnd* plot = view.GetDlgItem(mainview::kPlot);
    plot->Invalidate();
    season.ui.Pump();
    int moves = 0;
    for (auto _ : state) {
        canvas.SetView(n, e + (++moves % 2) * scale, scale);
        plot->Invalidate();
        season.ui.Pump();
    }
}
BENCHMARK(BM_SeasonMapMovedRepaint)->Unit(benchmark::kMillisecond);

// The first 全图 of a run, as the button does it: every point in the plot, each marker found and
// drawn and the names that find room read from the point file. CPU of all the program's threads.
void BM_SeasonMapFirstFitAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto season = std::make_unique<SeasonFrame>(state.range(0), -1);
        CFrmGraphView& view = season->View();
        state.ResumeTiming();
        season->ui.Click(view, mainview::kFitAll);
        season->ui.Pump();
        state.PauseTiming();
        state.counters["markers"] = static_cast<double>(view.Markers().size());
        season.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SeasonMapFirstFitAll)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// After the first 全图, a zoom in (arg move = 0) or a zoom out (1) from the scale 全图 gives, shown
// first, or a pan at that scale (2: a drag across the plot and back, clear of the store button), as
// the buttons and a drag do them: each repainted with the markers found afresh. Move 3 is the zoom in
// the user meets first, right after the first 全图 of a fresh program, with no name's width known yet.
void BM_SeasonMapZoomOrPan(benchmark::State& state) {
    const int move = static_cast<int>(state.range(1));
    std::unique_ptr<SeasonFrame> season;
    const auto fitAll = [&] {
        season.reset();
        season = std::make_unique<SeasonFrame>(state.range(0), -1);
        season->ui.Click(season->View(), mainview::kFitAll);
        season->ui.Pump();
    };
    fitAll();
    const CPlotCanvas& shown = season->View().Canvas();
    const double n = shown.OriginN(), e = shown.OriginE(), scale = shown.MetresPerPixel();
    CRect r;
    season->View().GetDlgItem(mainview::kPlot)->GetWindowRect(&r);
    const CPoint from(r.left + 30, r.top + 40), to(r.left + 70, r.top + 70);
    bool back = false;
    for (auto _ : state) {
        if (move == 2) {
            season->ui.Drag(back ? to : from, back ? from : to);
            back = !back;
        } else {
            state.PauseTiming();
            if (move == 3) {
                fitAll();
            } else {
                season->View().Canvas().SetView(n, e, scale);
                season->View().GetDlgItem(mainview::kPlot)->Invalidate();
                season->ui.Pump();
            }
            state.ResumeTiming();
            season->ui.Click(season->View(), move == 1 ? mainview::kZoomOut : mainview::kZoomIn);
        }
        season->ui.Pump();
    }
    state.counters["markers"] = static_cast<double>(season->View().Markers().size());
}
BENCHMARK(BM_SeasonMapZoomOrPan)
    ->ArgsProduct({{100000, 1000000}, {0, 1, 2}})
    ->ArgNames({"points", "move"})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeasonMapZoomOrPan)
    ->ArgsProduct({{100000, 1000000}, {3}})
    ->ArgNames({"points", "move"})
    ->Iterations(5)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// 20 fixes a second, each stored as the rover walks; the heap counted
// after the first stores, so that what is made once is left out.
void BM_HeapAStoredPointLeaves(benchmark::State& state) {
    SeasonFrame season(0, 0);
    AutoStoreState& autoStore = FrameProbe::AutoStore(season.Frame());
    autoStore.running = 1;
    autoStore.firstPoint = 1;
    CGpsState fix;
    fix.fixFlag = 1;
    fix.solutionCode = 10;
    fix.solutionText = L"FIXED";
    fix.latitude = 30.0;
    fix.longitude = 120.0;
    // Round and round a 5 m circle at 1 m/s: the map never needs to move, so nothing but the
    // display rule lets a stored point go.
    double angle = 0.0;
    const auto walk = [&](int fixes) {
        for (int i = 0; i < fixes; ++i) {
            angle += 0.01;
            fix.gridX = 1000.0 + 5.0 * std::cos(angle);
            fix.gridY = 1000.0 + 5.0 * std::sin(angle);
            CGpsState copy = fix;
            season.View().SendMessage(WM_GPS_POSITION, reinterpret_cast<WPARAM>(&copy), 4);
            season.ui.Pump();
        }
    };
    walk(200);
    double before = 0, stored = 0;
    for (auto _ : state) {
        const int counted = autoStore.count;
        before = HeapBytes();
        walk(static_cast<int>(state.range(0)));
        stored = autoStore.count - counted;
    }
    state.counters["points"] = stored;
    state.counters["bytes_per_point"] = (HeapBytes() - before) / stored;
}
BENCHMARK(BM_HeapAStoredPointLeaves)->Arg(4000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
