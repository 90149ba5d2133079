// The frame as the coordinate-system dialogs reach it: registered, loading both converters from the
// job's record, and re-arming an acknowledged parameter warning.
#include "tests/shell/FrameTestSupport.h"

TEST_F(FrameTest, ServesTheCoordinateSystemDialogs) {
    ASSERT_EQ(GeodesyFrame(), &frame);
    IGeodesyFrame& geodesy = frame;
    geodesy.JobCoordParams().projection.szdCenter = 117.5;
    geodesy.ApplyCoordParams();
    EXPECT_EQ(geodesy.PositionTransform().m_dCentralMeridian, 117.5);
    EXPECT_EQ(frame.Position().Second().m_dCentralMeridian, 117.5);
    EXPECT_EQ(&geodesy.SpareCoordParams(), &frame.Job().coord2);

    frame.Watch().paramAcknowledged = {true, true, true};
    geodesy.RearmWarning(ParamWarning::kSevenRotation);
    EXPECT_EQ(frame.Watch().paramAcknowledged, (std::array<bool, 3>{true, false, true}));
}
