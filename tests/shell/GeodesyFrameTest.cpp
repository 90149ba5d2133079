// The frame as the coordinate-system dialogs reach it: a changed record loads both converters, moves
// the base station when asked and is written; an acknowledged parameter warning is re-armed.
#include "shell/hosts/GeodesyHostImpl.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/FrameTestSupport.h"

TEST_F(FrameTest, ServesTheCoordinateSystemDialogs) {
    GeodesyHostImpl host(FrameProbe::Job(frame), FrameProbe::Watch(frame));
    EXPECT_EQ(&host.SpareCoordParams(), &FrameProbe::Job(frame).SpareCoordParams());
    CoordSysParams changed = host.CoordParams();
    changed.projection.szdCenter = 117.5;
    changed.base.szdBaseX = changed.base.szdBaseY = 0.0;
    EXPECT_TRUE(host.SaveCoordParams(changed, BaseStation::kKept));
    EXPECT_EQ(FrameProbe::Position(frame).First().m_dCentralMeridian, 117.5);
    EXPECT_EQ(FrameProbe::Position(frame).Second().m_dCentralMeridian, 117.5);
    EXPECT_EQ(host.CoordParams().base.szdBaseX, 0.0);
    EXPECT_NE(ReadHostFile("job/j.qza").find("117.5"), std::string::npos);

    FrameProbe::AcknowledgeParamWarnings(frame);
    host.RearmWarning(ParamWarning::kSevenRotation);
    EXPECT_EQ(FrameProbe::ParamAcknowledged(frame), (std::array<bool, 3>{true, false, true}));
}
