// 计算四参数 and 计算七参数 headless: the job's pair file listed (flagged lines only), a pair added
// through its entry with the refusals, the computation shown in the parameter editor, stored on
// its OK and left alone on its Cancel, degenerate points refused with the dialog kept open.
#include "calibration/screens/CalibrationCommands.h"
#include "calibration/screens/ParamComputeDlgs.h"
#include "resources/FourParamDlg.h"
#include "resources/SevenParamDlg.h"
#include "tests/calibration/screens/CalibrationHostDouble.h"

namespace {
using ParamComputeDlgsTest = CalibrationScreenTest;
constexpr const char* kFourFile = "Program Files/Jobs/road/CalFour.fou";

void TypeFourPair(CUiDriver& ui, CDialog& d, const wchar_t* name, const wchar_t* values[4]) {
    ui.SetText(d, fourpair::kName, name);
    const UINT ids[4] = {fourpair::kSourceN, fourpair::kSourceE, fourpair::kTargetN, fourpair::kTargetE};
    for (int i = 0; i < 4; ++i) ui.SetText(d, ids[i], values[i]);
}
}  // namespace

TEST_F(ParamComputeDlgsTest, FourParametersAreListedAddedComputedAndStoredOnlyWhenConfirmed) {
    WriteHostFile(kFourFile, "1,A,10,20,1000,500,\r\n0,old,1,1,1,1,\r\n");
    for (int answer : {IDCANCEL, IDOK}) {
        ui.OnModal(pairlist::IDD_FOUR, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, pairlist::kPath), L"\\Program Files\\Jobs\\road\\CalFour.fou");
            ui.OnModal(fourpair::IDD, [&](CDialog& p) {
                const wchar_t* values[4] = {L"40", L"60", L"1000", L"x600"};
                TypeFourPair(ui, p, L"B,", values);
                ui.ExpectMessageBox(L"点名和编码中不能有逗号,请重新输入!");
                ui.Click(p, IDOK);
                ui.SetText(p, fourpair::kName, L"B");
                ui.ExpectMessageBox(L"坐标和高程必须是数字,请重新输入!");
                ui.Click(p, IDOK);
                ui.SetText(p, fourpair::kTargetE, L"600");
                ui.Click(p, IDOK);
            });
            ui.Click(d, pairlist::kAdd);
            ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-four-params.png"));
            ui.OnModal(fourparam::IDD, [&](CDialog& e) {
                // Scale 2, rotation atan2(0.6, 0.8) = 36°52′11.6″, shift (1008, 456).
                EXPECT_EQ(ui.GetText(e, fourparam::kScale), L"2");
                EXPECT_EQ(ui.GetText(e, fourparam::kShiftX), L"1008");
                ui.Click(e, answer);
            });
            ui.Click(d, IDOK);
        });
        RunFourParamCommand(host, nullptr);
        // The list was saved before computing: the unflagged line is gone, the new pair kept.
        EXPECT_EQ(ReadHostFile(kFourFile), answer == IDCANCEL
                                               ? "1,A,10,20,1000,500,\r\n1,B,40,60,1000,600,\r\n"
                                               : "1,A,10,20,1000,500,\r\n1,B,40,60,1000,600,\r\n"
                                                 "1,B,40,60,1000,600,\r\n");
        EXPECT_EQ(host.coordWrites, answer == IDOK ? 1 : 0);
    }
    EXPECT_EQ(host.coord.four.nDifang, 1);
    EXPECT_NEAR(host.coord.four.szdCk1, 2.0, 1e-9);
    EXPECT_NEAR(host.coord.four.szdCx1, 1008.0, 1e-6);
}

TEST_F(ParamComputeDlgsTest, RefusalsKeepOrCloseTheDialogAsTheCountAsks) {
    WriteHostFile(kFourFile, "1,A,10,20,1000,500,\r\n1,A2,10,20,1000,500,\r\n");
    ui.OnModal(pairlist::IDD_FOUR, [&](CDialog& d) {
        ui.ExpectMessageBox(L"公共点重合,无法计算四参数!");
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.PressKey(VK_ESCAPE);
    });
    RunFourParamCommand(host, nullptr);

    ui.OnModal(pairlist::IDD_SEVEN, [&](CDialog& d) {
        ui.ExpectMessageBox(L"至少一个公共点方可计算七参数!");
        ui.Click(d, IDOK);
        EXPECT_TRUE(d.HasEnded());
    });
    RunSevenParamCommand(host, nullptr);
    EXPECT_EQ(host.coordWrites, 0);
}

TEST_F(ParamComputeDlgsTest, SevenParametersFromOnePickedPairAreTranslations) {
    host.geoPick = GeoPointChoice{true, L"G1", L"23.0759123400", L"113.2000000000", L"12.5", L"00000000"};
    ui.OnModal(pairlist::IDD_SEVEN, [&](CDialog& d) {
        ui.OnModal(sevenpair::IDD, [&](CDialog& p) {
            ui.Click(p, sevenpair::kPickGeodetic);
            EXPECT_EQ(ui.GetText(p, sevenpair::kB), L"23.0759123400");
            ui.SetText(p, sevenpair::kX, L"2556000");
            ui.SetText(p, sevenpair::kY, L"420000");
            ui.SetText(p, sevenpair::kLocalH, L"10");
            ui.Click(p, IDOK);
        });
        ui.Click(d, pairlist::kAdd);
        ui.OnModal(sevenparam::IDD, [&](CDialog& e) { ui.Click(e, IDOK); });
        ui.Click(d, IDOK);
    });
    RunSevenParamCommand(host, nullptr);
    EXPECT_EQ(host.coordWrites, 1);
    EXPECT_EQ(host.coord.seven.nSevenPar, 1);
    EXPECT_NE(host.coord.seven.szddx, 0.0);
    EXPECT_EQ(host.coord.seven.szdWx, 0.0);
    EXPECT_EQ(host.coord.seven.szddK, 0.0);
    EXPECT_EQ(ReadHostFile("Program Files/Jobs/road/CalSeven.sev"),
              "1,G1,23.0759123400,113.2000000000,12.5,2556000,420000,10,\r\n");
}

// Two marks 1 m apart hold a rotation that a centimetre turns by half a degree: the computation says
// what that does 100 m away and asks first; No keeps the dialog and the job's parameters.
TEST_F(ParamComputeDlgsTest, WeakPairsAreToldWithTheirFigureBeforeTheEditor) {
    WriteHostFile(kFourFile, "1,A,1000,2000,1010,1990,\r\n1,B,1000,2001,1010,1991,\r\n");
    ui.OnModal(pairlist::IDD_FOUR, [&](CDialog& d) {
        ui.ExpectMessageBox(
            L"公共点分布太弱:按1厘米测量误差估算,测区内误差可达平面2.000米(限差0.10米)。确定应用吗?", IDNO);
        ui.Click(d, IDOK);
        EXPECT_FALSE(d.HasEnded());
        ui.ExpectMessageBox(
            L"公共点分布太弱:按1厘米测量误差估算,测区内误差可达平面2.000米(限差0.10米)。确定应用吗?", IDYES);
        ui.OnModal(fourparam::IDD, [&](CDialog& e) { ui.Click(e, IDOK); });
        ui.Click(d, IDOK);
    });
    RunFourParamCommand(host, nullptr);
    EXPECT_EQ(host.coordWrites, 1);
    EXPECT_NEAR(host.coord.four.szdCy1, -10.0, 1e-6);
}
