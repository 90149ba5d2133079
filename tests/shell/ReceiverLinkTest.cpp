// The link's housekeeping alone: its port on the simulator's pseudo-terminal, no frame.
#include <gtest/gtest.h>

#include <memory>

#include "shell/frame/FrameConstants.h"
#include "shell/frame/JobSession.h"
#include "shell/link/ReceiverLink.h"
#include "tests/receiver/SimulatorLink.h"
#include "tests/shell/ReceiverLinkProbe.h"

namespace {
class ReceiverLinkTest : public ::testing::Test {
protected:
    static constexpr int kPort = 5;

    void SetUp() override {
        ASSERT_TRUE(simulator.Open());
        SetSerialDevicePath(kPort, simulator.DevicePath());
    }
    void TearDown() override { SetSerialDevicePath(kPort, ""); }
    // A link with fresh counters whose receiver is known (no version queries).
    std::unique_ptr<ReceiverLink> FreshLink() {
        auto link = std::make_unique<ReceiverLink>(job, owner);
        EXPECT_EQ(link->Port().OpenPort(kPort, 57600), TRUE);
        ReceiverLinkProbe::State(*link).ident.text[0] = L"QZ8120382345678";
        return link;
    }
    // What the link wrote since the last call.
    std::string Written() {
        simulator.ServiceInput();
        const std::string fresh = simulator.Received().substr(seen_);
        seen_ = simulator.Received().size();
        return fresh;
    }

    sim::CReceiverSimulator simulator;
    JobSession job{mainframe::kSoftwareVersion};
    CountingLinkOwner owner;

private:
    size_t seen_ = 0;
};
}  // namespace

// The talker goes once; the base log and, for a rover without a differential fix, the input format
// go on the thirty-first log.
TEST_F(ReceiverLinkTest, PositionLogsKeepTheBoardLogging) {
    const std::string talker = Stored("nmeatalker auto") + Stored("nmeatalker auto");
    const std::string baseLog = Stored("log,refstationa,ontime,10");
    const std::string format = Stored("interfacemode,com2,rtcmv3,novatel");
    struct Case {
        const char* name;
        int baseFlag;
        double diffAge;
        bool baseLogStopped;
        int logs;
        std::string written;
    } cases[] = {
        {"thirty logs", 0, 0.0, false, 30, talker},
        {"a rover without a fix", 0, 0.0, false, 31, talker + baseLog + format},
        {"a rover with a fix", 0, 5.0, false, 31, talker + baseLog},
        {"a base", 1, 0.0, false, 31, talker + baseLog},
        {"a board that logs its base", 0, 5.0, true, 31, talker},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ReceiverLink> link = FreshLink();
        ReceiverLinkProbe::SetBaseFlag(*link, c.baseFlag);
        ReceiverLinkProbe::State(*link).diffAge = c.diffAge;
        if (c.baseLogStopped) ReceiverLinkProbe::StopBaseLogRequests(*link);
        for (int i = 0; i < c.logs; ++i) ReceiverLinkProbe::KeepPositionLogBoard(*link, 3);
        EXPECT_EQ(Written(), c.written);
    }
}

// The application file is due every thirty-first GGA line until a base solution was seen.
TEST_F(ReceiverLinkTest, TheAppFileIsDueUntilABaseSolutionIsSeen) {
    ReceiverLink link{job, owner};
    std::vector<int> due;
    for (int line = 1; line <= 62; ++line)
        if (ReceiverLinkProbe::AppFileDue(link)) due.push_back(line);
    EXPECT_EQ(due, (std::vector<int>{31, 62}));
    ReceiverLinkProbe::NoteBaseSolution(link);
    for (int line = 0; line < 40; ++line) EXPECT_FALSE(ReceiverLinkProbe::AppFileDue(link));
}

// The network report goes out through the second port on the position after `interval` positions
// without one; an interval lowered below the positions already counted starts the count afresh.
TEST_F(ReceiverLinkTest, TheNetworkReportGoesOutOnceItsIntervalHasPassed) {
    struct Case {
        const char* name;
        int interval;
        int loweredTo;  // the interval from the sixth position on; -1 keeps it
        std::vector<int> reported;
    } cases[] = {
        {"every position", 0, -1, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"every second one", 1, -1, {2, 4, 6, 8}},
        {"not on the third, on the fourth, not on the fifth", 3, -1, {4, 8}},
        {"lowered from 8 to 2 after five positions", 8, 2, {9}},
    };
    sim::Epoch fix;
    fix.point = {30.2416666667, 120.1716666667, 12.5, sim::FixKind::kFixed};
    fix.gpsUsed = 8;
    for (int prn = 1; prn <= 8; ++prn) fix.gps.push_back({prn, 40, 90, 45});
    const std::string gga = sim::GgaSentence(fix);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The job as opened with the network link reporting at this interval.
        const auto reportEvery = [this](int interval) {
            GeneralSettingsBlock settings = job.Settings();
            settings.dataLink.nModuleType = kLinkNetwork;
            settings.dataLink.nGSMSendTimeInterval = interval;
            job.TakeLoaded(settings, job.CoordParams());
        };
        reportEvery(c.interval);
        std::unique_ptr<ReceiverLink> link = FreshLink();
        Written();
        std::vector<int> reported;
        for (int position = 1; position <= 9; ++position) {
            if (position == 6 && c.loweredTo >= 0) reportEvery(c.loweredTo);
            link->OnBytes(reinterpret_cast<const uint8_t*>(gga.data()), gga.size());
            if (Written().find("send com2 \"$GPGGA") != std::string::npos) reported.push_back(position);
        }
        EXPECT_EQ(reported, c.reported);
    }
}
