// Single-point calibration computed by hand: the known base with one and two marks (with and
// without height fitting, with four parameters solved or already on), the unknown base with its
// derived base point, the three-parameter form checked through the position pipeline, and the
// known-base list that keeps the typed points.
#include <gtest/gtest.h>

#include <cmath>

#include "calibration/KnownBaseList.h"
#include "calibration/SinglePointCalibration.h"
#include "calibration/WizardValues.h"
#include "geodesy/CoordParamsApply.h"
#include "tests/calibration/CalibrationJob.h"
#include "tests/platform/files/DeviceRootFixture.h"

namespace {
using KnownBaseListTest = DeviceRootTest;

BaseCalibSlot Slot(double sx, double sy, double sh, double kx, double ky, double kh, double anh) {
    return BaseCalibSlot{sx, sy, sh, kx, ky, kh, anh};
}

CalibrationFix FixAt(double x, double y, double h) {
    CalibrationFix fix;
    fix.x = x;
    fix.y = y;
    fix.h = h;
    fix.solutionCode = 10;
    return fix;
}
}  // namespace

TEST(SinglePointCalibration, KnownBaseShiftsByHand) {
    CoordSysParams params = CalibrationJobParams();
    params.calib.slot[0] = Slot(1000.0, 2000.0, 50.0, 1010.0, 1995.0, 48.0, 1.5);
    const CCoordTransform converter = CalibrationJobConverter();

    // One slot: (1010 − 1000, 1995 − 2000) and 48 + 1.5 − 50.
    CalibrationResult r = Calibrate(params, {true, 1, false}, FixAt(9, 9, 9), converter);
    EXPECT_NEAR(r.params.adjust.szdAdjustX, 10.0, 1e-9);
    EXPECT_NEAR(r.params.adjust.szdAdjustY, -5.0, 1e-9);
    EXPECT_NEAR(r.params.adjust.szdAdjustH, -0.5, 1e-9);
    EXPECT_EQ(r.params.calib.slot[1], params.calib.slot[1]);  // one slot: the fix goes nowhere

    // Height fitting on with a constant anomaly of 0.2: the base's height is 49.8 on the surface.
    params.heightFit.nNiheMode = 1;
    params.heightFit.szdNiheA = {0.2, 0, 0, 0, 0, 0};
    r = Calibrate(params, {true, 1, false}, FixAt(9, 9, 9), converter);
    EXPECT_NEAR(r.params.adjust.szdAdjustH, -0.3, 1e-9);

    // Two slots, no four parameters yet: the rover mark 10 m north of the base is known 10 m east
    // of it, so the four parameters turn a quarter left about the base and the plane shift is 0;
    // each slot's height is corrected at its own mark: ((49.5 − 49.8) + (46.2 + 2 − (45.0 − 0.2))) / 2.
    params.calib.slot[1] = Slot(0, 0, 0, 1010.0, 2005.0, 46.2, 2.0);
    r = Calibrate(params, {true, 2, false}, FixAt(1010.0, 2000.0, 45.0), converter);
    EXPECT_EQ(r.params.four.nDifang, 1);
    EXPECT_NEAR(r.params.four.szdCa1, std::atan2(1.0, 0.0), 1e-12);
    EXPECT_NEAR(r.params.four.szdCk1, 1.0, 1e-12);
    EXPECT_NEAR(r.params.adjust.szdAdjustX, 0.0, 1e-6);
    EXPECT_NEAR(r.params.adjust.szdAdjustY, 0.0, 1e-6);
    EXPECT_NEAR(r.params.adjust.szdAdjustH, (-0.3 + 3.4) / 2, 1e-9);
    EXPECT_EQ(r.params.calib.slot[1].szdSx, 1010.0);

    // Four parameters already on (a pure shift of (1, 2)) stay, and the shifts are taken through them.
    params.four = {1, 1.0, 2.0, 0.0, 1.0};
    r = Calibrate(params, {true, 2, false}, FixAt(1010.0, 2000.0, 45.0), converter);
    EXPECT_EQ(r.params.four, params.four);
    EXPECT_NEAR(r.params.adjust.szdAdjustX, 9.0, 1e-9);
    EXPECT_NEAR(r.params.adjust.szdAdjustY, -7.0, 1e-9);

    // The same mark entered twice: no four parameters, the shifts alone.
    params.four = {0, 0, 0, 0, 1.0};
    r = Calibrate(params, {true, 2, false}, FixAt(1000.0, 2000.0, 45.0), converter);
    EXPECT_TRUE(r.fourParamsRefused);
    EXPECT_EQ(r.params.four.nDifang, 0);
}

