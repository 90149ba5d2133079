#include <gtest/gtest.h>

#include "stakeout/PointGuidance.h"
#include "stakeout/StakeReadouts.h"

namespace {

PointRecord Target(double x, double y, double h) {
    return {L"T1", x, y, h, L"", 0};
}

TEST(PointGuidance, OffsetsWordsAndAzimuth) {
    struct Case {
        double px, py;
        const wchar_t* dx;
        const wchar_t* dy;
        const wchar_t* azimuth;
        const wchar_t* distance;
    };
    // Target at (100, 200); the word names where the target lies from the position.
    const Case cases[] = {
        {100, 200, L"北0.000", L"东0.000", L"0°00′00″", L"0.000"},
        {103, 204, L"南3.000", L"西4.000", L"233°07′48″", L"5.000"},
        {97, 196, L"北3.000", L"东4.000", L"53°07′48″", L"5.000"},
        {100, 210, L"北0.000", L"西10.000", L"270°00′00″", L"10.000"},  // due west: atan2 < 0, +360
        // Just west of north: 359.99999... carries into the minutes and degrees, which is north.
        {90, 200.000000001, L"北10.000", L"西0.000", L"0°00′00″", L"10.000"},
        {90, 200.0001, L"北10.000", L"西0.000", L"359°59′57″", L"10.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        const PointRecord t = Target(100, 200, 50);
        const PointGuidance g = ComputePointGuidance(c.px, c.py, 48.5, t, 0, 0.0);
        EXPECT_GE(g.azimuth, 0.0);
        EXPECT_LT(g.azimuth, 360.0);
        CGpsState fix;
        fix.solutionText = L"FIXED";
        const PointReadouts r = FormatPointReadouts(&t, &g, fix);
        EXPECT_EQ(r.dx, c.dx);
        EXPECT_EQ(r.dy, c.dy);
        EXPECT_EQ(r.azimuth, c.azimuth);
        EXPECT_EQ(r.distance, c.distance);
        EXPECT_EQ(r.dh, L"1.500");
    }
}

TEST(PointGuidance, HeightDifferenceLessTheRoverAntennaWhenUsed) {
    const PointRecord t = Target(0, 0, 50);
    EXPECT_DOUBLE_EQ(ComputePointGuidance(1, 1, 52.0, t, 0, 1.8).dH, -2.0);
    EXPECT_NEAR(ComputePointGuidance(1, 1, 52.0, t, 1, 1.8).dH, -0.2, 1e-12);
}

TEST(PointGuidance, AzimuthJustWestOfNorthIsNeverThreeSixty) {
    // atan2 of -1e-20 plus 360 rounds to 360 itself.
    EXPECT_EQ(ComputePointGuidance(-1, 1e-20, 0, Target(0, 0, 0), 0, 0).azimuth, 0.0);
}

TEST(PointGuidance, ReadoutsWithoutTargetOrPosition) {
    CGpsState fix;
    fix.solutionText = L"FLOAT";
    fix.gpsUsedCount = 8;
    fix.gloUsedCount = 5;
    fix.rmsH = 0.0125;
    const PointReadouts none = FormatPointReadouts(nullptr, nullptr, fix);
    EXPECT_EQ(none.name, L"请选择放样点");
    EXPECT_TRUE(none.dx.IsEmpty() && none.azimuth.IsEmpty() && none.distance.IsEmpty());
    EXPECT_EQ(none.satellites, L"8+5");
    EXPECT_EQ(none.rmsH, L"0.013");
    fix.gloUsedCount = 12;
    EXPECT_EQ(SatelliteText(fix), L"8");
    const PointReadouts lost = EmptyPointReadouts(fix);
    EXPECT_EQ(lost.solution, L"FLOAT");
    EXPECT_TRUE(lost.name.IsEmpty() && lost.satellites.IsEmpty() && lost.rmsH.IsEmpty());
}

TEST(PointGuidance, SatellitesShowGlonassOnlyFromOneToEleven) {
    struct Case {
        int32_t glonass;
        const wchar_t* text;
    };
    for (const Case& c : {Case{0, L"8"}, Case{1, L"8+1"}, Case{11, L"8+11"}, Case{12, L"8"}}) {
        CGpsState fix;
        fix.gpsUsedCount = 8;
        fix.gloUsedCount = c.glonass;
        EXPECT_EQ(SatelliteText(fix), c.text) << c.glonass;
    }
}

// The solution turns red only with the limit switch on, a fixed solution and a value over its limit;
// a value on its limit is within it.
TEST(PointGuidance, SolutionOverLimitsAtEachLimit) {
    struct Case {
        const char* name;
        int32_t limitOn, code;
        double pdop, rmsH, rmsV;
        bool over;
    };
    const Case cases[] = {
        {"all on their limits", 1, kSolFixed, 3.0, 0.05, 0.10, false},
        {"PDOP just over", 1, kSolFixed, 3.001, 0.05, 0.10, true},
        {"RMSH just over", 1, kSolFixed, 3.0, 0.0501, 0.10, true},
        {"RMSV just over", 1, kSolFixed, 3.0, 0.05, 0.1001, true},
        {"switch off", 0, kSolFixed, 9.0, 1.0, 1.0, false},
        {"float solution", 1, kSolFloat, 9.0, 1.0, 1.0, false},
    };
    GeneralSettingsBlock settings;
    settings.connection.dPDOPLimit = 3.0;
    settings.connection.dRmshLimit = 0.05;
    settings.connection.dRmsvLimit = 0.10;
    for (const Case& c : cases) {
        settings.connection.nPDOPLimit = c.limitOn;
        CGpsState fix;
        fix.solutionCode = c.code;
        fix.pdop = c.pdop;
        fix.rmsH = c.rmsH;
        fix.rmsV = c.rmsV;
        EXPECT_EQ(SolutionOverLimits(fix, settings), c.over) << c.name;
    }
}

TEST(PointGuidance, FixWithoutPosition) {
    struct Case {
        int32_t flag, code;
        bool position;
    };
    for (const Case& c : {Case{0, kSolFixed, false}, Case{1, kSolNfix, false}, Case{1, kSolNone, false},
                          Case{1, kSolSingle, true}, Case{1, kSolFixed, true}}) {
        CGpsState fix;
        fix.fixFlag = c.flag;
        fix.solutionCode = c.code;
        EXPECT_EQ(FixHasPosition(fix), c.position) << c.flag << " " << c.code;
    }
}

TEST(PointGuidance, OneBeepOnEnteringRearmedOnLeavingAndOnRequest) {
    EntryBeepLatch latch;
    struct Step {
        bool inside;
        int32_t sound;
        bool beep;
    };
    const Step steps[] = {{false, 1, false}, {true, 1, true},   {true, 1, false}, {false, 1, false},
                          {true, 1, true},   {false, 0, false}, {true, 1, false}};
    for (const Step& s : steps) EXPECT_EQ(latch.Update(s.inside, s.sound), s.beep);
    latch.Rearm();
    EXPECT_TRUE(latch.Update(true, 1));
}

}  // namespace
