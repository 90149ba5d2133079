// What the texts under the main map show of a fix: the satellite count, the height less the rover
// antenna, the solution line in red outside the job's precision limits, and the PDOP as clamped.
#include <gtest/gtest.h>

#include "shell/frame/CMainFrame.h"
#include "shell/view/ViewStatusTexts.h"

namespace {
CGpsState Fix(int glonass, double pdop, double rmsH, double rmsV, int solutionCode = kSolFixed) {
    CGpsState s;
    s.fixFlag = 1;
    s.gpsUsedCount = 8;
    s.gloUsedCount = glonass;
    s.gridH = 12.0;
    s.pdop = pdop;
    s.rmsH = rmsH;
    s.rmsV = rmsV;
    s.solutionCode = solutionCode;
    s.solutionText = L"固定解";
    return s;
}
}  // namespace

TEST(ViewStatusTexts, SatellitesHeightAndTheRedPrecisionRule) {
    GeneralSettingsBlock limits;
    limits.connection.nPDOPLimit = 1;
    limits.connection.dPDOPLimit = 3.0;
    limits.connection.dRmshLimit = 0.05;
    limits.connection.dRmsvLimit = 0.1;
    limits.szdRoverAntH = 1.5;
    GeneralSettingsBlock noLimits = limits;
    noLimits.connection.nPDOPLimit = 0;
    noLimits.nUseAntHgt = 1;
    struct Case {
        const char* name;
        CGpsState fix;
        const GeneralSettingsBlock& settings;
        const wchar_t* solutionLine;
        const wchar_t* h;
        bool red;
    } cases[] = {
        {"GPS only, within the limits", Fix(0, 2.0, 0.01, 0.02), limits, L"(8)固定解", L"12.000", false},
        {"one GLONASS, PDOP over", Fix(1, 3.5, 0.01, 0.02), limits, L"(8+1)固定解", L"12.000", true},
        {"twelve GLONASS, HRMS over", Fix(12, 2.0, 0.06, 0.02), limits, L"(8+12)固定解", L"12.000", true},
        {"thirteen GLONASS, VRMS over", Fix(13, 2.0, 0.01, 0.2), limits, L"(8)固定解", L"12.000", true},
        {"a float solution is never red", Fix(0, 9.0, 1.0, 1.0, kSolWideInt), limits, L"(8)固定解", L"12.000",
         false},
        {"limits off, antenna height used", Fix(0, 9.0, 1.0, 1.0), noLimits, L"(8)固定解", L"10.500", false},
    };
    for (const Case& c : cases) {
        const ViewStatusTexts texts = ViewStatusTexts::FromFix(c.fix, c.settings, L"P1");
        EXPECT_EQ(texts.SolutionLine(), c.solutionLine) << c.name;
        EXPECT_EQ(texts.h, c.h) << c.name;
        EXPECT_EQ(ViewStatusTexts::OverLimits(c.fix, c.settings), c.red) << c.name;
    }
}

TEST(ViewStatusTexts, APdopAbove100ShowsAs99Point9) {
    for (auto [pdop, shown] : {std::pair{150.0, L"99.900"}, std::pair{100.0, L"100.000"}}) {
        CGpsState fix = Fix(0, pdop, 0.0, 0.0);
        ReceiverLink::ClampQuality(fix);
        EXPECT_EQ(ViewStatusTexts::FromFix(fix, GeneralSettingsBlock{}, L"P1").pdop, shown) << pdop;
    }
}
