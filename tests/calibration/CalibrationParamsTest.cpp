// An accepted control-point result in the job's parameters: each plane and height mode sets its
// own values and resets the others, whatever the job held before.
#include <gtest/gtest.h>

#include "calibration/CalibrationParams.h"

TEST(ApplyControlPointSolution, EachModeSetsItsValuesAndResetsTheRest) {
    CoordSysParams before;
    before.four = {1, 9.0, 9.0, 0.5, 1.2};
    before.adjust = {2, 7.0, 7.0, 7.0};
    before.heightFit.nNiheMode = 1;
    before.heightFit.szdNiheA = {1, 2, 3, 4, 5, 6};
    before.heightFit.szdNiheX0 = 8.0;
    before.projection.szdCenter = 114.0;

    ControlPointSolution s;
    s.shiftN = 0.25;
    s.shiftE = -0.5;
    s.shiftH = 0.125;
    s.fourShiftN = 100.0;
    s.fourShiftE = 200.0;
    s.fourRotation = 1e-5;
    s.fourScale = 1.00002;
    s.heightFit = {0.1, 0.2, 0.3, 0.0, 0.0, 0.0};
    s.heightX0 = 3000.0;
    s.heightY0 = 4000.0;

    const struct {
        int plane;
        int height;
        FourParamBlock four;
        double adjustX;
        double adjustH;
        int fitMode;
        double a0;
    } cases[] = {
        {kPlaneNone, kHeightNone, {0, 0, 0, 0, 1.0}, 0.0, 0.0, 0, 0.0},
        {kPlaneShift, kHeightShift, {0, 0, 0, 0, 1.0}, 0.25, 0.125, 0, 0.0},
        {kPlaneFour, kHeightFit, {1, 100.0, 200.0, 1e-5, 1.00002}, 0.0, 0.0, 1, 0.1},
    };
    for (const auto& c : cases) {
        CoordSysParams params = before;
        s.planeMode = c.plane;
        s.heightMode = c.height;
        ApplyControlPointSolution(params, L"\\Jobs\\road\\site.cot", s);
        EXPECT_EQ(params.four, c.four) << c.plane;
        EXPECT_EQ(params.adjust.szdAdjustX, c.adjustX) << c.plane;
        EXPECT_EQ(params.adjust.szdAdjustY, c.plane == kPlaneShift ? -0.5 : 0.0) << c.plane;
        EXPECT_EQ(params.adjust.szdAdjustH, c.adjustH) << c.height;
        EXPECT_EQ(params.adjust.UseNum, 2);
        EXPECT_EQ(params.heightFit.nNiheMode, c.fitMode) << c.height;
        EXPECT_EQ(params.heightFit.szdNiheA[0], c.a0) << c.height;
        EXPECT_EQ(params.heightFit.szdNiheX0, c.height == kHeightFit ? 3000.0 : 0.0) << c.height;
        EXPECT_EQ(params.heightFit.szConF, L"\\Jobs\\road\\site.cot");
        EXPECT_EQ(params.projection, before.projection);
    }
}

TEST(KeepRememberedModes, APartWithoutUsablePairsKeepsTheRememberedKindWithTheJobsValues) {
    CoordSysParams job;
    job.four = {1, 9.0, 8.0, 0.5, 1.2};
    job.adjust = {0, 7.0, 6.0, 5.0};
    job.heightFit.szdNiheA = {1, 2, 3, 4, 5, 6};
    job.heightFit.szdNiheX0 = 4.0;
    ControlPointSolution solved;
    solved.planeMode = kPlaneShift;
    solved.shiftN = 0.25;
    solved.heightMode = kHeightShift;
    solved.shiftH = 0.5;
    const struct {
        ControlPointSolution solution;
        CalibrationMemory remembered;
        int plane;
        int height;
        double shiftN;
        double shiftH;
    } cases[] = {
        {ControlPointSolution{}, {kPlaneFour, kHeightFit, false}, kPlaneFour, kHeightFit, 7.0, 5.0},
        {ControlPointSolution{}, {kPlaneShift, kHeightShift, false}, kPlaneShift, kHeightShift, 7.0, 5.0},
        {ControlPointSolution{}, {}, kPlaneNone, kHeightNone, 7.0, 5.0},
        {solved, {kPlaneFour, kHeightFit, false}, kPlaneShift, kHeightShift, 0.25, 0.5},  // solved parts win
    };
    for (const auto& c : cases) {
        ControlPointSolution s = c.solution;
        KeepRememberedModes(s, c.remembered, job);
        EXPECT_EQ(std::make_pair(s.planeMode, s.heightMode), std::make_pair(c.plane, c.height));
        EXPECT_EQ(std::make_pair(s.shiftN, s.shiftH), std::make_pair(c.shiftN, c.shiftH));
        CoordSysParams applied = job;
        ApplyControlPointSolution(applied, L"x.cot", s);
        EXPECT_EQ(applied.four == job.four, c.plane == kPlaneFour);
        EXPECT_EQ(applied.heightFit.szdNiheA == job.heightFit.szdNiheA, c.height == kHeightFit);
    }
}
