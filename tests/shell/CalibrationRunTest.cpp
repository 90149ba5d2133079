// A whole site calibration against the receiver simulator. Its walk stands fixed on four marks;
// each is added in 求转换参数 from the current position with known coordinates made offline: the
// marks' raw grid positions (projected here on the job's ellipsoid) through known four parameters,
// the heights 0.3 m lower. The solve must give those parameters back. Then the base, whose known
// coordinates carry an offset of (0.05, −0.03, 0.02) m, is calibrated in the wizard: the shifts
// equal the offset and a fifth mark converts within 1 mm of its reference.
#include <cmath>

#include "calibration/ControlPointFile.h"
#include "foundation/CIniFile.h"
#include "geodesy/CoordParamsApply.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "resources/CalibWizardDlgs.h"
#include "resources/ControlPointDlgs.h"
#include "resources/ControlPointEntryDlgs.h"
#include "resources/FileDialogs.h"
#include "resources/MainMenu.h"
#include "shell/commands/MainMenuCommands.h"
#include "tests/shell/FrameProbe.h"
#include "tests/shell/SimWalkSupport.h"

namespace {
constexpr double kOrigin[3] = {30.2416666667, 120.1716666667, 12.5};
// The marks (latitude, longitude, ellipsoidal height), the base, and a fifth mark to check.
constexpr double kMarks[5][3] = {{30.2400, 120.1690, 14.0},
                                 {30.2440, 120.1700, 15.5},
                                 {30.2430, 120.1750, 13.0},
                                 {30.2395, 120.1745, 16.0},
                                 {30.2418, 120.1722, 14.8}};
constexpr double kBase[3] = {30.2412, 120.1711, 20.0};
constexpr double kOffset[3] = {0.05, -0.03, 0.02};

class CalibrationRunTest : public SimWalkTest {
protected:
    void SetUp() override {
        SimWalkTest::SetUp();
        std::filesystem::create_directories(root_ / "job" / "data");
        std::filesystem::create_directories(root_ / "job" / "result");
        FrameProbe::Job(frame).UseJobPaths(L"\\job\\j.qzs", L"j.xyh");
        truth_.SetFourParams(1, -1234.5, 678.25, 25.0 / 206264.80624709636, 1.0000123);
    }

    // A walk that stands 20 s on each place in turn, the first 5 s of each still moving there.
    void StartWalk() {
        std::string script = "origin " + std::to_string(kOrigin[0]) + " " + std::to_string(kOrigin[1]) + " " +
                             std::to_string(kOrigin[2]) + "\n";
        const auto place = [&](const double p[3]) {
            script += GotoLine(5, p[0], p[1], p[2]) + "leg 15 0 0 0 fixed\n";
        };
        for (const auto& mark : kMarks) place(mark);
        char station[120];
        std::snprintf(station, sizeof station, "station %.10f %.10f %.4f 0427\n", kBase[0], kBase[1],
                      kBase[2]);
        SimWalkTest::StartWalk(script + station);
    }
    // Walks to place `index` and stands there for a few epochs.
    void StandOn(int index) { WalkTo((index * 20 + 10) * 1000); }
    void Raw(const double p[3], double& n, double& e) const { SimWalkTest::Raw(p[0], p[1], n, e); }
    // The known coordinates of a place: its raw position through the true four parameters.
    void Known(const double p[3], double& n, double& e, double& h) const {
        Raw(p, n, e);
        truth_.ApplyFourParams(n, e);
        h = p[2] - 0.3;
    }

    CCoordTransform truth_;
};
}  // namespace

