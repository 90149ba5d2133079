// The job's grid: the converter's plane with the job's shifts and height fit, both ways.
#include "geodesy/JobGrid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/CoordParamsApply.h"

TEST(JobGrid, ShiftsAndHeightFitApplyOnTheWayOutAndComeOffOnTheWayBack) {
    struct Case {
        double shiftN, shiftE, shiftH;
        int32_t fitMode;
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, 0},     // the plain plane
        {12.5, -7.25, 1.5, 0},  // shifts only
        {0.0, 0.0, 0.0, 1},     // height fit only
        {12.5, -7.25, 1.5, 1},  // both
    };
    for (const Case& c : cases) {
        CoordSysParams params;
        params.ellipsoid.szdDa = 6378137.0;
        params.ellipsoid.szdDf = 298.257223563;
        params.projection.szdCenter = 114.0;
        params.projection.szlTy = 500000;
        params.projection.szdTk = 1.0;
        params.adjust.szdAdjustX = c.shiftN;
        params.adjust.szdAdjustY = c.shiftE;
        params.adjust.szdAdjustH = c.shiftH;
        params.heightFit.nNiheMode = c.fitMode;
        params.heightFit.szdNiheA = {2.0, 1e-4, -2e-4, 0.0, 0.0, 0.0};
        params.heightFit.szdNiheX0 = 2490000.0;
        params.heightFit.szdNiheY0 = 510000.0;
        CCoordTransform converter;
        ApplyCoordParams(params, converter);

        double planeN = 0.0, planeE = 0.0, planeH = 0.0;
        converter.Wgs84ToLocalPlane(22.5, 114.1, 30.0, planeN, planeE, planeH);
        double n = 0.0, e = 0.0, h = 0.0;
        JobGridFromWgs84(converter, params, 22.5, 114.1, 30.0, n, e, h);
        double fit = 0.0;
        if (c.fitMode == 1) converter.ApplyHeightFit(n, e, fit);
        EXPECT_DOUBLE_EQ(n, planeN + c.shiftN) << c.shiftN << " " << c.fitMode;
        EXPECT_DOUBLE_EQ(e, planeE + c.shiftE) << c.shiftN << " " << c.fitMode;
        EXPECT_NEAR(h, planeH + c.shiftH - fit, 1e-9) << c.shiftN << " " << c.fitMode;
        if (c.fitMode == 1) {
            EXPECT_GT(std::fabs(fit), 1.0);
        }

        double lat = 0.0, lon = 0.0, height = 0.0;
        Wgs84FromJobGrid(converter, params, n, e, h, lat, lon, height);
        EXPECT_NEAR(lat, 22.5, 1e-9) << c.shiftN << " " << c.fitMode;
        EXPECT_NEAR(lon, 114.1, 1e-9) << c.shiftN << " " << c.fitMode;
        EXPECT_NEAR(height, 30.0, 1e-4) << c.shiftN << " " << c.fitMode;
    }
}
