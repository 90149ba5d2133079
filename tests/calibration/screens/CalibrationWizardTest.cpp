// The base-station wizard headless, both modes: the pages store their points (known-base list,
// slots, BaseKnown.xyh, the antenna reduction), 校正 and 下一步, the prompt, and the calibration that
// follows with its refusals (no base this session, no position, not fixed and declined).
#include <algorithm>
#include <cmath>

#include "calibration/screens/CalibWizardDlgs.h"
#include "calibration/screens/CalibrationWizard.h"
#include "foundation/CIniFile.h"
#include "resources/CalibWizardDlgs.h"
#include "tests/calibration/screens/CalibrationHostDouble.h"

namespace {
using CalibrationWizardTest = CalibrationScreenTest;
constexpr const char* kKnownList = "Program Files/Jobs/road/knowdata.xyh";
constexpr const char* kLog = "Program Files/Jobs/road/result/adjustcoord.blh";

void TypePoint(CUiDriver& ui, CDialog& d, const wchar_t* x, const wchar_t* y, const wchar_t* h,
               const wchar_t* antenna) {
    ui.SetText(d, wizpage::kX, x);
    ui.SetText(d, wizpage::kY, y);
    ui.SetText(d, wizpage::kH, h);
    ui.SetText(d, wizpage::kAntenna, antenna);
}

void Fixed(CGpsState& fix, double x, double y, double h) {
    fix.fixFlag = 1;
    fix.solutionCode = kSolFixed;
    fix.latitude = 23.5;
    fix.longitude = 113.25;
    fix.height = 40.0;
    fix.projX = x;
    fix.projY = y;
    fix.projH = h;
}
}  // namespace

TEST_F(CalibrationWizardTest, KnownBaseSinglePointStoresThePageAndCalibrates) {
    // A log line typed on a PC, without its line end: kept, and given it.
    const std::string typed = "adjust,23.0000000000,113.0000000000,1.000,00000000";
    WriteHostFile(kLog, typed);
    host.baseReceived = true;
    host.coord.calib.slot[0] = {1000.0, 2000.0, 50.0, 0, 0, 0, 0};  // the base as the watch surveyed it
    Fixed(host.fix, 1234.0, 5678.0, 60.0);
    ui.OnModal(calibmode::IDD, [&](CDialog& d) {
        EXPECT_TRUE(d.GetDlgItem(calibmode::kKnown)->IsWindowEnabled());
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-wizard-mode.png"));
        ui.Click(d, IDOK);
    });
    ui.ExpectMessageBox(kAntennaTableUnread);
    ui.OnModal(wizpage::IDD_KNOWN1, [&](CDialog& d) {
        TypePoint(ui, d, L"1010", L"1995", L"48", L"0.1");
        ui.Click(d, wizpage::kSlant);
        ui.ExpectMessageBox(L"斜高不能小于天线半径,请重新输入!");
        ui.Click(d, wizpage::kCalibrateKnown1);
        ui.SetText(d, wizpage::kAntenna, L"1.500");  // √(2.25 − 0.01) + 0.05 = 1.547 with the rover's antenna
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-wizard-known.png"));
        ui.Click(d, wizpage::kCalibrateKnown1);
    });
    ui.OnModal(calibprompt::IDD, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, calibprompt::kMessage), L"基准站架设在已知点上");
        ASSERT_TRUE(ui.Screenshot(QZ_BINARY_DIR "/calibration-wizard-prompt.png"));
        ui.Click(d, IDOK);
    });
    RunCalibrationWizard(host, nullptr);

    EXPECT_EQ(ReadHostFile(kKnownList), "0,1010,1995,48,1.500,\r\n");
    EXPECT_EQ(ReadHostFile("Program Files/Jobs/road/result/BaseKnown.xyh"), "1010.000,1995.000,49.547,\r\n");
    EXPECT_EQ(ReadHostFile(kLog), typed + "\r\nadjust,23.3000000000,113.1500000000,40.000,00000000\r\n");
    EXPECT_EQ(host.coord.calib.slot[0].szdKAnh, 1.547);
    EXPECT_EQ(host.coord.adjust.UseNum, 0);
    EXPECT_EQ(host.settings.nAdjustAntType, 1);
    EXPECT_NEAR(host.coord.adjust.szdAdjustX, 10.0, 1e-9);
    EXPECT_NEAR(host.coord.adjust.szdAdjustH, 48 + 1.547 - 50.0, 1e-9);
    EXPECT_EQ(host.tones, 1);
}

