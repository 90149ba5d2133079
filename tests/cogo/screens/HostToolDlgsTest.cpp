// The two tools that use the job's parameters, on a host double: a plain scaling for the
// conversion, the Xian-80 ellipsoid on a 3-degree Gauss zone for the zone change.
#include "cogo/screens/CCoordConvertDlg.h"
#include "cogo/screens/CMapConvertDlg.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "tests/cogo/screens/CogoScreenTest.h"

namespace {
using namespace cogo;

class HostDouble : public ICogoHost {
public:
    SpacePoint GridFromWgs84(const GeoPosition& p) const override {
        return {p.latitude * 1000.0, p.longitude * 1000.0, p.height + 1.0};
    }
    GeoPosition Wgs84FromGrid(const SpacePoint& g) const override {
        return {g.x / 1000.0, g.y / 1000.0, g.h - 1.0};
    }
    EllipsoidParams JobEllipsoid() const override { return {L"西安80", 6378140.0, 298.257}; }
    ProjectionBlock JobProjection() const override {
        ProjectionBlock p;
        p.szdCenter = 117.0;
        p.szlTy = 500000;
        p.szdTk = 1.0;
        return p;
    }
};

class HostToolDlgsTest : public CogoScreenTest {
protected:
    HostDouble host;
};
}  // namespace

TEST_F(HostToolDlgsTest, CoordinateConversionBothWays) {
    ui.OnModal(coordconvert::IDD, [&](CDialog& d) {
        ui.SetText(d, coordconvert::kLatitude, L"30.3");
        ui.SetText(d, coordconvert::kLongitude, L"120.15");
        ui.SetText(d, coordconvert::kEllipsoidHeight, L"10");
        ui.Click(d, coordconvert::kToGrid);
        EXPECT_EQ(ui.GetText(d, kRowA + kNorth), L"30500.000");
        EXPECT_EQ(ui.GetText(d, kRowA + kEast), L"120250.000");
        EXPECT_EQ(ui.GetText(d, kRowA + kHeight), L"11.000");
        ASSERT_TRUE(ui.Screenshot(Shot("coord-convert")));
        ui.SetText(d, kRowA + kNorth, L"30750");
        ui.Click(d, coordconvert::kToWgs84);
        EXPECT_EQ(ui.GetText(d, coordconvert::kLatitude), L"30.45000000");
        EXPECT_EQ(ui.GetText(d, coordconvert::kLongitude), L"120.15000000");
        EXPECT_EQ(ui.GetText(d, coordconvert::kEllipsoidHeight), L"10.000");
        // A latitude beyond the pole converts nothing.
        ui.SetText(d, coordconvert::kLatitude, L"95");
        ui.ExpectMessageBox(L"纬度必须在±90°以内!");
        ui.Click(d, coordconvert::kToGrid);
        EXPECT_EQ(ui.GetText(d, kRowA + kNorth), L"30750");
        ui.Click(d, IDCANCEL);
    });
    CCoordConvertDlg(host, frame, nullptr).DoModal();
}

TEST_F(HostToolDlgsTest, ZoneChangeStartsFromTheJobsZoneAndMatchesTheProjection) {
    // The point projected directly on both meridians with the engine's own forward.
    CCoordTransform t;
    t.SetEllipsoid(6378140.0, 298.257);
    t.SetProjection(kProjGauss, 0, 500000, 117.0, 1.0, 0, 0);
    double x117 = 0, y117 = 0, x120 = 0, y120 = 0;
    t.GaussForward(31.25, 118.4, x117, y117);
    t.SetProjection(kProjGauss, 0, 40500000, 120.0, 1.0, 0, 0);
    t.GaussForward(31.25, 118.4, x120, y120);
    ui.OnModal(mapconvert::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, mapconvert::kFromMeridian), L"117.000000");
        EXPECT_EQ(ui.GetText(d, mapconvert::kToEasting), L"500000");
        Type(d, Row(kRowA, Format(L"%.4f", x117), Format(L"%.4f", y117)));
        ui.SetText(d, mapconvert::kToMeridian, L"120");
        ui.SetText(d, mapconvert::kToEasting, L"40500000");
        ui.Click(d, kCompute);
        const CString result = ui.GetText(d, kResult);
        ASSERT_EQ(result.Left(4), L"新X: ");
        EXPECT_NEAR(ToDouble(result.Mid(4)), x120, 0.0011);
        EXPECT_NEAR(ToDouble(result.Mid(result.Find(L"新Y: ") + 4)), y120, 0.0011);
        EXPECT_NE(result.Find(L"\nB: 31.15000000\nL: 118.24000000"), -1) << result.str().size();
        ASSERT_TRUE(ui.Screenshot(Shot("map-convert")));
        ui.Click(d, IDCANCEL);
    });
    CMapConvertDlg(host, frame, nullptr).DoModal();
}
