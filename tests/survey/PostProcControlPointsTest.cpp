#include "survey/PostProcControlPoints.h"

#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
CoordSysParams JobParams() {
    CoordSysParams p;
    p.ellipsoid.szdDa = 6378137.0;
    p.ellipsoid.szdDf = 298.257223563;
    p.projection.szdCenter = 120.0;
    p.projection.szlTy = 500000;
    p.projection.szdTk = 1.0;
    p.four = {1, 1.0, 2.0, 0.0, 1.0};
    p.adjust = {0, 10.0, 20.0, 0.5};
    return p;
}
}  // namespace

TEST_F(DeviceRootTest, ControlPointsSetThePlaneAndHeightPartsOfTheWorkingCopy) {
    // Four height points with nPlaneNihe 1 fit a height plane: no height shift is left.
    WriteHostFile("h.cot",
                  "A,0,500000,30.0,0.0000000000,120.0000000000,31.0,0,0,N,Y,\r\n"
                  "B,1000,500000,30.0,0.0100000000,120.0000000000,31.2,0,0,N,Y,\r\n"
                  "C,0,501000,30.0,0.0000000000,120.0100000000,31.4,0,0,N,Y,\r\n"
                  "D,1000,501000,30.0,0.0100000000,120.0100000000,31.6,0,0,N,Y,\r\n");
    CoordSysParams working = JobParams();
    ASSERT_TRUE(ReadControlPoints(L"\\h.cot", working, 1, 0));
    EXPECT_EQ(working.heightFit.nNiheMode, 1);
    EXPECT_EQ(working.adjust.szdAdjustH, 0.0);
    EXPECT_EQ(working.four, JobParams().four);  // no point marked for the plane
    EXPECT_EQ(working.adjust.szdAdjustX, 0.0);

    working = JobParams();
    EXPECT_FALSE(ReadControlPoints(L"\\none.cot", working, 1, 0));
    EXPECT_EQ(working, JobParams());
}
