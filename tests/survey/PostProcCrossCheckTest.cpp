// Post-processing a raw file written with the store's own line builders gives back the point
// file's coordinates: the packed latitude and longitude keep enough digits, and a smoothed point is
// the mean of its epochs' grid positions.
#include <gtest/gtest.h>

#include "foundation/StoredPointLines.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "survey/PointFileRows.h"
#include "survey/PostProcessing.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
CoordSysParams Params() {
    CoordSysParams p;
    p.ellipsoid.szdDa = 6378140.0;
    p.ellipsoid.szdDf = 298.257;
    p.projection.szdCenter = 120.0;
    p.projection.szlTy = 500000;
    p.projection.szdTk = 1.0;
    p.four = {1, -35.2, 61.7, 0.00012, 1.000015};
    p.heightFit.nNiheMode = 1;
    p.heightFit.szdNiheA = {0.8, 0.0002, -0.0001, 0.0, 0.0, 0.0};
    p.heightFit.szdNiheX0 = 3350000.0;
    p.heightFit.szdNiheY0 = 516000.0;
    p.adjust = {0, 0.125, -0.25, 0.05};
    return p;
}

// The fix as the live conversion leaves it.
CGpsState Fix(const CCoordTransform& t, double lat, double lon, double h) {
    CCoordTransform live = t;
    CGpsState fix;
    fix.latitude = lat;
    fix.longitude = lon;
    fix.height = h;
    live.Wgs84ToLocalPlane(lat, lon, h, fix.gridX, fix.gridY, fix.gridH);
    const CoordSysParams p = Params();
    fix.gridX += p.adjust.szdAdjustX;
    fix.gridY += p.adjust.szdAdjustY;
    fix.gridH += p.adjust.szdAdjustH;
    double anomaly = 0.0;
    live.ApplyHeightFit(fix.gridX, fix.gridY, anomaly);
    fix.gridH -= anomaly;
    fix.solutionCode = 10;
    return fix;
}
}  // namespace

TEST_F(DeviceRootTest, PostProcessingGivesBackThePointsTheStoreWrote) {
    CCoordTransform t;
    ApplyParamsTo(t, Params());
    SurveyPointRec point;
    point.antennaHeight = 1.8;
    std::string raw, points;
    // A plain store, then a smoothing store of three epochs.
    point.name = L"桩1";
    CGpsState plain = Fix(t, 30.2416666667, 120.1716666667, 12.5);
    raw += ToGbk(*RawRecordLine(point, plain, t.ConvertDmsAngle(plain.latitude * kDegToRad, 0),
                                t.ConvertDmsAngle(plain.longitude * kDegToRad, 0), {}));
    TakeFix(point, plain);
    points += ToGbk(*PointFileLine(point));
    point.name = L"平1";
    CGpsState mean;
    for (int i = 1; i <= 3; ++i) {
        const CGpsState epoch = Fix(t, 30.2416 + i * 1e-6, 120.1716 - i * 2e-6, 12.0 + i * 0.01);
        RawStoreTail tail;
        tail.mode = 2;
        tail.smoothTarget = 3;
        tail.smoothAchieved = 3;
        tail.epochIndex = i;
        raw += ToGbk(*RawRecordLine(point, epoch, t.ConvertDmsAngle(epoch.latitude * kDegToRad, 0),
                                    t.ConvertDmsAngle(epoch.longitude * kDegToRad, 0), tail));
        mean.gridX += epoch.gridX / 3;
        mean.gridY += epoch.gridY / 3;
        mean.gridH += epoch.gridH / 3;
    }
    TakeFix(point, mean);
    points += ToGbk(*PointFileLine(point));
    WriteHostFile("job.blh", raw);
    WriteHostFile("job.xyh", points);

    ASSERT_EQ(WritePostProcResult(L"\\job.blh", L"\\out.xyh", Params(), false, {}).lines, 2);
    PointFileRows stored, recomputed;
    ASSERT_EQ(stored.Open(L"\\job.xyh"), PointFileRows::Read::kRead);
    ASSERT_EQ(recomputed.Open(L"\\out.xyh"), PointFileRows::Read::kRead);
    ASSERT_EQ(recomputed.Count(), 2);
    for (int row = 0; row < 2; ++row) {
        const SurveyPointRec a = stored.Record(row), b = recomputed.Record(row);
        EXPECT_EQ(a.name, b.name);
        EXPECT_NEAR(a.pointX, b.pointX, 0.001) << row;
        EXPECT_NEAR(a.pointY, b.pointY, 0.001) << row;
        EXPECT_NEAR(a.pointH, b.pointH, 0.001) << row;
    }
    EXPECT_EQ(recomputed.Record(0).int14, 3);
}
