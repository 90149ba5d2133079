// The watch with its parts and a few-line double of the frame: no window, no port.
#include <gtest/gtest.h>

#include <vector>

#include "shell/frame/FrameConstants.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/Supervision.h"
#include "shell/link/ReceiverLink.h"
#include "tests/shell/ReceiverLinkProbe.h"

namespace {
struct SupervisedDouble : ISupervisedFrame {
    std::vector<CString> told;
    std::vector<int> connectAttempts;  // the ticks at which a reopen was tried
    int tick = 0;
    bool connects = false;
    void ResetAndNotify(const CString& text) override { told.push_back(text); }
    void RestartBoard() override { ADD_FAILURE() << "the closed port was restarted"; }
    BOOL ConnectJobReceiver() override {
        connectAttempts.push_back(tick);
        return connects;
    }
    void PaintNow() override {}
};

class SupervisionAloneTest : public ::testing::Test {
protected:
    void Tick(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++frame.tick;
            watch.OnTick();
        }
    }

    JobSession job{mainframe::kSoftwareVersion};
    CountingLinkOwner owner;
    ReceiverLink link{job, owner};
    SupervisedDouble frame;
    Supervision watch{frame, link, job};
};
}  // namespace

// A silent receiver is told "无数据" after fifteen ticks, then every ten.
TEST_F(SupervisionAloneTest, TheSilentWatchCountsTicksOnItsLink) {
    std::vector<int> toldAt;
    for (int tick = 1; tick <= 36; ++tick) {
        Tick(1);
        if (!frame.told.empty()) toldAt.push_back(tick);
        frame.told.clear();
    }
    EXPECT_EQ(toldAt, (std::vector<int>{16, 26, 36}));
    EXPECT_EQ(link.SilentTicks(), Supervision::kSilentRestart);
}

// A lost receiver is told once; the watch rests while the reopen is tried after one tick, then
// every two, until the frame reconnects.
TEST_F(SupervisionAloneTest, ALostPortIsToldOnceAndReopenedWithBackOff) {
    watch.OnPortLost();
    watch.OnPortLost();
    EXPECT_EQ(frame.told, std::vector<CString>{Supervision::kPortLostText});
    Tick(30);
    EXPECT_EQ(frame.told.size(), 1u);
    std::vector<int> expected;
    for (int tick = 1; tick <= 30; tick += 2) expected.push_back(tick);
    EXPECT_EQ(frame.connectAttempts, expected);

    frame.connects = true;
    Tick(2);
    EXPECT_FALSE(watch.PortLost());
    frame.connectAttempts.clear();
    Tick(20);
    EXPECT_TRUE(frame.connectAttempts.empty());
}
