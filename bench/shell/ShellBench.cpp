// The program as the user meets it: one receiver epoch through the frame to the position window, the
// program's cold start to its first painted screen, and its resident memory after a minute of
// positions at 5 Hz (headless; in X11 as well when DISPLAY is set).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "bench/shell/ProgramRun.h"
#include "receiver/ReceiverMessages.h"
#include "shell/frame/CMainFrame.h"
#include "tests/shell/FrameProbe.h"
#include "tools/receiver-sim/sim/CReceiverSimulator.h"
#include "tools/receiver-sim/sim/SimSentences.h"

namespace {

class CCountingWindow final : public IMessageTarget {
public:
    CCountingWindow() : hwnd(RegisterMessageTarget(this)) {}
    ~CCountingWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM, LPARAM) override {
        if (message == WM_GPS_POSITION) ++fixes;
        return 0;
    }
    HWND hwnd;
    int fixes = 0;
};

// One epoch as the simulator writes it: position log, GGA, GSA, GSV groups, GST and ZDA.
std::string EpochBytes() {
    sim::Epoch e;
    e.point = {30.2416666667, 120.1716666667, 12.5, sim::FixKind::kFixed};
    e.diffAge = 2;
    e.gpsUsed = 8;
    for (int prn = 1; prn <= 9; ++prn) e.gps.push_back({prn, 10 + 7 * prn, 40 * prn, 40 + prn});
    for (int prn = 65; prn <= 70; ++prn) e.glonass.push_back({prn, 30, 20 * prn, 42});
    std::string bytes = sim::BestPosLog(e) + sim::GgaSentence(e) + sim::GsaSentence(e);
    for (const std::string& s : sim::GsvSentences(e, false)) bytes += s;
    for (const std::string& s : sim::GsvSentences(e, true)) bytes += s;
    return bytes + sim::GstSentence(e) + sim::ZdaSentence(e);
}

void BM_OneEpochToThePositionWindow(benchmark::State& state) {
    CMainFrame frame;
    JobSession& job = FrameProbe::Job(frame);
    CoordSysParams coord = job.NewJobCoordParams();
    coord.projection.szdCenter = 120.0;
    job.TakeLoaded(job.Settings(), coord);
    FrameProbe::ApplyCoordParams(frame);
    CCountingWindow listener;
    FrameProbe::Listeners(frame).ListenForPositions(listener.hwnd);
    const std::string bytes = EpochBytes();
    for (auto _ : state)
        for (size_t at = 0; at < bytes.size(); at += CSerialPort::kChunkSize) {
            const std::string chunk = bytes.substr(at, CSerialPort::kChunkSize);
            FrameProbe::OnReceiverBytes(frame, reinterpret_cast<const uint8_t*>(chunk.data()), chunk.size());
        }
    if (listener.fixes != 2 * static_cast<int>(state.iterations())) state.SkipWithError("fixes went missing");
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_OneEpochToThePositionWindow)->Unit(benchmark::kMicrosecond);

// Process start to the first screenshot of a painted screen (a fresh root: the first run's files too).
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Program p = Spawn("", true);
        WaitForFirstPaint(p);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        Stop(p);
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Process start to the first screenshot of a painted screen on a root an earlier run laid out,
// headless or in an X11 window (the input method opens after that screen).
void FirstPaint(benchmark::State& state, bool headless) {
    if (!headless && !std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY for the X11 window");
        return;
    }
    Program first = Spawn("", headless);
    WaitForFirstPaint(first);
    Stop(first, true);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Program p = Spawn("", headless, true);
        WaitForFirstPaint(p);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        Stop(p, true);
    }
    std::filesystem::remove_all(first.work);
}
void BM_FirstPaintHeadless(benchmark::State& state) {
    FirstPaint(state, true);
}
void BM_FirstPaintX11(benchmark::State& state) {
    FirstPaint(state, false);
}
BENCHMARK(BM_FirstPaintHeadless)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly();
BENCHMARK(BM_FirstPaintX11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// A minute of positions at 5 Hz from the simulator, then the program's resident memory.
void ResidentAfterAMinute(benchmark::State& state, bool headless) {
    if (!headless && !std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY for the X11 window");
        return;
    }
    for (auto _ : state) {
        sim::SimOptions options;
        options.script.rateHz = 5;
        sim::CReceiverSimulator simulator(options);
        if (!simulator.Open()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        Program p = Spawn(simulator.DevicePath(), headless);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < end) {
            simulator.ServiceInput();
            simulator.Advance(20);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        state.counters["rss_MiB"] = static_cast<double>(StatusKiB(p.pid, "VmRSS")) / 1024.0;
        state.counters["epochs"] = static_cast<double>(simulator.EpochsSent());
        Stop(p);
    }
}
void BM_ResidentAfterAMinuteHeadless(benchmark::State& state) {
    ResidentAfterAMinute(state, true);
}
void BM_ResidentAfterAMinuteX11(benchmark::State& state) {
    ResidentAfterAMinute(state, false);
}
BENCHMARK(BM_ResidentAfterAMinuteHeadless)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_ResidentAfterAMinuteX11)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