TEST_F(CalibrationWizardTest, ReceiverTypeAntennaServesThisCalibrationOnly) {
    host.baseReceived = true;
    WizardRun run;
    run.rover = host.antenna;
    CWizardPointDlg page(WizardPage::kKnown1, host, run, nullptr);
    ui.ExpectMessageBox(kAntennaTableUnread);
    ui.OnModal(wizpage::IDD_KNOWN1, [&](CDialog& d) {
        EXPECT_FALSE(d.GetDlgItem(wizpage::kReceiverType)->IsWindowEnabled());
        ui.Click(d, wizpage::kByType);
        ui.ChooseItem(d, wizpage::kReceiverType, 1);
        TypePoint(ui, d, L"1", L"2", L"3", L"2.000");
        ui.Click(d, wizpage::kPole);  // 2 + 0.0727 = 2.073
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(page.DoModal(), IDOK);
    EXPECT_TRUE(run.secondStep);
    EXPECT_EQ(run.count, 1);
    EXPECT_EQ(host.coord.calib.slot[0].szdKAnh, 2.073);
    EXPECT_EQ(run.rover.poleOffset, host.antenna.poleOffset);
}

// The base's antenna comes from the table for the receiver number chosen; a table that can no longer
// be read then is told, as the frame tells it, and the rover's antenna serves.
TEST_F(CalibrationWizardTest, AntennaTableThatCannotBeReadIsTold) {
    host.baseReceived = true;
    host.fix.baseId = L"5678";
    host.fix.ident.text[0] = L"QZ8120382345678";
    std::string table;
    for (const char* serial : {"QZ8120382345678", "QZ9120382345678"})
        table += std::string("\r\n[") + serial +
                 "]\r\nAntennaType=QZANT-A\r\nAntHgtFactor=0.0131\r\nGPSInstrumentHgt=0.5\r\n"
                 "GpsInstrumentRadius=0.12\r\n";
    WriteHostFile("Program Files/AntType.at", table);
    WizardRun run;
    run.rover = host.antenna;
    CWizardPointDlg page(WizardPage::kKnown1, host, run, nullptr);
    ui.OnModal(wizpage::IDD_KNOWN1, [&](CDialog& d) {
        EXPECT_EQ(d.SendDlgItemMessage(wizpage::kReceiverNumber, CB_GETCOUNT), 2);
        std::filesystem::remove(root_ / "Program Files/AntType.at");
        ui.ExpectMessageBox(kAntennaTableUnread);
        ui.ChooseItem(d, wizpage::kReceiverNumber, 1);
        TypePoint(ui, d, L"1", L"2", L"3", L"2.000");
        ui.Click(d, wizpage::kPole);
        ui.Click(d, IDOK);
    });
    ASSERT_EQ(page.DoModal(), IDOK);
    EXPECT_NEAR(host.coord.calib.slot[0].szdKAnh, 2.0 + host.antenna.poleOffset, 0.0005);
    EXPECT_EQ(ui.MessageBoxes().size(), 1u);
}

TEST_F(CalibrationWizardTest, UnknownBaseSinglePointThenTheTwoPointForm) {
    host.coord.calib.slot[0] = {5000.0, 6000.0, 30.0, 0, 0, 0, 0};
    Fixed(host.fix, 5100.0, 6100.0, 33.0);
    ui.OnModal(calibmode::IDD, [&](CDialog& d) {
        EXPECT_FALSE(d.GetDlgItem(calibmode::kKnown)->IsWindowEnabled());  // no base this session
        ui.Click(d, IDOK);
    });
    ui.OnModal(wizpage::IDD_UNKNOWN1, [&](CDialog& d) {
        TypePoint(ui, d, L"5110", L"6090", L"31", L"1.8");
        ui.ExpectMessageBox(L"该点尚未校正,请先用单点校正!");
        ui.Click(d, IDOK);
        ui.Click(d, wizpage::kCalibrateUnknown1);
    });
    ui.OnModal(calibprompt::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    RunCalibrationWizard(host, nullptr);
    // Shift (10, −10), height 31 + 1.8 − 33; the base derived and kept in row 0 with antenna 1.200.
    EXPECT_NEAR(host.coord.adjust.szdAdjustX, 10.0, 1e-9);
    EXPECT_NEAR(host.coord.adjust.szdAdjustH, -0.2, 1e-9);
    EXPECT_EQ(ReadHostFile(kKnownList), "0,5010.000,5990.000,29.800,1.200,\r\n1,5110,6090,31,1.8,\r\n");
    EXPECT_EQ(host.tones, 1);
    EXPECT_TRUE(host.memory.wizardDone);

    // Second run: 下一步 pairs this mark, surveyed above, with a second one 100 m north of it,
    // known 100 m east: four parameters turn a quarter and the shifts follow through them.
    Fixed(host.fix, 5200.0, 6100.0, 33.5);
    ui.OnModal(calibmode::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    ui.OnModal(wizpage::IDD_UNKNOWN1, [&](CDialog& d) {
        EXPECT_EQ(ui.GetText(d, wizpage::kX), L"5110");
        ui.Click(d, IDOK);
    });
    ui.OnModal(wizpage::IDD_UNKNOWN2, [&](CDialog& d) {
        TypePoint(ui, d, L"5110", L"6190", L"31.5", L"1.8");
        ui.Click(d, wizpage::kCalibrateUnknown2);
    });
    ui.OnModal(calibprompt::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    // A log line cut short before it: moved to the log's ".bad" copy, and told.
    WriteHostFile(kLog, ReadHostFile(kLog) + "adjust,23.30");
    ui.ExpectMessageBox(L"adjustcoord.blh末尾的损坏内容已移到adjustcoord.blh.bad");
    RunCalibrationWizard(host, nullptr);
    EXPECT_EQ(ReadHostFile(std::string(kLog) + ".bad"), "adjust,23.30");
    EXPECT_EQ(host.coord.four.nDifang, 1);
    EXPECT_NEAR(host.coord.four.szdCa1, std::atan2(1.0, 0.0), 1e-9);
    EXPECT_EQ(host.coord.adjust.UseNum, 2);
    EXPECT_NEAR(host.coord.adjust.szdAdjustX, 0.0, 1e-6);
    const std::string log = ReadHostFile(kLog);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
}

TEST_F(CalibrationWizardTest, RefusalsChangeNothing) {
    WizardRun run;
    run.count = 1;
    ui.ExpectMessageBox(L"本次没有收到固定解的基准站坐标,不能校正!");
    CalibrateKnownBase(host, run, nullptr);

    host.baseReceived = true;
    ui.OnModal(calibprompt::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    ui.ExpectMessageBox(L"没有有效的定位数据,不能校正!");
    CalibrateKnownBase(host, run, nullptr);

    Fixed(host.fix, 1.0, 2.0, 3.0);
    host.fix.solutionCode = kSolFloat;
    ui.OnModal(calibprompt::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
    ui.ExpectMessageBox(L"非固定解状态,确定要校正吗?", IDNO);
    CalibrateKnownBase(host, run, nullptr);

    ui.ExpectMessageBox(L"请确定已知点坐标的正确输入");
    CalibrateUnknownBase(host, run, nullptr);
    EXPECT_EQ(host.coordWrites, 0);
    EXPECT_EQ(ReadHostFile(kLog), "");
}

TEST_F(CalibrationWizardTest, LeavingAtTheModeChoiceIsNoRunOfTheWizard) {
    ui.OnModal(calibmode::IDD, [&](CDialog& d) { ui.Click(d, IDCANCEL); });
    RunCalibrationWizard(host, nullptr);
    EXPECT_FALSE(host.memory.wizardDone);
    EXPECT_EQ(host.tones, 0);
}

// 主机机号 lists the table's receivers of this base; the antenna in force is that of the receiver whose
// serial the fix carries until another number is chosen.
TEST_F(CalibrationWizardTest, ReceiverNumberAntennaIsTheFixReceiversUntilAnotherIsChosen) {
    WriteHostFile("Program Files/AntType.at",
                  "[QZ1230427]\r\nAntennaType=A\r\nAntHgtFactor=0.0468\r\nGPSInstrumentHgt=0.1\r\n"
                  "GpsInstrumentRadius=0.093\r\n[QZ9990427]\r\nAntennaType=B\r\nAntHgtFactor=0.06\r\n"
                  "GPSInstrumentHgt=0.1\r\nGpsInstrumentRadius=0.12\r\n");
    host.fix.baseId = L"0427";
    struct Case {
        const wchar_t* fixSerial;
        int chosen;  // -1: the number shown at first
        double vertical;
    };
    // Slant 1.500: √(2.25 − 0.12²) + 0.06 = 1.555; √(2.25 − 0.093²) + 0.0468 = 1.544; the rover's own
    // antenna (A 0.05, R 0.1) 1.547.
    const Case cases[] = {{L"QZ9990427", -1, 1.555}, {L"QZ9990427", 0, 1.544}, {L"QZ0000001", -1, 1.547}};
    for (const Case& c : cases) {
        host.fix.ident.text[0] = c.fixSerial;
        WizardRun run;
        run.rover = host.antenna;
        CWizardPointDlg page(WizardPage::kKnown1, host, run, nullptr);
        ui.OnModal(wizpage::IDD_KNOWN1, [&](CDialog& d) {
            EXPECT_EQ(ui.GetText(d, wizpage::kReceiverNumber), L"QZ1230427");
            if (c.chosen >= 0) ui.ChooseItem(d, wizpage::kReceiverNumber, c.chosen);
            TypePoint(ui, d, L"1", L"2", L"3", L"1.500");
            ui.Click(d, wizpage::kSlant);
            ui.Click(d, wizpage::kCalibrateKnown1);
        });
        ASSERT_EQ(page.DoModal(), IDOK);
        EXPECT_EQ(host.coord.calib.slot[0].szdKAnh, c.vertical) << c.fixSerial << " " << c.chosen;
    }
}

// The two-point form with marks 1 m apart: four parameters from them would throw a fix 100 m away
// 2 m off for a centimetre of error; the calibration asks, and No leaves no trace.
TEST_F(CalibrationWizardTest, MarksTooCloseForFourParametersAreAskedAbout) {
    host.coord.calib.slot[1] = {5100.0, 6100.0, 33.0, 5110.0, 6090.0, 31.0, 1.8};
    host.coord.calib.slot[2] = {0.0, 0.0, 0.0, 5110.0, 6091.0, 31.0, 1.8};
    Fixed(host.fix, 5100.0, 6101.0, 33.0);
    WizardRun run;
    run.count = 3;
    for (int answer : {IDNO, IDYES}) {
        ui.OnModal(calibprompt::IDD, [&](CDialog& d) { ui.Click(d, IDOK); });
        ui.ExpectMessageBox(
            L"公共点分布太弱:按1厘米测量误差估算,测区内误差可达平面2.000米(限差0.10米)。确定应用吗?", answer);
        CalibrateUnknownBase(host, run, nullptr);
        EXPECT_EQ(host.coordWrites, answer == IDYES ? 1 : 0);
        EXPECT_EQ(ReadHostFile(kLog).empty(), answer == IDNO);
    }
    EXPECT_EQ(host.coord.four.nDifang, 1);
}
