#pragma once
// A main frame made without start-up, on the default job's parameters, with a window that records
// every position message it hears; and the receiver's lines as the simulator writes them.
#include <string>
#include <vector>

#include "platform/messages/Messages.h"
#include "receiver/ReceiverMessages.h"
#include "shell/frame/CMainFrame.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/ReceiverLinkProbe.h"
#include "tests/shell/ShellTestSupport.h"
#include "tools/receiver-sim/sim/SimSentences.h"

struct HeardFix {
    UINT message;
    LPARAM kind;
    int fixFlag;
    double gridX;
    CString solution;
};

class CListenerWindow final : public IMessageTarget {
public:
    CListenerWindow() : hwnd(RegisterMessageTarget(this)) {}
    ~CListenerWindow() override { UnregisterMessageTarget(hwnd); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const auto& state = *reinterpret_cast<const CGpsState*>(wParam);
        heard.push_back({message, lParam, state.fixFlag, state.gridX, state.solutionText});
        return 0;
    }
    // The kinds of the position messages (1912) heard, in order.
    std::vector<LPARAM> Kinds() const {
        std::vector<LPARAM> kinds;
        for (const HeardFix& h : heard)
            if (h.message == WM_GPS_POSITION) kinds.push_back(h.kind);
        return kinds;
    }
    HWND hwnd;
    std::vector<HeardFix> heard;
};

class FrameTest : public ShellTest {
public:
    static sim::Epoch Epoch(sim::FixKind fix = sim::FixKind::kFixed, int diffAge = 2) {
        sim::Epoch e;
        e.hour = 3;
        e.point = {30.2416666667, 120.1716666667, 12.5, fix};
        e.diffAge = diffAge;
        e.gpsUsed = 8;
        for (int prn = 1; prn <= 8; ++prn) e.gps.push_back({prn, 40, 90, 45});
        return e;
    }

protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(root_ / "Program Files");
        std::filesystem::create_directories(root_ / "job");
        // The job "j" in \job as opened from its files: a new job's parameters on meridian 120, board 0.
        JobSession& job = FrameProbe::Job(frame);
        job.UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        CoordSysParams coord = job.NewJobCoordParams();
        coord.projection.szdCenter = 120.0;
        job.TakeLoaded(job.Settings(), coord);
        ASSERT_EQ(job.SystemRecord().nGPSOEMType, 0);
        ASSERT_TRUE(frame.CreateFrame());
        FrameProbe::ApplyCoordParams(frame);
        FrameProbe::Listeners(frame).ListenForPositions(listener.hwnd);
    }
    void Feed(const std::string& bytes) {
        FrameProbe::OnReceiverBytes(frame, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }

    CMainFrame frame;
    CListenerWindow listener;
};