TEST_F(CalibrationRunTest, ControlPointsThenTheKnownBaseWizard) {
    StartWalk();
    ui_.OnModal(ctrlpoint::IDD, [&](CDialog& d) {
        for (int i = 0; i < 4; ++i) {
            StandOn(i);
            double n = 0, e = 0, h = 0;
            Known(kMarks[i], n, e, h);
            ui_.OnModal(knownpoint::IDD, [&](CDialog& k) {
                ui_.SetText(k, knownpoint::kName, Format(L"M%d", i + 1));
                ui_.SetText(k, knownpoint::kX, Format(L"%.4f", n));
                ui_.SetText(k, knownpoint::kY, Format(L"%.4f", e));
                ui_.SetText(k, knownpoint::kH, Format(L"%.4f", h));
                ui_.Click(k, IDOK);
            });
            ui_.OnModal(rawsource::IDD, [&](CDialog& s) { ui_.Click(s, rawsource::kCurrent); });
            ui_.OnModal(rawpoint::IDD, [&](CDialog& r) { ui_.Click(r, IDOK); });
            ui_.Click(d, ctrlpoint::kAdd);
        }
        ui_.ExpectMessageBox(L"当前数据进行了修改,请先保存数据");
        ui_.OnModal(savefile::IDD, [&](CDialog& s) {
            ui_.SetText(s, savefile::kName, L"site");
            ui_.Click(s, IDOK);
        });
        ui_.ExpectMessageBox(L"保存成功");
        ui_.Click(d, IDOK);
        ui_.Click(d, IDOK);
    });
    ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kSolveParams));

    // Residuals, the file and the job's parameters.
    const CoordSysParams& coord = FrameProbe::Job(frame).CoordParams();
    EXPECT_EQ(coord.heightFit.szConF,
              L"\\Program Files\\site.cot");  // the save dialog's tree opens at the top
    std::vector<ControlPointRow> rows;
    ASSERT_TRUE(ReadControlPointFile(coord.heightFit.szConF, offline_, 0, rows));
    ASSERT_EQ(rows.size(), 4u);
    for (const ControlPointRow& row : rows) {
        EXPECT_LE(std::fabs(ToDouble(row.horizontal)), 0.001) << row.name;
        EXPECT_LE(std::fabs(ToDouble(row.vertical)), 0.001) << row.name;
    }
    EXPECT_EQ(coord.four.nDifang, 1);
    // Raw positions kept to the millimetre over marks some 500 m apart: 2e-6 in scale and rotation.
    EXPECT_NEAR(coord.four.szdCk1, 1.0000123, 2e-6);
    EXPECT_NEAR(coord.four.szdCa1, 25.0 / 206264.80624709636, 2e-6);
    EXPECT_NE(ReadHostFile("job/j.qza").find("nDifang=1"), std::string::npos);

    // The base: its known coordinates carry the offset; the wizard stores them and calibrates.
    StandOn(4);
    ASSERT_TRUE(FrameProbe::Watch(frame).BaseHeardFixed());
    double bn = 0, be = 0, bh = 0;
    Known(kBase, bn, be, bh);
    ui_.OnModal(calibmode::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
    ui_.ExpectMessageBox(kAntennaTableUnread);
    ui_.OnModal(wizpage::IDD_KNOWN1, [&](CDialog& d) {
        ui_.SetText(d, wizpage::kX, Format(L"%.4f", bn + kOffset[0]));
        ui_.SetText(d, wizpage::kY, Format(L"%.4f", be + kOffset[1]));
        ui_.SetText(d, wizpage::kH, Format(L"%.4f", bh + kOffset[2]));
        ui_.SetText(d, wizpage::kAntenna, L"0");
        ui_.Click(d, wizpage::kVertical);
        ui_.Click(d, wizpage::kCalibrateKnown1);
    });
    ui_.OnModal(calibprompt::IDD, [&](CDialog& d) { ui_.Click(d, IDOK); });
    ASSERT_TRUE(FrameProbe::RunMenuCommand(frame, mainmenu::kCalibrationWizard));
    EXPECT_NEAR(coord.adjust.szdAdjustX, kOffset[0], 0.001);
    EXPECT_NEAR(coord.adjust.szdAdjustY, kOffset[1], 0.001);
    EXPECT_NEAR(coord.adjust.szdAdjustH, kOffset[2], 0.001);

    // The fifth mark converts onto its reference plus the offset.
    WalkTo(simulator_->NowMs() + 1000);
    const CGpsState& fix = FrameProbe::Receiver(frame).State();
    double n = 0, e = 0, h = 0;
    Known(kMarks[4], n, e, h);
    EXPECT_NEAR(fix.gridX, n + kOffset[0], 0.001);
    EXPECT_NEAR(fix.gridY, e + kOffset[1], 0.001);
    EXPECT_NEAR(fix.gridH, h + kOffset[2], 0.001);
}