TEST(SinglePointCalibration, UnknownBaseDerivesTheBasePointWithTheFitAtTheBase) {
    CoordSysParams params = CalibrationJobParams();
    params.calib.slot[0] = Slot(5000.0, 6000.0, 30.0, 0, 0, 0, 0);
    params.calib.slot[1] = Slot(0, 0, 0, 5110.0, 6090.0, 31.0, 1.8);
    const CCoordTransform converter = CalibrationJobConverter();
    // The rover stands at (5100, 6100, 33): shift (10, −10), height 31 + 1.8 − 33 = −0.2; the base
    // becomes (5010, 5990) at 30 − 0.2.
    CalibrationResult r = Calibrate(params, {false, 2, false}, FixAt(5100.0, 6100.0, 33.0), converter);
    EXPECT_NEAR(r.params.adjust.szdAdjustX, 10.0, 1e-9);
    EXPECT_NEAR(r.params.adjust.szdAdjustH, -0.2, 1e-9);
    ASSERT_TRUE(r.derivedBase);
    EXPECT_EQ(*r.derivedBase, (KnownBaseRow{L"0", L"5010.000", L"5990.000", L"29.800", L"1.200"}));
    EXPECT_EQ(r.params.calib.slot[0].szdKAnh, 1.2);

    // A height plane rising 1 mm per metre northwards about (5000, 6000): the rover's height is
    // taken 0.11 lower at its mark, the base's 0.01 higher at the derived base (not at the rover).
    params.heightFit.nNiheMode = 1;
    params.heightFit.szdNiheA = {0, 0.001, 0, 0, 0, 0};
    params.heightFit.szdNiheX0 = 5000.0;
    params.heightFit.szdNiheY0 = 6000.0;
    r = Calibrate(params, {false, 2, false}, FixAt(5100.0, 6100.0, 33.0), converter);
    EXPECT_NEAR(r.params.adjust.szdAdjustH, -0.2 + 0.11, 1e-9);
    EXPECT_NEAR(r.params.calib.slot[0].szdKh, 30.0 - 0.09 - 0.01, 1e-9);
}

TEST(SinglePointCalibration, ThreeParametersPutTheBaseOnItsKnownPointThroughTheDatumShift) {
    CoordSysParams params = CalibrationJobParams();
    const CCoordTransform converter = CalibrationJobConverter();
    params.base.szdBaseLat = 23.0759123400;
    params.base.szdBaseLon = 113.2;
    params.base.szdBaseHgt = 42.0;
    params.calib.slot[0] = Slot(0, 0, 0, 2556123.4, 420345.6, 18.0, 1.6);
    params.four = {1, 3.0, 4.0, 0.0, 1.0};
    params.adjust = {0, 1.0, 1.0, 1.0};
    const CalibrationResult r = Calibrate(params, {true, 1, true}, FixAt(0, 0, 0), converter);
    EXPECT_EQ(r.params.seven.nSevenPar, 1);
    EXPECT_EQ(r.params.seven.szdWx, 0.0);
    EXPECT_EQ(r.params.four, params.four);
    EXPECT_EQ(r.params.adjust.szdAdjustH, 0.0);
    // The base's WGS-84 position through the solved datum shift and the projection (four
    // parameters off) lands on its known point, the height on mark plus antenna.
    CoordSysParams check = r.params;
    check.four.nDifang = 0;
    CCoordTransform pipeline;
    ApplyCoordParams(check, pipeline);
    const double b = pipeline.ConvertDmsAngle(23.0759123400, 1) * 57.29577951308402;
    const double l = pipeline.ConvertDmsAngle(113.2, 1) * 57.29577951308402;
    double x = 0, y = 0, h = 0;
    pipeline.Wgs84ToLocalPlane(b, l, 42.0, x, y, h);
    EXPECT_NEAR(x, 2556123.4, 0.001);
    EXPECT_NEAR(y, 420345.6, 0.001);
    EXPECT_NEAR(h, 19.6, 0.001);
}

TEST(SinglePointCalibration, LogLineCarriesThePackedPosition) {
    CalibrationFix fix = FixAt(0, 0, 0);
    fix.latDeg = 23.5;
    fix.lonDeg = 113.25;
    fix.height = 12.3456;
    EXPECT_EQ(AdjustLogLine(fix, CalibrationJobConverter()),
              L"adjust,23.3000000000,113.1500000000,12.346,00000000");
}

TEST_F(KnownBaseListTest, NewJobListIsCreatedEmptyAndRowsGoBackWithFiveFields) {
    CKnownBaseList list;
    list.SetPath(L"\\Jobs\\knowdata.xyh");
    WriteHostFile("Jobs/.keep", "");
    ASSERT_TRUE(list.Load());
    EXPECT_EQ(ReadHostFile("Jobs/knowdata.xyh"), "");
    EXPECT_EQ(list.GetCount(), 0);
    list.SetRow(0, {L"0", L"1", L"2", L"3", L"4"});
    EXPECT_EQ(list.GetCount(), 0);

    WriteHostFile("Jobs/knowdata.xyh", "0,1,2,3,1.5,extra,\r\n\r\n1,4,5\r\n2,7,8,9,1,");
    ASSERT_TRUE(list.Load());
    ASSERT_EQ(list.GetCount(), 3);
    KnownBaseRow row;
    row.label = L"kept";
    EXPECT_FALSE(list.GetRow(3, row));
    EXPECT_EQ(row.label, L"kept");
    list.PutRow(1, {L"1", L"40", L"50", L"60", L"1.2"});
    list.PutRow(3, {L"3", L"", L"", L"", L""});
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(ReadHostFile("Jobs/knowdata.xyh"),
              "0,1,2,3,1.5,\r\n1,40,50,60,1.2,\r\n2,7,8,9,1,\r\n3,,,,,\r\n");
}

TEST(BaseIdFromSerial, EachDifferentialFormatTakesItsPartOfTheSerial) {
    const struct {
        const wchar_t* serial;
        int format;
        const wchar_t* id;
    } cases[] = {{L"QZ0011234", 0, L"1234"}, {L"QZ0011234", 1, L"234"}, {L"QZ0011234", 2, L"18"},
                 {L"QZ0011234", 3, L"234"},  {L"QZ0011234", 4, L""},    {L"QZ-033", 2, L"-1"}};
    for (const auto& c : cases) EXPECT_EQ(BaseIdFromSerial(c.serial, c.format), c.id) << c.serial << c.format;
}
