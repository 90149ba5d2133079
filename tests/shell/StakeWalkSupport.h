#pragma once
// The stake-out screens opened from the frame against the simulator's walk: the job "j" with the
// frame's store path, precision limits the walk keeps (a store asks nothing), design points on whole
// metres near the walk's origin, and a library's first row chosen with OK.
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/ui/ListCtrl.h"
#include "tests/shell/JobChanges.h"
#include "tests/shell/JobStoreSupport.h"
#include "tests/shell/SimWalkSupport.h"

template <class... Args>
std::string Text(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

class StakeWalkTest : public SimWalkTest {
protected:
    static constexpr double kOrigin[3] = {30.2416666667, 120.1716666667, 12.5};

    void SetUp() override {
        SimWalkTest::SetUp();
        job_.Install(root_);
        ChangeSettings(FrameProbe::Job(frame), [](GeneralSettingsBlock& s) {
            s.connection.dRmshLimit = 0.05;
            s.connection.dRmsvLimit = 0.05;
        });
        frame.ShowWindow(SW_SHOW);
        ui_.Pump();
        Raw(kOrigin[0], kOrigin[1], n0_, e0_);
        n0_ = std::round(n0_);
        e0_ = std::round(e0_);
    }
    void TearDown() override {
        job_.Close();
        SimWalkTest::TearDown();
    }
    // The walk's first line: it starts at the origin.
    static std::string Origin() {
        return Text("origin %.10f %.10f %.4f\n", kOrigin[0], kOrigin[1], kOrigin[2]);
    }
    // The first row of the screen's library, chosen with OK.
    void ChooseFirstRow(CDialog& screen, UINT libraryIdd, UINT list, UINT libraryButton) {
        ui_.OnModal(libraryIdd, [&, list](CDialog& lib) {
            auto& rows = *dynamic_cast<CListCtrl*>(lib.GetDlgItem(static_cast<int>(list)));
            rows.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ui_.Click(lib, IDOK);
        });
        ui_.Click(screen, static_cast<int>(libraryButton));
    }

    FrameJobStore job_{frame};
    double n0_ = 0, e0_ = 0;  // the origin's grid, to the whole metre
};
