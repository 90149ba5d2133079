// The consumers the frame builds share its parts: the stake-out host and the job commands store
// through the one store path (nothing before start-up puts the point store in, nothing once it is
// taken out), and a stored target point joins the one surveyed list.
#include "resources/MainMenu.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"
#include "tests/shell/ShellStoreDouble.h"

namespace {

CGpsState Fix() {
    CGpsState fix;
    fix.fixFlag = 4;
    fix.gridX = 3325.5;
    fix.gridY = 512.25;
    fix.gridH = 12.5;
    fix.solutionText = L"FIXED";
    return fix;
}

TEST_F(FrameTest, EveryStoreGoesThroughTheOneStorePath) {
    const CGpsState fix = Fix();
    ReceiverLinkProbe::State(FrameProbe::Receiver(frame)) = fix;
    ReceiverLinkProbe::SetHasData(FrameProbe::Receiver(frame), 1);
    RecordingStore store;
    struct Step {
        IPointStorePath* path;
        int storedAfter;
        size_t surveyedAfter;
    };
    // No store yet, the recording store, and none again.
    for (const Step& step : {Step{nullptr, 0, 0}, Step{&store, 2, 1}, Step{nullptr, 2, 1}}) {
        FrameProbe::SetStorePath(frame, step.path);
        FrameProbe::Hosts(frame).Stakeout().StorePoint(fix, StoreRequest{});
        ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kTargetPointSurvey));
        EXPECT_EQ(static_cast<int>(store.stored.size()), step.storedAfter);
        EXPECT_EQ(FrameProbe::Records(frame).surveyed.size(), step.surveyedAfter);
    }
    ASSERT_EQ(store.stored.size(), 2u);
    EXPECT_EQ(store.stored[0].gridX, fix.gridX);
    EXPECT_EQ(store.stored[1].fixFlag, 1);  // the target point is stored as a single fix
}

}  // namespace
